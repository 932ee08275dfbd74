// What both declaration editors do alike through the frame they share, tried once for each so
// that they do not drift apart: a box entered selects its text, Tab and Shift+Tab pass over the
// computed boxes, a failed check says its message before it shows the tab and the box, Cancel
// and the close box, a failed opening, a failing repaint from a tab or an option, and amounts at
// their largest.
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <memory>
#include <type_traits>

#include "cliente/ventana_prueba.h"
#include "compartido/cDecResumen.h"
#include "compartido/ventana_principal.h"
#include "controles/controles.h"
#include "form731/FrmDatos731.h"
#include "form731/buffers731.h"
#include "form731/cDatos731.h"
#include "form732/FrmDatos732.h"
#include "form732/cDatos732.h"
#include "registro/FrmDecResumen.h"

using namespace oxalde;

namespace {

using prueba::Pausa;

template <class E>
class Editores : public prueba::ConVentana<E> {
protected:
    static constexpr bool k731 = std::is_same_v<E, FrmDatos731>;
    using Registro = std::conditional_t<k731, cDatos731, cDatos732>;
    static Registro& D() { return Registro::Instancia(); }
    cDecResumen& r = cDecResumen::Instancia();

    void SetUp() override {
        prueba::Principal::SetUp();
        this->Declarantes(1);
        this->Abrir();
    }
    void TearDown() override {
        r.CSDE(0);
        r.FECHA(0);
        D().MODO("A");
        prueba::Principal::TearDown();
    }

    // The header of a declaration of the first taxpayer.
    void Cabecera(const char* modop, vb::Long fecha, const char* periodo, vb::Long csde = 0) {
        r.CSCO(1), r.DNI("12345678Z"), r.NOMBRE("DECLARANTE 1"), r.Modelo(k731 ? "731" : "732");
        r.TIPOLOGIA(k731 ? 1 : 2), r.MODOP(modop), r.FECHA(fecha), r.Ejercicio(vb::Integer(fecha / 10000));
        r.PERIODO(*modop == 'T' ? "OA" : periodo), r.CSDE(csde);
    }
    // Opens the editor as the declarations window does: the header, then MODO, MODOP and the key.
    void Editor(const char* modo, const char* modop, vb::Long fecha, const char* periodo = "", vb::Long csde = 0) {
        Cabecera(modop, fecha, periodo, csde);
        D().MODO(modo), D().MODOP(modop);
        if (csde) D().CSDE(csde);
        this->ventana->MostrarHija(new E);
        this->w = this->template Activa<E>();
        ASSERT_NE(this->w, nullptr);
        this->ventana->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(this->ventana));
        Pausa();
    }

    int Pestana() const { return this->w->TabTra()->currentIndex() + 1; }
    // A click on tab n (from 1), on a button, or on a check box of form 732.
    void IrA(int n) {
        prueba::CambiarPestana(this->w->TabTra(), n - 1, false);
        Pausa();
    }
    void Pulsar(const QString& nombre) {
        QTest::mouseClick(this->template C<QWidget>(nombre), Qt::LeftButton);
        Pausa();
    }

    // A transport declaration on its first tab, every tab free to go to (form 732 asks for a
    // taxable event first): the new means of transport.
    void Transporte() {
        Editor("A", "T", k731 ? 20120901 : 20130115);
        if constexpr (!k731) {
            Pulsar("chkhecho(1)");
            IrA(1);
        }
    }
    // The tabs of a transport declaration: the technical data and the liquidation.
    static int Tecnicos() { return k731 ? 2 : 4; }
    static int Liquidacion() { return k731 ? 3 : 5; }
    // The first two text boxes of the first tab, in their Tab order.
    static const char* Primera() { return k731 ? "txtadqnif" : "txttranif"; }
    static const char* Segunda() { return k731 ? "txtadqnom" : "txttranom"; }
    // The record's member behind the second box.
    static void EscribirSegunda(const QString& texto) {
        if constexpr (k731)
            D().ADQNOM(texto);
        else
            D().TRANOM(texto);
    }

    // A quarterly declaration outside the typed-quota period on its liquidation, whose bases can
    // be typed (form 732 asks for an event and a situation first).
    void Trimestral() {
        Editor("A", "P", k731 ? 20100630 : 20130331, k731 ? "2T" : "1T");
        if constexpr (!k731) {
            Pulsar("chkhecho(0)");
            Pulsar("chksittib(1)");
            IrA(4);
        }
    }

