// The main window: its menu states, the recent-taxpayer entries, the child windows' protocol,
// the first activation, the language and preferences windows, the about window, help and the ending.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QRadioButton>
#include <QTextBrowser>
#include <QToolBar>

#include "GarobelLib/cMiscelaneos.h"
#include "cliente/prueba.h"
#include "com/com.h"
#include "intercambio/FrmExportar.h"
#include "registro/FrmDecResumen.h"
#include "compartido/cDecResumen.h"
#include "principal/FrmIdioma.h"
#include "principal/arranque.h"
#include "controles/controles.h"
#include "principal/frmPreferencias.h"
#include "principal/ayuda.h"
#include "principal/frmAbout.h"
#include "principal/garobel_ventanas.h"
#include "principal/visor_ayuda.h"

using namespace oxalde;

namespace {

using Principal = prueba::Principal;

TEST_F(Principal, TablaDeEstadosTrasCadaProcedimiento) {
    MDI7312& v = Abrir();
    EXPECT_TRUE(modales.empty());
    EXPECT_EQ(v.windowTitle(), "I.V.A. - Declaraciones no periódicas");
    // No taxpayer: what needs one is off.
    EXPECT_EQ(Foto(v), "mnu=11 bot=10011 imp=0 d=0000");
    emit v.MenuDeclarante()->aboutToShow();
    emit v.MenuUtilidades()->aboutToShow();
    for (const char* e : {"mnuAbrirDeclarante", "mnuEliminarDeclarante", "mnuExport"})
        EXPECT_FALSE(v.Entrada(e)->isEnabled()) << e;
    EXPECT_TRUE(v.Entrada("mnuImport")->isEnabled());

    Declarantes(2);
    RefrescarMenuPrincipal();
    EXPECT_EQ(Foto(v), "mnu=11 bot=11111 imp=0 d=1100");
    emit v.MenuDeclarante()->aboutToShow();
    EXPECT_TRUE(v.Entrada("mnuEliminarDeclarante")->isEnabled());

    // Off: button 4 and the print button are left as they are.
    v.Boton(6)->setVisible(true);
    DeshabilitarMenus();
    EXPECT_EQ(Foto(v), "mnu=00 bot=00010 imp=1 d=0000");

    // No taxpayer left: no entry is left pointing at a lost taxpayer.
    v.Boton(4)->setEnabled(false);
    Sql("DELETE FROM T01_DECLARANTES");
    RefrescarMenuPrincipal();
    EXPECT_EQ(Foto(v), "mnu=11 bot=10001 imp=0 d=0000");
    EXPECT_EQ(CEntrada::Instancia().NUMDECLA(), 0);
}

TEST_F(Principal, UnSoloDeclaranteSeAbreDirectamenteYConSeisLasEntradasSonLasClaves6a3) {
    Sql("INSERT INTO T01_DECLARANTES (T01_DNI, T01_NOMBRE) VALUES ('X123', 'GARCIA-LOPEZ - HIJOS')");
    MDI7312& v = Abrir();
    EXPECT_EQ(v.Reciente(1)->text(), "1 - X123 - GARCIA-LOPEZ - HIJOS");
    EXPECT_EQ(ObtenerDNIMenu(v.Reciente(1)) + "|" + ObtenerNombreMenu(v.Reciente(1)), "X123|GARCIA-LOPEZ - HIJOS");
    v.Boton(2)->trigger();
    EXPECT_EQ(Hija("FrmDecLista"), nullptr);
    auto* resumen = qobject_cast<FrmDecResumen*>(Hija("FrmDecResumen"));
    ASSERT_NE(resumen, nullptr);
    EXPECT_EQ(resumen->findChild<QLabel*>("lbldni")->text() + "|" + resumen->findChild<QLabel*>("lblnombre")->text(),
              "X123|GARCIA-LOPEZ - HIJOS");
    resumen->parentWidget()->close();
    QCoreApplication::processEvents();

    Declarantes(5);
    RefrescarMenuPrincipal();
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(v.Reciente(i)->text(), QString("%1 - 12345678Z - DECLARANTE %1").arg(7 - i)) << i;
    v.Reciente(3)->trigger();
    const auto& datos = cDecResumen::Instancia();
    EXPECT_EQ(datos.ENTRADA() + "|" + datos.NOMBRE() + "|" + QString::number(datos.CSCO()), "A|DECLARANTE 4|4");
}

TEST_F(Principal, UnaVentanaHijaApagaLosMenusHastaQueSeCierra) {
    Declarantes(2);
    MDI7312& v = Abrir();
    for (auto [entrada, nombre] : {std::pair{"mnuNuevoDeclarante", "frmDecDatos"},
                                   {"mnuAbrirDeclarante", "FrmDecLista"}, {"mnuEliminarDeclarante", "FrmDecLista"},
                                   {"mnuExport", "FrmExportar"}, {"mnuImport", "frmimport"}, {"d1", "FrmDecResumen"}}) {
        SCOPED_TRACE(entrada);
        v.Entrada(entrada)->trigger();
        QCoreApplication::processEvents();
        QWidget* hija = Hija(nombre);
        ASSERT_NE(hija, nullptr);
        EXPECT_EQ(Foto(v), "mnu=00 bot=00010 imp=0 d=0000");
        // A taxpayer made while the window is open is in the entries once it closes.
        Declarantes(1);
        const auto ultimo = Valor("SELECT MAX(T01_CSCO) FROM T01_DECLARANTES").CLng();
        hija->parentWidget()->close();
        QCoreApplication::processEvents();
        EXPECT_EQ(Hija(nombre), nullptr);
        EXPECT_EQ(Foto(v).substr(0, 20), "mnu=11 bot=11111 imp");
        EXPECT_TRUE(v.Reciente(1)->text().startsWith(QString::number(ultimo) + " - "));
    }
}

// A window that cannot load for a reason other than a lock (a failing library call): said, and the
// main menus come back as they were last read, the recent taxpayer still listed.
TEST_F(Principal, UnaVentanaQueNoSeAbreDejaLosMenusComoSeLeyeron) {
    Declarantes(1);
    MDI7312& v = Abrir();
    QWidget* abrir = v.findChild<QToolBar*>("Toolbar1")->widgetForAction(v.Boton(2));
    {
        com::RegistroTemporal roto("Brunsel.cDeclaracion", []() -> std::shared_ptr<com::Object> {
            throw vb::Error(3044, "Brunsel", "disk I/O error");
        });
        mensajes.clear();
        QTest::mouseClick(abrir, Qt::LeftButton);
        QCoreApplication::processEvents();
        ASSERT_EQ(mensajes.size(), 1u);
        EXPECT_TRUE(mensajes[0].texto.contains("disk I/O error")) << mensajes[0].texto.toStdString();
        EXPECT_TRUE(v.Area()->subWindowList().isEmpty());
        EXPECT_EQ(Foto(v), "mnu=11 bot=11111 imp=0 d=1000");
        EXPECT_EQ(v.Reciente(1)->text(), "1 - 12345678Z - DECLARANTE 1");
    }
    QTest::mouseClick(abrir, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_NE(Hija("FrmDecResumen"), nullptr);
}

TEST_F(Principal, CerrarDescargaAntesCadaHijaYSalirNoDescargaNada) {
    Declarantes(1);
    MDI7312& v = Abrir();
    std::vector<QString> orden;
    v.mnuExport_Click();
    v.MostrarHija(new FrmDecResumen);
    for (const char* nombre : {"FrmExportar", "FrmDecResumen"}) {
        auto* hija = qobject_cast<VentanaHija*>(Hija(nombre));
        ASSERT_NE(hija, nullptr);
        QObject::connect(hija, &VentanaHija::descargada, [&orden, nombre] { orden.push_back(nombre); });
    }
    v.mnuSalir_Click();
    EXPECT_EQ(finales, 1);
    EXPECT_TRUE(orden.empty());

    EstablecerFinalizador([&orden] { orden.push_back("fin"); });
    v.close();
    ASSERT_EQ(orden.size(), 3u);
    EXPECT_EQ(orden[2], "fin");
    EXPECT_NE(orden[0], orden[1]);
}

TEST_F(Principal, PrimeraEjecucionPideElIdiomaUnaVezYElTituloQuedaEnEseIdioma) {
    Sql("UPDATE T00_GENERAL SET T00_ActOnline = -1");
    LeerConfiguracion();
    std::string menusDuranteLaVentana;
    alModal = [&](QDialog& d) {
        menusDuranteLaVentana = Foto(*MDI7312::Actual());
        dynamic_cast<FrmIdioma&>(d).cmdeuskera()->click();
        return d.result();
    };
    MDI7312& v = Abrir();
    ASSERT_EQ(modales, std::vector<QString>{"FrmIdioma"});
    EXPECT_EQ(menusDuranteLaVentana, "mnu=00 bot=00010 imp=0 d=0000");
    EXPECT_EQ(v.windowTitle(), LoadResString(10155));
    EXPECT_EQ(v.Entrada("mnuDeclarante")->text(), "&Aitortzailea");
    EXPECT_EQ(Foto(v), "mnu=11 bot=10011 imp=0 d=0000");

    QWidget otra;
    otra.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&otra));
    v.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&v));
    EXPECT_EQ(modales.size(), 1u);
}

