#pragma once
// Pieces the sections of both printed forms are made of: bilingual label pairs, rules given as
// offsets from a section's top, the group names of the means of transport, amounts and whole
// numbers in their printed patterns, and the rates that stand beside the bases.
#include <QString>
#include <cmath>
#include <span>

#include "impresion/primitivas.h"
#include "compartido/importe.h"
#include "compartido/tipos_iva.h"

namespace oxalde {

// A label pair: the Basque text italic, the Spanish one upright, each at its own y offset.
struct Rotulo {
    double x;
    double yEuskera;
    double yCastellano;
    const char* euskera;
    const char* castellano;
};
// The pairs in the font in force, from the section's top y0 (ImprimirTexto).
void ImprimirRotulos(double y0, std::span<const Rotulo> rotulos);
// A label pair of row n of a means-of-transport box (9 mm rows), 1.3 and 3.88 below the row's top.
constexpr Rotulo EnFila(int n, double x, const char* euskera, const char* castellano) {
    return {x, 9.0 * (n - 1) + 1.3, 9.0 * (n - 1) + 3.88, euskera, castellano};
}

// A text at y from the section's top: centred in x .. x + ancho, or from x when ancho is 0.
struct Leyenda {
    double x;
    double ancho;
    double y;
    bool cursiva;
    const char* texto;
};
// The texts in the font in force, each italic or upright as it says.
void ImprimirLeyendas(double y0, std::span<const Leyenda> leyendas);

// A section's grey title band (15 mm) and its outline down to y0 + alto, in width `ancho`; then
// the title's font: Times New Roman of `tamano` points, italic, black.
void SeccionConTitulo(double y0, double alto, int ancho, double tamano);

// A rule whose y values are offsets from the section's top.
struct Regla {
    double x1;
    double y1;
    double x2;
    double y2;
};
void Reglas(double y0, std::span<const Regla> reglas);

// "Ibilgailuak / Vehículos", "Itsasuntziak / Barcos" and "Aireuntziak / Aeronaves" centred in
// the group column x 10 to 35 of a means-of-transport box, in the font in force.
void ImprimirGruposTransporte(double y0);

// A number with a display pattern ("####" writes 0 as nothing).
QString Entero(double valor, const char* patron);

// A text of a record centred in its band x .. x + ancho, at y from the section's top. In a table
// of means-of-transport values, `medio` is the means it belongs to and `imprimir` its condition
// (nullptr: always).
template <class Registro>
struct ValorCentrado {
    char medio;
    QString (*valor)(const Registro&);
    double x;
    double ancho;
    double y;
    bool (*imprimir)(const Registro&) = nullptr;
};

// The values of the means of transport `medio` whose condition holds; any other means prints none.
template <class Registro, size_t N>
void ImprimirValoresMedio(double y0, const Registro& datos, const QString& medio,
                          const ValorCentrado<Registro> (&valores)[N]) {
    for (const ValorCentrado<Registro>& v : valores) {
        if (medio != QChar(QLatin1Char(v.medio)) || (v.imprimir && !v.imprimir(datos))) continue;
        ImprimirCentrado(v.x, y0 + v.y, v.ancho, v.valor(datos));
    }
}

// The texts that hold more than blanks, each printed as stored (leading blanks kept).
template <class Registro, size_t N>
void ImprimirTextosNoVacios(double y0, const Registro& datos, const ValorCentrado<Registro> (&valores)[N]) {
    for (const ValorCentrado<Registro>& v : valores) {
        const QString texto = v.valor(datos);
        if (!texto.trimmed().isEmpty()) ImprimirCentrado(v.x, y0 + v.y, v.ancho, texto);
    }
}

// An amount of a record in whole cents, printed ending at x, at y from the section's top.
template <class Registro>
struct ImporteEn {
    double (*valor)(const Registro&);
    double x;
    double y;
};

// The amounts that are not 0; a zero amount is left blank by its value, never by reading the
// formatted text back.
template <class Registro, size_t N>
void ImprimirImportes(double y0, const Registro& datos, const ImporteEn<Registro> (&importes)[N]) {
    for (const ImporteEn<Registro>& i : importes) {
        const double centimos = i.valor(datos);
        if (centimos != 0) ImprimirDerecha(i.x, y0 + i.y, TextoImporte(std::llround(centimos)));
    }
}

// The rates of the printed liquidation: those in force on the later of the quarter's last day and
// the declaration's date, so a label changes as soon as either is past a change.
tipos::TiposIva TiposImpresos();

}  // namespace oxalde
