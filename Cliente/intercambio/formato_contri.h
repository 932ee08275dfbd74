#pragma once
// The line of one taxpayer in the exchange file: sixteen fixed-width fields, 153 characters in
// all, no separators. This table is the one definition of the layout: the writer, the reader and
// the legend of the import's error file all follow it.
#include <QString>
#include <QStringList>
#include <array>

#include "intercambio/cExportar.h"

namespace oxalde {

inline constexpr int kAnchoLinea = 153;

enum class TipoCampo {
    Texto,     // left-aligned, cut, blanks on the right
    Ceros,     // digits right-aligned, "0" on the left
    Telefono,  // 0 is all blanks, else the digits left-aligned
};

struct CampoLinea {
    const char* etiqueta;  // the field's name in the error file's legend
    int ancho;
    TipoCampo tipo;
    QString RegistroContribuyente::*texto;           // text fields
    qint64 (*numero)(const RegistroContribuyente&);  // number fields
};

// The sixteen fields in the order of the line.
const std::array<CampoLinea, 16>& CamposLinea();

// The text followed by the first character of `relleno` up to `ancho` characters; a text as
// wide or wider comes back unchanged.
QString RellenarDerecha(const QString& texto, int ancho, const QString& relleno);
// The value's digits filled on the left with the first character of `relleno` to `ancho`.
QString FormatearCeros(qint64 valor, int ancho, const QString& relleno);
// Exactly `ancho` characters (Unicode characters, not UTF-16 units): cut, or padded with blanks.
QString AnchoFijo(const QString& texto, int ancho);

// Whether the text holds a control character (CR, LF, TAB, NUL, ...): no field of a line may.
bool TieneControl(const QString& texto);
// The text with a blank in place of each control character, so a field keeps its width.
QString SinControl(const QString& texto);

// The field of the record whose number has more digits than its width (a negative one
// included), or nullptr when every number fits.
const CampoLinea* CampoExcedido(const RegistroContribuyente& registro);
// The taxpayer's line, 153 characters without its line end, with a blank for each control
// character of a text. The numbers must fit (CampoExcedido).
QString LineaContribuyente(const RegistroContribuyente& registro);
// The sixteen pieces of a line, each exactly its width (blank-padded where the line is short);
// characters after the last field are ignored.
QStringList CortarLinea(const QString& linea);

}  // namespace oxalde