TEST_F(Principal, AcercaDeEnAmbosIdiomas) {
    VersionPrograma = "1.0.6";
    MDI7312& v = Abrir();
    QStringList vistos;
    alModal = [&](QDialog& d) {
        auto& acerca = dynamic_cast<frmAbout&>(d);
        vistos << acerca.windowTitle() + "|" + acerca.lblVersion()->text() + "|" + acerca.cmdOK()->text();
        acerca.cmdOK()->click();
        return d.result();
    };
    v.mnuacerca_Click();
    DesplIdioma = kDesplEuskera;
    v.setWindowTitle("Titulua");
    v.Entrada("mnuacerca")->trigger();
    EXPECT_EQ(vistos, (QStringList{"I.V.A. - Declaraciones no periódicas|Versión 1.0.6|&Aceptar",
                                   "Titulua|1.0.6 bertsioa|&Ados"}));
}

TEST_F(Principal, LaAyudaSeAbreEnElTemaInicialDeCadaIdioma) {
    MDI7312& v = Abrir();
    v.mnucontind_Click();  // the temporary program folder has no help file
    EXPECT_EQ(v.findChild<VentanaAyuda*>(), nullptr);

    const QString repositorio = QString(OXALDE_DIR_SQL) + "/..";
    EstablecerCarpetaPrograma(repositorio);
    EXPECT_EQ(RutaAyuda("cap.htm"), repositorio + "/Ayuda/Ayuda.chm::/cap.htm");
    v.Boton(4)->trigger();
    auto* ayuda = v.findChild<VentanaAyuda*>();
    ASSERT_NE(ayuda, nullptr);
    EXPECT_TRUE(ayuda->isVisible());
    EXPECT_TRUE(ayuda->Navegador()->source().path().endsWith("/Ayuda/Ayuda.chm/cap.htm"));

    DesplIdioma = kDesplEuskera;
    v.mnucontind_Click();
    EXPECT_EQ(v.findChildren<VentanaAyuda*>().size(), 1);
    EXPECT_TRUE(ayuda->Navegador()->source().path().endsWith("/Ayuda/Laguntza.chm/kap.htm"));
    EXPECT_TRUE(mensajes.empty());
}

