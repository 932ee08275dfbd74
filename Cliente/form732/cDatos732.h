#pragma once
// The record of the one form-732 declaration being entered, viewed or printed: one instance for
// the whole run. The declarations window sets MODO, MODOP and CSDE (in that order), the editor
// stores box by box through the Lets, and printing reloads it. Amounts are whole cents; flags are
// "X" for marked and "" for not marked.
#include <QString>

#include "compartido/campos_registro.h"
#include "vb/variant.h"

namespace oxalde {

// The stored values, without the Lets' rules: what a buffer slot reads from or writes into.
struct Campos732 {
    QString MODO;
    QString MODOP;
    vb::Byte PESTANA = 0;
    vb::Long CSDE = 0;
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
    QString TMEDIO;
    QString MARCAV;
    QString TIPOV;
    QString MODELOV;
    QString NBASTIDOR;
    vb::Integer CLASIF = 0;
    QString FABRICB;
    vb::Single ESLORAMAX = 0;
    QString NCONSTRUC;
    QString MARCAB;
    QString TIPOB;
    QString MODELOB;
    QString FABRICA;
    vb::Long PESOMAX = 0;
    QString NSERIE;
    vb::Integer ANOFAB = 0;
    QString MARCAA;
    QString TIPOA;
    QString MODELOA;
    double BASE16 = 0;
    double CUOTA16 = 0;
    double BASE7 = 0;
    double CUOTA7 = 0;
    double BASE4 = 0;
    double CUOTA4 = 0;
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

class cDatos732 {
public:
    static cDatos732& Instancia();

    // kModoNueva empties the whole record but MODOP and PESTANA; kModoExistente only stores.
    QString MODO() const { return c_.MODO; }
    void MODO(const QString& v);
    // "P" clears SITTIB5, HECHO2, TMEDIO and the technical data; "T" marks SITTIB5 alone, zeroes
    // every amount but BASE16, CUOTA16 and TOTAL, and for a new record chooses a vehicle.
    QString MODOP() const { return c_.MODOP; }
    void MODOP(const QString& v);
    // "V", "B" or "A" clears the technical data of the other two means; anything else only stores.
    QString TMEDIO() const { return c_.TMEDIO; }
    void TMEDIO(const QString& v);
    // Metres, rounded to 2 decimals.
    OXALDE_DECIMAL(ESLORAMAX)

    OXALDE_CAMPO(vb::Byte, PESTANA)
    OXALDE_CAMPO(vb::Long, CSDE)
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
    OXALDE_TEXTO(MARCAV)
    OXALDE_TEXTO(TIPOV)
    OXALDE_TEXTO(MODELOV)
    OXALDE_TEXTO(NBASTIDOR)
    OXALDE_CAMPO(vb::Integer, CLASIF)
    OXALDE_TEXTO(FABRICB)
    OXALDE_TEXTO(NCONSTRUC)
    OXALDE_TEXTO(MARCAB)
    OXALDE_TEXTO(TIPOB)
    OXALDE_TEXTO(MODELOB)
    OXALDE_TEXTO(FABRICA)
    OXALDE_CAMPO(vb::Long, PESOMAX)
    OXALDE_TEXTO(NSERIE)
    OXALDE_CAMPO(vb::Integer, ANOFAB)
    OXALDE_TEXTO(MARCAA)
    OXALDE_TEXTO(TIPOA)
    OXALDE_TEXTO(MODELOA)
    OXALDE_IMPORTE(BASE16)
    OXALDE_IMPORTE(CUOTA16)
    OXALDE_IMPORTE(BASE7)
    OXALDE_IMPORTE(CUOTA7)
    OXALDE_IMPORTE(BASE4)
    OXALDE_IMPORTE(CUOTA4)
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

    // Every stored value, for the buffers.
    const Campos732& Campos() const { return c_; }

private:
    cDatos732() = default;
    Campos732 c_;
};

// The date the library checks a declaration on, as yyyymmdd text: the declaration's own date for
// a transport declaration ("T"), otherwise the last day of its quarter.
std::string strFecha(const QString& modop, vb::Long fecha, vb::Integer ejercicio, const QString& periodo);

}  // namespace oxalde
