// The main window: its menu states, the recent-taxpayer entries, the child windows' protocol,
// the first activation, the about window, help and the ending.
#include <QAction>
#include <QCheckBox>
#include <QDirIterator>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>

#include "GarobelLib/cMiscelaneos.h"
#include "intercambio/frmimport.h"
#include "principal_prueba.h"
#include "registro/FrmDecResumen.h"
#include "registro/cDecResumen.h"
#include "intercambio/FrmExportar.h"
#include "shell/FrmIdioma.h"
#include "shell/ayuda.h"
#include "shell/cadenas.h"
#include "shell/frmAbout.h"
#include "shell/garobel_ventanas.h"
#include "shell/menu_principal.h"
#include "shell/visor_ayuda.h"

using namespace oxalde;

namespace {

using Principal = prueba::Principal;

// The child window of that name open in the frame, or nullptr.
QWidget* Hija(const MDI7312& v, const QString& nombre) {
    for (QMdiSubWindow* sub : v.Area()->subWindowList())
        if (sub->widget() && sub->widget()->objectName() == nombre) return sub->widget();
    return nullptr;
}

void Cerrar(QWidget* hija) {
    hija->parentWidget()->close();  // the frame's subwindow, as the user closes it
    QCoreApplication::processEvents();
}

TEST_F(Principal, TablaDeEstadosTrasCadaProcedimiento) {
    Declarantes(2);
    MDI7312& v = Abrir();
    EXPECT_EQ(Foto(v), "mnu=11 bot=11111 imp=0 d=1100");

    // Off: button 4 and the print button are left as they are.
    v.Boton(6)->setVisible(true);
    DeshabilitarMenus();
    EXPECT_EQ(Foto(v), "mnu=00 bot=00010 imp=1 d=0000");

    RefrescarMenuPrincipal();
    EXPECT_EQ(Foto(v), "mnu=11 bot=11111 imp=0 d=1100");

    // No taxpayer left: open and delete off, and no entry is left pointing at a lost taxpayer.
    v.Boton(4)->setEnabled(false);
    Sql("DELETE FROM T01_DECLARANTES");
    RefrescarMenuPrincipal();
    EXPECT_EQ(Foto(v), "mnu=11 bot=10001 imp=0 d=0000");
    EXPECT_EQ(CEntrada::Instancia().NUMDECLA(), 0);
}

TEST_F(Principal, SinDeclarantesLosMenusQuitanLoQueNecesitaUno) {
    MDI7312& v = Abrir();
    EXPECT_EQ(Foto(v), "mnu=11 bot=10011 imp=0 d=0000");
    emit v.MenuDeclarante()->aboutToShow();
    emit v.MenuUtilidades()->aboutToShow();
    EXPECT_FALSE(v.Entrada("mnuAbrirDeclarante")->isEnabled());
    EXPECT_FALSE(v.Entrada("mnuEliminarDeclarante")->isEnabled());
    EXPECT_FALSE(v.Entrada("mnuExport")->isEnabled());
    EXPECT_TRUE(v.Entrada("mnuImport")->isEnabled());

    Declarantes(1);
    RefrescarMenuPrincipal();
    emit v.MenuDeclarante()->aboutToShow();
    emit v.MenuUtilidades()->aboutToShow();
    EXPECT_TRUE(v.Entrada("mnuAbrirDeclarante")->isEnabled());
    EXPECT_TRUE(v.Entrada("mnuEliminarDeclarante")->isEnabled());
    EXPECT_TRUE(v.Entrada("mnuExport")->isEnabled());
}

TEST_F(Principal, ConSeisDeclarantesLasEntradasSonLasClaves6a3) {
    Declarantes(6);
    MDI7312& v = Abrir();
    for (int i = 1; i <= 4; ++i) {
        const int clave = 7 - i;
        EXPECT_EQ(v.Reciente(i)->text(), QString("%1 - 12345678Z - DECLARANTE %1").arg(clave)) << i;
    }
    v.Reciente(3)->trigger();
    ASSERT_NE(Hija(v, "FrmDecResumen"), nullptr);
    const auto& resumen = cDecResumen::Instancia();
    EXPECT_EQ(resumen.ENTRADA(), "A");
    EXPECT_EQ(resumen.CSCO(), 4);
    EXPECT_EQ(resumen.NOMBRE(), "DECLARANTE 4");
}

TEST_F(Principal, UnSoloDeclaranteSeAbreDirectamenteYSusDatosVuelvenEnteros) {
    // A short NIF and a name with "-": the entry gives both back as stored.
    Sql("INSERT INTO T01_DECLARANTES (T01_DNI, T01_NOMBRE) VALUES ('X123', 'GARCIA-LOPEZ - HIJOS')");
    MDI7312& v = Abrir();
    EXPECT_EQ(v.Reciente(1)->text(), "1 - X123 - GARCIA-LOPEZ - HIJOS");
    EXPECT_EQ(ObtenerDNIMenu(v.Reciente(1)), "X123");
    EXPECT_EQ(ObtenerNombreMenu(v.Reciente(1)), "GARCIA-LOPEZ - HIJOS");

    v.Boton(2)->trigger();  // as mnuAbrirDeclarante
    EXPECT_EQ(Hija(v, "FrmDecLista"), nullptr);
    auto* resumen = qobject_cast<FrmDecResumen*>(Hija(v, "FrmDecResumen"));
    ASSERT_NE(resumen, nullptr);
    EXPECT_EQ(cDecResumen::Instancia().CSCO(), 1);
    EXPECT_EQ(cDecResumen::Instancia().DNI(), "X123");
    EXPECT_EQ(cDecResumen::Instancia().NOMBRE(), "GARCIA-LOPEZ - HIJOS");
    EXPECT_EQ(resumen->lblDeclarante()->text(), "1\nX123\nGARCIA-LOPEZ - HIJOS");
}

TEST_F(Principal, UnaVentanaHijaApagaLosMenusHastaQueSeCierra) {
    Declarantes(2);
    MDI7312& v = Abrir();
    const struct {
        const char* entrada;
        const char* hija;
    } casos[] = {
        {"mnuNuevoDeclarante", "frmDecDatos"}, {"mnuAbrirDeclarante", "FrmDecLista"},
        {"mnuEliminarDeclarante", "FrmDecLista"}, {"mnuExport", "FrmExportar"},
        {"mnuImport", "frmimport"}, {"d1", "FrmDecResumen"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.entrada);
        v.Entrada(caso.entrada)->trigger();
        QCoreApplication::processEvents();
        QWidget* hija = Hija(v, caso.hija);
        ASSERT_NE(hija, nullptr);
        EXPECT_EQ(Foto(v), "mnu=00 bot=00010 imp=0 d=0000");
        // A taxpayer made while the window is open is in the entries once it closes.
        Declarantes(1);
        const auto ultimo = Valor("SELECT MAX(T01_CSCO) FROM T01_DECLARANTES").CLng();
        Cerrar(hija);
        EXPECT_EQ(Hija(v, caso.hija), nullptr);
        EXPECT_EQ(Foto(v).substr(0, 20), "mnu=11 bot=11111 imp");
        EXPECT_TRUE(v.Reciente(1)->text().startsWith(QString::number(ultimo) + " - "));
    }
}

TEST_F(Principal, ElBotonCancelarDeLaImportacionDevuelveLosMenus) {
    MDI7312& v = Abrir();
    v.mnuImport_Click();
    auto* importar = qobject_cast<frmimport*>(Hija(v, "frmimport"));
    ASSERT_NE(importar, nullptr);
    EXPECT_EQ(Foto(v), "mnu=00 bot=00010 imp=0 d=0000");
    importar->cmdCancelar()->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(Hija(v, "frmimport"), nullptr);
    EXPECT_EQ(Foto(v), "mnu=11 bot=10011 imp=0 d=0000");
}

TEST_F(Principal, CerrarLaVentanaPrincipalDescargaAntesCadaHija) {
    Declarantes(1);
    MDI7312& v = Abrir();
    std::vector<QString> orden;
    v.mnuExport_Click();
    auto* exportar = qobject_cast<VentanaHija*>(Hija(v, "FrmExportar"));
    v.MostrarHija(new FrmDecResumen);
    auto* resumen = qobject_cast<VentanaHija*>(Hija(v, "FrmDecResumen"));
    ASSERT_TRUE(exportar && resumen);
    for (VentanaHija* hija : {exportar, resumen})
        QObject::connect(hija, &VentanaHija::descargada, [&orden, nombre = hija->objectName()] { orden.push_back(nombre); });
    EstablecerFinalizador([&orden] { orden.push_back("fin"); });

    v.close();
    ASSERT_EQ(orden.size(), 3u);
    EXPECT_EQ(orden[2], "fin");
    EXPECT_TRUE((orden[0] == "FrmExportar" && orden[1] == "FrmDecResumen") ||
                (orden[0] == "FrmDecResumen" && orden[1] == "FrmExportar"));
}

TEST_F(Principal, SalirTerminaSinDescargarNingunaVentana) {
    MDI7312& v = Abrir();
    v.mnuExport_Click();
    bool descargada = false;
    QObject::connect(qobject_cast<VentanaHija*>(Hija(v, "FrmExportar")), &VentanaHija::descargada,
                     [&] { descargada = true; });
    v.mnuSalir_Click();
    EXPECT_EQ(finales, 1);
    EXPECT_FALSE(descargada);
    EXPECT_NE(Hija(v, "FrmExportar"), nullptr);
}

TEST_F(Principal, PrimeraEjecucionPideElIdiomaUnaVezYElTituloQuedaEnEseIdioma) {
    Sql("UPDATE T00_GENERAL SET T00_ActOnline = -1");
    LeerConfiguracion();
    std::string menusDuranteLaVentana;
    vb::Variant guardadoDuranteLaVentana;
    alModal = [&](QDialog& d) {
        auto& idioma = dynamic_cast<FrmIdioma&>(d);
        menusDuranteLaVentana = Foto(*MDI7312::Actual());
        guardadoDuranteLaVentana = Valor("SELECT T00_ActOnline FROM T00_GENERAL");
        EXPECT_TRUE(idioma.chkActOnline()->isChecked());
        idioma.cmdeuskera()->click();
        return d.result();
    };
    MDI7312& v = Abrir();
    ASSERT_EQ(modales, std::vector<QString>{"FrmIdioma"});
    EXPECT_EQ(menusDuranteLaVentana, "mnu=00 bot=00010 imp=0 d=0000");
    EXPECT_EQ(guardadoDuranteLaVentana.CLng(), 1);
    EXPECT_EQ(cActOnline::Instancia().ActOnline(), 1);
    EXPECT_EQ(Valor("SELECT T00_Idioma FROM T00_GENERAL").CStr(), "E");
    EXPECT_EQ(DesplIdioma, 10000);
    EXPECT_EQ(v.windowTitle(), LoadResString(10155));
    EXPECT_EQ(v.Entrada("mnuDeclarante")->text(), "&Aitortzailea");
    EXPECT_EQ(v.Boton(5)->toolTip(), "Irten aplikaziotik");
    EXPECT_EQ(Foto(v), "mnu=11 bot=10011 imp=0 d=0000");

    // Later activations ask nothing.
    QWidget otra;
    otra.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&otra));
    v.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&v));
    EXPECT_EQ(modales.size(), 1u);
}