// Wherever the main window lies, the help window opens over its middle, inside it; Esc closes it.
TEST_F(Principal, LaAyudaSeAbreSobreLaVentanaYEscLaCierra) {
    MDI7312& v = Abrir();
    EstablecerCarpetaPrograma(QString(OXALDE_DIR_SQL) + "/..");
    const QRect pantalla = v.screen()->availableGeometry();
    v.setGeometry(QRect(pantalla.topLeft() + QPoint(20, 20), pantalla.size() * 9 / 10));
    v.Boton(4)->trigger();
    QPointer<VentanaAyuda> ayuda = v.findChild<VentanaAyuda*>();
    ASSERT_TRUE(ayuda);
    const QRect marco = v.frameGeometry(), caja = ayuda->frameGeometry();
    EXPECT_TRUE(marco.contains(caja)) << caja.x() << "," << caja.y() << " " << caja.width() << "x" << caja.height();
    EXPECT_LE((caja.center() - marco.center()).manhattanLength(), 4);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == ayuda; }));
    QTest::keyClick(ayuda->Navegador(), Qt::Key_Escape);
    EXPECT_TRUE(!ayuda || !ayuda->isVisible());
    // A main window dragged partly off the screen: the help stays on it.
    v.move(pantalla.left() - 600, pantalla.top() + 20);
    v.Boton(4)->trigger();
    ayuda = v.findChild<VentanaAyuda*>();
    ASSERT_TRUE(ayuda);
    EXPECT_GE(ayuda->frameGeometry().left(), pantalla.left()) << ayuda->frameGeometry().left();
}

