// The form-731 editor offscreen: opening, layout by kind and tab, calculation on screen, box
// handlers, captions, and the way back to the declarations window.
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <cstdlib>

#include "GarobelLib/algoritmos.h"
#include "GarobelLib/cMiscelaneos.h"
#include "cliente/prueba.h"
#include "controles/FlexGrid.h"
#include "controles/controles.h"
#include "controles/Pindaro.h"
#include "form731/FrmDatos731.h"
#include "form731/buffers731.h"
#include "form731/cDatos731.h"
#include "form731/liquidacion731.h"
#include "registro/FrmDecResumen.h"
#include "registro/cDecResumen.h"

using namespace oxalde;

namespace {

class Editor731 : public prueba::Principal {
protected:
    cDatos731& d = cDatos731::Instancia();
    cDecResumen& r = cDecResumen::Instancia();
    FrmDatos731* w = nullptr;

    void SetUp() override {
        Principal::SetUp();
        Declarantes(1);
        r.CSCO(1);
        r.DNI("12345678Z");
        r.NOMBRE("DECLARANTE 1");
        r.Modelo("731");
        r.TIPOLOGIA(1);
        r.CSDE(0);
        Abrir();
    }

    void Cabecera(long fecha, vb::Integer ejercicio, const char* periodo) {
        r.FECHA(fecha);
        r.Ejercicio(ejercicio);
        r.PERIODO(periodo);
    }

    // Opens the editor as the declarations window does: MODO, then MODOP, then the key.
    FrmDatos731& Editor(const char* modo, const char* modop, vb::Long csde = 0) {
        d.MODO(modo);
        d.MODOP(modop);
        if (csde) d.CSDE(csde);
        ventana->MostrarHija(new FrmDatos731);
        w = qobject_cast<FrmDatos731*>(ventana->Area()->activeSubWindow()->widget());
        EXPECT_NE(w, nullptr);
        ventana->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(ventana));
        QCoreApplication::processEvents();
        return *w;
    }
    FrmDatos731& Trimestral(long fecha, vb::Integer ejercicio, const char* periodo) {
        Cabecera(fecha, ejercicio, periodo);
        return Editor("A", "P");
    }
    FrmDatos731& Transporte(long fecha) {
        Cabecera(fecha, static_cast<vb::Integer>(fecha / 10000), "OA");
        return Editor("A", "T");
    }

    // The declaration in the record saved as the library saves it; answers its key.
    vb::Long Guardar() {
        vb::Variant buffer = BufferDeclaracion731(d, r);
        return d.GuardarDeclaracion(buffer);
    }

    template <class T = QWidget>
    T* C(const char* nombre) const {
        T* c = w->findChild<T*>(QString::fromLatin1(nombre));
        EXPECT_NE(c, nullptr) << nombre;
        return c;
    }
    QString Texto(const char* nombre) const { return C<QLineEdit>(nombre)->text(); }
    bool Visible(const char* nombre) const { return C(nombre)->isVisibleTo(w); }

    static void Pausa() {
        for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    }
    // Types into a box as the user would, then leaves it with Tab.
    void Teclear(const char* caja, const QString& texto) {
        QWidget* c = C(caja);
        c->setFocus(Qt::MouseFocusReason);
        Pausa();
        Pulsar(c, texto);
        Salir();
    }
    // Key presses, also of characters beyond ASCII.
    static void Pulsar(QWidget* c, const QString& texto) {
        for (QChar ch : texto) {
            if (ch.unicode() < 128) {
                QTest::keyClick(c, ch.toLatin1());
            } else {
                QTest::sendKeyEvent(QTest::Press, c, Qt::Key_unknown, QString(ch), Qt::NoModifier);
                QTest::sendKeyEvent(QTest::Release, c, Qt::Key_unknown, QString(ch), Qt::NoModifier);
            }
        }
    }
    void Salir() {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        Pausa();
    }
    // Types an account into the six boxes of a row, then accepts; answers the messages shown.
    std::vector<prueba::Mensaje> PresentarConCuenta(const char* prefijo, const QString& iban) {
        for (int k = 0; k < 6; ++k)
            Teclear(k ? (QString::fromLatin1(prefijo) + QString::number(k)).toLatin1() : QByteArray(prefijo),
                    iban.mid(4 * k, 4));
        EXPECT_EQ(d.CC(), iban);
        mensajes.clear();
        w->cmdAceptar_Click();
        Pausa();
        return mensajes;
    }
    void Pestana(int n) {
        C<QTabBar>("TabTra")->setCurrentIndex(n - 1);
        Pausa();
    }
};

