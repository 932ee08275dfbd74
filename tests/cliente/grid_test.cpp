#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTableWidget>

#include "shell/cUtilidadesGrid.h"
#include "shell/procedimientos.h"

using oxalde::cUtilidadesGrid;

namespace {

// A list grid: one row per key, in three columns.
void Llenar(QTableWidget& g, const QStringList& claves) {
    g.clear();
    g.setColumnCount(3);
    g.setRowCount(claves.size());
    for (int i = 0; i < claves.size(); ++i) g.setItem(i, 0, new QTableWidgetItem(claves[i]));
}

TEST(BuscarFilaGrid, FilaDelValorONada) {
    QTableWidget g;
    Llenar(g, {"7", "12abc", "", "0", "12"});
    EXPECT_EQ(oxalde::BuscarFilaGrid(&g, 0, 12), 2);  // the cell's leading number counts
    EXPECT_EQ(oxalde::BuscarFilaGrid(&g, 0, 99), 1);
    EXPECT_EQ(oxalde::BuscarFilaGridFinal(&g, 0, 99), 5);
    EXPECT_EQ(oxalde::BuscarFilaGrid(&g, 0, 0), 1);  // 0 is never found
    Llenar(g, {});
    EXPECT_EQ(oxalde::BuscarFilaGridFinal(&g, 0, 5), 0);
}

TEST(UtilidadesGrid, SeleccionPintaLaFilaYDevuelveLaAnterior) {
    QTableWidget g;
    cUtilidadesGrid u;
    const QColor fondo{0xFF, 0xC0, 0x80}, texto{Qt::white};
    auto pintada = [&](int fila) {
        for (int c = 0; c < g.columnCount(); ++c)
            if (g.item(fila - 1, c)->background() != QBrush(fondo) || g.item(fila - 1, c)->foreground() != QBrush(texto))
                return false;
        return true;
    };
    auto normal = [&](int fila) {
        for (int c = 0; c < g.columnCount(); ++c)
            if (g.item(fila - 1, c) && g.item(fila - 1, c)->data(Qt::BackgroundRole).isValid()) return false;
        return true;
    };
    Llenar(g, {"1", "2", "3", "4", "5"});
    u.Flex(&g);
    g.setCurrentCell(0, 2);
    u.SeleccionarGrid(fondo, texto, 3);
    u.SeleccionarGrid(fondo, texto, 5);
    EXPECT_TRUE(normal(3) && pintada(5));
    EXPECT_EQ(cUtilidadesGrid::Row(g), 5);
    EXPECT_EQ(cUtilidadesGrid::Col(g), 2);
    g.setCurrentCell(1, 2);
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
    QTableWidget g(&ventana);
    g.setGeometry(10, 20, 300, 200);
    QLineEdit caja(&ventana);
    Llenar(g, {"1", "2"});
    g.setItem(1, 1, new QTableWidgetItem("RIVAS"));
    ventana.show();
    cUtilidadesGrid u;
    u.Flex(&g);
    u.txtBusqueda(&caja);
    g.setCurrentCell(1, 1);
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
