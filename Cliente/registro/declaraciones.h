#pragma once
// What the declarations window shows and says, apart from its widgets: the grid texts of a
// declaration, the count line, the delete question and the messages of the header check.
#include <QString>
#include <QStringList>
#include <optional>

#include "vb/variant.h"

namespace oxalde {

// Grid columns of the declarations window.
enum ColumnaDeclaracion {
    colCSDE = 0, colFecha = 1, colEjercicio = 2, colPeriodo = 3, colModelo = 4, colTipologia = 5,
    colImporte = 6, colCodPeriodo = 7, colFechaLong = 8, colEjercicioBruto = 9, colTipo = 10,
    kColumnasDeclaracion = 11,
};

// The 11 texts of grid row for row `fila` of a declaration list (column, row): the date only
// for a transport row, the quarter's name only for a quarterly one, the amount in currency
// units in the display format.
QStringList FilaDeclaracion(const vb::Variant& lista, vb::Long fila);

// "n declaracion/es seleccionada/s", or that there are none.
QString TextoNumeroDeclaraciones(vb::Long n);

// The question asked before deleting the declaration of that grid row.
QString PreguntaBorrado(const QStringList& fila);

// The box the header check sends the focus to.
enum CajaCabecera { cajaFecha, cajaEjercicio, cajaPeriodo, cajaModelo };

struct AvisoCabecera {
    QString texto;
    CajaCabecera caja;
};

// The message and box of a failed header check; nothing for 0 or an unknown code.
std::optional<AvisoCabecera> AvisoDeCodigo(int codigo, vb::Long fechaMin, vb::Long fechaMax);

}  // namespace oxalde
