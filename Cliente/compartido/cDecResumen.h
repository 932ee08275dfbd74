#pragma once
// The declaration header, one instance for the whole run: the taxpayer the declarations window
// shows, the declaration selected, opened or being created there, and how that window is
// entered. The registry, both form editors and printing hand a declaration over through it.
#include <QString>

#include "compartido/campos_registro.h"
#include "vb/variant.h"

namespace oxalde {

class cDecResumen {
public:
    static cDecResumen& Instancia();

    // Taxpayer key.
    OXALDE_CAMPO(vb::Long, CSCO)
    // Declaration date yyyymmdd (the quarter's last day, or the transport date); 0 none.
    OXALDE_CAMPO(vb::Long, FECHA)
    // Key of the selected declaration; 0 none or new.
    OXALDE_CAMPO(vb::Long, CSDE)
    // Rows in the declarations window's last list.
    OXALDE_CAMPO(vb::Long, NUMDECLASEL)
    // "L" list (clears the new header), "P" new quarterly declaration (proposes the quarter
    // after the latest quarterly one), "T" new transport declaration (proposes its form).
    OXALDE_TEXTO_PROPIO(MODO)
    // Kind of the declaration opened or printed: "P" quarterly, "T" transport.
    OXALDE_TEXTO(MODOP)
    // "A" fresh entry into the declarations window, "P" back from a child window.
    OXALDE_TEXTO(ENTRADA)
    OXALDE_TEXTO(DNI)
    OXALDE_TEXTO(NOMBRE)
    OXALDE_CAMPO(vb::Integer, Ejercicio)
    // "1T" to "4T", "OA" transport, "" none.
    OXALDE_TEXTO(PERIODO)
    // "731", "732" or "".
    OXALDE_TEXTO(Modelo)
    // 1 form 731, 2 form 732, 0 none.
    OXALDE_CAMPO(vb::Byte, TIPOLOGIA)

    // The taxpayer's latest declaration of the kind in MODO, into a 9-slot buffer; false when
    // there is none.
    bool ObtenerUltimaDeclaracion(vb::Variant& vBufferResultado);
    // The library's check of a new declaration's header (9-slot buffer): 0, or the first
    // failed rule.
    vb::Integer ValidarDatosComunes(vb::Variant& vBufferResultado);
    // Taxpayer kind by the DNI's first character: "F" natural person (also for no DNI), "S"
    // company, "C" anything else. The outside component's NIF kind decides, so this agrees
    // with the header check that refuses a transport declaration to anyone but a person.
    QString TipoDec() const;

private:
    cDecResumen() = default;
    void VaciarCabecera();
    void VaciarFecha();
    void CopiarUltima(const vb::Variant& ultima);
    bool ProponerTrimestre();
    bool EjerPerValidos();

    struct Campos {
        vb::Long CSCO = 0;
        vb::Long FECHA = 0;
        vb::Long CSDE = 0;
        vb::Long NUMDECLASEL = 0;
        QString MODO;
        QString MODOP;
        QString ENTRADA;
        QString DNI;
        QString NOMBRE;
        QString PERIODO;
        QString Modelo;
        vb::Integer Ejercicio = 0;
        vb::Byte TIPOLOGIA = 0;
    };
    Campos c_;
};

}  // namespace oxalde
