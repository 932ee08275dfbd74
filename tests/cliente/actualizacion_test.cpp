#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTcpServer>
#include <QTimer>
#include <QUrl>

#include "actualizacion/ActualizacionOnline.h"
#include "actualizacion/FrmSinConexion.h"
#include "actualizacion/FrmVersionCheck.h"
#include "actualizacion/descarga.h"
#include "actualizacion/navegador.h"
#include "cliente/prueba.h"
#include "cliente/servicio_version.h"
#include "controles/controles.h"
#include "principal/frmPreferencias.h"

using namespace oxalde;
using prueba::Servicio;

// Readable failures.
void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

// A port on which nobody listens.
int PuertoCerrado() {
    QTcpServer s;
    s.listen(QHostAddress::LocalHost);
    return s.serverPort();
}

class Actualizacion : public prueba::Principal {
protected:
    static inline Servicio* servicio = nullptr;
    std::vector<QString> abiertas;     // what each outcome window showed
    std::vector<QString> navegadas;    // addresses handed to the browser
    bool navegadorResponde = true;

    static void SetUpTestSuite() { servicio = new Servicio; }
    static void TearDownTestSuite() { delete servicio; }

    void SetUp() override {
        Principal::SetUp();
        ASSERT_GT(servicio->Puerto(), 0);
        auto& act = cActOnline::Instancia();
        act.ProgVer1("2"), act.ProgVer2("1"), act.ProgVer3("0");
        act.ActFile(carpeta.path() + "/Oxalde");
        act.ComVer(0), act.SitAct(0);
        act.ActVer1({}), act.ActVer2({}), act.ActVer3({});
        alModal = [this](QDialog& d) { return Anotar(d); };
        EstablecerNavegador([this](const QUrl& url) {
            navegadas.push_back(url.toString());
            return navegadorResponde;
        });
        servicio->Peticiones(20);
    }

    void TearDown() override {
        EstablecerNavegador({});
        EstablecerLimiteDescargaMs(0);
        Principal::TearDown();
    }

    // One line per outcome window: the version window's versions and whether it offers the
    // download, or the notice's caption and texts.
    int Anotar(QDialog& d) {
        if (auto* v = qobject_cast<FrmVersionCheck*>(&d))
            abiertas.push_back(QStringLiteral("version %1 -> %2 %3")
                                   .arg(v->LblActual()->text(), v->LblDisponible()->text(),
                                        v->CmdActualizar()->isEnabled() ? "descarga" : "sin descarga"));
        else if (auto* s = qobject_cast<FrmSinConexion*>(&d))
            abiertas.push_back(s->windowTitle() + " | " + s->lblTituloC()->text() + " | " + s->lblTituloE()->text());
        return QDialog::Accepted;
    }

    void Comprobar(const QString& direccion) {
        cActOnline::Instancia().URLAct(direccion);
        ComprobarActualizacion();
    }
};

const QString kSinConexion = QStringLiteral(
    "Fallo en la conexión / Konexio akatsa gertatu da | No dispone de conexión a Internet en estos momentos o el "
    "servidor se encuentra inactivo | Momentu honetan ez daukazu Interneterako konexiorik edo zerbitzaria ez dago "
    "atzigarri");
const QString kDatosErroneos = QStringLiteral(
    "Datos erroneos / Datu okerrak dira | Error en la recuperación o lectura de los datos de actualización. | Akatsa "
    "gertatu da eguneratze datuak berreskuratu edo irakurtzean ");