TEST_F(Principal, ElComponenteConVentanasConservaSusComprobaciones) {
    auto componente = com::CreateObject<GarobelLib::cMiscelaneos>("GarobelLib.cMiscelaneos");
    EXPECT_NE(std::dynamic_pointer_cast<cMiscelaneosVentanas>(componente), nullptr);
    std::string nif = "12345678Z";
    EXPECT_TRUE(componente->ValidaNifCif(nif));
    MDI7312& v = Abrir();
    DesplIdioma = kDesplEuskera;
    v.mnuDescripAsisOnline_Click();
    v.mnuAsisOnline_Click();
    EXPECT_EQ(titulos, (std::vector<QString>{LoadResString(10355), LoadResString(10354)}));
}

// The language window of a first run and the preferences window.
class Idioma : public prueba::Principal {
protected:
    vb::Long ActOnlineGuardado() { return Valor("SELECT T00_ActOnline FROM T00_GENERAL").CLng(); }
    std::string IdiomaGuardado() { return Valor("SELECT T00_Idioma FROM T00_GENERAL").CStr(); }
    static void Reactivar(QWidget& w) {
        QEvent activacion(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&w, &activacion);
    }
};

TEST_F(Idioma, LaCasillaGuardaAlMomentoYElBotonCambiaElIdioma) {
    MDI7312& v = Abrir();
    // With the choice made the box starts clear and nothing is stored.
    EXPECT_FALSE(FrmIdioma(&v).chkActOnline()->isChecked());
    EXPECT_EQ(ActOnlineGuardado(), 0);
    Sql("UPDATE T00_GENERAL SET T00_ActOnline = -1");
    cActOnline::Instancia().ActOnline(-1);
    FrmIdioma idioma(&v);
    EXPECT_TRUE(idioma.chkActOnline()->isChecked());
    EXPECT_EQ(ActOnlineGuardado(), 1);  // stored before the user does anything
    idioma.chkActOnline()->click();
    EXPECT_EQ(ActOnlineGuardado(), 0);
    EXPECT_EQ(cActOnline::Instancia().ActOnline(), 0);

    idioma.cmdeuskera()->click();
    EXPECT_EQ(idioma.result(), QDialog::Accepted);
    EXPECT_EQ(IdiomaGuardado(), "E");
    // Renewed; while the window is open the menu is off and shows no access key.
    EXPECT_EQ(v.Entrada("mnuUtilidades")->text(), "Aukerak");
    RefrescarMenuPrincipal();
    EXPECT_EQ(v.Entrada("mnuUtilidades")->text(), "&Aukerak");
}

