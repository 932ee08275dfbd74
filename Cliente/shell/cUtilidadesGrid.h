#pragma once
// The selection highlight and the in-cell search box of one list grid. The grid is a table
// widget read with the row numbers of the list windows: row 0 is the fixed header row (the
// table's horizontal header) and row i, from 1, is the table's row i - 1; columns are the
// table's own.
#include <QColor>
#include <QLineEdit>
#include <QPointer>
#include <QString>
#include <QTableWidget>

#include "vb/variant.h"

namespace oxalde {

class cUtilidadesGrid {
public:
    // Row count including the header row.
    static int Rows(const QTableWidget& grid);
    // Current row (0 when no data cell is current) and column (0 when none).
    static int Row(const QTableWidget& grid);
    static int Col(const QTableWidget& grid);
    // The text of a cell; row 0 is the header. Out of range raises "subscript out of range".
    static QString TextMatrix(const QTableWidget& grid, int fila, int columna);

    void Flex(QTableWidget* grid) { grid_ = grid; }
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
    QTableWidget& Grid() const;
    QLineEdit& Caja() const;

    QPointer<QTableWidget> grid_;
    QPointer<QLineEdit> busqueda_;
    int filaAnterior_ = 0;
};

}  // namespace oxalde