TEST_F(Editor731, EjemplosTrimestralesEnPantalla) {
    struct Caso {
        long fecha;
        vb::Integer ejercicio;
        const char *periodo, *base16, *base7, *base4, *cuota16, *cuota7, *cuota4, *ivadev2, *tipo16, *tipo7;
        bool cuenta;
    };
    for (const Caso& c : {Caso{20121231, 2012, "4T", "1234,50", "50,05", "12,50", "259,25", "5,01", "0,50", "264,76",
                               "21%", "10%", true},
                          Caso{20100930, 2010, "3T", "0,25", "123,45", "10", "0,05", "9,88", "0,40", "10,33", "18%",
                               "8%", true},
                          Caso{20100630, 2010, "2T", "0,25", "123,45", "10", "0,04", "8,64", "0,40", "9,08", "16%", "7%",
                               false}}) {
        Trimestral(c.fecha, c.ejercicio, c.periodo);
        EXPECT_FALSE(w->DatosModificados());
        EXPECT_EQ(QApplication::focusWidget(), C("txtbase16"));
        EXPECT_FALSE(Visible("fraPCC"));
        Teclear("txtbase16", c.base16);
        Teclear("txtbase7", c.base7);
        Teclear("txtbase4", c.base4);
        EXPECT_EQ(Texto("txtcuota16"), c.cuota16) << c.fecha;
        EXPECT_EQ(Texto("txtcuota7"), c.cuota7) << c.fecha;
        EXPECT_EQ(Texto("txtcuota4"), c.cuota4) << c.fecha;
        EXPECT_EQ(Texto("txtivadev2"), c.ivadev2) << c.fecha;
        EXPECT_EQ(C<QLabel>("lblTipo16")->text(), c.tipo16);
        EXPECT_EQ(C<QLabel>("lblTipo7")->text(), c.tipo7);
        EXPECT_EQ(Visible("fraPCC"), c.cuenta) << c.fecha;
        EXPECT_TRUE(w->DatosModificados());
        w->cmdCancelar_Click();
        Pausa();
    }
}

TEST_F(Editor731, TercerTrimestre2012LasCuotasSeTecleanYSeConservan) {
    Trimestral(20120930, 2012, "3T");
    for (const char* n : {"txtcuota16", "txtcuota7"}) {
        EXPECT_FALSE(C<Pindaro>(n)->locked()) << n;
        EXPECT_EQ(C<Pindaro>(n)->backcolor(), QColor(Qt::white)) << n;
    }
    Teclear("txtbase16", "111,11");
    Teclear("txtcuota16", "20");
    Teclear("txtcuota7", "3");
    Teclear("txtbase4", "10");
    EXPECT_EQ(Texto("txtcuota16"), "20,00");
    EXPECT_EQ(Texto("txtcuota7"), "3,00");
    EXPECT_EQ(Texto("txtivadev2"), "23,40");
    EXPECT_EQ(d.CUOTA16(), 2000);
    EXPECT_EQ(C<QLabel>("lblTipo16")->text(), "21%");
    // The quota box keeps the focus, its text not selected.
    C("txtcuota16")->setFocus(Qt::MouseFocusReason);
    Pausa();
    EXPECT_EQ(QApplication::focusWidget(), C("txtcuota16"));
    EXPECT_FALSE(C<QLineEdit>("txtcuota16")->hasSelectedText());
    w->cmdCancelar_Click();
    Pausa();

    // Any other quarter: computed, locked, and a click passes the focus on but still marks the
    // declaration modified when the box is left.
    Trimestral(20120630, 2012, "2T");
    Teclear("txtbase16", "100");
    EXPECT_TRUE(C<Pindaro>("txtcuota16")->locked());
    w->findChild<QWidget*>("txtbase7")->setFocus();
    Pausa();
    C("txtcuota16")->setFocus(Qt::MouseFocusReason);
    Pausa();
    EXPECT_NE(QApplication::focusWidget(), C("txtcuota16"));
    EXPECT_EQ(Texto("txtcuota16"), "18,00");
}

