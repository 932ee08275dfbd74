// Another program keeping the user's database locked, and a full disk, met while the program runs:
// the user is told so in words naming the file, and the program and its windows go on as they
// were, the unsaved record still in its window, saved by the next Accept once the file is free.
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QPushButton>
#include <QToolBar>

#include "cliente/ficheros_prueba.h"
#include "cliente/ventana_prueba.h"
#include "form731/FrmDatos731.h"
#include "form731/buffers731.h"
#include "form731/cDatos731.h"
#include "form731/liquidacion731.h"
#include "intercambio/importacion.h"
#include "principal/FrmIdioma.h"
#include "principal/aplicacion.h"
#include "registro/FrmDecLista.h"
#include "registro/FrmDecResumen.h"
#include "registro/cDecDatos.h"
#include "compartido/cDecResumen.h"
#include "registro/frmDecDatos.h"
#include "controles/FlexGrid.h"

using namespace oxalde;

namespace {

using prueba::Control;
using prueba::Pausa;
using prueba::Teclear;

// Another program (a process of its own) holding the file's exclusive lock from construction
// until Soltar().
class OtroPrograma {
public:
    explicit OtroPrograma(const QString& ruta) {
        proceso_.start(QStringLiteral(OXALDE_PYTHON3),
                       {"-c", "import sqlite3, sys\n"
                              "c = sqlite3.connect(sys.argv[1], isolation_level=None)\n"
                              "c.execute('BEGIN EXCLUSIVE')\n"
                              "print('tomado', flush=True)\n"
                              "sys.stdin.read()\n"
                              "c.execute('ROLLBACK')\n",
                        ruta});
        EXPECT_TRUE(proceso_.waitForReadyRead(10000));
        EXPECT_EQ(proceso_.readAllStandardOutput().trimmed(), "tomado");
    }
    ~OtroPrograma() { Soltar(); }
    void Soltar() {
        if (proceso_.state() == QProcess::NotRunning) return;
        proceso_.closeWriteChannel();
        EXPECT_TRUE(proceso_.waitForFinished(10000));
        EXPECT_EQ(proceso_.exitCode(), 0) << proceso_.readAllStandardError().toStdString();
    }

private:
    QProcess proceso_;
};

class Bloqueo : public prueba::Principal {
protected:
    CapaSinEsperas capa;  // before any connection of the test is opened

