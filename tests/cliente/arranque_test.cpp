#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QWidget>

#include "comun/bd_prueba.h"
#include "cliente/arranque_prueba.h"
#include "registro.h"
#include "shell/MDI7312.h"
#include "shell/aplicacion.h"
#include "shell/cFecha.h"

using namespace oxalde;
using prueba::Programa;

namespace {

TEST(RutasBD, CarpetaClienteDelCaminoYSuPadre) {
    EXPECT_EQ(RutaTablasDe("/Prog/cliente"), "/Prog/Tablas/");
    EXPECT_EQ(RutaTablasDe("/PROG/CLIENTE/BIN"), "/PROG/Tablas/");
    EXPECT_EQ(RutaTablasDe("/a/Cliente/b/cliente"), "/a/Tablas/");
    EXPECT_EQ(RutaTablasDe("/build/bin/Cliente/"), "/build/bin/Tablas/");
    EXPECT_EQ(RutaTablasDe("/cliente"), "/Tablas/");
    // Only a whole folder name counts.
    EXPECT_EQ(RutaTablasDe("/Clientes/X"), "/Clientes/X/Tablas/");
    EXPECT_EQ(RutaTablasDe("/opt/micliente/bin"), "/opt/micliente/bin/Tablas/");
    EXPECT_EQ(RutaTablasDe("/opt/oxalde"), "/opt/oxalde/Tablas/");
}

TEST_F(Programa, RutasDeAmbasBases) {
    EstablecerCarpetaPrograma("/srv/Oxalde/Cliente");
    EstablecerRutasBD();
    EXPECT_EQ(RutaTablas, "/srv/Oxalde/Tablas/");
    EXPECT_EQ(RutaBDLectura, "/srv/Oxalde/Tablas/731_2Lec.mdb");
    EXPECT_EQ(RutaBDModificable, "/srv/Oxalde/Tablas/731_2Mod.mdb");
}

TEST_F(Programa, VersionDelArchivoDelPrograma) {
    EstablecerCarpetaPrograma("/srv/Oxalde/Cliente");
    LeerVersionPrograma();
    EXPECT_EQ(VersionPrograma,
              QString("%1.%2.%3").arg(OXALDE_VERSION_MAYOR).arg(OXALDE_VERSION_MENOR).arg(OXALDE_VERSION_REVISION));
    EXPECT_EQ(cActOnline::Instancia().ActFile(), "/srv/Oxalde/Cliente/Oxalde");
    EXPECT_TRUE(mensajes.empty());

    // Of the four numbers of a file version the third is not shown.
    EstablecerLectorVersion([](const QString&) { return VersionArchivo{2, 15, 7, 300}; });
    LeerVersionPrograma();
    EXPECT_EQ(VersionPrograma, "2.15.300");
    auto& act = cActOnline::Instancia();
    EXPECT_EQ(act.ProgVer1() + "|" + act.ProgVer2() + "|" + act.ProgVer3(), "2|15|300");
}

TEST_F(Programa, SinVersionAvisa331YSigueSinVersion) {
    VersionPrograma = "9.9.9";
    EstablecerLectorVersion([](const QString&) { return std::optional<VersionArchivo>(); });
    LeerVersionPrograma();
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_EQ(mensajes[0].texto, "No hay disponible información sobre la versión");
    EXPECT_EQ(mensajes[0].estilo, vbOKOnly);
    EXPECT_TRUE(VersionPrograma.isEmpty());
    EXPECT_TRUE(cActOnline::Instancia().ProgVer1().isEmpty());
    EXPECT_TRUE(cActOnline::Instancia().ProgVer3().isEmpty());
}

class Configuracion : public Programa {
protected:
    BdPrueba bd;
    void SetUp() override {
        Programa::SetUp();
        brunsel::RegistrarClases();
        RutaTablas = QString::fromStdString(bd.Dir()) + "/";
        RutaBDLectura = QString::fromStdString(bd.Lec());
        RutaBDModificable = QString::fromStdString(bd.Mod());
    }
    void IdiomaAlmacenado(const char* letra) {
        BdPrueba::Ejecutar(bd.Mod(), std::string("UPDATE T00_GENERAL SET T00_Idioma = '") + letra + "'");
    }
};

TEST_F(Configuracion, LeeLosAjustesDeAmbasBases) {
    BdPrueba::Ejecutar(bd.Mod(), "INSERT INTO T01_DECLARANTES (T01_DNI) VALUES ('11111111H'), ('22222222J')");
    LeerConfiguracion();
    auto& entrada = CEntrada::Instancia();
    EXPECT_EQ(entrada.NUMDECLA(), 2);
    EXPECT_EQ(entrada.FECHAMIN(), 20080101);
    EXPECT_EQ(entrada.FECHAMAX(), 20261231);
    EXPECT_EQ(cActOnline::Instancia().URLAct(), "http://actualizaciones.oxalde.invalid/version");
    EXPECT_EQ(cActOnline::Instancia().ActOnline(), -1);
    EXPECT_EQ(entrada.IDI(), "C");

    BdPrueba::Ejecutar(bd.Lec(), "DELETE FROM T08_GENERAL");
    LeerConfiguracion();
    EXPECT_EQ(entrada.FECHAMIN(), 0);
    EXPECT_EQ(entrada.FECHAMAX(), 0);
}

TEST_F(Configuracion, LaLetraAlmacenadaDecideIdiomaDesplazamientoYFechas) {
    struct Caso {
        const char* almacenada;
        const char* idi;
        int despl;
    };
    for (const Caso& c : {Caso{"E", "E", 10000}, Caso{"C", "C", 0}, Caso{"e", "C", 0}, Caso{"X", "C", 0},
                          Caso{"", "C", 0}}) {
        IdiomaAlmacenado(c.almacenada);
        LeerConfiguracion();
        EXPECT_EQ(CEntrada::Instancia().IDI(), c.idi) << c.almacenada;
        EXPECT_EQ(DesplIdioma, c.despl) << c.almacenada;
        EXPECT_EQ(cFecha::Instancia().fecidioma(), c.idi) << c.almacenada;
    }
}

TEST_F(Configuracion, CambiarIdiomaLoGuardaYCambiaDesplazamientoYFechas) {
    CEntrada::Instancia().IDI("E");
    EXPECT_EQ(DesplIdioma, 10000);
    EXPECT_EQ(cFecha::Instancia().fecidioma(), "E");
    LeerConfiguracion();
    EXPECT_EQ(CEntrada::Instancia().IDI(), "E");

    CEntrada::Instancia().IDI("C");
    EXPECT_EQ(DesplIdioma, 0);
    LeerConfiguracion();
    EXPECT_EQ(CEntrada::Instancia().IDI(), "C");
}

TEST_F(Configuracion, ElTraspasoFallidoLlevaSuPrefijoYDevuelveElCursor) {
    EXPECT_FALSE(Traspaso());
    RutaBDModificable = RutaTablas + "no_existe.mdb";
    try {
        Traspaso();
        FAIL() << "no error";
    } catch (const vb::Error& e) {
        EXPECT_TRUE(e.Description().starts_with("MDI7312.Traspaso")) << e.Description();
        EXPECT_TRUE(e.Description().ends_with("\r\n"));
        EXPECT_NE(e.Description(), "MDI7312.Traspaso\r\n");
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(QFile::exists(RutaBDModificable));
}

// A program folder "<raiz>/Cliente" and, when asked, "<raiz>/Tablas" with the given files.
class Inicio : public Programa {
protected:
    QTemporaryDir raiz;
    BdPrueba bd;
    QString Tablas() const { return raiz.path() + "/Tablas/"; }
    void Preparar(bool lectura, bool modificable) {
        QDir(raiz.path()).mkpath("Cliente");
        EstablecerCarpetaPrograma(raiz.path() + "/Cliente");
        if (!lectura && !modificable) return;
        QDir(raiz.path()).mkpath("Tablas");
        if (lectura) QFile::copy(QString::fromStdString(bd.Lec()), Tablas() + "731_2Lec.mdb");
        if (modificable) QFile::copy(QString::fromStdString(bd.Mod()), Tablas() + "731_2Mod.mdb");
    }
    QStringList Archivos() const {
        QStringList archivos;
        QDirIterator it(raiz.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) archivos << it.next().mid(raiz.path().size());
        archivos.sort();
        return archivos;
    }
    void CerrarVentanas() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<MDI7312*>(w)) w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST_F(Inicio, SinCarpetaTablasAvisaTerminaConFalloYNoCreaNada) {
    Preparar(false, false);
    EXPECT_EQ(Arrancar(), Arranque::Fallo);
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_EQ(mensajes[0].estilo & vbCritical, vbCritical);
    EXPECT_TRUE(mensajes[0].texto.contains("731_2Lec.mdb")) << mensajes[0].texto.toStdString();
    EXPECT_TRUE(Archivos().isEmpty()) << Archivos().join(",").toStdString();
}

TEST_F(Inicio, SinLaBaseModificableAvisaYNoLaCrea) {
    Preparar(true, false);
    EXPECT_EQ(Arrancar(), Arranque::Fallo);
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_TRUE(mensajes[0].texto.contains("731_2Mod.mdb"));
    EXPECT_EQ(Archivos(), QStringList{"/Tablas/731_2Lec.mdb"});
}

TEST_F(Inicio, BaseDanadaMuestraElErrorDelTraspaso) {
    Preparar(true, false);
    QFile danada(Tablas() + "731_2Mod.mdb");
    ASSERT_TRUE(danada.open(QIODevice::WriteOnly));
    danada.write("esto no es una base de datos");
    danada.close();
    EXPECT_EQ(Arrancar(), Arranque::Fallo);
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_TRUE(mensajes[0].texto.contains("MDI7312.Traspaso")) << mensajes[0].texto.toStdString();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(Inicio, ArrancaConPresentacionYVentanaPrincipalEnElIdiomaGuardado) {
    Preparar(true, true);
    BdPrueba::Ejecutar((Tablas() + "731_2Mod.mdb").toStdString(), "UPDATE T00_GENERAL SET T00_Idioma = 'E'");
    bool presentacionVisible = false;
    reloj.alProcesar = [&](prueba::RelojFalso&) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "frmInicio" && w->isVisible()) presentacionVisible = true;
    };
    const qint64 inicio = reloj.ahora;
    ASSERT_EQ(Arrancar(), Arranque::Continuar);
    EXPECT_TRUE(mensajes.empty());
    EXPECT_TRUE(presentacionVisible);
    EXPECT_EQ(reloj.ahora - inicio, 3000);
    EXPECT_EQ(RutaTablas, Tablas());
    EXPECT_EQ(DesplIdioma, 10000);
    EXPECT_FALSE(VersionPrograma.isEmpty());
    int principales = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qobject_cast<MDI7312*>(w) && w->isVisible()) ++principales;
        EXPECT_FALSE(w->objectName() == "frmInicio" && w->isVisible());
    }
    EXPECT_EQ(principales, 1);
    CerrarVentanas();
}

}  // namespace
