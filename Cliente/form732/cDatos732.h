#pragma once
// The record of the one form-732 declaration being entered, viewed or printed: one instance for
// the whole run. The declarations window sets MODO, MODOP and CSDE (in that order), the editor
// stores box by box through the Lets, and printing reloads it. Amounts are whole cents; flags are
// "X" for marked and "" for not marked.
#include <QString>

#include "compartido/registro_declaracion.h"
#include "vb/variant.h"

namespace oxalde {

// The stored values, without the Lets' rules: what a buffer slot reads from or writes into.
struct Campos732 : CamposComunes {
    QString MODO;
    QString MODOP;
    vb::Byte PESTANA = 0;
    QString TRANIF;
    QString TRANOM;
    QString TRADIRECC;
    QString TRAPAIS;
    QString TRAPROVINCIA;
    QString SITTIB1;
    QString SITTIB2;
    QString SITTIB3;
    QString SITTIB4;
    QString SITTIB5;
    QString SITTIB6;
    QString HECHO1;
    QString HECHO2;
    QString HECHO3;
    QString HECHO4;
    QString HECHO5;
    QString HECHO6;
    double BAEQ4 = 0;
    double CUEQ4 = 0;
    double BAEQ175 = 0;
    double CUEQ175 = 0;
    double BAEQ1 = 0;
    double CUEQ1 = 0;
    double BAEQ05 = 0;
    double CUEQ05 = 0;
    double TOTAL = 0;

    bool operator==(const Campos732&) const = default;
};

class cDatos732 : public RegistroDeclaracion<cDatos732, Campos732> {
public:
    // kModoNueva empties the whole record but MODOP and PESTANA; kModoExistente only stores.
    OXALDE_TEXTO_PROPIO(MODO)
    // "P" clears SITTIB5, HECHO2, TMEDIO and the technical data; "T" marks SITTIB5 alone, zeroes
    // every amount but BASE16, CUOTA16 and TOTAL, and for a new record chooses a vehicle.
    OXALDE_TEXTO_PROPIO(MODOP)
    // Key, means of transport and its technical data, bases and taxes at the three rates.
    OXALDE_CAMPOS_COMUNES

    OXALDE_CAMPO(vb::Byte, PESTANA)
    OXALDE_TEXTO(TRANIF)
    OXALDE_TEXTO(TRANOM)
    OXALDE_TEXTO(TRADIRECC)
    OXALDE_TEXTO(TRAPAIS)
    OXALDE_TEXTO(TRAPROVINCIA)
    OXALDE_TEXTO(SITTIB1)
    OXALDE_TEXTO(SITTIB2)
    OXALDE_TEXTO(SITTIB3)
    OXALDE_TEXTO(SITTIB4)
    OXALDE_TEXTO(SITTIB5)
    OXALDE_TEXTO(SITTIB6)
    OXALDE_TEXTO(HECHO1)
    OXALDE_TEXTO(HECHO2)
    OXALDE_TEXTO(HECHO3)
    OXALDE_TEXTO(HECHO4)
    OXALDE_TEXTO(HECHO5)
    OXALDE_TEXTO(HECHO6)
    OXALDE_IMPORTE(BAEQ4)
    OXALDE_IMPORTE(CUEQ4)
    OXALDE_IMPORTE(BAEQ175)
    OXALDE_IMPORTE(CUEQ175)
    OXALDE_IMPORTE(BAEQ1)
    OXALDE_IMPORTE(CUEQ1)
    OXALDE_IMPORTE(BAEQ05)
    OXALDE_IMPORTE(CUEQ05)
    OXALDE_IMPORTE(TOTAL)

    // Loads the stored declaration of that key from the user's database, as stored (no rounding,
    // no clearing); MODO, MODOP, PESTANA, CSDE and the makes and types of boat and aircraft stay.
    // All or nothing: when a slot does not convert, the record is left as it was and the error
    // reaches the caller. A key without a stored detail loads as an empty declaration.
    void CargarDeclaracion(vb::Long csde);
    // The library's check of the validation buffer on the declaration's date (see strFecha):
    // 0 when every rule holds, else the number of the first failed rule.
    vb::Integer ValidarDatos732(vb::Variant& vBufferResultado);
    // Saves the save buffer in the user's database; answers the declaration's key (below 1:
    // nothing saved, the declaration was deleted meanwhile).
    vb::Long GuardarDeclaracion(vb::Variant& vBufferResultado);

    // Empties the technical data of all three means; the means stays.
    void VaciarDatosTecnicos() { oxalde::VaciarDatosTecnicos(c_); }
    // Flag i (0 to 5) of the tax situations, SITTIB1 to SITTIB6, and of the taxable events,
    // HECHO1 to HECHO6.
    QString Situacion(int i) const;
    void Situacion(int i, const QString& v);
    QString Hecho(int i) const;
    void Hecho(int i, const QString& v);

private:
    friend RegistroDeclaracion;
    cDatos732() = default;
};

}  // namespace oxalde