TEST_F(Editor731, LasCajasCalculadasYDeCabeceraPasanElFoco) {
    Transporte(20120901);
    Pestana(3);
    for (const char* n : {"txttipoadq", "txtivasop", "txttipoven", "txtmaxdev", "txtivadev1", "txtFechaBis"}) {
        C(n)->setFocus(Qt::MouseFocusReason);
        Pausa();
        EXPECT_NE(QApplication::focusWidget(), C(n)) << n;
    }
    // Backwards, the focus goes back.
    C("txtmaxdev")->setFocus(Qt::BacktabFocusReason);
    Pausa();
    EXPECT_EQ(QApplication::focusWidget(), C("txtpreven"));
    w->cmdCancelar_Click();
    Pausa();
    Trimestral(20111231, 2011, "4T");
    for (const char* n : {"txtcuota4", "txtivadev2", "txtejer0", "txtejer1", "txtper0", "txtper1"}) {
        C(n)->setFocus(Qt::MouseFocusReason);
        Pausa();
        EXPECT_NE(QApplication::focusWidget(), C(n)) << n;
    }
    // Enter moves on like Tab.
    C("txtbase16")->setFocus();
    Pausa();
    QTest::keyClick(C("txtbase16"), Qt::Key_Return);
    Pausa();
    EXPECT_NE(QApplication::focusWidget(), C("txtbase16"));
}

TEST_F(Editor731, TransporteTresPestanasMediosYActividad) {
    FrmDatos731& v = Transporte(20120901);
    EXPECT_EQ(C<QTabBar>("TabTra")->count(), 3);
    EXPECT_TRUE(Visible("FraAdq"));
    EXPECT_FALSE(Visible("FraTec"));
    EXPECT_TRUE(C<QRadioButton>("optEntregas")->isChecked());
    EXPECT_EQ(Texto("txtFechaBis"), "01/09/2012");

    Pestana(2);
    EXPECT_EQ(d.PESTAÑA(), 2);
    EXPECT_TRUE(Visible("FraVeh"));
    EXPECT_TRUE(C("FraTMedio")->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), C("OptTmedio0"));
    Teclear("txtmarcav", "marca");
    Teclear("txtclasif", "1a.2");
    EXPECT_EQ(d.MARCAV(), "MARCA");
    EXPECT_EQ(d.CLASIF(), 12);
    struct Medio {
        const char *opcion, *marco, *tmedio, *caja;
    };
    for (const Medio& m : {Medio{"OptTmedio1", "FraBar", "B", "txtfabricb"}, {"OptTmedio2", "FraAer", "A", "txtfabrica"}}) {
        C<QRadioButton>(m.opcion)->click();
        Pausa();
        EXPECT_EQ(d.TMEDIO(), m.tmedio);
        EXPECT_TRUE(Visible(m.marco)) << m.marco;
        EXPECT_FALSE(Visible("FraVeh"));
        EXPECT_EQ(d.MARCAV(), "");
        EXPECT_EQ(d.CLASIF(), 0);
        Teclear(m.caja, "FABRICANTE");
    }
    EXPECT_EQ(d.FABRICB(), "");  // the boat's fields went with the change to aircraft
    EXPECT_EQ(d.FABRICA(), "FABRICANTE");
    Teclear("txtanofab", "2012");
    EXPECT_EQ(d.ANOFAB(), 2012);

    Pestana(3);
    EXPECT_EQ(QApplication::focusWidget(), C("txtpreadq"));
    EXPECT_EQ(Texto("txttipoadq"), "21,00");
    EXPECT_FALSE(Visible("fraTCC"));
    Teclear("txtpreadq", "20000");
    Teclear("txtpreven", "15000");
    EXPECT_EQ(Texto("txtivasop"), "4.200,00");
    EXPECT_EQ(Texto("txtmaxdev"), "3.150,00");
    EXPECT_EQ(Texto("txtivadev1"), "3.150,00");
    EXPECT_TRUE(Visible("fraTCC"));

    // Road transport: no sale price, the refund is the VAT borne.
    C<QRadioButton>("optActividad")->click();
    Pausa();
    EXPECT_EQ(d.ACTIVIDAD(), -1);
    EXPECT_EQ(d.PREVEN(), 0);
    EXPECT_FALSE(Visible("fraPrecioVenta"));
    EXPECT_EQ(Texto("txtivadev1"), "4.200,00");
    EXPECT_EQ(d.resul(), 420000);
    C<QRadioButton>("optEntregas")->click();
    Pausa();
    EXPECT_TRUE(Visible("fraPrecioVenta"));
    EXPECT_EQ(Texto("txtpreven"), "");
    EXPECT_TRUE(v.DatosModificados());
}

