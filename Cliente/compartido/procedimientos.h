#pragma once
// Small shared procedures of the entry windows: keystroke filters, blank and zero, rounding,
// combo boxes, key lists and grids, quarters, date masks, file paths, the
// reference lists of the library and the deletion of a declaration. They keep nothing between
// calls; the only state they read is the language offset and the database paths.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QString>
#include <optional>

#include "compartido/cadenas.h"
#include "vb/variant.h"

namespace oxalde {
class FlexGrid;
}

namespace oxalde {

// Key codes are Unicode code points; 0 swallows the key.
inline constexpr char32_t kRetroceso = 8;
inline constexpr char32_t kIntro = 13;

// Hides the label for an empty text, else shows the text (wrapping at anchoMaximo pixels).
void MostrarEtiqueta(QLabel* etiqueta, const QString& texto, std::optional<int> anchoMaximo = std::nullopt);

// The key to keep in a box of upper-case data: the capital of an accepted character,
// backspace, or 0.
char32_t FiltrarTecla(char32_t codigo);
// Leaves digits and backspace, turns any other key into 0.
void SoloNumeros(char32_t& codigo);

// The value with its first comma turned into a dot.
vb::Variant ComaAPunto(const vb::Variant& valor);
// Integer 0 for an empty text or the empty value, else the value.
vb::Variant VacioACero(const vb::Variant& valor);
// The empty text for an amount that reads as zero (Spanish decimal comma), else the value.
// A text that is no number raises a type mismatch.
vb::Variant CeroAVacio(const vb::Variant& valor);

double Minimo(double a, double b);
// Rounded to `decimales` decimals, halves away from zero; more than 6 leaves the value alone.
double RedondearDecimales(double valor, vb::Integer decimales);
// A non-negative value to a whole number, halves up.
double Redondear(double valor);

// Opens the combo's drop-down list (an editable list box keeps the keys in its edit field).
void DesplegarCombo(QComboBox* combo);
// Selects the first item that starts with the text (as typed or in capitals) and shows its
// text, else clears the combo's text; on a combo without items the text is kept as its text.
void BuscarEnCombo(const QString& texto, QComboBox* combo);
// Fills a combo from a table (entry, 0 text | 1 item data) in lower case. An empty table
// locks and greys the combo; a table with entries unlocks it again.
void CargarCombo(QComboBox* combo, const vb::Variant& tabla, bool conItemData);

// Key lists: each item keeps its key under Qt::UserRole.
// Appends one item per entry of a list buffer (0 key | 1 text, entry). A key already in the
// list raises "key is not unique".
void CargarListView(QListWidget* lista, const vb::Variant& buffer);
// The text of the first item with that key, else the empty text.
QString BuscarClaveLista(QListWidget* lista, const QString& clave);

// The first data row whose cell in that column holds the value; 1 when none does or the value
// is 0. BuscarFilaGridFinal gives the last row instead when none does.
int BuscarFilaGrid(FlexGrid* grid, int columna, vb::Long valor);
int BuscarFilaGridFinal(FlexGrid* grid, int columna, vb::Long valor);

// The path up to and including its last "/", and the text after it.
QString ObtenerRuta(const QString& ruta);
QString ObtenerNombreFichero(const QString& ruta);

// The queries of the three reference lists in the current language, sorted by name in Spanish
// order (accented letters with their base letter, Ñ after N): the library's collation is named
// in the query. Pass them to the three procedures below.
QString SqlListaMunicipios();
QString SqlListaProvincias();
QString SqlListaVias();

// Code lists of the reference database (0 key | 1 name, entry), from the query given.
void ObtenerMunicipios(const QString& sql, vb::Variant& buffer);
void ObtenerProvincias(const QString& sql, vb::Variant& buffer);
void ObtenerVias(const QString& sql, vb::Variant& buffer);

// Deletes a declaration from the user's database: its form's own row, then the common one.
// The library deletes the whole declaration in one transaction at the first call (the second
// finds nothing left), so an error or a killed process never leaves it half deleted.
void EliminarDeclaracion(vb::Long CSDE, const QString& Modelo);

// "1T" to "4T": the quarter's name in the current language; anything else the empty text.
QString NombreTrimestre(const QString& trimestre);
// The quarter's last day as yyyymmdd; 0 for an unknown quarter.
vb::Long FechaFinTrimestre(vb::Integer anio, const QString& trimestre);
// The input mask of a date box in the layout of the current language.
void FormatearMascaraFecha(QLineEdit* caja);

}  // namespace oxalde
