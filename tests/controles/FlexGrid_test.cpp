#include <gtest/gtest.h>

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

#include "controles/FlexGrid.h"
#include "controles/controles.h"
#include "vb/error.h"

using oxalde::FlexGrid;

namespace {

TEST(FlexGrid, FilasColumnasYTextos) {
    FlexGrid g;
    g.Cols(3);
    g.Rows(1);
    EXPECT_EQ(g.Row(), 0);  // no data row, none current
    QSignalSpy entradas(&g, &FlexGrid::EnterCell);
    g.Rows(4);
    EXPECT_EQ(g.Row(), 1);  // filled: the first row is current
    EXPECT_EQ(entradas.count(), 1);
    g.TextMatrix(0, 1, "Fecha");
    g.TextMatrix(3, 2, "x");
    EXPECT_EQ(g.TextMatrix(0, 1), "Fecha");
    EXPECT_EQ(g.model()->headerData(1, Qt::Horizontal).toString(), "Fecha");
    EXPECT_EQ(g.TextMatrix(3, 2), "x");
    g.Row(3);
    EXPECT_EQ(entradas.count(), 2);
    g.Rows(2);  // the current row goes with the rows dropped
    EXPECT_EQ(g.Row(), 1);
    for (auto [f, c] : {std::pair{2, 0}, {0, 3}, {-1, 0}})
        EXPECT_THROW(g.TextMatrix(f, c), vb::Error) << f << "," << c;
    EXPECT_THROW(g.Row(0), vb::Error);
}

// The windows hide their key column 0, where the first row becomes current: the arrows and the
// page keys move the current row from the first press.
TEST(FlexGrid, LasFlechasMuevenLaFilaDesdeLaPrimeraPulsacionConLaClaveOculta) {
    FlexGrid g;
    g.Cols(3);
    g.Rows(30);
    g.ColWidth(0, 0);
    g.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&g));
    struct Caso {
        int desde;
        Qt::Key tecla;
        int fila;
    };
    for (Caso c : {Caso{1, Qt::Key_Down, 2}, {5, Qt::Key_Up, 4}, {29, Qt::Key_Down, 29}, {1, Qt::Key_Up, 1},
                   {1, Qt::Key_PageDown, -1}}) {
        g.Row(c.desde);
        g.Col(0);
        QTest::keyClick(&g, c.tecla);
        if (c.fila > 0)
            EXPECT_EQ(g.Row(), c.fila) << c.desde << " " << c.tecla;
        else
            EXPECT_GT(g.Row(), 2) << c.tecla;
    }
}

TEST(FlexGrid, AnchosPosicionesYColores) {
    FlexGrid g;
    g.Cols(4);
    const int twips = 1440 * 100 / g.logicalDpiX();  // 100 pixels
    g.ColWidth(0, 0);
    g.ColWidth(1, twips);
    g.ColWidth(2, twips);
    EXPECT_TRUE(g.isColumnHidden(0));
    EXPECT_EQ(g.ColWidth(0), 0);
    EXPECT_EQ(g.ColPos(3), 2 * g.ColWidth(1));
    g.ColAlignment(2, FlexGrid::flexAlignRightCenter);
    EXPECT_EQ(g.model()->index(0, 2).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
    g.CellBackColor(1, 1, Qt::red);
    EXPECT_EQ(g.model()->index(0, 1).data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::red));
    g.CellBackColor(1, 1, QColor());
    g.BackColorSel(Qt::blue);
    EXPECT_EQ(g.model()->index(0, 1).data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::blue));  // own highlight
    g.HighLight(false);
    EXPECT_FALSE(g.model()->index(0, 1).data(Qt::BackgroundRole).isValid());
}

TEST(FlexGrid, RatonEnCabeceraYEnFilas) {
    FlexGrid g;
    g.resize(300, 200);
    g.Cols(2);
    g.Rows(5);
    g.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&g));
    QSignalSpy clics(&g, &FlexGrid::Click), dobles(&g, &FlexGrid::DblClick);
    const QRect celda = g.visualRect(g.model()->index(2, 1));
    QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, celda.center());
    EXPECT_EQ(g.MouseRow(), 3);
    EXPECT_EQ(g.Row(), 3);
    QTest::mouseClick(g.horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_EQ(g.MouseRow(), 0);
    EXPECT_EQ(g.Row(), 3);  // a header click moves nothing by itself
    EXPECT_EQ(clics.count(), 2);
    QTest::mouseDClick(g.viewport(), Qt::LeftButton, {}, celda.center());
    EXPECT_EQ(dobles.count(), 1);
}

TEST(FlexGrid, CienMilFilasSinUnObjetoPorCelda) {
    FlexGrid g;
    g.Cols(7);
    g.Redraw(false);
    g.Rows(100001);
    for (int f = 1; f < g.Rows(); ++f)
        for (int c = 0; c < 7; ++c) g.TextMatrix(f, c, QString::number(f));
    g.Redraw(true);
    g.TopRow(99000);
    EXPECT_EQ(g.TextMatrix(100000, 6), "100000");
    EXPECT_EQ(g.Row(), 1);
}

// A source's rows are read where they are, only for the cells shown or read; writing a cell or
// changing the rows takes the texts into the grid first, as if they had been set one by one.
TEST(FlexGrid, FuenteLeidaDondeEstaYCopiadaAntesDeCambiar) {
    struct Lista : oxalde::FuenteFlex {
        mutable int lecturas = 0;
        int Filas() const override { return 100000; }
        QString Texto(int f, int c) const override {
            ++lecturas;
            return QString::number(f * 10 + c);
        }
    };
    auto lista = std::make_shared<Lista>();
    FlexGrid g;
    g.Cols(3);
    g.resize(300, 200);
    g.Rows(5);
    g.TextMatrix(4, 1, "viejo");
    g.CellBackColor(4, 1, Qt::red);
    QSignalSpy entradas(&g, &FlexGrid::EnterCell);
    g.Fuente(lista);
    EXPECT_EQ(g.Rows(), 100001);
    EXPECT_EQ(g.Row(), 1);
    EXPECT_EQ(entradas.count(), 1);
    EXPECT_FALSE(g.CellBackColor(4, 1).isValid());  // the old rows' colours went with them
    g.grab();
    EXPECT_LT(lista->lecturas, 1000);
    EXPECT_EQ(g.TextMatrix(99999, 2), "999992");
    EXPECT_EQ(g.model()->data(g.model()->index(3, 1)).toString(), "41");

    g.TextMatrix(2, 0, "nuevo");
    const int leidas = lista->lecturas;
    EXPECT_EQ(g.TextMatrix(2, 0), "nuevo");
    EXPECT_EQ(g.TextMatrix(2, 1), "21");
    g.Rows(100003);
    EXPECT_EQ(g.TextMatrix(100000, 2), "1000002");
    EXPECT_EQ(g.TextMatrix(100002, 2), "");
    EXPECT_EQ(lista->lecturas, leidas);

    g.Fuente(lista);
    g.Cols(4);
    EXPECT_EQ(g.TextMatrix(7, 2), "72");
    EXPECT_EQ(g.TextMatrix(7, 3), "");
    g.Fuente(lista);
    g.Rows(1);
    EXPECT_EQ(g.Row(), 0);
    g.Rows(3);
    EXPECT_EQ(g.TextMatrix(2, 1), "");
}

}  // namespace
