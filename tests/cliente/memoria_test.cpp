// Windows opened and closed again and again: each one gives back what it made.
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QProxyStyle>
#include <QPushButton>
#include <QSet>
#include <QStyleFactory>
#include <QToolBar>
#include <QToolButton>
#include <ostream>

#include "controles/FlexGrid.h"
#include "impresion/FrmImOf.h"
#include "intercambio/FrmExportar.h"
#include "intercambio/frmimport.h"
#include "prueba.h"

using namespace oxalde;

namespace {

// A window that keeps a widget, a child or a palette per opening shows it after one round; a few
// rounds are enough here (bench_ventana_memoria measures the heap over hundreds).
constexpr int kCiclos = 3;

// Stands under the program's style and keeps the identity of every palette it draws with.
class EstiloRegistro : public QProxyStyle {
public:
    mutable QSet<qint64> paletas;
    EstiloRegistro() : QProxyStyle(QStyleFactory::create(QStringLiteral("fusion"))) {}
    void drawPrimitive(PrimitiveElement e, const QStyleOption* o, QPainter* p, const QWidget* w) const override {
        if (o) paletas.insert(o->palette.cacheKey());
        QProxyStyle::drawPrimitive(e, o, p, w);
    }
    void drawControl(ControlElement e, const QStyleOption* o, QPainter* p, const QWidget* w) const override {
        if (o) paletas.insert(o->palette.cacheKey());
        QProxyStyle::drawControl(e, o, p, w);
    }
    void drawComplexControl(ComplexControl c, const QStyleOptionComplex* o, QPainter* p,
                            const QWidget* w) const override {
        if (o) paletas.insert(o->palette.cacheKey());
        QProxyStyle::drawComplexControl(c, o, p, w);
    }
};

// Two taxpayers, the first with a form-731 and a form-732 declaration; each step opens a window
// from the main window or the declarations window and leaves it with its Cancel or Close button.
class MemoriaVentanas : public prueba::Principal {
public:
    void Declarante() {
        PulsarBarra(1);
        Esperar("frmDecDatos");
        Pulsar("cmdCancelar");
    }
    void ListaDeclarantes() {
        PulsarBarra(2);
        Esperar("FrmDecLista");
        Pulsar("cmdCancelar");
    }
    void Declaraciones() {
        AbrirDeclaraciones();
        Pulsar("cmdCerrar");
    }
    void DeclaranteDesdeDeclaraciones() {
        AbrirDeclaraciones();
        Pulsar("cmdDeclarante");
        Esperar("frmDecDatos");
        Pulsar("cmdCancelar");
        Esperar("FrmDecResumen");
        Pulsar("cmdCerrar");
    }
    void Editor731() { Editor(1, "FrmDatos731"); }
    void Editor732() { Editor(2, "FrmDatos732"); }
    void Impresion() {
        AbrirDeclaraciones();
        const size_t antes = modales.size();
        Pulsar("cmdImprimir");
        ASSERT_EQ(modales.size(), antes + 1);
        Esperar("FrmDecResumen");
        Pulsar("cmdCerrar");
    }
    void Exportar() {
        PulsarMenu(v->MenuUtilidades(), "mnuExport");
        auto* w = Activa<FrmExportar>();
        ASSERT_NE(w, nullptr);
        QTest::mouseClick(w->cmdCancelar(), Qt::LeftButton);
        Asentar();
    }
    void Importar() {
        PulsarMenu(v->MenuUtilidades(), "mnuImport");
        auto* w = Activa<frmimport>();
        ASSERT_NE(w, nullptr);
        QTest::mouseClick(w->cmdcan(), Qt::LeftButton);
        Asentar();
    }

protected:
    MDI7312* v = nullptr;
    EstiloRegistro* registro = nullptr;

    void SetUp() override {
        Principal::SetUp();
        Declarantes(2);
        Sql("UPDATE T01_DECLARANTES SET T01_NUM731 = 1, T01_NUM732 = 1 WHERE T01_CSCO = 1");
        Sql("INSERT INTO T02_COMUNDECLA (T02_CSCO, T02_MODELO, T02_LETRADNI, T02_MODO, T02_FECHA, T02_EJERCICIO, "
            "T02_PERIODO, T02_TIPOLOGIA) VALUES (1, '731', '1', 'P', 20120331, 2012, '1T', 1), "
            "(1, '732', '1', 'P', 20120630, 2012, '2T', 2)");
        Sql("INSERT INTO T03_731DECLA (T03_CSDE, T03_RESUL) VALUES (1, 100)");
        Sql("INSERT INTO T04_732DECLA (T04_CSDE, T04_TOTAL) VALUES (2, 5000)");
        LeerConfiguracion();
        v = &Abrir();
        alModal = [](QDialog& d) {
            if (auto* impresion = qobject_cast<FrmImOf*>(&d)) QTest::mouseClick(impresion->Piccan(), Qt::LeftButton);
            return int(QDialog::Rejected);
        };
        // The program's style stands over the one that draws.
        auto* estilo = dynamic_cast<QProxyStyle*>(QApplication::style());
        ASSERT_NE(estilo, nullptr);
        registro = new EstiloRegistro;
        estilo->setBaseStyle(registro);
    }

