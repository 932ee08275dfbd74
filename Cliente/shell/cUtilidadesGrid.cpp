#include "shell/cUtilidadesGrid.h"

#include <QHeaderView>

#include <algorithm>

namespace oxalde {
namespace {

// Gives a data row (from 1) the given colours; empty brushes give back the grid's own.
void Pintar(QTableWidget& grid, int fila, const QVariant& fondo, const QVariant& texto) {
    for (int c = 0; c < grid.columnCount(); ++c) {
        QTableWidgetItem* celda = grid.item(fila - 1, c);
        if (!celda) {
            celda = new QTableWidgetItem;
            grid.setItem(fila - 1, c, celda);
        }
        celda->setData(Qt::BackgroundRole, fondo);
        celda->setData(Qt::ForegroundRole, texto);
    }
}

// A cell's rectangle in global coordinates; row 0 is the header section.
QRect RectanguloGlobal(const QTableWidget& grid, int fila, int columna) {
    if (fila == 0) {
        const QHeaderView* cabecera = grid.horizontalHeader();
        QRect r(cabecera->sectionViewportPosition(columna), 0, cabecera->sectionSize(columna),
                cabecera->height());
        return r.translated(cabecera->viewport()->mapToGlobal(QPoint(0, 0)));
    }
    QRect r = grid.visualRect(grid.model()->index(fila - 1, columna));
    return r.translated(grid.viewport()->mapToGlobal(QPoint(0, 0)));
}

}  // namespace

int cUtilidadesGrid::Rows(const QTableWidget& grid) { return grid.rowCount() + 1; }

int cUtilidadesGrid::Row(const QTableWidget& grid) { return grid.currentRow() + 1; }

int cUtilidadesGrid::Col(const QTableWidget& grid) { return std::max(grid.currentColumn(), 0); }

QString cUtilidadesGrid::TextMatrix(const QTableWidget& grid, int fila, int columna) {
    if (fila < 0 || fila >= Rows(grid) || columna < 0 || columna >= grid.columnCount())
        vb::Lanzar(vb::errSubindice);
    const QTableWidgetItem* celda =
        fila == 0 ? grid.horizontalHeaderItem(columna) : grid.item(fila - 1, columna);
    return celda ? celda->text() : QString();
}

QTableWidget& cUtilidadesGrid::Grid() const {
    if (!grid_) vb::Lanzar(vb::errObjetoNoEstablecido);
    return *grid_;
}

QLineEdit& cUtilidadesGrid::Caja() const {
    if (!busqueda_) vb::Lanzar(vb::errObjetoNoEstablecido);
    return *busqueda_;
}

void cUtilidadesGrid::SeleccionarGrid(const QColor& fondo, const QColor& texto, int fila) {
    QTableWidget& grid = Grid();
    int objetivo = fila > 0 ? fila : Row(grid);
    if (objetivo >= Rows(grid)) vb::Lanzar(vb::errSubindice);
    int columna = Col(grid);
    grid.setUpdatesEnabled(false);
    // A grid refilled with fewer rows no longer has the row painted last time.
    if (filaAnterior_ > 0 && filaAnterior_ < Rows(grid)) Pintar(grid, filaAnterior_, {}, {});
    // The header row keeps the header's own look.
    if (objetivo > 0) {
        Pintar(grid, objetivo, QBrush(fondo), QBrush(texto));
        grid.setCurrentCell(objetivo - 1, columna);
    }
    filaAnterior_ = objetivo;
    grid.setUpdatesEnabled(true);
}

void cUtilidadesGrid::PosicionarTxtBusqueda() {
    QTableWidget& grid = Grid();
    QLineEdit& caja = Caja();
    int fila = Row(grid), columna = Col(grid);
    QRect r = RectanguloGlobal(grid, fila, columna);
    QPoint esquina = caja.parentWidget() ? caja.parentWidget()->mapFromGlobal(r.topLeft()) : r.topLeft();
    // The box takes the height of a data row (5 twips of the original offset are below a pixel).
    int alto = grid.rowCount() > 0 ? grid.rowHeight(0) : r.height();
    caja.setGeometry(esquina.x(), esquina.y(), r.width(), alto);
    caja.setText(TextMatrix(grid, fila, columna));
    caja.setVisible(true);
    caja.raise();
}

void cUtilidadesGrid::OcultarTxtBusqueda() { Caja().setVisible(false); }

bool cUtilidadesGrid::hayAlgunaCondicion(const vb::Variant& valores) const {
    for (vb::Long i = 0; i < valores.UBound(); ++i) {
        const vb::Variant& v = valores(i);
        if (!v.IsNull() && !v.CStr().empty()) return true;
    }
    return false;
}

}  // namespace oxalde