TEST_F(Principal, SinPrimeraEjecucionElTituloEsElDeLaPrimeraActivacion) {
    MDI7312& v = Abrir();
    EXPECT_TRUE(modales.empty());
    EXPECT_EQ(v.windowTitle(), "I.V.A. - Declaraciones no periódicas");
    v.Anadir_captions();
    EXPECT_EQ(v.windowTitle(), LoadResString(155));
    EXPECT_EQ(v.Entrada("mnuAsisOnline")->text(), "Asistencia on-line");
}

TEST_F(Principal, AcercaDeEnAmbosIdiomas) {
    VersionPrograma = "1.0.6";
    MDI7312& v = Abrir();
    std::vector<QStringList> vistos;
    alModal = [&](QDialog& d) {
        auto& acerca = dynamic_cast<frmAbout&>(d);
        vistos.push_back({acerca.windowTitle(), acerca.lblTitle()->text(), acerca.lblVersion()->text(),
                          acerca.cmdOK()->text()});
        acerca.cmdOK()->click();
        return d.result();
    };
    v.mnuacerca_Click();
    DesplIdioma = 10000;
    v.setWindowTitle("Titulua");
    v.Entrada("mnuacerca")->trigger();
    ASSERT_EQ(vistos.size(), 2u);
    EXPECT_EQ(vistos[0], (QStringList{"I.V.A. - Declaraciones no periódicas", LoadResString(259),
                                      "Versión 1.0.6", "&Aceptar"}));
    EXPECT_EQ(vistos[1], (QStringList{"Titulua", LoadResString(10259), "1.0.6 bertsioa", "&Ados"}));
}

