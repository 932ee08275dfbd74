#pragma once
// The selection highlight and the in-cell search box of one list grid.
#include <QColor>
#include <QLineEdit>
#include <QPointer>
#include <QString>

#include "controles/FlexGrid.h"

#include "vb/variant.h"

namespace oxalde {

class cUtilidadesGrid {
public:
    void Flex(FlexGrid* grid) { grid_ = grid; }
    void txtBusqueda(QLineEdit* caja) { busqueda_ = caja; }

    // Paints every column of a row (the current one when fila is 0) in the selection colours,
    // gives the row painted last time back its normal colours and makes the row current,
    // keeping the current column.
    void SeleccionarGrid(const QColor& fondo, const QColor& texto, int fila);

    // Lays the search box over the current cell, holding the cell's text.
    void PosicionarTxtBusqueda();
    void OcultarTxtBusqueda();

    // Whether any element but the last of a one-dimensional array has a non-empty text.
    bool hayAlgunaCondicion(const vb::Variant& valores) const;

private:
    FlexGrid& Grid() const;
    QLineEdit& Caja() const;

    QPointer<FlexGrid> grid_;
    QPointer<QLineEdit> busqueda_;
    int filaAnterior_ = 0;
};

}  // namespace oxalde
