#pragma once
// Dates between the yyyymmdd Long that records and databases hold (0 = no date) and the text
// of the masked date boxes: dd/mm/yyyy in Spanish, yyyy/mm/dd in Basque. One instance serves
// the whole run; start-up and every language change set its language letter.
#include <QString>

#include "compartido/CEntrada.h"
#include "vb/variant.h"

namespace oxalde {

class cFecha {
public:
    // The program's instance, created on first use.
    static cFecha& Instancia();

    cFecha() = default;

    // Language letter: "C" Spanish, "E" Basque.
    QString fecidioma() const { return idioma_; }
    void fecidioma(const QString& letra) { idioma_ = letra; }

    // The text of an empty date box in the current layout.
    QString FecVacia() const;

    // The year of a date text; raises a type mismatch when there is none.
    vb::Long miYear(const QString& texto) const;

    // 0 for the empty mask, yyyymmdd for a valid date, -1 for anything else.
    vb::Long StringToLong(const QString& texto, vb::Integer anioMinimo = 0) const;

    // Whether the text is the empty mask or a real calendar date of at least anioMinimo.
    bool EsFecha(const QString& texto, vb::Integer anioMinimo = 0) const;

    // The date text in the current layout, or the empty mask for a date it cannot show.
    // With invertida the number is read as ddmmyyyy.
    QString LongToString(vb::Long fecha, bool invertida = false) const;

private:
    bool Vasco() const { return idioma_ == kEuskera; }

    QString idioma_;
};

}  // namespace oxalde