// Enter moves the focus on and never presses a language button; the window sits at the main
// window's outer corner plus 3150 x 2655 twips.
TEST_F(Idioma, IntroPasaAlSiguienteYLaVentanaSeColocaJuntoALaPrincipal) {
    MDI7312& v = Abrir();
    v.move(140, 90);  // offscreen there is no frame: the outer corner is this point
    QPoint posicion;
    QStringList focos;
    alModal = [&](QDialog& d) {
        auto& idioma = dynamic_cast<FrmIdioma&>(d);
        d.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
        posicion = d.pos();
        v.move(300, 200);  // the desktop placing the main window late: the window follows
        QCoreApplication::processEvents();
        EXPECT_EQ(d.pos() - posicion, QPoint(160, 110));
        QTest::qWait(20);  // the activation puts the focus on the current language's button
        idioma.cmdcastellano()->setFocus();
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(QApplication::focusWidget(), i == 1 ? Qt::Key_Enter : Qt::Key_Return);
            focos << QApplication::focusWidget()->objectName();
        }
        d.hide();
        return d.result();
    };
    const std::string idiomaAntes = IdiomaGuardado();
    FrmIdioma idioma(&v);
    MostrarModal(idioma);
    EXPECT_EQ(focos, (QStringList{"cmdeuskera", "chkActOnline", "cmdcastellano"}));
    EXPECT_EQ(idioma.result(), 0);  // no button was pressed
    EXPECT_EQ(IdiomaGuardado(), idiomaAntes);
    EXPECT_EQ(posicion, QPoint(140, 90) + QPoint(TwipsAPixeles(&idioma, 3150), TwipsAPixeles(&idioma, 2655)));
}

TEST_F(Idioma, PreferenciasConEleccionSinHacerAceptaGuardandoCero) {
    Sql("UPDATE T00_GENERAL SET T00_Idioma = 'E'");
    LeerConfiguracion();
    MDI7312& v = Abrir();
    Sql("UPDATE T00_GENERAL SET T00_ActOnline = -1");
    cActOnline::Instancia().ActOnline(-1);
    v.setWindowTitle("x");
    frmPreferencias preferencias(&v);
    Reactivar(preferencias);
    EXPECT_FALSE(preferencias.chkActOnline()->isChecked());
    // Setting the option in code recorded the letter as a click would.
    EXPECT_TRUE(preferencias.optEusk()->isChecked());
    EXPECT_EQ(preferencias.IdiomaElegido(), "E");

    Sql("UPDATE T00_GENERAL SET T00_Idioma = 'C'");
    preferencias.cmdAceptar()->click();
    EXPECT_EQ(preferencias.result(), QDialog::Accepted);
    EXPECT_EQ(ActOnlineGuardado(), 0);
    EXPECT_EQ(IdiomaGuardado(), "E");
    EXPECT_EQ(v.windowTitle(), LoadResString(10155));
}

TEST_F(Idioma, PreferenciasMuestranLoGuardadoYCanceladasNoCambianNada) {
    Sql("UPDATE T00_GENERAL SET T00_ActOnline = 1");
    LeerConfiguracion();
    MDI7312& v = Abrir();
    frmPreferencias preferencias(&v);
    Reactivar(preferencias);
    EXPECT_TRUE(preferencias.chkActOnline()->isChecked());
    preferencias.optEusk()->click();
    preferencias.chkActOnline()->click();

    const qint64 antes = reloj.ahora;
    QTest::mouseClick(preferencias.lblActAhora(), Qt::LeftButton);
    EXPECT_GE(reloj.ahora - antes, 1000);  // the check ran
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    Reactivar(preferencias);
    EXPECT_TRUE(preferencias.optCast()->isChecked());
    EXPECT_TRUE(preferencias.chkActOnline()->isChecked());

    preferencias.optEusk()->click();
    preferencias.chkActOnline()->click();
    EXPECT_EQ(preferencias.IdiomaElegido(), "E");
    preferencias.cmdCancelar()->click();
    EXPECT_EQ(preferencias.result(), QDialog::Rejected);
    EXPECT_EQ(ActOnlineGuardado(), 1);
    EXPECT_EQ(IdiomaGuardado(), "C");
    EXPECT_EQ(DesplIdioma, 0);
}

}  // namespace