    void TearDown() override {
        if (auto* estilo = dynamic_cast<QProxyStyle*>(QApplication::style()))
            estilo->setBaseStyle(QStyleFactory::create(QStringLiteral("fusion")));
        Principal::TearDown();
    }

    // What the event loop does between two clicks: pending work, then pending deletions.
    static void Asentar() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void Esperar(const char* ventana) {
        ASSERT_NE(Activa(), nullptr) << ventana;
        ASSERT_EQ(Activa()->objectName(), ventana);
    }

    void Pulsar(const char* nombre) {
        ASSERT_NE(Activa(), nullptr) << nombre;
        auto* boton = Activa()->findChild<QPushButton*>(QString::fromLatin1(nombre));
        ASSERT_NE(boton, nullptr) << nombre;
        QTest::mouseClick(boton, Qt::LeftButton);
        Asentar();
    }

    void PulsarBarra(int numero) {
        auto* barra = v->findChild<QToolBar*>(QStringLiteral("Toolbar1"));
        QTest::mouseClick(barra->widgetForAction(v->Boton(numero)), Qt::LeftButton);
        Asentar();
    }

    void PulsarMenu(QMenu* menu, const char* entrada) {
        menu->popup(v->mapToGlobal(QPoint(10, 10)));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(v->Entrada(entrada)).center());
        Asentar();
    }

    // The declarations window of the first taxpayer, chosen in the taxpayer list.
    void AbrirDeclaraciones() {
        PulsarBarra(2);
        Esperar("FrmDecLista");
        Pulsar("cmdAceptar");
        Esperar("FrmDecResumen");
    }

    // The editor of the declaration in the given row, left with Cancel, then the list closed.
    void Editor(int fila, const char* editor) {
        AbrirDeclaraciones();
        Activa()->findChild<FlexGrid*>(QStringLiteral("flxDeclaraciones"))->Row(fila);
        Pulsar("cmdDatos");
        Esperar(editor);
        Pulsar("cmdCancelar");
        Esperar("FrmDecResumen");
        Pulsar("cmdCerrar");
    }
};

struct Recorrido {
    const char* ventana;
    void (MemoriaVentanas::*abrirYCerrar)();
};

void PrintTo(const Recorrido& r, std::ostream* os) { *os << r.ventana; }

const Recorrido kRecorridos[] = {
    {"frmDecDatos", &MemoriaVentanas::Declarante},
    {"FrmDecLista", &MemoriaVentanas::ListaDeclarantes},
    {"FrmDecResumen", &MemoriaVentanas::Declaraciones},
    {"frmDecDatosDesdeDeclaraciones", &MemoriaVentanas::DeclaranteDesdeDeclaraciones},
    {"FrmDatos731", &MemoriaVentanas::Editor731},
    {"FrmDatos732", &MemoriaVentanas::Editor732},
    {"FrmImOf", &MemoriaVentanas::Impresion},
    {"FrmExportar", &MemoriaVentanas::Exportar},
    {"frmimport", &MemoriaVentanas::Importar},
};

class CadaVentana : public MemoriaVentanas, public ::testing::WithParamInterface<Recorrido> {};

TEST_P(CadaVentana, DevuelveLoQueHizo) {
    const auto abrirYCerrar = GetParam().abrirYCerrar;
    ASSERT_NO_FATAL_FAILURE((this->*abrirYCerrar)());  // the first time makes what all windows share
    ASSERT_EQ(Activa(), nullptr);
    const auto widgets = QApplication::allWidgets().size();
    const auto hijos = v->findChildren<QObject*>().size();
    const auto paletas = registro->paletas.size();
    for (int i = 0; i < kCiclos; ++i) ASSERT_NO_FATAL_FAILURE((this->*abrirYCerrar)()) << i;
    ASSERT_EQ(Activa(), nullptr);
    EXPECT_EQ(QApplication::allWidgets().size(), widgets);
    EXPECT_EQ(v->findChildren<QObject*>().size(), hijos);
    // The style's drawings are cached by palette: new palettes each time would fill the cache.
    EXPECT_EQ(registro->paletas.size(), paletas);
}

INSTANTIATE_TEST_SUITE_P(Ventanas, CadaVentana, ::testing::ValuesIn(kRecorridos),
                         [](const auto& info) { return std::string(info.param.ventana); });

}  // namespace