TEST_F(Editor731, FiltrosDeTeclasTambienAlPegar) {
    Transporte(20120901);
    Teclear("txtadqnom", "ñandú");
    EXPECT_EQ(Texto("txtadqnom"), "ÑAND");
    EXPECT_EQ(d.ADQNOM(), "ÑAND");
    auto* nif = C<QLineEdit>("txtadqnif");
    nif->setFocus();
    Pausa();
    QApplication::clipboard()->setText("o'bri\"en@1");
    nif->paste();
    EXPECT_EQ(nif->text(), "OBRIEN1");
    nif->insert("d'a");
    EXPECT_EQ(nif->text(), "OBRIEN1DA");
    Salir();
    EXPECT_EQ(d.ADQNIF(), "OBRIEN1DA");
    auto* pais = C<QLineEdit>("txtadqpais");
    pais->setText("º ª ¿ ¡ \\");
    EXPECT_EQ(pais->text(), "º ª ¿ ¡ \\");
}

TEST_F(Editor731, DeclaracionGuardadaSeReabreConSuActividad) {
    struct Caso {
        double preven;
        bool carretera;
    };
    for (const Caso& c : {Caso{0, true}, Caso{1500000, false}}) {
        Cabecera(20120901, 2012, "OA");
        d.MODO("A");
        d.MODOP("T");
        d.TMEDIO("B");
        d.FABRICB("ASTILLERO");
        d.ESLORAMAX(12.5f);
        d.PREADQ(2000000);
        d.PREVEN(c.preven);
        d.ACTIVIDAD(0);
        const vb::Long clave = Guardar();
        ASSERT_GT(clave, 0);
        d.MODO("C");
        d.MODOP("T");
        d.CSDE(clave);
        d.ACTIVIDAD(0);
        ventana->MostrarHija(new FrmDatos731);
        w = qobject_cast<FrmDatos731*>(ventana->Area()->activeSubWindow()->widget());
        Pausa();
        EXPECT_FALSE(w->DatosModificados());
        EXPECT_EQ(C<QRadioButton>("optActividad")->isChecked(), c.carretera);
        EXPECT_EQ(d.ACTIVIDAD(), c.carretera ? -1 : 0);
        Pestana(3);
        EXPECT_EQ(Visible("fraPrecioVenta"), !c.carretera);
        EXPECT_EQ(Texto("txtivadev1"), c.carretera ? "4.200,00" : "3.150,00");
        // A stored declaration keeps its means of transport.
        Pestana(2);
        EXPECT_FALSE(C("FraTMedio")->isEnabled());
        EXPECT_EQ(C("OptTmedio1")->palette().color(QPalette::Disabled, QPalette::WindowText), QColor(Qt::white));
        EXPECT_EQ(QApplication::focusWidget(), C("txtfabricb"));
        EXPECT_EQ(Texto("txtesloramax"), "12,50");
        w->cmdCancelar_Click();
        Pausa();
        EXPECT_EQ(r.CSDE(), clave);
    }
}

TEST_F(Editor731, NumerosLeidosSinDependerDelIdiomaDelSistema) {
    const QLocale antes;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Transporte(20120901);
    Pestana(2);
    C<QRadioButton>("OptTmedio2")->click();
    Pausa();
    Teclear("txtanofab", "2012");
    Teclear("txtpesomax", "1234567");
    EXPECT_EQ(d.ANOFAB(), 2012);
    EXPECT_EQ(d.PESOMAX(), 1234567);
    EXPECT_EQ(Texto("txtpesomax"), "1.234.567");
    // Left again unchanged, the numbers stay.
    C("txtanofab")->setFocus();
    Salir();
    EXPECT_EQ(d.ANOFAB(), 2012);
    QLocale::setDefault(antes);
}

