// The taxpayer list inside the main window: the grid, its two sort orders, opening a taxpayer and
// deleting one with its declarations after the question that names it.
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

#include "cliente/prueba.h"
#include "controles/FlexGrid.h"
#include "registro/FrmDecLista.h"
#include "registro/cDecLista.h"
#include "compartido/cDecResumen.h"

using namespace oxalde;

namespace {

class Lista : public prueba::Principal {
protected:
    FrmDecLista* w = nullptr;
    FlexGrid* g = nullptr;

    // The frame's window of that name once the pending events have run.
    QWidget* Hija(const QString& nombre) {
        QCoreApplication::processEvents();
        return Principal::Hija(nombre);
    }

    // Four taxpayers: BEA (two declarations), ANE, OIER, ZURI, keys 1 to 4.
    void Cuatro() {
        Sql("INSERT INTO T01_DECLARANTES (T01_DNI, T01_NOMBRE, T01_CODPROV, T01_CODMUN, T01_NOMMUN, T01_NUM731, "
            "T01_NUM732) VALUES ('33333333P', 'BEA', 20, 79, '', 1, 1), ('11111111H', 'ANE', 48, 0, 'HERRI', 0, 0), "
            "('44444444A', 'OIER', 1, 0, 'BESTE', 0, 0), ('22222222J', 'ZURI', 1, 0, 'BESTE', 0, 0)");
        Sql("INSERT INTO T02_COMUNDECLA (T02_CSCO, T02_MODELO) VALUES (1, '731'), (1, '732')");
        Sql("INSERT INTO T03_731DECLA (T03_CSDE) VALUES (1)");
        Sql("INSERT INTO T04_732DECLA (T04_CSDE) VALUES (2)");
    }

    FrmDecLista& Mostrar(const char* modo) {
        if (!ventana) Abrir();
        cDecLista::Instancia().MODO(modo);
        ventana->MostrarHija(new FrmDecLista);
        w = qobject_cast<FrmDecLista*>(Hija("FrmDecLista"));
        EXPECT_NE(w, nullptr);
        g = w->flxDeclarantes();
        return *w;
    }

    QStringList Columna(int c) {
        QStringList r;
        for (int f = 1; f < g->Rows(); ++f) r << g->TextMatrix(f, c);
        return r;
    }

    void ClickCabecera(int columna) {
        QHeaderView* h = g->horizontalHeader();
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, QPoint(h->sectionViewportPosition(columna) + 5, 5));
    }

    void ClickFila(int fila) {
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->model()->index(fila - 1, 1)).center());
    }
};

TEST_F(Lista, SinDeclarantesQuedaUnaFilaVaciaYAceptarApagado) {
    Mostrar("E");
    EXPECT_EQ(g->Rows(), 2);
    EXPECT_FALSE(w->findChild<QPushButton*>("cmdAceptar")->isEnabled());
    EXPECT_EQ(w->findChild<QLabel*>("lblResultado")->text(), "0 declarantes seleccionados");
    QTest::keyClick(g, Qt::Key_Return);
    EXPECT_TRUE(mensajes.empty());
}

TEST_F(Lista, OrdenPorDNIOPorNombreDesdeLaCabecera) {
    Cuatro();
    Mostrar("C");
    EXPECT_EQ(Columna(1), QStringList({"11111111H", "22222222J", "33333333P", "44444444A"}));
    EXPECT_EQ(Columna(3), QStringList({"HERRI", "BESTE", "KELMORIA", "BESTE"}));
    EXPECT_EQ(w->findChild<QLabel*>("lblResultado")->text(), "4 declarantes seleccionados");
    ClickCabecera(2);
    EXPECT_EQ(Columna(2), QStringList({"ANE", "BEA", "OIER", "ZURI"}));
    EXPECT_EQ(cDecLista::Instancia().CSCO(), 2);
    // Other headers leave the order alone.
    for (int c : {3, 4, 5, 6}) ClickCabecera(c);
    EXPECT_EQ(cDecLista::Instancia().ORDEN(), 2);
    ClickCabecera(1);
    EXPECT_EQ(Columna(2), QStringList({"ANE", "ZURI", "BEA", "OIER"}));
    EXPECT_TRUE(mensajes.empty());
    EXPECT_EQ(Hija("FrmDecResumen"), nullptr);
}