TEST_F(Actualizacion, CadaRespuestaDelServicioDaSuResultadoYSuVentana) {
    const QString cerrado = QStringLiteral("http://127.0.0.1:%1/mismo").arg(PuertoCerrado());
    const struct {
        QString direccion;
        int sitAct, comVer;
        QString ventana;  // empty: none
        bool archivo;     // a version file is left
    } casos[] = {
        {servicio->Direccion("mismo"), 3, 0, "", true},
        {servicio->Direccion("blancos"), 3, 1, "version 2.1.0 -> 2.1.1 descarga", true},
        {servicio->Direccion("dos"), 4, 0, kDatosErroneos, true},
        {servicio->Direccion("sinseccion"), 4, 0, kDatosErroneos, true},
        {servicio->Direccion("vacio"), 4, 0, kDatosErroneos, true},
        {servicio->Direccion("redirige"), 3, 0, "", true},
        {servicio->Direccion("e404"), 1, 0, kSinConexion, false},
        {servicio->Direccion("e500"), 1, 0, kSinConexion, false},
        {cerrado, 1, 0, kSinConexion, false},
        {"ftp://127.0.0.1/version", 1, 0, kSinConexion, false},
        {"", 1, 0, kSinConexion, false},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.direccion.toStdString());
        abiertas.clear();
        cActOnline::Instancia().ComVer(0);
        // An answer left by an earlier check is never read again.
        QFile viejo(ArchivoVersion());
        ASSERT_TRUE(viejo.open(QIODevice::WriteOnly));
        viejo.write("[informacion]\r\ncurrentversion=9.9.9\r\n");
        viejo.close();
        Comprobar(caso.direccion);
        EXPECT_EQ(cActOnline::Instancia().SitAct(), caso.sitAct);
        EXPECT_EQ(cActOnline::Instancia().ComVer(), caso.comVer);
        EXPECT_EQ(abiertas, caso.ventana.isEmpty() ? std::vector<QString>{} : std::vector<QString>{caso.ventana});
        EXPECT_EQ(QFile::exists(ArchivoVersion()), caso.archivo);
    }
    EXPECT_EQ(servicio->Peticiones().first(), "GET /mismo?Programa=QUELVARIN&idioma=c");
    DesplIdioma = kDesplEuskera;  // in Basque the request says so
    Comprobar(servicio->Direccion("mismo"));
    EXPECT_EQ(servicio->Peticiones(), QStringList{"GET /mismo?Programa=QUELVARIN&idioma=e"});
}

TEST_F(Actualizacion, VersionFileValuesAreTrimmedDecodedAndPartsKeptUpToTheFailure) {
    Comprobar(servicio->Direccion("acentos"));
    auto& act = cActOnline::Instancia();
    EXPECT_EQ(act.ActDescripcion(), "Nueva versión, con las tablas de 2013; cañón 5 € \"x\"");
    EXPECT_EQ(act.ActDownloadURL(), servicio->Direccion("descarga/Oxalde.exe"));
    EXPECT_EQ(act.ActVer1() + act.ActVer2() + act.ActVer3(), "211");

    Comprobar(servicio->Direccion("dos"));
    EXPECT_EQ(act.ActVer1() + "|" + act.ActVer2() + "|" + act.ActVer3(), "2|1|1");
    EXPECT_EQ(act.ComVer(), 1);  // no comparison was made

    // Every completed comparison sets the flag, also back to "same".
    Comprobar(servicio->Direccion("mismo"));
    EXPECT_EQ(act.ComVer(), 0);
    EXPECT_EQ(act.ActDescripcion(), "La misma");
}

TEST_F(Actualizacion, UnServicioMudoDaFalloDeConexionDentroDelLimite) {
    EXPECT_EQ(LimiteDescargaMs(), 15000);
    EstablecerLimiteDescargaMs(400);
    QElapsedTimer cronometro;
    cronometro.start();
    EXPECT_EQ(DescargarFichero(servicio->Direccion("mudo"), ArchivoVersion()), kSinArchivoVersion);
    EXPECT_LT(cronometro.elapsed(), 3000);
    EXPECT_GE(cronometro.elapsed(), 300);  // it did wait (coarse timers may fire a little early)
    EXPECT_FALSE(QFile::exists(ArchivoVersion()));
}

// A version file is small: an answer over the limit, declared or not, even one that never ends,
// is a failed download that leaves no file; an answer of exactly the limit is taken.
TEST_F(Actualizacion, UnaRespuestaDemasiadoGrandeEsUnaDescargaFallida) {
    const struct {
        const char* escenario;
        int sitAct;
        QString ventana;
    } casos[] = {
        {"justo", 3, ""},
        {"grande", 1, kSinConexion},
        {"grandesinlongitud", 1, kSinConexion},
        {"sinfin", 1, kSinConexion},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.escenario);
        abiertas.clear();
        Comprobar(servicio->Direccion(caso.escenario));
        EXPECT_EQ(cActOnline::Instancia().SitAct(), caso.sitAct);
        EXPECT_EQ(abiertas, caso.ventana.isEmpty() ? std::vector<QString>{} : std::vector<QString>{caso.ventana});
        EXPECT_EQ(QFile::exists(ArchivoVersion()), caso.sitAct == 3);
        if (caso.sitAct == 3) {
            EXPECT_EQ(QFileInfo(ArchivoVersion()).size(), kMaximoDescarga);
        }
    }
    // The endless answer was dropped soon after the limit, not read on until the time limit.
    QStringList lineas;
    for (int i = 0; i < 50 && !lineas.filter("CORTADO").size(); ++i) lineas += servicio->Peticiones(100);
    const QStringList cortado = lineas.filter("CORTADO");
    ASSERT_EQ(cortado.size(), 1);
    EXPECT_LT(cortado.first().section(u' ', 1).toLongLong(), 64 * 1024 * 1024);
}