    QString Mod() const { return QString::fromStdString(bd.Mod()); }
    // The lock message as the program shows it, in the language in use.
    QString EnUso(const QString& archivo) const {
        return LoadResString(9105 + DesplIdioma).arg(QDir::toNativeSeparators(archivo));
    }
    // A toolbar button of the main window, as the user presses it.
    QWidget* Boton(int numero) const {
        return ventana->findChild<QToolBar*>("Toolbar1")->widgetForAction(ventana->Boton(numero));
    }
    // The main menus' state and the captions of the recent entries shown.
    std::string Menus() const {
        std::string s = Foto(*ventana);
        for (int i = 1; i <= 4; ++i)
            if (ventana->Reciente(i)->isVisible()) s += " | " + ventana->Reciente(i)->text().toStdString();
        return s;
    }
    // Presses Accept in `w` (the messages so far cleared); another program takes the file the
    // moment the save has committed, and holds it until the answer goes.
    std::unique_ptr<OtroPrograma> AceptarYQueOtroLoTome(QWidget* w) {
        std::unique_ptr<OtroPrograma> otro;
        CapaSinEsperas::TrasConfirmar([&] { otro = std::make_unique<OtroPrograma>(Mod()); });
        mensajes.clear();
        QTest::mouseClick(Control<QPushButton>(w, "cmdAceptar"), Qt::LeftButton);
        Pausa();
        CapaSinEsperas::TrasConfirmar({});  // not left pointing at this function's `otro`
        return otro;
    }
    // One stored quarterly form-731 declaration of taxpayer 1, with an account; answers its key.
    vb::Long Declaracion() {
        auto& d = cDatos731::Instancia();
        auto& r = cDecResumen::Instancia();
        r.CSCO(1), r.DNI("12345678Z"), r.NOMBRE("DECLARANTE 1"), r.Modelo("731"), r.TIPOLOGIA(1);
        r.FECHA(20120930), r.Ejercicio(2012), r.PERIODO("3T");
        d.MODO("A"), d.MODOP("P"), d.BASE4(1000), d.CC(prueba::IbanValido());
        CalcularLiquidacion(d, r);
        vb::Variant buffer = BufferDeclaracion731(d, r);
        return d.GuardarDeclaracion(buffer);
    }
};

// A save through the real window while another program holds the file: the lock is said naming
// the file (in the language in use), nothing is written, the window stays with what was typed,
// and Accept saves it once the other program lets go. A taxpayer in Spanish, a form-731
// declaration in Basque.
TEST_F(Bloqueo, UnGuardadoBloqueadoSeDiceLaVentanaSigueYLuegoSeGuarda) {
    Declarantes(1);
    Abrir();
    struct Caso {
        const char* caso;
        std::function<QWidget*()> abrir;  // the window, with an unsaved record typed in
        const char* caja;
        QString tecleado;
        const char* guardado;  // a query that counts the saved record
    } casos[] = {
        {"new taxpayer", [this]() -> QWidget* {
             ventana->mnuNuevoDeclarante_Click();
             auto* w = Hija<frmDecDatos>();
             for (auto [caja, texto] : {std::pair{"txtdni", "11111111H"}, {"txtnombre", "BEA"},
                                        {"txtdomicilio", "NAGUSIA"}, {"txtcodpos", "20001"}, {"txtcodmun", "79"}})
                 Teclear(Control<QLineEdit>(w, caja), texto);
             return w;
         }, "txtnombre", "BEA", "SELECT COUNT(*) FROM T01_DECLARANTES WHERE T01_NOMBRE = 'BEA'"},
        {"declaration", [this]() -> QWidget* {
             CEntrada::Instancia().IDI("E");
             const vb::Long clave = Declaracion();
             cDatos731::Instancia().MODO("C"), cDatos731::Instancia().MODOP("P"), cDatos731::Instancia().CSDE(clave);
             ventana->MostrarHija(new FrmDatos731);
             auto* w = Hija<FrmDatos731>();
             Pausa();
             Teclear(Control<QLineEdit>(w, "txtbase4"), "20");
             return w;
         }, "txtbase4", "20,00", "SELECT COUNT(*) FROM T03_731DECLA WHERE T03_BASE4 = 2000"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.caso);
        QWidget* w = c.abrir();
        ASSERT_NE(w, nullptr);
        mensajes.clear();
        {
            OtroPrograma otro(Mod());
            QTest::mouseClick(Control<QPushButton>(w, "cmdAceptar"), Qt::LeftButton);
            Pausa();
            ASSERT_EQ(mensajes.size(), 1u);
            EXPECT_EQ(mensajes[0].texto.toStdString(), EnUso(Mod()).toStdString());
            EXPECT_EQ(mensajes[0].estilo, vbExclamation);
            ASSERT_EQ(ventana->Area()->activeSubWindow()->widget(), w);
            EXPECT_EQ(Control<QLineEdit>(w, c.caja)->text(), c.tecleado);
        }
        EXPECT_EQ(Valor(c.guardado).CLng(), 0);
        QTest::mouseClick(Control<QPushButton>(w, "cmdAceptar"), Qt::LeftButton);
        Pausa();
        EXPECT_EQ(mensajes.size(), 1u);
        EXPECT_EQ(Valor(c.guardado).CLng(), 1);
        EXPECT_NE(Hija<FrmDecResumen>(), nullptr);
        ventana->Area()->closeAllSubWindows();
        Pausa();
    }
}

// Another program takes the file the moment a new taxpayer's save has committed: the user is
// told the taxpayer was saved and its declarations could not open for the lock (not that nothing
// was saved, so as to type it again), and the window's record is the stored taxpayer (its key
// from the save itself, no longer new), so that the next Accept on it updates that taxpayer
// instead of calling its NIF taken. The main menus come back as they were last read.
TEST_F(Bloqueo, UnBloqueoTrasGuardarUnNuevoDejaElDeclaranteGuardadoYNoNuevo) {
    Declarantes(1);
    Abrir();
    ventana->mnuNuevoDeclarante_Click();
    auto* w = Hija<frmDecDatos>();
    ASSERT_NE(w, nullptr);
    for (auto [caja, texto] : {std::pair{"txtdni", "11111111H"}, {"txtnombre", "BEA"}, {"txtdomicilio", "NAGUSIA"},
                               {"txtcodpos", "20001"}, {"txtcodmun", "79"}})
        Teclear(Control<QLineEdit>(w, caja), texto);
    std::unique_ptr<OtroPrograma> otro = AceptarYQueOtroLoTome(w);
    ASSERT_NE(otro, nullptr);
    // First the save and the window; the menus, read again after it, may still meet the lock.
    ASSERT_FALSE(mensajes.empty());
    EXPECT_EQ(mensajes[0].texto.toStdString(), LoadResString(9189).arg(EnUso(Mod())).toStdString());
    EXPECT_EQ(mensajes[0].estilo, vbExclamation);
    for (size_t i = 1; i < mensajes.size(); ++i) EXPECT_EQ(mensajes[i].texto.toStdString(), EnUso(Mod()).toStdString());
    EXPECT_EQ(Hija<frmDecDatos>(), nullptr);
    EXPECT_EQ(Hija<FrmDecResumen>(), nullptr);
    EXPECT_EQ(Menus(), "mnu=11 bot=11111 imp=0 d=1000 | 1 - 12345678Z - DECLARANTE 1");
    otro.reset();
    const vb::Long csco = Valor("SELECT T01_CSCO FROM T01_DECLARANTES WHERE T01_DNI = '11111111H'").CLng();
    ASSERT_GT(csco, 0);
    auto& d = cDecDatos::Instancia();
    EXPECT_EQ(d.MODO(), "C");
    EXPECT_EQ(d.CSCO(), csco);
    EXPECT_EQ(cDecResumen::Instancia().CSCO(), csco);

    // The next Accept, in the window still open or in the one opened again on the record.
    if (!Hija<frmDecDatos>()) {
        ventana->Area()->closeAllSubWindows();
        Pausa();
        ventana->MostrarHija(new frmDecDatos);
    }
    w = Hija<frmDecDatos>();
    ASSERT_NE(w, nullptr);
    Teclear(Control<QLineEdit>(w, "txtnombre"), "BEA BIS");
    mensajes.clear();
    QTest::mouseClick(Control<QPushButton>(w, "cmdAceptar"), Qt::LeftButton);
    Pausa();
    EXPECT_TRUE(mensajes.empty()) << mensajes.front().texto.toStdString();
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM T01_DECLARANTES").CLng(), 2);
    EXPECT_EQ(Valor("SELECT T01_NOMBRE FROM T01_DECLARANTES WHERE T01_CSCO = " + std::to_string(csco)).CStr(),
              "BEA BIS");
}

// The same for a declaration: another program takes the file the moment the editor's save has
// committed, so the declarations window cannot open; the user is told the declaration was saved
// (first and only: no lock message before it, from reading the menus as the editor closes), and
// the main menus come back as they were last read.
TEST_F(Bloqueo, UnBloqueoTrasGuardarUnaDeclaracionDiceQueSeGuardo) {
    Declarantes(1);
    Abrir();
    const vb::Long clave = Declaracion();
    auto& d = cDatos731::Instancia();
    d.MODO("C");
    d.MODOP("P");
    d.CSDE(clave);
    ventana->MostrarHija(new FrmDatos731);
    auto* w = Hija<FrmDatos731>();
    ASSERT_NE(w, nullptr);
    Pausa();
    Teclear(Control<QLineEdit>(w, "txtbase4"), "20");
    std::unique_ptr<OtroPrograma> otro = AceptarYQueOtroLoTome(w);
    ASSERT_NE(otro, nullptr);
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_EQ(mensajes[0].texto.toStdString(), LoadResString(9192).arg(EnUso(Mod())).toStdString());
    EXPECT_EQ(mensajes[0].estilo, vbExclamation);
    EXPECT_TRUE(ventana->Area()->subWindowList().isEmpty());
    EXPECT_EQ(Menus(), "mnu=11 bot=11111 imp=0 d=1000 | 1 - 12345678Z - DECLARANTE 1");
    otro.reset();
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM T03_731DECLA WHERE T03_BASE4 = 2000").CLng(), 1);
}

// One action, one message: while another program holds the file, each way the declarations window
// opens a declaration of either form, its printout or its taxpayer says the lock once, under the
// declarations window's caption, and leaves that window as it was: in front, the row selected,
// the menus untouched. Once the file is free the declaration opens.
TEST_F(Bloqueo, UnaAccionBloqueadaEnLasDeclaracionesLoDiceUnaVezYLasDeja) {
    Declarantes(1);
    Abrir();
    const vb::Long d731 = Declaracion();
    Sql("INSERT INTO T02_COMUNDECLA (T02_CSDE, T02_CSCO, T02_MODELO, T02_MODO, T02_FECHA, T02_EJERCICIO, "
        "T02_PERIODO, T02_TIPOLOGIA) VALUES (9, 1, '732', 'P', 20130331, 2013, '1T', 2)");
    Sql("INSERT INTO T04_732DECLA (T04_CSDE, T04_CLASIF) VALUES (9, 1234)");
    auto& r = cDecResumen::Instancia();
    r.ENTRADA("A");
    ventana->MostrarDeclaraciones();
    auto* w = Activa<FrmDecResumen>();
    ASSERT_NE(w, nullptr);
    auto* g = Control<FlexGrid>(w, "flxDeclaraciones");
    const auto fila = [&](vb::Long csde) {
        for (int f = 1; f < g->Rows(); ++f)
            if (g->TextMatrix(f, 0).toInt() == csde) return f;
        return 0;
    };
    const auto centro = [&](vb::Long csde) { return g->visualRect(g->model()->index(fila(csde) - 1, 1)).center(); };
    const auto boton = [&](const char* nombre) {
        return [&, nombre] { QTest::mouseClick(Control<QPushButton>(w, nombre), Qt::LeftButton); };
    };
    const struct {
        const char* caso;
        vb::Long csde;
        std::function<void()> pulsar;
    } casos[] = {
        {"Datos, 731", d731, boton("cmdDatos")},
        {"Alt+D, 732", 9, [&] { prueba::Accionar(nullptr, Control<QPushButton>(w, "cmdDatos")->text(), true); }},
        {"double click, 731", d731, [&] { QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, centro(d731)); }},
        {"Enter, 732", 9, [&] { QTest::keyClick(g, Qt::Key_Return); }},
        {"print, 731", d731, boton("cmdImprimir")},
        {"print, 732", 9, boton("cmdImprimir")},
        {"taxpayer", 9, boton("cmdDeclarante")},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, centro(c.csde));
        ASSERT_EQ(r.CSDE(), c.csde);
        const std::string menus = Menus();
        mensajes.clear(), titulos.clear();
        {
            OtroPrograma otro(Mod());
            c.pulsar();
            EXPECT_TRUE(QTest::qWaitFor([&] { return !mensajes.empty(); }, 1000));  // an access key clicks late
            Pausa();
        }
        ASSERT_EQ(mensajes.size(), 1u);
        EXPECT_EQ(mensajes[0].texto.toStdString(), EnUso(Mod()).toStdString());
        EXPECT_EQ(titulos[0].toStdString(), Cadena(156).toStdString());
        ASSERT_EQ(ventana->Area()->subWindowList().size(), 1);
        ASSERT_EQ(Activa<FrmDecResumen>(), w);
        EXPECT_EQ(g->Row(), fila(c.csde));
        EXPECT_EQ(r.CSDE(), c.csde);
        EXPECT_EQ(Menus(), menus);
        EXPECT_TRUE(modales.empty());
    }
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, centro(d731));
    QTest::mouseClick(Control<QPushButton>(w, "cmdDatos"), Qt::LeftButton);
    Pausa();
    EXPECT_NE(Activa<FrmDatos731>(), nullptr);
    EXPECT_EQ(mensajes.size(), 1u);
}