// Names with accents and Ñ sort in Spanish order once the library's name order is Spanish.
TEST_F(Lista, OrdenAlfabeticoEspanol) {
    Sql("INSERT INTO T01_DECLARANTES (T01_DNI, T01_NOMBRE) VALUES ('1', 'ÑANDU'), ('2', 'ÁLAMO'), ('3', 'NORA'), "
        "('4', 'ZUBI'), ('5', 'BEA')");
    Mostrar("C");
    ClickCabecera(2);
    EXPECT_EQ(Columna(2), QStringList({"ÁLAMO", "BEA", "NORA", "ÑANDU", "ZUBI"}));
}

TEST_F(Lista, AbrirPasaElDeclaranteElegidoASusDeclaraciones) {
    Cuatro();
    Mostrar("C");
    // A double click on the header opens nothing (a press comes first, as from a mouse).
    QHeaderView* h = g->horizontalHeader();
    ClickCabecera(3);
    QTest::mouseDClick(h->viewport(), Qt::LeftButton, {}, QPoint(h->sectionViewportPosition(3) + 5, 5));
    ASSERT_EQ(Hija("FrmDecResumen"), nullptr);
    ClickFila(3);
    QTest::keyClick(g, Qt::Key_Return);
    EXPECT_EQ(Hija("FrmDecLista"), nullptr);
    EXPECT_NE(Hija("FrmDecResumen"), nullptr);
    const cDecResumen& r = cDecResumen::Instancia();
    EXPECT_EQ(r.CSCO(), 1);
    EXPECT_EQ(r.DNI(), "33333333P");
    EXPECT_EQ(r.NOMBRE(), "BEA");
    EXPECT_EQ(r.ENTRADA(), "A");
}

TEST_F(Lista, LaPreguntaDeBorradoNombraAlQueSeBorra) {
    struct Caso {
        int idioma;
        int fila;  // by DNI: 2 ZURI without declarations, 3 BEA with two
        int respuesta;
        const char* pregunta;
    };
    const Caso casos[] = {
        {0, 2, vbNo, "¿Está seguro que desea eliminar el declarante 22222222J - ZURI?"},
        {kDesplEuskera, 2, vbNo, "Ziur al zaude 22222222J - ZURI aitortzailea deuseztatu nahi duzula?"},
        {kDesplEuskera, 3, vbNo,
         "Ziur al zaude 33333333P - BEA\n aitortzailea deuseztatu nahi duzula, izan ditzakeen aitorpen guztiekin "
         "batera?"},
        {0, 3, vbYes,
         "¿Está seguro que desea eliminar el declarante: 33333333P - BEA\n con todas sus declaraciones?"},
    };
    Cuatro();
    Abrir();
    for (const Caso& c : casos) {
        DesplIdioma = c.idioma;
        Mostrar("E");
        // The key chosen, not the current row, decides: the question names what is deleted.
        g->Row(1);
        cDecLista::Instancia().CSCO(vb::Val(g->TextMatrix(c.fila, 0).toStdString()));
        mensajes.clear();
        titulos.clear();
        respuesta = c.respuesta;
        QTest::mouseClick(w->findChild<QPushButton*>("cmdAceptar"), Qt::LeftButton);
        ASSERT_EQ(mensajes.size(), 1u);
        EXPECT_EQ(mensajes[0].texto, QString::fromUtf8(c.pregunta));
        EXPECT_EQ(mensajes[0].estilo, vbYesNo | vbQuestion | vbDefaultButton2);
        EXPECT_EQ(titulos[0], "Borrado del declarante");
        EXPECT_EQ(Hija("FrmDecLista"), nullptr);
    }
    // Only the last answer was Yes: BEA is gone with both declarations, and from the menu.
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM T01_DECLARANTES").CLng(), 3);
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM T01_DECLARANTES WHERE T01_CSCO = 1").CLng(), 0);
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM T02_COMUNDECLA").CLng(), 0);
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM T03_731DECLA").CLng() + Valor("SELECT COUNT(*) FROM T04_732DECLA").CLng(), 0);
    EXPECT_EQ(Foto(*ventana), "mnu=11 bot=11111 imp=0 d=1110");
}

TEST_F(Lista, UnClickEnUnaFilaLaResaltaYLaElige) {
    Cuatro();
    Mostrar("E");
    ClickFila(4);
    EXPECT_EQ(cDecLista::Instancia().CSCO(), 3);
    EXPECT_EQ(g->CellBackColor(4, 1), QColor(255, 192, 128));
    EXPECT_FALSE(g->CellBackColor(1, 1).isValid());
    respuesta = vbNo;
    ClickFila(4);
    QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->model()->index(3, 1)).center());
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_TRUE(mensajes[0].texto.contains("44444444A - OIER"));
}

}  // namespace
