#include <QGroupBox>
#include <cstdlib>
#include <QLineEdit>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOptionViewItem>

#include "controles/CajaFecha.h"
#include "controles/ComboLista.h"
#include "controles/FlexGrid.h"
#include "controles/Pindaro.h"
#include "controles/controles.h"
#include "form731/FrmDatos731.h"
#include "form731/cDatos731.h"
#include "cliente/ventana_prueba.h"
#include "impresion/cImOf.h"
#include "registro/FrmDecResumen.h"
#include "compartido/cDecResumen.h"

using namespace oxalde;

namespace {

// A taxpayer with a transport declaration of 15/03/2012 (form 731), and the first and second
// quarters of 2012 (forms 731 and 732, 1.234,56 and 50,00).
class Declaraciones : public prueba::Principal {
protected:
    MDI7312* v = nullptr;

    void SetUp() override {
        Principal::SetUp();
        Sql("INSERT INTO T01_DECLARANTES (T01_DNI, T01_NOMBRE, T01_NUM731, T01_NUM732) "
            "VALUES ('12345678Z', 'GARCIA LOPEZ', 2, 1)");
        Declaracion("731", "T", 20120315, "OA", 1, 0);
        Declaracion("731", "P", 20120331, "1T", 1, 123456);
        Declaracion("732", "P", 20120630, "2T", 2, 5000);
        v = &Abrir();
    }

    void Declaracion(const std::string& modelo, const std::string& modo, int fecha, const std::string& periodo,
                     int tipologia, double importe) {
        Sql("INSERT INTO T02_COMUNDECLA (T02_CSCO, T02_MODELO, T02_LETRADNI, T02_MODO, T02_FECHA, T02_EJERCICIO, "
            "T02_PERIODO, T02_TIPOLOGIA) VALUES (1, '" + modelo + "', '1', '" + modo + "', " + std::to_string(fecha) +
            ", " + std::to_string(fecha / 10000) + ", '" + periodo + "', " + std::to_string(tipologia) + ")");
        const std::string tabla =
            tipologia == 1 ? "T03_731DECLA (T03_CSDE, T03_RESUL)" : "T04_732DECLA (T04_CSDE, T04_TOTAL)";
        Sql("INSERT INTO " + tabla + " VALUES ((SELECT MAX(T02_CSDE) FROM T02_COMUNDECLA), " +
            std::to_string(importe) + ")");
    }

    // The window as the recent-taxpayer entry opens it.
    FrmDecResumen& Ventana() {
        v->Reciente(1)->trigger();
        QCoreApplication::processEvents();
        auto* w = qobject_cast<FrmDecResumen*>(v->Area()->activeSubWindow()->widget());
        EXPECT_NE(w, nullptr);
        return *w;
    }

    template <class T>
    static T* C(QWidget& w, const char* nombre) {
        return prueba::Control<T>(&w, nombre);
    }
    static FlexGrid& Grid(QWidget& w) { return *C<FlexGrid>(w, "flxDeclaraciones"); }

    QString Abierta() const {
        QMdiSubWindow* sub = v->Area()->activeSubWindow();
        return sub && sub->widget() ? sub->widget()->objectName() : QString();
    }

