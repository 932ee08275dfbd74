#pragma once
// The public class "Brunsel.cDeclarante": load, save and delete taxpayers, the lists of the
// recent-taxpayer menu, the taxpayer window and the export, and the checks of a taxpayer's data
// typed in or read from the exchange file. The program creates one object per operation, sets
// the paths and calls one member; every member that needs a database opens it at its start and
// closes it at its end, also when it fails.
#include <cstdint>
#include <string>

#include "com/com.h"
#include "vb/variant.h"

namespace brunsel {

// Raised by GuardarDeclarante when the taxpayer could not be stored (user-defined error range).
inline constexpr int32_t errDeclaranteNoGuardado = -2147221504 + 513;

class cDeclarante : public com::Object {
public:
    // Full paths of the reference and the modifiable database (write-only).
    void mdbnameL(std::string v) { mdbnameL_ = std::move(v); }
    void mdbnameM(std::string v) { mdbnameM_ = std::move(v); }

    // The four taxpayers with the highest keys as (row 0..3, column 0 key | 1 NIF | 2 name);
    // rows without a taxpayer stay Empty.
    void ObtenerUltimosDeclarantes(vb::Variant& vBufferResultado);
    // Deletes the taxpayer with every declaration it owns, all or nothing. Answers -1 for a key
    // of 1 or more, 0 below.
    vb::Integer BorrarDeclarante(vb::Long& csco);
    // The taxpayer's row in slots 0..16, table order; a key without a row gives 0 and "".
    void CargarDeclarante(vb::Long& csco, vb::Variant& vBufferResultado);
    // The stored declaration counters of the taxpayer (0 and 0 without a row).
    void ObtenerContadores(vb::Long& csco, vb::Long& num731, vb::Long& num732);
    // 0 when the eight typed fields are acceptable, else the first failed rule (1 to 12).
    vb::Integer ValidarDatosDeclarante(vb::Variant& vBufferResultado);
    // The key of the taxpayer with this NIF, 0 when there is none.
    vb::Long ObtenerCodigoDeclarante(std::string& sdni);
    // 0 saved, 1 a new taxpayer whose NIF is already registered, 2 a NIF another taxpayer
    // holds. Raises errDeclaranteNoGuardado when nothing could be stored: a new taxpayer
    // without NIF, or a key that has no row. An update keeps the stored declaration counters
    // (slots 15 and 16 are read for a new taxpayer only). Once saved, slot 0 holds the key of the
    // taxpayer stored (the one the database gave a new taxpayer).
    vb::Integer GuardarDeclarante(vb::Variant& vBufferResultado);
    // The taxpayer list as (column 0..6, row 0..N-1) with municipality and province names,
    // ordered by NIF (1) or name (2); Spanish names for iidioma 0, Basque otherwise. Answers N.
    vb::Long dameResultado(vb::Variant& vBufferResultado, vb::Integer& iorder, vb::Integer& iidioma);
    // Every column of every taxpayer as (column 0..16, row 0..N-1). Answers N.
    vb::Long dameResultadoExportar(vb::Variant& vBufferResultado, vb::Integer& iorder);
    // The key of the taxpayer with this NIF (taken as it stands, blanks included), 0 if none.
    vb::Long ExisteContribuyente(std::string& sdni);
    // Every failed rule of one exchange-file line, as (0, 0..n) with the codes in evaluation
    // order and the last cell Empty.
    vb::Variant ValidarDatosImportar(vb::Variant& vBufferResultado, vb::Integer& Idioma);

private:
    std::string mdbnameL_;
    std::string mdbnameM_;
};

}  // namespace brunsel