TEST_F(Editor731, CabeceraCancelarYCierre) {
    Trimestral(20090630, 2009, "2T");
    EXPECT_EQ(Texto("txtejer0"), "0");
    EXPECT_EQ(Texto("txtejer1"), "9");
    EXPECT_EQ(Texto("txtper0"), "2");
    EXPECT_EQ(Texto("txtper1"), "T");
    EXPECT_EQ(C<QLabel>("lblperiodo")->text(), "2ºTRIMESTRE");
    EXPECT_EQ(C<QLabel>("lbldni")->text(), "12345678Z");
    EXPECT_EQ(Foto(*ventana), "mnu=00 bot=00010 imp=0 d=0000");
    r.CSDE(77);
    // The picture beside Cancel acts as Cancel. (Clicked by its signal: a test has no event loop
    // to defer the window's deletion to, and a synthetic mouse release would outlive it.)
    emit C<EtiquetaEnlace>("Piccan")->clicked();
    Pausa();
    EXPECT_EQ(r.ENTRADA(), "P");
    EXPECT_EQ(r.CSDE(), 0);
    EXPECT_NE(qobject_cast<FrmDecResumen*>(ventana->Area()->activeSubWindow()->widget()), nullptr);
    ventana->Area()->activeSubWindow()->close();
    Pausa();

    // The close box: the window goes, the menus come back, nothing else opens.
    Trimestral(20090630, 2009, "2T");
    r.ENTRADA("A");
    w->parentWidget()->close();
    Pausa();
    EXPECT_TRUE(ventana->Area()->subWindowList().isEmpty());
    EXPECT_EQ(r.ENTRADA(), "A");
    EXPECT_EQ(Foto(*ventana), "mnu=11 bot=11111 imp=0 d=1000");
}

TEST_F(Editor731, CaptionsEnEuskera) {
    DesplIdioma = 10000;
    Transporte(20120901);
    EXPECT_EQ(w->windowTitle(), "731. BEZ - Itzulketa eskaera");
    EXPECT_EQ(C<QPushButton>("cmdAceptar")->text(), "   &Ados");
    EXPECT_EQ(C<QPushButton>("cmdCancelar")->text(), "     &Utzi");
    EXPECT_EQ(C("cmdAceptar")->toolTip(), "Gorde aitorpenaren datuak");
    EXPECT_EQ(C<QTabBar>("TabTra")->tabText(2), "&Likidazioa");
    EXPECT_EQ(C<QLabel>("Label12")->text(), "Eskuratzailea");
    EXPECT_EQ(C<QRadioButton>("optEntregas")->text(), "Entregas intracomunitarias de medios de transporte nuevos");
    EXPECT_EQ(C<QLabel>("Label40")->text(), "Eslora máx.:");
    EXPECT_EQ(C<QGroupBox>("fraTCC")->title(), "IBAN");
    EXPECT_EQ(C<QLabel>("Label22")->text(), "4%");
}

TEST_F(Editor731, AbiertoDesdeLaVentanaDeDeclaracionesYVueltaAElla) {
    Cabecera(20121231, 2012, "4T");
    d.MODO("A");
    d.MODOP("P");
    d.BASE16(123450);
    d.BASE7(5005);
    d.BASE4(1250);
    CalcularLiquidacion(d, r);
    const vb::Long clave = Guardar();
    ASSERT_GT(clave, 0);
    d.MODO("A");  // nothing of it left in the record

    ventana->Reciente(1)->trigger();
    Pausa();
    auto* lista = qobject_cast<FrmDecResumen*>(ventana->Area()->activeSubWindow()->widget());
    ASSERT_NE(lista, nullptr);
    EXPECT_EQ(r.CSDE(), clave);
    lista->cmdDatos_Click();
    Pausa();
    w = qobject_cast<FrmDatos731*>(ventana->Area()->activeSubWindow()->widget());
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(Texto("txtbase16"), "1.234,50");
    EXPECT_EQ(Texto("txtcuota16"), "259,25");
    EXPECT_EQ(Texto("txtivadev2"), "264,76");
    EXPECT_EQ(Texto("txtper0") + Texto("txtper1"), "4T");
    EXPECT_FALSE(w->DatosModificados());
    w->cmdCancelar_Click();
    Pausa();
    EXPECT_NE(qobject_cast<FrmDecResumen*>(ventana->Area()->activeSubWindow()->widget()), nullptr);
    EXPECT_EQ(r.CSDE(), clave);
    EXPECT_EQ(r.ENTRADA(), "P");
}