// A list that cannot be read while another program holds the file: said, and nothing is left
// behind (no hidden window that would stand for the list later, the menus back on as last read);
// once the file is free the list opens with its rows.
TEST_F(Bloqueo, UnaListaQueNoSePuedeLeerNoDejaNadaYLuegoSeAbre) {
    Declarantes(2);
    Abrir();
    mensajes.clear();
    {
        OtroPrograma otro(Mod());
        QTest::mouseClick(Boton(2), Qt::LeftButton);
        Pausa();
        ASSERT_EQ(mensajes.size(), 1u);
        EXPECT_EQ(mensajes[0].texto.toStdString(), EnUso(Mod()).toStdString());
        EXPECT_TRUE(ventana->Area()->subWindowList().isEmpty());
        EXPECT_EQ(Menus(), "mnu=11 bot=11111 imp=0 d=1100 | 2 - 12345678Z - DECLARANTE 2 | "
                           "1 - 12345678Z - DECLARANTE 1");
    }
    QTest::mouseClick(Boton(2), Qt::LeftButton);
    Pausa();
    auto* lista = Hija<FrmDecLista>();
    ASSERT_NE(lista, nullptr);
    EXPECT_TRUE(lista->isVisible());
    EXPECT_EQ(mensajes.size(), 1u);
}

