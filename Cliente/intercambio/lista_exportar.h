#pragma once
// The taxpayers of the register as the export offers them: read through the library in the
// model's sort order into its offered table.
#include "intercambio/cExportar.h"
#include "vb/variant.h"

namespace oxalde {

// Asks the library for every taxpayer (list (column 0..16, row), in the order ORDEN) and sets
// NUMCONTRISEL to the count. With taxpayers, the list becomes the offered table
// (TablaContriLISTA). Answers the count.
vb::Long CargarContribuyentes(cExportar& exportar);

// One row of that list as a record; a missing or blank value reads as 0 or the empty text, a street
// number that is not a number as 0, any other number field that is not a number as kNoEsNumero.
RegistroContribuyente RegistroDeFila(const vb::Variant& lista, vb::Long fila);
// The code of a row, read as the record reads it.
qint32 CodigoDeFila(const vb::Variant& lista, vb::Long fila);

}  // namespace oxalde