    // The editor has gone; the declarations window is there when `lista`, and not otherwise.
    bool Cerrado(bool lista = true) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QMdiArea* area = this->ventana->Area();
        return area->findChild<E*>() == nullptr && (area->template findChild<FrmDecResumen*>() != nullptr) == lista;
    }
    vb::Long Guardadas() {
        return this->Valor(k731 ? "SELECT COUNT(*) FROM T03_731DECLA" : "SELECT COUNT(*) FROM T04_732DECLA").CLng();
    }
};

class Nombres {
public:
    template <class E>
    static std::string GetName(int) {
        return std::is_same_v<E, FrmDatos731> ? "Form731" : "Form732";
    }
};
using Tipos = ::testing::Types<FrmDatos731, FrmDatos732>;
TYPED_TEST_SUITE(Editores, Tipos, Nombres);

// What a failing repaint is to write: a literal kept in the program itself, so that the copies
// of it that the unwinding through the toolkit's text handling leaves behind own no memory.
const QString kOtroTexto = QStringLiteral("OTRO");

// The next write of a value into the box fails, as any step of a repaint may.
void FallaAlEscribir(QLineEdit* caja) {
    auto conexion = std::make_shared<QMetaObject::Connection>();
    *conexion = QObject::connect(caja, &QLineEdit::textChanged, [conexion] {
        QObject::disconnect(*conexion);
        throw vb::Error(3021, "Brunsel", "No current record");
    });
}

TYPED_TEST(Editores, UnaCajaSeleccionaSuTextoAlEntrar) {
    this->Transporte();
    this->Teclear(this->Primera(), "ABC");
    auto* primera = this->template C<QLineEdit>(this->Primera());
    EXPECT_EQ(QApplication::focusWidget(), this->C(this->Segunda()));
    // Back with Shift+Tab, then with a click from the other box.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    Pausa();
    EXPECT_EQ(QApplication::focusWidget(), primera);
    EXPECT_EQ(primera->selectedText(), "ABC");
    this->C(this->Segunda())->setFocus(Qt::MouseFocusReason);
    Pausa();
    QTest::mouseClick(primera, Qt::LeftButton);
    Pausa();
    EXPECT_EQ(QApplication::focusWidget(), primera);
    EXPECT_EQ(primera->selectedText(), "ABC");
}