// ---- Filing: checks, save and the bank account -------------------------------------------

// A valid account of an entity in the bank list.
QString IbanValido() {
    GarobelLib::cMiscelaneos componente;
    const std::string cuenta = "0019002000" + std::string("0000012345");
    return QString::fromStdString(
        componente.calcularIban(cuenta.substr(0, 8) + GarobelLib::DigitosControlCuenta(cuenta) + cuenta.substr(10)));
}

TEST_F(Editor731, CadaReglaFallidaConSuMensajePestanaYCaja) {
    struct Caso {
        const char* modop;
        long fecha;
        std::function<void(cDatos731&)> llenar;
        const char* mensaje;
        int pestana;        // 0: the kind has no tabs
        const char* foco;   // nullptr: the focus stays where it was
    };
    auto transporte = [](cDatos731& x) {
        x.ADQNIF("B00000000"), x.ADQNOM("ADQUIRENTE"), x.ADQPAIS("PAIS"), x.PREADQ(100000);
    };
    const std::vector<Caso> casos = {
        {"T", 20120901, [](cDatos731& x) { x.ADQNIF("   "); }, "La casilla NIF del adquiriente debe tener algún valor", 1,
         "txtadqnif"},
        {"T", 20120901, [&](cDatos731& x) { transporte(x), x.TMEDIO("B"), x.FABRICB("ASTILLERO"); },
         "La casilla Nº de construcción del barco debe tener algún valor", 2, "txtnconstruc"},
        {"T", 20120901, [&](cDatos731& x) { transporte(x), x.TMEDIO("A"), x.FABRICA("F"), x.NSERIE("S"); },
         "La casilla Año de fabricación de la aeronave debe ser distinta de cero", 2, "txtanofab"},
        {"P", 20121231, [](cDatos731&) {}, "Al menos una base imponible debe ser distinta de cero", 0, "txtbase16"},
        // The library's rule: a typed quota below 18 % of its base (1999.98 rounds to 2000).
        {"P", 20120930, [](cDatos731& x) { x.BASE16(11111), x.CUOTA16(1999), x.BASE4(1000); },
         "La cuota no se corresponde al resultado de aplicar el tipo impositivo sobre la base imponible", 0,
         "txtcuota16"},
        {"P", 20121231, [](cDatos731& x) { x.BASE16(10000), x.CC("XX0011112222333344445555"); }, "Iban incorrecto", 0,
         nullptr},
    };
    for (const Caso& c : casos) {
        if (*c.modop == 'T')
            Transporte(c.fecha);
        else
            Trimestral(c.fecha, 2012, c.fecha == 20120930 ? "3T" : "4T");
        c.llenar(d);
        w->CalcularLiquidacion();
        w->RefrescarDatos();
        QWidget* antes = C("cmdCancelar");
        antes->setFocus();
        Pausa();
        mensajes.clear();
        w->cmdAceptar_Click();
        Pausa();
        ASSERT_EQ(mensajes.size(), 1u) << c.mensaje;
        EXPECT_EQ(mensajes[0].texto.toStdString(), c.mensaje);
        EXPECT_EQ(mensajes[0].estilo, vbExclamation);
        EXPECT_EQ(titulos.back(), w->windowTitle());
        if (c.pestana) {
            EXPECT_EQ(C<QTabBar>("TabTra")->currentIndex() + 1, c.pestana) << c.mensaje;
            EXPECT_EQ(d.PESTAÑA(), c.pestana);
        }
        EXPECT_EQ(QApplication::focusWidget(), c.foco ? C(c.foco) : C("cmdAceptar")) << c.mensaje;
        EXPECT_EQ(ventana->Area()->activeSubWindow()->widget(), w);  // still open
        w->cmdCancelar_Click();
        Pausa();
    }
}

