#pragma once
// The record of the one form-732 declaration being entered, viewed or printed: one instance for
// the whole run. The declarations window sets MODO, MODOP and CSDE (in that order), the editor
// stores box by box through the Lets, and printing reloads it. Amounts are whole cents; flags are
// "X" for marked and "" for not marked.
#include <QString>

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

// A field whose Let only stores.
#define OXALDE_CAMPO_732(Tipo, Nombre)          \
    Tipo Nombre() const { return c_.Nombre; } \
    void Nombre(Tipo v) { c_.Nombre = v; }
// A text field whose Let only stores.
#define OXALDE_TEXTO_732(Nombre)                   \
    QString Nombre() const { return c_.Nombre; } \
    void Nombre(const QString& v) { c_.Nombre = v; }
// An amount: the Let rounds to whole cents, halves away from zero.
#define OXALDE_IMPORTE_732(Nombre)                \
    double Nombre() const { return c_.Nombre; } \
    void Nombre(double v) { c_.Nombre = Centimos(v); }

class cDatos732 {
public:
    static cDatos732& Instancia();

    // "A" (new) empties the whole record but MODOP and PESTANA; "C" only stores.
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
    vb::Single ESLORAMAX() const { return c_.ESLORAMAX; }
    void ESLORAMAX(vb::Single v);

    OXALDE_CAMPO_732(vb::Byte, PESTANA)
    OXALDE_CAMPO_732(vb::Long, CSDE)
    OXALDE_TEXTO_732(TRANIF)
    OXALDE_TEXTO_732(TRANOM)
    OXALDE_TEXTO_732(TRADIRECC)
    OXALDE_TEXTO_732(TRAPAIS)
    OXALDE_TEXTO_732(TRAPROVINCIA)
    OXALDE_TEXTO_732(SITTIB1)
    OXALDE_TEXTO_732(SITTIB2)
    OXALDE_TEXTO_732(SITTIB3)
    OXALDE_TEXTO_732(SITTIB4)
    OXALDE_TEXTO_732(SITTIB5)
    OXALDE_TEXTO_732(SITTIB6)
    OXALDE_TEXTO_732(HECHO1)
    OXALDE_TEXTO_732(HECHO2)
    OXALDE_TEXTO_732(HECHO3)
    OXALDE_TEXTO_732(HECHO4)
    OXALDE_TEXTO_732(HECHO5)
    OXALDE_TEXTO_732(HECHO6)
    OXALDE_TEXTO_732(MARCAV)
    OXALDE_TEXTO_732(TIPOV)
    OXALDE_TEXTO_732(MODELOV)
    OXALDE_TEXTO_732(NBASTIDOR)
    OXALDE_CAMPO_732(vb::Integer, CLASIF)
    OXALDE_TEXTO_732(FABRICB)
    OXALDE_TEXTO_732(NCONSTRUC)
    OXALDE_TEXTO_732(MARCAB)
    OXALDE_TEXTO_732(TIPOB)
    OXALDE_TEXTO_732(MODELOB)
    OXALDE_TEXTO_732(FABRICA)
    OXALDE_CAMPO_732(vb::Long, PESOMAX)
    OXALDE_TEXTO_732(NSERIE)
    OXALDE_CAMPO_732(vb::Integer, ANOFAB)
    OXALDE_TEXTO_732(MARCAA)
    OXALDE_TEXTO_732(TIPOA)
    OXALDE_TEXTO_732(MODELOA)
    OXALDE_IMPORTE_732(BASE16)
    OXALDE_IMPORTE_732(CUOTA16)
    OXALDE_IMPORTE_732(BASE7)
    OXALDE_IMPORTE_732(CUOTA7)
    OXALDE_IMPORTE_732(BASE4)
    OXALDE_IMPORTE_732(CUOTA4)
    OXALDE_IMPORTE_732(BAEQ4)
    OXALDE_IMPORTE_732(CUEQ4)
    OXALDE_IMPORTE_732(BAEQ175)
    OXALDE_IMPORTE_732(CUEQ175)
    OXALDE_IMPORTE_732(BAEQ1)
    OXALDE_IMPORTE_732(CUEQ1)
    OXALDE_IMPORTE_732(BAEQ05)
    OXALDE_IMPORTE_732(CUEQ05)
    OXALDE_IMPORTE_732(TOTAL)

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
    static double Centimos(double v);
    Campos732 c_;
};

#undef OXALDE_CAMPO_732
#undef OXALDE_TEXTO_732
#undef OXALDE_IMPORTE_732

// The date the library checks a declaration on, as yyyymmdd text: the declaration's own date for
// a transport declaration ("T"), otherwise the last day of its quarter.
std::string strFecha(const QString& modop, vb::Long fecha, vb::Integer ejercicio, const QString& periodo);

}  // namespace oxalde