// A request made while a check runs (its pause lets events through) is ignored.
TEST_F(Actualizacion, UnaSegundaComprobacionDuranteLaPrimeraNoHaceNada) {
    bool segundaTerminada = false;
    QTimer::singleShot(0, [&] {
        ComprobarActualizacion();
        segundaTerminada = true;
    });
    Comprobar(servicio->Direccion("distinta"));
    EXPECT_TRUE(segundaTerminada);
    EXPECT_EQ(abiertas, std::vector<QString>{"version 2.1.0 -> 2.1.1 descarga"});
    EXPECT_EQ(servicio->Peticiones().size(), 1);
}

TEST_F(Actualizacion, AvisoSinConexionSegunElResultadoYLaCasillaGuardaAlMomento) {
    auto& act = cActOnline::Instancia();
    auto Guardado = [this] { return Valor("SELECT T00_ActOnline FROM T00_GENERAL").CLng(); };
    for (auto [sitAct, texto] : {std::pair{1, kSinConexion}, {4, kDatosErroneos}, {0, kDatosErroneos}}) {
        act.SitAct(static_cast<vb::Integer>(sitAct));
        for (int idioma : {0, kDesplEuskera}) {
            DesplIdioma = idioma;  // both languages whatever the choice
            FrmSinConexion aviso;
            Anotar(aviso);
            EXPECT_EQ(abiertas.back(), texto);
        }
    }

    // Never chosen: the box starts clear and nothing is stored until it changes.
    Sql("UPDATE T00_GENERAL SET T00_ActOnline = -1");
    act.ActOnline(-1);
    FrmSinConexion aviso;
    EXPECT_FALSE(aviso.ChkNoPreg()->isChecked());
    EXPECT_EQ(Guardado(), -1);
    aviso.ChkNoPreg()->click();
    EXPECT_EQ(Guardado(), 0);
    aviso.ChkNoPreg()->click();
    EXPECT_EQ(Guardado(), 1);
    // Chosen "no": the box starts ticked and that choice is stored again as the window opens.
    act.ActOnline(0);
    Sql("UPDATE T00_GENERAL SET T00_ActOnline = -1");
    EXPECT_TRUE(FrmSinConexion().ChkNoPreg()->isChecked());
    EXPECT_EQ(Guardado(), 0);
}

TEST_F(Actualizacion, VentanaDeVersionMuestraLosDatosYDescargaAbreLaDireccion) {
    auto& act = cActOnline::Instancia();
    act.ProgVer1("2"), act.ProgVer2("4"), act.ProgVer3("0");
    act.ActVer1("3"), act.ActVer2("0"), act.ActVer3("1");
    act.ActDownloadURL("http://127.0.0.1:9/descarga?v=3.0.1&x=1");
    act.ActDescripcion("Nueva");
    act.ComVer(1);
    FrmVersionCheck ventana;
    EXPECT_EQ(ventana.LblActual()->text() + " " + ventana.LblDisponible()->text(), "2.4.0 3.0.1");
    EXPECT_EQ(ventana.TxtPath()->text() + "|" + ventana.TxtUrl()->text() + "|" + ventana.TxtInfo()->toPlainText(),
              carpeta.path() + "/Oxalde|" + act.ActDownloadURL() + "|Nueva");
    ventana.show();
    ventana.CmdActualizar()->click();
    EXPECT_EQ(navegadas, std::vector<QString>{"http://127.0.0.1:9/descarga?v=3.0.1&x=1"});
    EXPECT_FALSE(ventana.isVisible());
    EXPECT_EQ(finales, 0);
    // The temporary page names the address, as it stands.
    QFile pagina(ArchivoPaginaTemporal());
    ASSERT_TRUE(pagina.open(QIODevice::ReadOnly));
    EXPECT_EQ(pagina.readAll(),
              "<HTML>  <BODY ONLOAD='document.formulario.submit();'>  <FORM NAME='formulario' "
              "action='http://127.0.0.1:9/descarga?v=3.0.1&x=1' method=post>  </FORM></BODY> </HTML>");

    act.ComVer(0);
    EXPECT_FALSE(FrmVersionCheck().CmdActualizar()->isEnabled());
}

