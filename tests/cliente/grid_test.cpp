#include <gtest/gtest.h>

#include <QLineEdit>

#include "controles/FlexGrid.h"
#include "compartido/cUtilidadesGrid.h"
#include "compartido/procedimientos.h"

using oxalde::cUtilidadesGrid;
using oxalde::FlexGrid;

namespace {

// A list grid: one row per key, in three columns, under the header row.
void Llenar(FlexGrid& g, const QStringList& claves) {
    g.Cols(3);
    g.Rows(1);
    g.Rows(int(claves.size()) + 1);
    for (int i = 0; i < claves.size(); ++i) g.TextMatrix(i + 1, 0, claves[i]);
}

TEST(BuscarFilaGrid, FilaDelValorONada) {
    FlexGrid g;
    Llenar(g, {"7", "12abc", "", "0", "12"});
    EXPECT_EQ(oxalde::BuscarFilaGrid(&g, 0, 12), 2);  // the cell's leading number counts
    EXPECT_EQ(oxalde::BuscarFilaGrid(&g, 0, 99), 1);
    EXPECT_EQ(oxalde::BuscarFilaGridFinal(&g, 0, 99), 5);
    EXPECT_EQ(oxalde::BuscarFilaGrid(&g, 0, 0), 1);  // 0 is never found
    Llenar(g, {});
    EXPECT_EQ(oxalde::BuscarFilaGridFinal(&g, 0, 5), 0);
}

TEST(UtilidadesGrid, SeleccionPintaLaFilaYDevuelveLaAnterior) {
    FlexGrid g;
    cUtilidadesGrid u;
    const QColor fondo{0xFF, 0xC0, 0x80}, texto{Qt::white};
    auto pintada = [&](int fila) {
        for (int c = 0; c < g.Cols(); ++c)
            if (g.CellBackColor(fila, c) != fondo || g.CellForeColor(fila, c) != texto) return false;
        return true;
    };
    auto normal = [&](int fila) {
        for (int c = 0; c < g.Cols(); ++c)
            if (g.CellBackColor(fila, c).isValid()) return false;
        return true;
    };
    Llenar(g, {"1", "2", "3", "4", "5"});
    u.Flex(&g);
    // A freshly filled grid has row 1 current: selecting "the current row" paints it.
    u.SeleccionarGrid(fondo, texto, 0);
    EXPECT_TRUE(pintada(1));
    g.Col(2);
    u.SeleccionarGrid(fondo, texto, 3);
    u.SeleccionarGrid(fondo, texto, 5);
    EXPECT_TRUE(normal(1) && normal(3) && pintada(5));
    EXPECT_EQ(g.Row(), 5);
    EXPECT_EQ(g.Col(), 2);
    g.Row(2);
    u.SeleccionarGrid(fondo, texto, 0);  // 0: the current row
    EXPECT_TRUE(normal(5) && pintada(2));

    // Refilled with fewer rows.
    Llenar(g, {"1", "2"});
    u.SeleccionarGrid(fondo, texto, 2);
    EXPECT_TRUE(pintada(2));
    EXPECT_THROW(u.SeleccionarGrid(fondo, texto, 3), vb::Error);
}

TEST(UtilidadesGrid, CajaDeBusquedaSobreLaCelda) {
    QWidget ventana;
    FlexGrid g(&ventana);
    g.setGeometry(10, 20, 300, 200);
    QLineEdit caja(&ventana);
    Llenar(g, {"1", "2"});
    g.TextMatrix(2, 1, "RIVAS");
    ventana.show();
    cUtilidadesGrid u;
    u.Flex(&g);
    u.txtBusqueda(&caja);
    g.Row(2);
    g.Col(1);
    u.PosicionarTxtBusqueda();
    const QRect celda = g.visualRect(g.model()->index(1, 1));
    EXPECT_EQ(caja.text(), "RIVAS");
    EXPECT_EQ(caja.pos(), g.viewport()->mapTo(&ventana, celda.topLeft()));
    EXPECT_EQ(caja.width(), celda.width());
    u.OcultarTxtBusqueda();
    EXPECT_FALSE(caja.isVisible());

    vb::Variant condiciones = vb::Variant::Array1(0, 2);
    condiciones(2) = "solo el último";
    EXPECT_FALSE(u.hayAlgunaCondicion(condiciones));
    condiciones(1) = vb::Long{0};
    EXPECT_TRUE(u.hayAlgunaCondicion(condiciones));
}

}  // namespace