// The help pages shipped with the program: <repository>/Ayuda.
QString CarpetaConAyuda() { return QString(OXALDE_DIR_SQL) + "/.."; }

TEST_F(Principal, LaAyudaSeAbreEnElTemaInicialDeCadaIdioma) {
    MDI7312& v = Abrir();
    EstablecerCarpetaPrograma(CarpetaConAyuda());
    EXPECT_EQ(RutaAyuda("cap.htm"), CarpetaConAyuda() + "/Ayuda/Ayuda.chm::/cap.htm");

    v.Boton(4)->trigger();
    auto* ayuda = v.findChild<VentanaAyuda*>();
    ASSERT_NE(ayuda, nullptr);
    EXPECT_TRUE(ayuda->isVisible());
    EXPECT_TRUE(ayuda->Navegador()->source().path().endsWith("/Ayuda/Ayuda.chm/cap.htm"));
    EXPECT_FALSE(ayuda->windowTitle().isEmpty());

    DesplIdioma = 10000;
    EXPECT_EQ(RutaAyuda("kap.htm"), CarpetaConAyuda() + "/Ayuda/Laguntza.chm::/kap.htm");
    v.mnucontind_Click();
    EXPECT_EQ(v.findChildren<VentanaAyuda*>().size(), 1);
    EXPECT_TRUE(ayuda->Navegador()->source().path().endsWith("/Ayuda/Laguntza.chm/kap.htm"));
    EXPECT_TRUE(mensajes.empty());
}