// An imported line that meets the lock is a wrong line whose reason, in the error file, names the
// file in use; the import goes on.
TEST_F(Bloqueo, UnaLineaImportadaBloqueadaDiceQueElArchivoEstaEnUso) {
    struct : PreguntaSustitucion {
        bool Sustituir(const QString&) override { return false; }
    } pregunta;
    const QString ruta = carpeta.filePath("Contri.txt");
    prueba::Escribir(ruta, prueba::LineaValida("12345678Z", "UNO") + "\r\n");
    OtroPrograma otro(Mod());
    const auto r = ImportarFichero(ruta, true, pregunta);
    EXPECT_EQ(r.contadores, (ContadoresImportacion{1, 0, 1, 0, 0}));
    const std::string errores = vb::AnsiAUtf8(prueba::Leer(r.ficheroErrores).toStdString());
    EXPECT_EQ(errores.substr(0, errores.find('\r')), "Linea 1 ERROR Nº: 91: " + EnUso(Mod()).toStdString());
}

// Start-up from a program folder "<carpeta>/Cliente" beside "<carpeta>/Tablas".
class ArranqueBloqueo : public Bloqueo {
protected:
    QString ModTablas() const { return Tablas() + "731_2Mod.mdb"; }
    void Preparar(const std::string& sql) {
        PrepararArranque();
        BdPrueba::Ejecutar(ModTablas().toStdString(), sql);
    }
    void TearDown() override {
        prueba::CerrarPrincipales();
        Bloqueo::TearDown();
    }
};