TEST_F(Editor731, CuentaEnSeisCajas) {
    Trimestral(20121231, 2012, "4T");
    Teclear("txtbase16", "100");
    ASSERT_TRUE(Visible("fraPCC"));
    // Tabbing through the empty boxes leaves no account.
    for (int i = 0; i < 6; ++i) Salir();
    EXPECT_EQ(d.CC(), "");
    Teclear("txtPIban", "ab1é2");
    EXPECT_EQ(Texto("txtPIban"), "AB12");
    EXPECT_EQ(d.CC(), "AB12" + QString(20, u' '));
    // The bank-entity box filters its keys like the others, pasted text included.
    auto* entidad = C<QLineEdit>("txtPIban1");
    entidad->setFocus();
    Pausa();
    entidad->insert("0'1a");
    EXPECT_EQ(entidad->text(), "01A");
    Salir();
    EXPECT_EQ(d.CC(), "AB1201A " + QString(16, u' '));
    // Clearing every box leaves 24 blanks.
    for (int k = 0; k < 6; ++k) C<QLineEdit>(k ? QString("txtPIban%1").arg(k).toLatin1() : "txtPIban")->clear();
    C("txtPIban")->setFocus();
    Salir();
    EXPECT_EQ(d.CC(), QString(24, u' '));
    // An older, shorter account: the sixth box is empty, not a copy of the fifth group.
    d.CC("10000000110123456789");
    w->RefrescarDatos();
    EXPECT_EQ(Texto("txtPIban4"), "6789");
    EXPECT_EQ(Texto("txtPIban5"), "");
}

TEST_F(Editor731, TrimestralPresentadaGuardadaReabiertaYSinCambiosNoEscribe) {
    Trimestral(20121231, 2012, "4T");
    Teclear("txtbase16", "1234,50");
    Teclear("txtbase7", "50,05");
    Teclear("txtbase4", "12,50");
    const QString iban = IbanValido();
    EXPECT_TRUE(PresentarConCuenta("txtPIban", iban).empty());
    auto* lista = qobject_cast<FrmDecResumen*>(ventana->Area()->activeSubWindow()->widget());
    ASSERT_NE(lista, nullptr);
    const vb::Long clave = r.CSDE();
    EXPECT_EQ(clave, Valor("SELECT MAX(T02_CSDE) FROM T02_COMUNDECLA").CLng());
    EXPECT_EQ(Valor("SELECT T03_RESUL FROM T03_731DECLA").CDbl(), 26476);
    EXPECT_EQ(Valor("SELECT T01_NUM731 FROM T01_DECLARANTES").CDbl(), 1);
    FlexGrid* grid = lista->findChild<FlexGrid*>("flxDeclaraciones");
    EXPECT_EQ(grid->TextMatrix(grid->Row(), 6), "264,76");

    // Reopened: the same values; accepted untouched, nothing is written.
    lista->cmdDatos_Click();
    Pausa();
    w = qobject_cast<FrmDatos731*>(ventana->Area()->activeSubWindow()->widget());
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(Texto("txtbase7"), "50,05");
    EXPECT_EQ(Texto("txtPIban5"), iban.right(4));
    QFile base(QString::fromStdString(bd.Mod()));
    ASSERT_TRUE(base.open(QIODevice::ReadOnly));
    const QByteArray antes = base.readAll();
    base.close();
    w->cmdAceptar_Click();
    Pausa();
    ASSERT_TRUE(base.open(QIODevice::ReadOnly));
    EXPECT_EQ(base.readAll(), antes);
    EXPECT_EQ(r.CSDE(), clave);

    // A save that writes nothing (the declaration was deleted meanwhile) keeps the window open.
    qobject_cast<FrmDecResumen*>(ventana->Area()->activeSubWindow()->widget())->cmdDatos_Click();
    Pausa();
    w = qobject_cast<FrmDatos731*>(ventana->Area()->activeSubWindow()->widget());
    Teclear("txtbase4", "20");
    Sql("DELETE FROM T02_COMUNDECLA");
    mensajes.clear();
    w->cmdAceptar_Click();
    Pausa();
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_TRUE(mensajes[0].texto.startsWith("No se ha podido guardar la declaración"));
    EXPECT_EQ(ventana->Area()->activeSubWindow()->widget(), w);
    EXPECT_EQ(d.BASE4(), 2000);
    EXPECT_EQ(Texto("txtbase4"), "20,00");
}

