#pragma once
// The public class "Brunsel.cDeclaracion": save, load, delete and list the declarations of both
// forms, find a taxpayer's latest declaration of one kind and run the checks of a declaration.
// The program creates one object per operation, sets mdbname and calls one member; every member
// that needs a database opens it at its start and closes it at its end, also when it fails.
#include <string>

#include "com/com.h"
#include "vb/variant.h"

namespace brunsel {

class cDeclaracion : public com::Object {
public:
    // The full path of the database the members open (write-only).
    void mdbname(std::string v) { mdbname_ = std::move(v); }

    // Every declaration of the taxpayer, as (column 0..11, row 0..N-1); answers N.
    vb::Long dameResultado(vb::Variant& vBufferResultado, vb::Long& csco);
    // The taxpayer's latest declaration of kind smodo in slots 0..7 of a 0..8 buffer.
    bool ObtenerUltimaDeclaracion(vb::Variant& vBufferResultado, vb::Long& csco, std::string& smodo);
    // The declaration's date lies inside the accepted range (opens no database).
    bool EjerPerValidos(vb::Variant& vBufferResultado);
    vb::Integer ValidarDatos731(vb::Variant& vBufferResultado, bool& blnValPreven, std::string& strFecha);
    vb::Integer ValidarDatosComunes(vb::Variant& vBufferResultado);
    void Cargar731(vb::Long& csde, vb::Variant& vBufferResultado);
    void Cargar732(vb::Long& csde, vb::Variant& vBufferResultado);
    // Header, detail row and the owner's counter are written together or not at all. Answers the
    // declaration's key, or 0 when nothing was written: the key given no longer has a header, or
    // a new declaration's taxpayer no longer exists.
    vb::Long Guardar731(vb::Variant& vBufferResultado);
    vb::Long Guardar732(vb::Variant& vBufferResultado);
    // Both delete the whole declaration in one transaction: its detail row, the owner's counter
    // of the form when a detail row went (never below 0), and its header. The program calls
    // BorrarDatosNoComunes first (smodelo "731" or "732" exactly, and the declaration must have
    // boxes of that form: otherwise nothing is deleted) and BorrarDeclaracion after it, which
    // then finds nothing left.
    void BorrarDeclaracion(vb::Long& csde);
    void BorrarDatosNoComunes(vb::Long& csde, std::string& smodelo);
    // Opens no database.
    vb::Integer ValidarDatos732(vb::Variant& vBufferResultado, std::string& strFecha);

private:
    std::string mdbname_;
};

}  // namespace brunsel