// Tab passes over the computed quotas, and Shift+Tab back over them, each key once.
TYPED_TEST(Editores, TabYMayusTabPasanSobreLasCajasCalculadas) {
    this->Trimestral();
    ASSERT_EQ(QApplication::focusWidget(), this->C("txtbase16"));
    QTest::keyClicks(this->C("txtbase16"), "100");
    for (const char* siguiente : {"txtbase7", "txtbase4"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        Pausa();
        EXPECT_EQ(QApplication::focusWidget(), this->C(siguiente)) << siguiente;
    }
    for (const char* anterior : {"txtbase7", "txtbase16"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        Pausa();
        EXPECT_EQ(QApplication::focusWidget(), this->C(anterior)) << anterior;
    }
    EXPECT_EQ(this->template C<QLineEdit>("txtbase16")->selectedText(), "100,00");
    EXPECT_EQ(this->template C<QLineEdit>("txtcuota16")->text(), this->k731 ? "16,00" : "21,00");
}

// Accept with a declaration the check refuses: the message comes first, over the editor, with
// the window still as it was; then the tab of the box to mend, then that box. The editor stays.
TYPED_TEST(Editores, UnaComprobacionFallidaDiceElMensajeLuegoLaPestanaYLaCaja) {
    QString texto;
    const char* caja;
    int pestana;
    if constexpr (TestFixture::k731) {
        this->Transporte();
        this->IrA(3);
        texto = "La casilla NIF del adquiriente debe tener algún valor", caja = "txtadqnif", pestana = 1;
    } else {
        this->Editor("A", "P", 20130331, "1T");
        this->Pulsar("chkhecho(0)");
        this->Pulsar("chksittib(1)");
        this->IrA(4);
        this->Teclear("txtbase16", "100");
        this->Teclear("txtbaeq4", "200");  // above its base: code 23
        this->IrA(1);
        texto = LoadResString(289), caja = "txtbaeq4", pestana = 4;
    }
    const int antes = this->Pestana();
    int pestanaAlDecirlo = 0;
    QWidget* focoAlDecirlo = nullptr;
    EstablecerRespondedor([&](const QString& t, int estilo, const QString& titulo) {
        this->mensajes.push_back({t, estilo});
        this->titulos.push_back(titulo);
        pestanaAlDecirlo = this->Pestana();
        focoAlDecirlo = QApplication::focusWidget();
        return this->respuesta;
    });
    this->Pulsar("cmdAceptar");
    ASSERT_EQ(this->mensajes.size(), 1u);
    EXPECT_EQ(this->mensajes[0].texto, texto);
    EXPECT_EQ(this->mensajes[0].estilo, vbExclamation);
    EXPECT_EQ(this->titulos.back(), this->w->windowTitle());
    EXPECT_EQ(pestanaAlDecirlo, antes);
    EXPECT_EQ(focoAlDecirlo, this->C("cmdAceptar"));
    EXPECT_EQ(this->Pestana(), pestana);
    EXPECT_TRUE(this->C(caja)->hasFocus());
    EXPECT_FALSE(this->Cerrado());
}

// Accept, by its picture, saves the new declaration and goes back to the declarations with it
// selected.
TYPED_TEST(Editores, AceptarGuardaLaDeclaracionNuevaYVuelveConElla) {
    this->Trimestral();
    this->Teclear("txtbase16", "100");
    if (!this->k731) this->Teclear("txtbaeq4", "50");  // the equivalence surcharge its situation asks for
    this->Pulsar("PicAce");
    EXPECT_TRUE(this->mensajes.empty()) << (this->mensajes.empty() ? "" : this->mensajes[0].texto.toStdString());
    EXPECT_TRUE(this->Cerrado());
    EXPECT_EQ(this->Guardadas(), 1);
    EXPECT_EQ(this->r.CSDE(), this->Valor("SELECT MAX(T02_CSDE) FROM T02_COMUNDECLA").CLng());
    EXPECT_EQ(this->r.ENTRADA(), "P");
}

// Cancel, by its button or its picture, goes back to the declarations with the new
// declaration's key (none) and the way back noted; the close box goes back to nothing and gives
// the menus back. Neither saves.
TYPED_TEST(Editores, CancelarYElCierreNoGuardan) {
    for (const char* via : {"cmdCancelar", "Piccan", ""}) {
        this->Trimestral();
        this->Teclear("txtbase16", "100");
        ASSERT_TRUE(this->w->DatosModificados());
        this->r.CSDE(55);
        this->r.ENTRADA("A");
        if (*via)
            this->Pulsar(via);
        else
            this->w->parentWidget()->close();
        Pausa();
        EXPECT_TRUE(this->Cerrado(*via)) << via;
        if (*via) {
            EXPECT_EQ(this->r.ENTRADA() + QString::number(this->r.CSDE()), "P0") << via;
            EXPECT_NE(this->template Activa<FrmDecResumen>(), nullptr) << via;
        } else {
            EXPECT_TRUE(this->ventana->Area()->subWindowList().isEmpty());
            EXPECT_EQ(this->r.ENTRADA(), "A");
            EXPECT_EQ(this->Foto(*this->ventana), "mnu=11 bot=11111 imp=0 d=1000");
        }
        EXPECT_EQ(this->Guardadas(), 0) << via;
        this->ventana->Area()->closeAllSubWindows();
        Pausa();
    }
}

// Each time the editor becomes the active window again, the main menu is locked as at its opening.
TYPED_TEST(Editores, AlVolverAlEditorLosMenusSeApaganOtraVez) {
    this->Trimestral();
    const std::string apagados = this->Foto(*this->ventana);
    RefrescarMenuPrincipal();
    ASSERT_NE(this->Foto(*this->ventana), apagados);
    QMdiArea* area = this->ventana->Area();
    QMdiSubWindow* sub = area->activeSubWindow();
    area->setActiveSubWindow(nullptr);
    area->setActiveSubWindow(sub);
    Pausa();
    EXPECT_EQ(this->Foto(*this->ventana), apagados);
}

// A stored declaration whose classification is no number cannot be loaded: "Datos" says why once,
// under the declarations window's caption, and that window stays with the row selected.
TYPED_TEST(Editores, UnFalloAlAbrirDejaLasDeclaraciones) {
    vb::Long clave = 3;
    if constexpr (TestFixture::k731) {
        this->Cabecera("T", 20120901, "");
        this->D().MODO("A"), this->D().MODOP("T");
        vb::Variant buffer = BufferDeclaracion731(this->D(), this->r);
        clave = this->D().GuardarDeclaracion(buffer);
        ASSERT_GT(clave, 0);
        this->Sql("UPDATE T03_731DECLA SET T03_CLASIF = 'ABC' WHERE T03_CSDE = " + std::to_string(clave));
    } else {
        this->Cabecera("P", 20130331, "1T");
        this->Sql("INSERT INTO T02_COMUNDECLA (T02_CSDE, T02_CSCO, T02_MODELO, T02_MODO, T02_FECHA, T02_EJERCICIO, "
                  "T02_PERIODO, T02_TIPOLOGIA) VALUES (3, 1, '732', 'P', 20130331, 2013, '1T', 2)");
        this->Sql("INSERT INTO T04_732DECLA (T04_CSDE, T04_CLASIF) VALUES (3, 'ABC')");
    }
    this->r.CSDE(clave), this->r.ENTRADA("P");
    this->ventana->MostrarDeclaraciones();
    auto* lista = this->template Activa<FrmDecResumen>();
    ASSERT_NE(lista, nullptr);
    QTest::mouseClick(prueba::Control<QPushButton>(lista, "cmdDatos"), Qt::LeftButton);
    Pausa();
    ASSERT_EQ(this->mensajes.size(), 1u);
    EXPECT_EQ(this->mensajes[0].estilo, vbCritical);
    EXPECT_EQ(this->titulos[0].toStdString(), lista->windowTitle().toStdString());
    EXPECT_TRUE(this->Cerrado());
    EXPECT_EQ(this->template Activa<FrmDecResumen>(), lista);
    EXPECT_EQ(this->r.CSDE(), clave);
}

// A tab or an option whose repaint fails says so and leaves the window as the failure left it;
// the next tab and the next option still do their work.
TYPED_TEST(Editores, UnaPestanaOUnaOpcionQueFallaSeDiceYLasSiguientesSiguen) {
    this->Transporte();
    this->IrA(this->Tecnicos());
    this->EscribirSegunda(kOtroTexto);
    FallaAlEscribir(this->template C<QLineEdit>(this->Segunda()));
    this->IrA(1);
    ASSERT_EQ(this->mensajes.size(), 1u);
    EXPECT_EQ(this->mensajes[0].estilo, vbCritical);
    EXPECT_TRUE(this->mensajes[0].texto.contains("No current record")) << this->mensajes[0].texto.toStdString();
    this->IrA(this->Liquidacion());
    EXPECT_EQ(this->Pestana(), this->Liquidacion());
    EXPECT_TRUE(this->C("FraLiq")->isVisible());

    this->IrA(this->Tecnicos());
    this->D().MARCAV(kOtroTexto);
    FallaAlEscribir(this->template C<QLineEdit>("txtmarcav"));
    this->Pulsar("OptTmedio(0)");
    ASSERT_EQ(this->mensajes.size(), 2u);
    EXPECT_EQ(this->mensajes[1].estilo, vbCritical);
    this->Pulsar("OptTmedio(1)");
    EXPECT_EQ(this->D().TMEDIO(), "B");
    EXPECT_TRUE(this->C("FraBar")->isVisible());
    EXPECT_FALSE(this->C("FraVeh")->isVisible());
}

// The largest amount shows whole in every amount box at its design width, in both languages.
TYPED_TEST(Editores, ImporteMayorEnteroEnCadaCaja) {
    for (int idioma : {0, kDesplEuskera}) {
        DesplIdioma = idioma;
        this->Editor("A", "T", this->k731 ? 20120901 : 20130115);
        EXPECT_EQ(prueba::ImportesCortados(*this->w), "") << idioma;
        this->mensajes.clear();
        this->Pulsar("cmdCancelar");
        ASSERT_TRUE(this->Cerrado());
    }
}

}  // namespace
