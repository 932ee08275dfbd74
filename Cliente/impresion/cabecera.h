#pragma once
// What both printed forms share: the letterhead, the header box with the title, year and period,
// the declarant box, and the presentation date written in both languages.
#include <QString>

namespace oxalde {

// Our web address, printed under the letterhead.
inline constexpr char kDireccionWeb[] = "www.kelmoria.example/ogasuna";

// The letterhead in the header's left cell (x 0 to 50.4), from y.
void ImprimirMembrete(double y);
// The header box down to `abajo`, with the letterhead at `yMembrete`, the frame in `ancho` and
// the title of form "731" (any other number gets the title of form 732).
void ImprimirCabecera(double abajo, double yMembrete, int ancho, const QString& modelo);
// The year of the declaration and its period ("1T" to "4T", or "OA").
void ImprimirEjercicioPeriodo();
// The 15 mm declarant box from y, its lines in `ancho`. The band picture is painted in the box's
// free left strip.
void ImprimirMarcoDeclarante(double y, const QString& banda, int ancho);
// The taxpayer's NIF and name in that box.
void ImprimirDatosDeclarante(double y);

// The presentation date as written in Basque: the date text followed by "ean", "n" or "an" by
// its last two characters (the day, in the Basque layout the callers set).
QString FechaPresentacionEuskera();
// `prefijo`, the presentation date in Basque, " /// " and the date in Spanish; the date layout in
// force before is back afterwards, also when a conversion fails.
QString LineaFechaPresentacion(const QString& prefijo);

}  // namespace oxalde