// Another program locks the user's database after the start-up check (here while the splash
// shows): the main window's first reading says the file is in use and the program goes on, its
// menus usable, instead of ending on an "object not set" error.
TEST_F(ArranqueBloqueo, UnBloqueoTrasLaComprobacionNoTerminaElPrograma) {
    Preparar("UPDATE T00_GENERAL SET T00_ActOnline = 0");
    std::unique_ptr<OtroPrograma> otro;
    reloj.alProcesar = [&](prueba::RelojFalso&) {
        if (!otro) otro = std::make_unique<OtroPrograma>(ModTablas());
    };
    mensajes.clear();
    EXPECT_EQ(Arrancar(), Arranque::Continuar);
    reloj.alProcesar = {};
    otro.reset();
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_EQ(mensajes[0].texto.toStdString(), EnUso(ModTablas()).toStdString());
    auto* principal = MDI7312::Actual();
    ASSERT_NE(principal, nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowActive(principal));
    Pausa();
    EXPECT_EQ(Foto(*principal).substr(0, 16), "mnu=11 bot=10011");
}

// A full disk at the first start, when the language chosen is saved: said naming the file in its
// own words, the choice window stays and nothing changes; once there is room the same choice is
// saved and the program goes on.
TEST_F(ArranqueBloqueo, UnDiscoLlenoAlGuardarLaPrimeraEleccionSeDiceYSeReintenta) {
    Preparar("UPDATE T00_GENERAL SET T00_ActOnline = -1, T00_Idioma = 'C'");
    std::vector<QString> vistos;
    alModal = [&](QDialog& d) {
        auto* idioma = qobject_cast<FrmIdioma*>(&d);
        if (!idioma) return int(QDialog::Rejected);
        CapaSinEsperas::lleno = true;
        QTest::mouseClick(idioma->cmdeuskera(), Qt::LeftButton);
        CapaSinEsperas::lleno = false;
        for (const auto& m : mensajes) vistos.push_back(m.texto);
        vistos.push_back(QString::number(DesplIdioma) + CEntrada::Instancia().IDI() + QString::number(d.result()));
        QTest::mouseClick(idioma->cmdeuskera(), Qt::LeftButton);
        return d.result();
    };
    mensajes.clear();
    EXPECT_EQ(Arrancar(), Arranque::Continuar);
    auto* principal = MDI7312::Actual();
    ASSERT_NE(principal, nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowActive(principal));
    Pausa();
    const QString archivo = QDir::toNativeSeparators(ModTablas());
    ASSERT_EQ(vistos.size(), 2u);
    EXPECT_EQ(vistos[0].toStdString(), LoadResString(9190).arg(archivo).toStdString());
    EXPECT_EQ(vistos[1], "0C0");  // the run's language as it was, the window still open
    EXPECT_EQ(mensajes.size(), 1u);
    EXPECT_EQ(DesplIdioma, kDesplEuskera);
    auto db = dao::DBEngine::Instancia().OpenDatabase(ModTablas().toStdString());
    EXPECT_EQ(db->OpenRecordset("SELECT T00_Idioma FROM T00_GENERAL")->Fields(0).CStr(), "E");
    db->Close();
    EXPECT_FALSE(LoadResString(19190).arg(archivo).isEmpty());
}

}  // namespace