    // Which command buttons are enabled, in their order on the window.
    static std::string Botones(QWidget& w) {
        std::string s;
        for (const char* b : {"cmdDatos", "cmdEliminar", "cmdImprimir", "cmdDeclarante", "cmdCerrar"})
            s += C<QPushButton>(w, b)->isEnabled() ? '1' : '0';
        return s;
    }
};

TEST_F(Declaraciones, ListaConFechaTrimestreEImporteYLaUltimaResaltada) {
    FrmDecResumen& w = Ventana();
    FlexGrid& g = Grid(w);
    ASSERT_EQ(g.Rows(), 4);
    const QStringList esperadas[] = {
        {"15/03/2012", "2012", "", "731", "0,00", "T"},
        {"", "2012", "1ºTRIMESTRE", "731", "1.234,56", "P"},
        {"", "2012", "2ºTRIMESTRE", "732", "50,00", "P"},
    };
    for (int f = 1; f <= 3; ++f) {
        QStringList fila;
        for (int c : {1, 2, 3, 4, 6, 10}) fila << g.TextMatrix(f, c);
        EXPECT_EQ(fila, esperadas[f - 1]) << f;
    }
    EXPECT_EQ(g.Row(), 3);
    EXPECT_EQ(g.CellBackColor(3, 2), ColorVB(0x80C0FF));
    EXPECT_FALSE(g.CellBackColor(2, 2).isValid());
    EXPECT_EQ(cDecResumen::Instancia().CSDE(), 3);
    EXPECT_EQ(C<QLabel>(w, "lblResultado")->text(), "3 declaracion/es seleccionada/s");
    EXPECT_TRUE(g.isColumnHidden(0) && g.isColumnHidden(7) && !g.isColumnHidden(10));
    EXPECT_EQ(Botones(w), "11111");
    EXPECT_EQ(QApplication::focusWidget(), &g);
    EXPECT_EQ(Foto(*v).substr(0, 6), "mnu=00");  // the main menus stay off while it is open
}

TEST_F(Declaraciones, SinDeclaracionesSoloDeclaranteYCerrar) {
    Sql("DELETE FROM T02_COMUNDECLA");
    FrmDecResumen& w = Ventana();
    EXPECT_EQ(Grid(w).Rows(), 2);
    EXPECT_EQ(C<QLabel>(w, "lblResultado")->text(), "No existen declaraciones");
    EXPECT_EQ(Botones(w), "00011");
    EXPECT_EQ(QApplication::focusWidget(), C<QPushButton>(w, "cmdDeclarante"));
}

TEST_F(Declaraciones, CtrlPProponeElTrimestreSiguienteYCtrlMayusPNada) {
    FrmDecResumen& w = Ventana();
    const auto& r = cDecResumen::Instancia();
    QTest::keyClick(&Grid(w), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(r.MODO(), "L");
    QTest::keyClick(&Grid(w), Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(r.MODO(), "T");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(r.MODO() + r.PERIODO() + r.Modelo() + QString::number(r.FECHA()), "P3T73220120930");
    EXPECT_TRUE(C<QGroupBox>(w, "FraNueva")->isVisible() && !C<QGroupBox>(w, "FraOpciones")->isVisible());
    EXPECT_EQ(C<Pindaro>(w, "txtejer")->text() + "|" + C<ComboLista>(w, "cmbperiodo")->Text() + "|" +
                  C<ComboLista>(w, "cmbmodelo")->Text(),
              "2012|3ºtrimestre|732");
    EXPECT_EQ(QApplication::focusWidget(), C<Pindaro>(w, "txtejer"));
    EXPECT_FALSE(Grid(w).isEnabled() || C<QPushButton>(w, "cmdCerrar")->isEnabled());
}

// A window left open for a key below 1 (a taxpayer that was never saved) starts no declaration.
TEST_F(Declaraciones, SinClaveDeDeclaranteNoHayDeclaracionNueva) {
    FrmDecResumen& w = Ventana();
    cDecResumen::Instancia().CSCO(0);
    for (auto tecla : {Qt::Key_P, Qt::Key_T}) {
        QTest::keyClick(&Grid(w), tecla, Qt::ControlModifier);
        EXPECT_TRUE(cDecResumen::Instancia().MODO() == "L" && !C<QGroupBox>(w, "FraNueva")->isVisible()) << tecla;
    }
}

TEST_F(Declaraciones, FechasDeTransporteComprobadasAlSalir) {
    FrmDecResumen& w = Ventana();
    w.ImgTra_Click();
    auto* fecha = C<CajaFecha>(w, "txtfecha");
    EXPECT_EQ(fecha->Text(), "__/__/____");
    struct Caso {
        const char* tecleado;
        bool aviso;
        int fecha;
    } casos[] = {{"31042012", true, 0}, {"29022011", true, 0}, {"15032012", false, 20120315},
                 {"29022012", false, 20120229}, {"31042012", true, 20120229}};
    for (const Caso& c : casos) {
        mensajes.clear();
        titulos.clear();
        fecha->setFocus();
        fecha->selectAll();
        QTest::keyClicks(fecha, c.tecleado);
        QTest::keyClick(fecha, Qt::Key_Tab);
        QCoreApplication::processEvents();
        ASSERT_EQ(mensajes.size(), c.aviso ? 1u : 0u) << c.tecleado;
        if (c.aviso) {  // message 321, and the focus stays
            EXPECT_EQ(mensajes[0].texto + "|" + titulos[0],
                      "La Fecha introducida no es correcta | Error en la Introducción de Datos");
            EXPECT_EQ(QApplication::focusWidget(), fecha);
        }
        EXPECT_EQ(cDecResumen::Instancia().FECHA(), c.fecha) << c.tecleado;
        EXPECT_EQ(fecha->Text(), cFecha::Instancia().LongToString(c.fecha)) << c.tecleado;
    }
    EXPECT_EQ(cDecResumen::Instancia().PERIODO() + QString::number(cDecResumen::Instancia().Ejercicio()), "OA2012");
}

TEST_F(Declaraciones, UnTrimestreExistenteDaElMensaje263) {
    FrmDecResumen& w = Ventana();
    w.ImgPer_Click();
    auto* anio = C<Pindaro>(w, "txtejer");
    anio->selectAll();
    QTest::keyClicks(anio, "2x0125");  // digits only, and no fifth one
    EXPECT_EQ(anio->text(), "2012");
    QTest::keyClick(anio, Qt::Key_Tab);  // Enter as Tab would do the same
    auto* periodo = C<ComboLista>(w, "cmbperiodo");
    periodo->ListIndex(1);  // the second quarter, as a click on it
    ASSERT_EQ(cDecResumen::Instancia().FECHA(), 20120630);
    w.ImgNueva_MouseUp(1);
    w.ImgNueva_Click(1);
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_EQ(mensajes[0].texto, "No se puede dar de alta la nueva declaración. Ya existe una declaración con ese "
                                 "ejercicio-periodo-modelo");
    EXPECT_EQ(mensajes[0].estilo, vbOKOnly | vbExclamation);
    EXPECT_EQ(QApplication::focusWidget(), anio);
    EXPECT_EQ(Abierta(), "FrmDecResumen");
}

TEST_F(Declaraciones, ListasCompletanLiteralmenteYElAceptarAbreElEditor) {
    FrmDecResumen& w = Ventana();
    w.ImgPer_Click();
    auto* modelo = C<ComboLista>(w, "cmbmodelo");
    for (const char* tecleado : {"[", "9"}) {
        mensajes.clear();
        modelo->setFocus();
        modelo->setEditText(tecleado);
        QTest::keyClick(modelo, Qt::Key_Tab);
        QCoreApplication::processEvents();
        ASSERT_EQ(mensajes.size(), 1u) << tecleado;
        EXPECT_EQ(mensajes[0].texto, "Debe seleccionar uno de los modelos de la lista ");
        EXPECT_EQ(QApplication::focusWidget(), modelo);
    }
    // Typed and not yet left: the accept image finishes the list box too.
    modelo->setEditText("73");
    w.ImgNueva_MouseUp(1);
    const auto& r = cDecResumen::Instancia();
    EXPECT_EQ(r.Modelo() + QString::number(r.TIPOLOGIA()), "7311");
    // A click on an entry still counts after a failed search.
    modelo->ListIndex(1);
    EXPECT_EQ(r.Modelo(), "732");
    modelo->ListIndex(0);
    mensajes.clear();
    w.ImgNueva_MouseUp(1);
    w.ImgNueva_Click(1);
    EXPECT_TRUE(mensajes.empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(Abierta(), "FrmDatos731");
    EXPECT_EQ(cDatos731::Instancia().MODO() + cDatos731::Instancia().MODOP(), "AP");
}

// A year or a date outside the program's range is refused naming the range in the user's language,
// and the box that holds it takes the focus again.
TEST_F(Declaraciones, FueraDelIntervaloSeNombraElIntervaloEnSuIdioma) {
    struct Caso {
        const char* idioma;
        Qt::Key modo;
        const char* caja;
        const char* tecleado;
        const char* texto;
    };
    const Caso casos[] = {
        {"C", Qt::Key_P, "txtejer", "2030",
         "El ejercicio-periodo no puede ser anterior al 01/01/2008 ni posterior al 31/12/2026"},
        {"E", Qt::Key_P, "txtejer", "2030",
         "Ekitaldi eta zergaldia ezin dira izan 2008/01/01 baino lehenagokoak ez eta 2026/12/31 baino beranduagokoa "
         "ere"},
        {"C", Qt::Key_T, "txtfecha", "01012030",
         "La fecha no puede ser anterior al 01/01/2008 ni posterior al 31/12/2026"},
        {"E", Qt::Key_T, "txtfecha", "20300101",
         "Data ezin da izan 2008/01/01 baino lehenagokoa ez eta 2026/12/31 baino beranduagokoa ere"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::string(c.idioma) + " " + c.caja);
        QString idioma = QString::fromLatin1(c.idioma);
        CEntrada::Instancia().IDI(idioma);
        FrmDecResumen& w = Ventana();
        QTest::keyClick(&Grid(w), c.modo, Qt::ControlModifier);
        QCoreApplication::processEvents();
        auto* caja = C<QLineEdit>(w, c.caja);
        ASSERT_EQ(QApplication::focusWidget(), caja);
        caja->selectAll();
        QTest::keyClicks(caja, c.tecleado);
        QTest::keyClick(caja, Qt::Key_Tab);
        QCoreApplication::processEvents();
        mensajes.clear();
        QTest::mouseClick(C<QWidget>(w, "ImgNueva1"), Qt::LeftButton);
        QCoreApplication::processEvents();
        ASSERT_EQ(mensajes.size(), 1u);
        EXPECT_EQ(mensajes[0].texto, c.texto);
        EXPECT_EQ(QApplication::focusWidget(), caja);
        EXPECT_EQ(Abierta(), "FrmDecResumen");
        v->Area()->closeAllSubWindows();
        QCoreApplication::processEvents();
    }
}

TEST_F(Declaraciones, BorrarPreguntaLaFilaDeLaCabeceraYLaQuita) {
    FrmDecResumen& w = Ventana();
    FlexGrid& g = Grid(w);
    // A click on the header row makes the first row current, highlighted and the one acted on.
    QTest::mouseClick(g.horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(20, 5));
    EXPECT_EQ(g.Row(), 1);
    EXPECT_EQ(g.CellBackColor(1, 2), ColorVB(0x80C0FF));
    QTest::mouseDClick(g.horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(20, 5));
    EXPECT_EQ(Abierta(), "FrmDecResumen");  // a double click on the header opens nothing
    EXPECT_FALSE(g.CellBackColor(3, 2).isValid());
    respuesta = vbNo;
    w.cmdEliminar_Click();
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_EQ(mensajes[0].texto + "|" + titulos[0],
              "¿Esta seguro que desea eliminar la declaración de fecha: 15/03/2012 ?|Borrado de la declaración");
    EXPECT_EQ(mensajes[0].estilo, vbYesNo | vbQuestion | vbDefaultButton2);
    EXPECT_EQ(g.Rows(), 4);

    g.Row(2);  // the first quarter
    respuesta = vbYes;
    w.cmdEliminar_Click();
    EXPECT_EQ(mensajes[1].texto, "¿Esta seguro que desea eliminar la declaración: 2012 - 1ºTRIMESTRE ?");
    EXPECT_EQ(g.Rows(), 3);
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM T02_COMUNDECLA WHERE T02_CSDE = 2").CLng(), 0);
    EXPECT_EQ(Valor("SELECT T01_NUM731 * 10 + T01_NUM732 FROM T01_DECLARANTES").CLng(), 11);
    EXPECT_EQ(g.Row(), 2);  // the latest again
}

TEST_F(Declaraciones, AbrirEImprimirLeenLaFilaDeCSDE) {
    FrmDecResumen& w = Ventana();
    Grid(w).Row(2);
    const auto& r = cDecResumen::Instancia();
    const auto& o = cImOf::Instancia();
    alModal = [&](QDialog&) {
        EXPECT_EQ(r.Modelo() + r.MODOP() + QString::number(r.Ejercicio()), "731P2012");
        EXPECT_EQ(o.Modelo() + o.MODOP() + o.PERIODO() + QString::number(o.CSDE()), "731P1T2");
        EXPECT_EQ(o.CSCO(), r.CSCO());
        return int(QDialog::Rejected);
    };
    w.cmdImprimir_Click();
    QCoreApplication::processEvents();
    EXPECT_EQ(modales, std::vector<QString>{"FrmImOf"});
    // Back with the printed declaration still selected, then opened with Enter.
    FrmDecResumen& otra = *qobject_cast<FrmDecResumen*>(v->Area()->activeSubWindow()->widget());
    EXPECT_EQ(Grid(otra).Row(), 2);
    QTest::keyClick(&Grid(otra), Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(Abierta(), "FrmDatos731");
    const auto& d = cDatos731::Instancia();
    EXPECT_EQ(d.MODO() + d.MODOP() + QString::number(d.CSDE()), "CP2");
    EXPECT_EQ(r.PERIODO() + QString::number(r.FECHA()), "1T20120331");
}

// Ctrl+T leaves the cursor where digits typed at once are taken, in either language's layout.
TEST_F(Declaraciones, CtrlTYLaFechaTecleadaEnSeguidaSeGuarda) {
    for (const char* idioma : {"C", "E"}) {
        SCOPED_TRACE(idioma);
        QString i = QString::fromLatin1(idioma);
        CEntrada::Instancia().IDI(i);
        FrmDecResumen& w = Ventana();
        QTest::keyClick(&Grid(w), Qt::Key_T, Qt::ControlModifier);
        QWidget* foco = QApplication::focusWidget();
        ASSERT_EQ(foco, C<CajaFecha>(w, "txtfecha"));
        QTest::keyClicks(foco, *idioma == 'C' ? "15032012" : "20120315");
        QTest::keyClick(foco, Qt::Key_Tab);
        QCoreApplication::processEvents();
        EXPECT_TRUE(mensajes.empty());
        EXPECT_EQ(cDecResumen::Instancia().FECHA(), 20120315);
        v->Area()->closeAllSubWindows();
        QCoreApplication::processEvents();
    }
}

// Notes each grid cell drawn whose text would not fit the room the style gives it.
struct CeldasCortadas : QProxyStyle {
    using QProxyStyle::QProxyStyle;
    mutable QStringList cortadas, dibujadas;
    void drawControl(ControlElement elemento, const QStyleOption* opcion, QPainter* pintor,
                     const QWidget* widget) const override {
        if (const auto* celda = qstyleoption_cast<const QStyleOptionViewItem*>(opcion);
            celda && elemento == CE_ItemViewItem && !celda->text.isEmpty()) {
            const int margen = pixelMetric(PM_FocusFrameHMargin, nullptr, widget) + 1;
            const int ancho = subElementRect(SE_ItemViewItemText, celda, widget).width() - 2 * margen;
            dibujadas << celda->text;
            if (QFontMetrics(celda->font).horizontalAdvance(celda->text) > ancho) cortadas << celda->text;
        }
        QProxyStyle::drawControl(elemento, opcion, pintor, widget);
    }
};

// The largest amount a box takes, and a total of two of them, show exactly and whole in the
// amount column, in both languages.
TEST_F(Declaraciones, ImportesDeTreceYDieciseisCifrasExactosYEnterosEnSuColumna) {
    Sql("UPDATE T03_731DECLA SET T03_RESUL = 999999999999999");
    Sql("UPDATE T04_732DECLA SET T04_TOTAL = 2003999999999998");
    for (const char* idioma : {"C", "E"}) {
        SCOPED_TRACE(idioma);
        QString i = QString::fromLatin1(idioma);
        CEntrada::Instancia().IDI(i);
        FrmDecResumen& w = Ventana();
        CeldasCortadas estilo(QApplication::style()->name());
        Grid(w).setStyle(&estilo);
        w.grab();
        Grid(w).setStyle(nullptr);
        for (const char* importe : {"9.999.999.999.999,99", "20.039.999.999.999,98"})
            EXPECT_TRUE(estilo.dibujadas.contains(importe))
                << importe << " " << estilo.dibujadas.join('|').toStdString();
        EXPECT_TRUE(estilo.cortadas.isEmpty()) << estilo.cortadas.join('|').toStdString();
        if (const char* carpeta = std::getenv("OXALDE_CAPTURAS"))
            w.grab().save(QStringLiteral("%1/declaraciones_%2.png").arg(carpeta, i == "E" ? "eu" : "es"));
        v->Area()->closeAllSubWindows();
        QCoreApplication::processEvents();
    }
}

TEST_F(Declaraciones, EnEuskera) {
    QString e = QStringLiteral("E");
    CEntrada::Instancia().IDI(e);
    FrmDecResumen& w = Ventana();
    FlexGrid& g = Grid(w);
    // Captions, grid headings, dates and quarter names, the count and the date mask.
    EXPECT_EQ(w.windowTitle(), "Aitortzaile - Aitorpenak");
    EXPECT_EQ(QStringList({g.TextMatrix(0, 1), g.TextMatrix(0, 6), g.TextMatrix(1, 1), g.TextMatrix(2, 3)}),
              QStringList({"Data", "Zenbatekoa", "2012/03/15", "1.HIRUHILEKOA"}));
    EXPECT_EQ(C<QLabel>(w, "lblResultado")->text(), "3  aitorpen hautatu d(ir)a");
    EXPECT_EQ(C<QPushButton>(w, "cmdDatos")->text(), "   &Datuak");
    w.ImgTra_Click();
    EXPECT_EQ(C<CajaFecha>(w, "txtfecha")->Text(), "____/__/__");
}

// A cancel by its picture leaves the list boxes silent; only a pending date box speaks.
TEST_F(Declaraciones, CancelarConUnaListaVaciaNoDiceNadaYConUnaFechaMalaUnaVez) {
    struct Caso {
        Qt::Key modo;
        const char* caja;
        const char* texto;
        int mensajes;
    };
    for (Caso c : {Caso{Qt::Key_P, "cmbperiodo", "", 0}, {Qt::Key_P, "cmbmodelo", "", 0},
                   {Qt::Key_T, "cmbmodelo", "", 0}, {Qt::Key_T, "txtfecha", "31042012", 1}}) {
        SCOPED_TRACE(c.caja);
        FrmDecResumen& w = Ventana();
        QTest::keyClick(&Grid(w), c.modo, Qt::ControlModifier);
        QCoreApplication::processEvents();
        QWidget* caja = C<QWidget>(w, c.caja);
        caja->setFocus(Qt::MouseFocusReason);
        QCoreApplication::processEvents();
        QLineEdit* texto =
            qobject_cast<QLineEdit*>(caja) ? qobject_cast<QLineEdit*>(caja) : caja->findChild<QLineEdit*>();
        texto->selectAll();
        QTest::keyClick(texto, Qt::Key_Backspace);
        QTest::keyClicks(texto, c.texto);
        mensajes.clear();
        QTest::mouseClick(C<QWidget>(w, "ImgNueva0"), Qt::LeftButton);
        QCoreApplication::processEvents();
        EXPECT_EQ(mensajes.size(), size_t(c.mensajes)) << (mensajes.empty() ? "" : mensajes[0].texto.toStdString());
        EXPECT_EQ(cDecResumen::Instancia().MODO(), "L");
        v->Area()->closeAllSubWindows();
        QCoreApplication::processEvents();
    }
}

}  // namespace