// A click in the address box opens the page and ends the program by closing the main window.
TEST_F(Actualizacion, ClicEnLaDireccionAbreLaPaginaYCierraElPrograma) {
    MDI7312& principal = Abrir();
    cActOnline::Instancia().ActDownloadURL("https://127.0.0.1/d");
    FrmVersionCheck ventana;
    ventana.show();
    QTest::mouseClick(ventana.TxtUrl(), Qt::LeftButton);
    EXPECT_EQ(navegadas, std::vector<QString>{"https://127.0.0.1/d"});
    EXPECT_FALSE(principal.isVisible());
    EXPECT_FALSE(ventana.isVisible());
    EXPECT_EQ(finales, 1);
    EXPECT_FALSE(FrmVersionCheck::SalidaPedida());
}

TEST_F(Actualizacion, SoloSeAbreUnaDireccionHttpYCualquierFalloEsNavegadorNoEncontrado) {
    const struct {
        QString url;
        bool abierta;
    } casos[] = {
        {"http://127.0.0.1:9/a b", true},
        {"HTTPS://Ejemplo.invalid/x?a=1&b='2'", true},
        {"javascript:alert(1)", false},
        {"file:///etc/passwd", false},
        {"/usr/bin/xterm", false},
        {"--new-window http://x.invalid", false},
        {"http://x.invalid/\x01", false},
        {"http://x.invalid/\nhttp://y.invalid", false},
        {"http:///sinmaquina", false},
        {"", false},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.url.toStdString());
        navegadas.clear(), mensajes.clear(), titulos.clear();
        LanzarExplorador(caso.url);
        EXPECT_EQ(navegadas.size(), caso.abierta ? 1u : 0u);
        ASSERT_EQ(mensajes.size(), caso.abierta ? 0u : 1u);
        if (!caso.abierta) {
            EXPECT_EQ(mensajes[0].texto + " / " + titulos[0],
                      "No se ha encontrado el navegador / Navegador no encontrado");
            EXPECT_EQ(mensajes[0].estilo, vbExclamation);
        }
    }
    // The characters that would end the page's attribute are written as entities.
    EXPECT_TRUE(
        PaginaTemporal("http://x.invalid/'\"<>&é").contains("action='http://x.invalid/&#39;&quot;&lt;&gt;&\xE9'"));

    // No browser, or a page that cannot be written: the same message, in the chosen language.
    DesplIdioma = kDesplEuskera;
    navegadorResponde = false;
    mensajes.clear(), titulos.clear();
    LanzarExplorador("http://x.invalid/");
    navegadorResponde = true;
    QFile::remove(ArchivoPaginaTemporal());
    QDir(carpeta.path()).mkpath("temphtm.HTM/lleno");
    LanzarExplorador("http://x.invalid/");
    EXPECT_EQ(navegadas.size(), 1u);  // only the first got as far as the browser
    ASSERT_EQ(mensajes.size(), 2u);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(mensajes[i].texto + " / " + titulos[i], "Ez da aurkitu nabigatzailea / Ez da nabigatzailea aurkitu");
}

// "Check now" in the preferences window always ends with a window, also with the same version.
TEST_F(Actualizacion, ActualizarAhoraDesdePreferenciasMuestraSiempreElResultado) {
    MDI7312& principal = Abrir();
    frmPreferencias preferencias(&principal);
    preferencias.show();
    cActOnline::Instancia().URLAct(servicio->Direccion("mismo"));
    QTest::mouseClick(preferencias.lblActAhora(), Qt::LeftButton);
    EXPECT_EQ(abiertas, std::vector<QString>{"version 2.1.0 -> 2.1.0 sin descarga"});
    EXPECT_EQ(cActOnline::Instancia().SitAct(), 3);

    // Service stopped: the notice, and ticking "no volver a consultar" stores 0.
    Sql("UPDATE T00_GENERAL SET T00_ActOnline = 1");
    cActOnline::Instancia().ActOnline(1);
    cActOnline::Instancia().URLAct(QStringLiteral("http://127.0.0.1:%1/mismo").arg(PuertoCerrado()));
    alModal = [this](QDialog& d) {
        Anotar(d);
        if (auto* aviso = qobject_cast<FrmSinConexion*>(&d)) aviso->ChkNoPreg()->click();
        return int(QDialog::Accepted);
    };
    QTest::mouseClick(preferencias.lblActAhora(), Qt::LeftButton);
    EXPECT_EQ(abiertas.back(), kSinConexion);
    EXPECT_EQ(cActOnline::Instancia().SitAct(), 1);
    EXPECT_EQ(Valor("SELECT T00_ActOnline FROM T00_GENERAL").CLng(), 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