TEST_F(Editor731, TransportePresentadoConSusTresPestanas) {
    Transporte(20120901);
    Teclear("txtadqnif", "b00000000");
    Teclear("txtadqnom", "adquirente");
    Teclear("txtadqpais", "pais");
    Pestana(2);
    Teclear("txtmarcav", "marca");
    Teclear("txttipov", "tipo");
    Teclear("txtmodelov", "modelo");
    Teclear("txtnbastidor", "bastidor");
    Pestana(3);
    Teclear("txtpreadq", "20000");
    Teclear("txtpreven", "15000");
    const QString iban = IbanValido();
    EXPECT_TRUE(PresentarConCuenta("txtTIban", iban).empty());
    EXPECT_GT(r.CSDE(), 0);
    EXPECT_EQ(Valor("SELECT T03_ADQNOM || '|' || T03_MARCAV || '|' || CAST(T03_RESUL AS INTEGER) || '|' || T03_CC FROM T03_731DECLA")
                  .CStr(),
              "ADQUIRENTE|MARCA|315000|" + iban.toStdString());
    EXPECT_EQ(Valor("SELECT T02_MODO || T02_PERIODO || T02_FECHA FROM T02_COMUNDECLA").CStr(), "TOA20120901");
}

TEST_F(Editor731, NuevaTrimestralDesdeLaVentanaPrincipalHastaLaLista) {
    // A stored third quarter of 2012, so that the next one is proposed.
    Cabecera(20120930, 2012, "3T");
    d.MODO("A");
    d.MODOP("P");
    d.BASE4(1000);
    CalcularLiquidacion(d, r);
    ASSERT_GT(Guardar(), 0);

    ventana->Reciente(1)->trigger();
    Pausa();
    auto* lista = qobject_cast<FrmDecResumen*>(ventana->Area()->activeSubWindow()->widget());
    ASSERT_NE(lista, nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier);
    Pausa();
    EXPECT_EQ(r.PERIODO() + QString::number(r.FECHA()), "4T20121231");
    lista->ImgNueva_MouseUp(1);
    lista->ImgNueva_Click(1);
    Pausa();
    w = qobject_cast<FrmDatos731*>(ventana->Area()->activeSubWindow()->widget());
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(d.MODO() + d.MODOP(), "AP");
    EXPECT_EQ(Texto("txtper0") + Texto("txtper1"), "4T");
    Teclear("txtbase16", "1234,50");
    Teclear("txtbase7", "50,05");
    Teclear("txtbase4", "12,50");
    EXPECT_TRUE(PresentarConCuenta("txtPIban", IbanValido()).empty());
    lista = qobject_cast<FrmDecResumen*>(ventana->Area()->activeSubWindow()->widget());
    ASSERT_NE(lista, nullptr);
    FlexGrid* grid = lista->findChild<FlexGrid*>("flxDeclaraciones");
    EXPECT_EQ(grid->Rows(), 3);
    EXPECT_EQ(grid->TextMatrix(grid->Row(), 6), "264,76");
    EXPECT_EQ(grid->TextMatrix(grid->Row(), 0).toInt(), r.CSDE());
}

}  // namespace

namespace {

// Pictures of every tab in both languages, written to the folder OXALDE_CAPTURAS names.
TEST_F(Editor731, Capturas) {
    const char* carpeta = std::getenv("OXALDE_CAPTURAS");
    if (!carpeta) GTEST_SKIP() << "OXALDE_CAPTURAS not set";
    auto foto = [&](const QString& nombre) {
        Pausa();
        ventana->resize(900, 560);
        Pausa();
        ventana->grab().save(QString::fromLatin1(carpeta) + "/" + nombre + ".png");
    };
    for (int idioma : {0, 10000}) {
        DesplIdioma = idioma;
        cFecha::Instancia().fecidioma(idioma ? "E" : "C");
        const QString sufijo = idioma ? "_eu" : "_es";
        Trimestral(20121231, 2012, "4T");
        Teclear("txtbase16", "1234,50");
        Teclear("txtbase7", "50,05");
        Teclear("txtbase4", "12,50");
        foto("p" + sufijo);
        w->cmdCancelar_Click();
        Transporte(20120901);
        Teclear("txtadqnom", "ñandú");
        foto("t1" + sufijo);
        Pestana(2);
        foto("t2v" + sufijo);
        C<QRadioButton>("OptTmedio1")->click();
        foto("t2b" + sufijo);
        C<QRadioButton>("OptTmedio2")->click();
        foto("t2a" + sufijo);
        Pestana(3);
        Teclear("txtpreadq", "20000");
        Teclear("txtpreven", "15000");
        foto("t3" + sufijo);
        w->cmdCancelar_Click();
    }
}

}  // namespace
