#include "compartido/cUtilidadesGrid.h"

#include <QHeaderView>

namespace oxalde {
namespace {

// Gives a data row the given colours; invalid colours give back the grid's own.
void Pintar(FlexGrid& grid, int fila, const QColor& fondo, const QColor& texto) {
    for (int c = 0; c < grid.Cols(); ++c) {
        grid.CellBackColor(fila, c, fondo);
        grid.CellForeColor(fila, c, texto);
    }
}

// A cell's rectangle in global coordinates; row 0 is the header section.
QRect RectanguloGlobal(const FlexGrid& grid, int fila, int columna) {
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

FlexGrid& cUtilidadesGrid::Grid() const {
    if (!grid_) vb::Lanzar(vb::errObjetoNoEstablecido);
    return *grid_;
}

QLineEdit& cUtilidadesGrid::Caja() const {
    if (!busqueda_) vb::Lanzar(vb::errObjetoNoEstablecido);
    return *busqueda_;
}

void cUtilidadesGrid::SeleccionarGrid(const QColor& fondo, const QColor& texto, int fila) {
    FlexGrid& grid = Grid();
    int objetivo = fila > 0 ? fila : grid.Row();
    if (objetivo >= grid.Rows()) vb::Lanzar(vb::errSubindice);
    int columna = grid.Col();
    grid.Redraw(false);
    // A grid refilled with fewer rows no longer has the row painted last time.
    if (filaAnterior_ > 0 && filaAnterior_ < grid.Rows()) Pintar(grid, filaAnterior_, {}, {});
    // The header row keeps the header's own look.
    if (objetivo > 0) {
        Pintar(grid, objetivo, fondo, texto);
        grid.Row(objetivo);
    }
    filaAnterior_ = objetivo;
    grid.Col(columna);
    grid.Redraw(true);
}

void cUtilidadesGrid::PosicionarTxtBusqueda() {
    FlexGrid& grid = Grid();
    QLineEdit& caja = Caja();
    int fila = grid.Row();
    int columna = grid.Col();
    QRect r = RectanguloGlobal(grid, fila, columna);
    QPoint esquina = caja.parentWidget() ? caja.parentWidget()->mapFromGlobal(r.topLeft()) : r.topLeft();
    // The box lies exactly on the cell and takes the height of a data row, so it hides the cell's
    // text and nothing of the next row.
    int alto = grid.Rows() > 1 ? grid.rowHeight(0) : r.height();
    caja.setGeometry(esquina.x(), esquina.y(), r.width(), alto);
    caja.setText(grid.TextMatrix(fila, columna));
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
