#pragma once
// The Get/Let pairs of the program's records (the declarations, the taxpayer, the headers and
// states the windows share), written once: each record keeps its values in a plain struct `c_`,
// and every pair reads and writes one of them.
// An amount's Let rounds to whole cents, a rate's or length's to two decimals (importe.h).
#include <QString>

#include "compartido/importe.h"

// A field whose Let only stores.
#define OXALDE_CAMPO(Tipo, Nombre)            \
    Tipo Nombre() const { return c_.Nombre; } \
    void Nombre(Tipo v) { c_.Nombre = v; }
// A text field whose Let only stores.
#define OXALDE_TEXTO(Nombre)                     \
    QString Nombre() const { return c_.Nombre; } \
    void Nombre(const QString& v) { c_.Nombre = v; }
// A text field whose Let the record defines itself: it empties the fields the value rules out.
#define OXALDE_TEXTO_PROPIO(Nombre)              \
    QString Nombre() const { return c_.Nombre; } \
    void Nombre(const QString& v);
// An amount in whole cents.
#define OXALDE_IMPORTE(Nombre)                  \
    double Nombre() const { return c_.Nombre; } \
    void Nombre(double v) { c_.Nombre = RedondearCentimos(v); }
// A rate in percent or a length in metres, to two decimals.
#define OXALDE_DECIMAL(Nombre)                      \
    vb::Single Nombre() const { return c_.Nombre; } \
    void Nombre(vb::Single v) { c_.Nombre = RedondearDosDecimales(v); }