TEST_F(Principal, LasPaginasDeAyudaSoloEnlazanPaginasQueExisten) {
    QDirIterator paginas(CarpetaConAyuda() + "/Ayuda", {"*.htm"}, QDir::Files, QDirIterator::Subdirectories);
    int vistas = 0;
    while (paginas.hasNext()) {
        const QFileInfo pagina(paginas.next());
        QFile archivo(pagina.filePath());
        ASSERT_TRUE(archivo.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(archivo.readAll());
        auto enlaces = QRegularExpression(R"re(href="([^"]+)")re").globalMatch(html);
        while (enlaces.hasNext())
            EXPECT_TRUE(pagina.dir().exists(enlaces.next().captured(1))) << pagina.filePath().toStdString();
        ++vistas;
    }
    EXPECT_EQ(vistas, 6);
}

TEST_F(Principal, SinArchivoDeAyudaNoSeMuestraNada) {
    MDI7312& v = Abrir();
    v.mnucontind_Click();
    EXPECT_EQ(v.findChild<VentanaAyuda*>(), nullptr);
    EXPECT_TRUE(mensajes.empty());
}

TEST_F(Principal, ElComponenteConVentanasSustituyeAlComunSinPerderSusComprobaciones) {
    auto componente = com::CreateObject<GarobelLib::cMiscelaneos>("GarobelLib.cMiscelaneos");
    EXPECT_NE(std::dynamic_pointer_cast<cMiscelaneosVentanas>(componente), nullptr);
    std::string nif = "12345678Z";
    EXPECT_TRUE(componente->ValidaNifCif(nif));

    MDI7312& v = Abrir();
    DesplIdioma = 10000;
    v.mnuDescripAsisOnline_Click();
    v.mnuAsisOnline_Click();
    ASSERT_EQ(titulos.size(), 2u);
    EXPECT_EQ(titulos[0], LoadResString(10355));
    EXPECT_EQ(titulos[1], LoadResString(10354));
}

}  // namespace
