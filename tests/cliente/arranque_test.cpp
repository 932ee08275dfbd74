#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <signal.h>
#include <unistd.h>

#include <QDirIterator>
#include <QLineEdit>
#include <QMap>
#include <QSet>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>

#include "actualizacion/FrmVersionCheck.h"
#include "actualizacion/navegador.h"
#include "cliente/ficheros_prueba.h"
#include "cliente/modos_prueba.h"
#include "cliente/prueba.h"
#include "cliente/servicio_version.h"
#include "dao/diario.h"
#include "general.h"
#include "principal/FrmIdioma.h"
#include "principal/aplicacion.h"
#include "principal/arranque.h"
#include "principal/base_usuario.h"
#include "principal/carpeta_trabajo.h"
#include "principal/frmInicio.h"
#include "principal/textos_defecto.h"

using namespace oxalde;
using prueba::Principal;
using prueba::Programa;

namespace {

// Waits until no process holds the write locks of a save on the database `ruta` (the engine's
// PENDING, RESERVED and EXCLUSIVE bytes): a save let go on has then ended, its journal deleted.
void EsperarFinDeGuardado(const std::string& ruta) {
    const int fd = open(ruta.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    struct flock cerrojo {};
    cerrojo.l_type = F_RDLCK;
    cerrojo.l_whence = SEEK_SET;
    cerrojo.l_start = 0x40000000;
    cerrojo.l_len = 512;
    EXPECT_EQ(fcntl(fd, F_OFD_SETLKW, &cerrojo), 0);
    close(fd);  // an open file description's lock goes with it alone
}

TEST_F(Programa, RutasDesdeLaCarpetaClienteDelCamino) {
    for (auto [programa, tablas] : {std::pair{"/Prog/cliente", "/Prog/Tablas/"},
                                    {"/PROG/CLIENTE/BIN", "/PROG/Tablas/"},
                                    {"/home/cliente/Oxalde/Cliente", "/home/cliente/Oxalde/Tablas/"},
                                    {"/build/bin/Cliente/", "/build/bin/Tablas/"},
                                    {"/cliente", "/Tablas/"},
                                    {"/Clientes/X", "/Clientes/X/Tablas/"},
                                    {"/opt/micliente/bin", "/opt/micliente/bin/Tablas/"}})
        EXPECT_EQ(RutaTablasDe(programa), tablas) << programa;
    EstablecerCarpetaPrograma("/srv/Oxalde/Cliente");
    EstablecerRutasBD();
    EXPECT_EQ(RutaTablas + "|" + RutaBDLectura + "|" + RutaBDModificable,
              "/srv/Oxalde/Tablas/|/srv/Oxalde/Tablas/731_2Lec.mdb|/srv/Oxalde/Tablas/731_2Mod.mdb");
}

TEST_F(Programa, VersionDelArchivoDelProgramaSinLaTerceraCifra) {
    EstablecerCarpetaPrograma("/srv/Oxalde/Cliente");
    LeerVersionPrograma();
    EXPECT_EQ(VersionPrograma,
              QString("%1.%2.%3").arg(OXALDE_VERSION_MAYOR).arg(OXALDE_VERSION_MENOR).arg(OXALDE_VERSION_REVISION));
    EXPECT_EQ(cActOnline::Instancia().ActFile(), "/srv/Oxalde/Cliente/Oxalde");
    EstablecerLectorVersion([](const QString&) { return VersionArchivo{2, 15, 7, 300}; });
    LeerVersionPrograma();
    auto& act = cActOnline::Instancia();
    EXPECT_EQ(VersionPrograma + " " + act.ProgVer1() + "|" + act.ProgVer2() + "|" + act.ProgVer3(),
              "2.15.300 2|15|300");
    EXPECT_TRUE(mensajes.empty());

    EstablecerLectorVersion([](const QString&) { return std::optional<VersionArchivo>(); });
    LeerVersionPrograma();
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_EQ(mensajes[0].texto, "No hay disponible información sobre la versión");
    EXPECT_TRUE(VersionPrograma.isEmpty());
    EXPECT_TRUE(act.ProgVer1().isEmpty());
}

TEST_F(Principal, LeerConfiguracionYLaLetraAlmacenadaDecideIdiomaDesplazamientoYFechas) {
    Sql("INSERT INTO T01_DECLARANTES (T01_DNI) VALUES ('11111111H'), ('22222222J');"
        "UPDATE T00_GENERAL SET T00_ActOnline = -1");
    LeerConfiguracion();
    auto& entrada = CEntrada::Instancia();
    EXPECT_EQ(entrada.NUMDECLA(), 2);
    EXPECT_EQ(std::pair(entrada.FECHAMIN(), entrada.FECHAMAX()), std::pair(20080101, 20261231));
    EXPECT_EQ(cActOnline::Instancia().URLAct(), "http://actualizaciones.oxalde.invalid/version");
    EXPECT_EQ(cActOnline::Instancia().ActOnline(), -1);
    for (auto [almacenada, idi] : {std::pair{"E", "E"}, {"C", "C"}, {"e", "C"}, {"X", "C"}, {"", "C"}}) {
        Sql(std::string("UPDATE T00_GENERAL SET T00_Idioma = '") + almacenada + "'");
        LeerConfiguracion();
        EXPECT_EQ(CEntrada::Instancia().IDI(), idi) << almacenada;
        EXPECT_EQ(DesplIdioma, idi[0] == 'E' ? kDesplEuskera : 0) << almacenada;
        EXPECT_EQ(cFecha::Instancia().fecidioma(), idi) << almacenada;
    }
    CEntrada::Instancia().IDI("E");
    EXPECT_EQ(DesplIdioma, kDesplEuskera);
    EXPECT_EQ(Valor("SELECT T00_Idioma FROM T00_GENERAL").CStr(), "E");
}

// Start-up from a program folder "<carpeta>/Cliente" beside "<carpeta>/Tablas".
class Inicio : public Principal {
protected:
    // A new taxpayer whose name is still to be given, and a change of the reference data.
    inline static const std::string kAlta = "INSERT INTO T01_DECLARANTES (T01_DNI, T01_NOMBRE) VALUES ('12345678Z', ";
    inline static const std::string kFechaMax = "UPDATE T08_GENERAL SET T08_FECHAMAX = 20991231";

    QString Mod() const { return Tablas() + "731_2Mod.mdb"; }
    QString Lec() const { return Tablas() + "731_2Lec.mdb"; }
    QStringList Archivos() const {
        QStringList archivos;
        for (QDirIterator it(carpeta.path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
            archivos << it.next().mid(carpeta.path().size());
        archivos.sort();
        return archivos;
    }
    // The bytes of every file in the folder, by name.
    QMap<QString, QByteArray> Contenidos() const {
        QMap<QString, QByteArray> contenidos;
        for (const QString& archivo : Archivos()) contenidos[archivo] = prueba::Leer(carpeta.path() + archivo);
        return contenidos;
    }
    // The files made, removed or changed since `antes`.
    QStringList Cambiados(const QMap<QString, QByteArray>& antes) const {
        const auto ahora = Contenidos();
        QStringList cambiados;
        for (const QString& archivo :
             QSet<QString>(antes.keyBegin(), antes.keyEnd()) + QSet<QString>(ahora.keyBegin(), ahora.keyEnd()))
            if (antes.value(archivo, "<none>") != ahora.value(archivo, "<none>")) cambiados << archivo;
        cambiados.sort();
        return cambiados;
    }
    // A write of the library's, as the library makes it.
    static std::function<void()> Escritura(const QString& ruta, const std::string& sql) {
        return [ruta = ruta.toStdString(), sql] {
            auto& conexion = brunsel::ConexionDAO();
            conexion.InicializaBD(ruta);
            conexion.execute(sql);
            conexion.Cerrar();
        };
    }
    // The main windows on show.
    static int Principales() {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) n += qobject_cast<MDI7312*>(w) && w->isVisible();
        return n;
    }
    static constexpr auto kLectura = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    static constexpr auto kPaso = QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
    // The tables' folder, its parent and the user's database made read-only, or writable again.
    void SoloLectura(bool si) {
        const auto carpetas = kLectura | kPaso;
        QFile::setPermissions(Mod(), si ? kLectura : kLectura | QFileDevice::WriteOwner);
        QFile::setPermissions(Tablas(), si ? carpetas : carpetas | QFileDevice::WriteOwner);
        QFile::setPermissions(carpeta.path(), si ? carpetas : carpetas | QFileDevice::WriteOwner);
    }
    // Start-up from this folder in a fresh process of these tests (the disabled test below) to
    // which file modes apply (root may write anything). Answers what it wrote: the start-up's
    // result, the language offset, then every message box shown. With `seguir` (a stopped save's
    // descriptor, GuardadoDetenido), the child lets that save end right after it has read the
    // journal and before it looks for the save's lock.
    QStringList ArrancarSujetoAModos(int seguir = -1) {
        // A child that became another user (no capabilities to drop) must pass through the folder.
        QFile::setPermissions(carpeta.path(), QFile::permissions(carpeta.path()) | QFileDevice::ExeOther);
        int tubo[2];
        if (pipe(tubo) != 0) return {"pipe"};
        const pid_t pid = fork();
        if (pid < 0) return {"fork"};
        if (pid == 0) {
            close(tubo[0]);
            if (!prueba::SujetarAModos()) _exit(3);
            setenv("OXALDE_PRUEBA_CARPETA", carpeta.path().toLocal8Bit().constData(), 1);
            setenv("OXALDE_PRUEBA_SALIDA", std::to_string(tubo[1]).c_str(), 1);
            if (seguir >= 0) setenv("OXALDE_PRUEBA_SEGUIR", std::to_string(dup(seguir)).c_str(), 1);
            execl("/proc/self/exe", "pruebas_cliente", "--gtest_filter=Inicio.DISABLED_ArrancarEnLaCarpetaDada",
                  "--gtest_also_run_disabled_tests", static_cast<char*>(nullptr));
            _exit(5);
        }
        close(tubo[1]);
        return prueba::SalidaDelHijo(tubo[0], pid).split(u'\x1e', Qt::SkipEmptyParts);
    }
    // ArrancarSujetoAModos while the tables' folder may be read and entered but not written; its
    // owner may write it again afterwards.
    QStringList ArrancarSinEscribirEnTablas() {
        QFile::setPermissions(Tablas(), kLectura | kPaso);
        const QStringList avisos = ArrancarSujetoAModos();
        QFile::setPermissions(Tablas(), kLectura | kPaso | QFileDevice::WriteOwner);
        return avisos;
    }
};

// A missing database, or one that is not a sound one of this program's (a damaged page included,
// met before the upgrade could write to the file): a clear message in both languages that names
// the file, the program ends with a failure status and nothing is changed or created.
TEST_F(Inicio, SinBasesUtilesAvisaNombrandoElArchivoTerminaConFalloYNoTocaNada) {
    PrepararArranque();
    const QByteArray sana = prueba::Leer(Mod());
    const QString lec = Tablas() + "731_2Lec.mdb", mod = Mod();
    const QStringList ambas{"/Tablas/731_2Lec.mdb", "/Tablas/731_2Mod.mdb"};
    const struct {
        const char* caso;
        std::function<void()> preparar;
        int texto;
        QString archivo;
        QStringList archivos;
    } casos[] = {
        {"no tables", [] {}, 9101, lec, {}},
        {"no user database", [&] { PrepararArranque(), QFile::remove(mod); }, 9101, mod, {"/Tablas/731_2Lec.mdb"}},
        {"empty", [&] { PrepararArranque(), prueba::Escribir(mod, ""); }, 9102, mod, ambas},
        {"random bytes", [&] { PrepararArranque(), prueba::Escribir(mod, QByteArray(8192, '\x37')); }, 9102, mod,
         ambas},
        {"cut copy", [&] { PrepararArranque(), prueba::Escribir(mod, sana.left(sana.size() / 2)); }, 9102, mod, ambas},
        {"another program's",
         [&] {
             PrepararArranque(), QFile::remove(mod);
             dao::CrearBaseDesdeSql(mod.toStdString(), "CREATE TABLE CLIENTES (ID INTEGER);");
         },
         9102, mod, ambas},
        {"a column missing",
         [&] {
             PrepararArranque();
             BdPrueba::Ejecutar(mod.toStdString(), "ALTER TABLE T01_DECLARANTES DROP COLUMN T01_NOMBRE");
         },
         9102, mod, ambas},
        {"a damaged page", [&] { PrepararArranque(), BdPrueba::DanarTabla(mod.toStdString(), "T02_COMUNDECLA"); }, 9102,
         mod, ambas},
        // Every page reads, but a taxpayer's NIF in the table is not the one its index holds.
        {"an index that disagrees with its table",
         [&] {
             PrepararArranque();
             BdPrueba::Ejecutar(mod.toStdString(), "INSERT INTO T01_DECLARANTES (T01_DNI) VALUES ('11111111H')");
             BdPrueba::CambiarEnTabla(mod.toStdString(), "T01_DECLARANTES", "11111111H", "11111111J");
         },
         9102, mod, ambas},
        // Every save into the table would fail.
        {"a column no save fills",
         [&] { PrepararArranque(), BdPrueba::AnadirColumnaObligatoria(mod.toStdString(), "T02_COMUNDECLA"); }, 9102,
         mod, ambas},
        {"empty reference database", [&] { PrepararArranque(), prueba::Escribir(lec, ""); }, 9102, lec, ambas},
        {"reference database of random bytes",
         [&] { PrepararArranque(), prueba::Escribir(lec, QByteArray(8192, '\x37')); }, 9102, lec, ambas},
        {"reference database without banks",
         [&] { PrepararArranque(), BdPrueba::Ejecutar(lec.toStdString(), "DROP TABLE TBANCOS"); }, 9102, lec, ambas},
        {"damaged reference database", [&] { PrepararArranque(), BdPrueba::DanarTabla(lec.toStdString(), "TBANCOS"); },
         9102, lec, ambas},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.caso);
        QDir(Tablas()).removeRecursively();
        caso.preparar();
        const QByteArray antes = prueba::Leer(mod), antesLec = prueba::Leer(lec);
        mensajes.clear();
        EXPECT_EQ(Arrancar(), Arranque::Fallo);
        ASSERT_EQ(mensajes.size(), 1u);
        const QString& texto = mensajes[0].texto;
        EXPECT_EQ(mensajes[0].estilo & vbCritical, vbCritical);
        EXPECT_TRUE(texto.startsWith(TextoBilingue(caso.texto, caso.archivo))) << texto.toStdString();
        EXPECT_TRUE(texto.contains(QDir::toNativeSeparators(caso.archivo)));
        EXPECT_FALSE(texto.contains("Error:"));
        EXPECT_EQ(prueba::Leer(mod), antes);
        EXPECT_EQ(prueba::Leer(lec), antesLec);
        EXPECT_EQ(Archivos(), caso.archivos);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        prueba::CerrarPrincipales();
    }
}

// Another program holding the user's database locked for writing: start-up waits as long as the
// engine waits for a lock; a lock let go within it is not noticed, one kept beyond it is said to
// be a file in use (not a damaged one), naming it, and nothing changes.
TEST_F(Inicio, UnaBaseBloqueadaPorOtroProgramaSeEsperaYSeDiceEnUso) {
    PrepararArranque();
    const QString mod = Mod();
    {
        CerrojoEscritura breve(mod.toStdString(), 300);
        ASSERT_EQ(Arrancar(), Arranque::Continuar);
        EXPECT_TRUE(mensajes.empty());
    }
    prueba::CerrarPrincipales();

    const QByteArray antes = prueba::Leer(mod);
    {
        const CapaSinEsperas sinEsperas;  // the engine's whole wait, its tries taking no time
        CerrojoEscritura largo(mod.toStdString());
        EXPECT_EQ(Arrancar(), Arranque::Fallo);
    }
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_EQ(mensajes[0].texto, TextoBilingue(9104, mod));
    EXPECT_TRUE(mensajes[0].texto.contains(LoadResString(19104).arg(QDir::toNativeSeparators(mod))));
    EXPECT_EQ(prueba::Leer(mod), antes);
    EXPECT_EQ(Principales(), 0);
}

// Another program taking the file for writing at any point of start-up's check (at each lock for
// reading the check asks for in turn) and keeping it beyond the engine's wait: the file is in use,
// never one that is not a database of this program.
TEST_F(Inicio, UnBloqueoEnCualquierPuntoDeLaComprobacionEsUnaBaseEnUso) {
    PrepararArranque();
    const struct {
        QString archivo;
        ResultadoComprobacion (*comprobar)(const QString&);
    } casos[] = {{Mod(), ComprobarBaseUsuario}, {Lec(), ComprobarBaseLectura}};
    const CapaSinEsperas sinEsperas;  // the engine's whole wait, its tries taking no time
    for (const auto& caso : casos) {
        int n = 1;
        for (;; ++n) {
            SCOPED_TRACE(caso.archivo.toStdString() + ", lock " + std::to_string(n));
            std::unique_ptr<CerrojoEscritura> otro;
            CapaSinEsperas::AlPedirLectura(
                n, [&] { otro = std::make_unique<CerrojoEscritura>(caso.archivo.toStdString()); });
            const ResultadoComprobacion r = caso.comprobar(caso.archivo);
            CapaSinEsperas::AlPedirLectura(0, {});
            if (!otro) {
                EXPECT_EQ(int(r.defecto), int(DefectoCopia::Ninguno)) << r.detalle.toStdString();
                break;
            }
            EXPECT_EQ(int(r.defecto), int(DefectoCopia::EnUso)) << r.detalle.toStdString();
            ASSERT_LT(n, 100);
        }
        EXPECT_GT(n, 4);  // the file's length, its pages and its tables were each read under a lock
    }
}

// A first run as a user who may not write the database or its folder: start-up says so, naming
// each, and that is all; the language chosen holds for the run without another report.
TEST_F(Inicio, UnaBaseDeSoloLecturaSeAvisaAlArrancarYNadaMas) {
    PrepararArranque();
    const QString mod = Mod();
    BdPrueba::Ejecutar(mod.toStdString(), "UPDATE T00_GENERAL SET T00_ActOnline = -1");
    const QByteArray antes = prueba::Leer(mod);
    SoloLectura(true);
    QStringList avisos = ArrancarSujetoAModos();
    SoloLectura(false);
    ASSERT_GE(avisos.size(), 2) << avisos.join(" | ").toStdString();
    EXPECT_EQ(avisos.takeFirst(), QString::number(int(Arranque::Continuar)));
    EXPECT_EQ(avisos.takeFirst(), QString::number(kDesplEuskera));  // the language chosen
    ASSERT_EQ(avisos.size(), 2) << avisos.join(" | ").toStdString();
    const QString archivo = QDir::toNativeSeparators(mod),
                  carpetaTablas = QDir::toNativeSeparators(Tablas().chopped(1));
    EXPECT_EQ(avisos[0], QString::number(vbExclamation) + " " + TextoBilingue(9103, mod));
    EXPECT_TRUE(avisos[0].contains(archivo) && avisos[0].contains(LoadResString(19103).arg(archivo)));
    EXPECT_TRUE(avisos[1].contains(carpetaTablas)) << avisos[1].toStdString();
    EXPECT_EQ(prueba::Leer(mod), antes);
}

// A save killed at its commit leaves the new rows written and the journal that undoes them beside
// the file. Start-up lets the engine roll it back and runs with the last completed save, for
// either database.
TEST_F(Inicio, UnGuardadoCortadoPorUnaMuerteSeDeshaceAlArrancar) {
    PrepararArranque();
    const QString mod = Mod(), lec = Lec(), diario = mod + "-journal";
    Escritura(mod, kAlta + "'TERMINADO')")();
    MatarAlConfirmar(Escritura(mod, kAlta + "'CORTADO')"));
    ASSERT_TRUE(QFile::exists(diario));
    ASSERT_EQ(Arrancar(), Arranque::Continuar);
    EXPECT_TRUE(mensajes.empty());
    EXPECT_FALSE(QFile::exists(diario));
    EXPECT_EQ(CEntrada::Instancia().NUMDECLA(), 1);
    auto db = dao::DBEngine::Instancia().OpenDatabase(mod.toStdString());
    EXPECT_EQ(db->OpenRecordset("SELECT group_concat(T01_NOMBRE) FROM T01_DECLARANTES")->Fields(0).CStr(), "TERMINADO");
    db->Close();
    prueba::CerrarPrincipales();

    MatarAlConfirmar(Escritura(lec, kFechaMax));
    ASSERT_TRUE(QFile::exists(lec + "-journal"));
    ASSERT_EQ(Arrancar(), Arranque::Continuar);
    EXPECT_TRUE(mensajes.empty());
    EXPECT_FALSE(QFile::exists(lec + "-journal"));
    EXPECT_EQ(CEntrada::Instancia().FECHAMAX(), 20261231);
    prueba::CerrarPrincipales();
}

// The same journal where it cannot be rolled back (the folder, the journal or the file read-only,
// or another user's journal in a shared folder with the sticky bit, for a process to which file
// modes apply), for either database: start-up says the file was left in the middle of a save and
// needs write permission, naming it (and the journal, when only the journal is in the way), not
// that it is not a database;
// and no byte of any file changes (the engine would otherwise write the saved pages back into a
// file whose journal it then cannot delete).
class CortadoSinDeshacer : public Inicio {
protected:
    enum Cual { Carpeta, Diario, Archivo };

    // The save cut short, its journal left beside the file.
    QString Cortar(const QString& archivo, const std::string& sql) {
        QDir(Tablas()).removeRecursively();
        PrepararArranque();
        MatarAlConfirmar(Escritura(archivo, sql));
        return archivo + "-journal";
    }
    // Another user's journal, which all may write, in a folder whose sticky bit lets only their
    // owners delete it. Empty where it is set up; otherwise why it cannot be, for this user.
    std::string DarloAOtro(const QString& diario) {
        for (const QString& suyo : {diario, Tablas()})
            if (chown(QFile::encodeName(suyo).constData(), 65533, 65533) != 0)
                return "no other user's file can be made by this user (" + std::string(std::strerror(errno)) + ")";
        if (chmod(QFile::encodeName(diario).constData(), 0666) != 0 ||
            chmod(QFile::encodeName(Tablas()).constData(), 01777) != 0)
            return std::strerror(errno);
        return {};
    }
    // Start-up by a process to which file modes apply: refused naming the file (9106), or the
    // journal as well where only the journal is in the way (9193), no byte changed; `devolver`
    // gives the owner back what the case took away.
    void ComprobarRechazo(const QString& archivo, const QMap<QString, QByteArray>& antes,
                          const std::function<void()>& devolver, bool elDiario) {
        const QStringList avisos = ArrancarSujetoAModos();
        devolver();
        ASSERT_EQ(avisos.size(), 3) << avisos.join(" | ").toStdString();
        EXPECT_EQ(avisos[0], QString::number(int(Arranque::Fallo)));
        const QString texto =
            elDiario ? TextoBilingue(9193, archivo, archivo + "-journal") : TextoBilingue(9106, archivo);
        EXPECT_EQ(avisos[2].toStdString(), QString::number(vbCritical).toStdString() + " " + texto.toStdString());
        EXPECT_EQ(Cambiados(antes).join(", ").toStdString(), "");
    }
};

TEST_F(CortadoSinDeshacer, LoDeSoloLecturaSeDiceSinTocarNada) {
    const struct {
        const char* caso;
        QString archivo;
        std::string sql;
        Cual soloLectura;
        int cabecera = 0;  // the journal cut to these bytes, its first one set (the engine's test)
    } casos[] = {
        {"user's, read-only folder", Mod(), kAlta + "'CORTADO')", Carpeta},
        {"user's, read-only journal", Mod(), kAlta + "'CORTADO')", Diario},
        {"user's, read-only file", Mod(), kAlta + "'CORTADO')", Archivo},
        {"reference, read-only folder", Lec(), kFechaMax, Carpeta},
        {"reference, read-only journal", Lec(), kFechaMax, Diario},
        {"reference, read-only file", Lec(), kFechaMax, Archivo},
        {"user's, read-only folder, header cut short", Mod(), kAlta + "'CORTADO')", Carpeta, 20},
        {"reference, read-only journal, one byte", Lec(), kFechaMax, Diario, 1},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.caso);
        const QString diario = Cortar(caso.archivo, caso.sql);
        ASSERT_TRUE(QFile::exists(diario));
        if (caso.cabecera) {
            ASSERT_TRUE(prueba::Escribir(diario, prueba::Leer(diario).left(caso.cabecera)));
        }
        const auto antes = Contenidos();
        const QString ruta = caso.soloLectura == Carpeta  ? Tablas()
                             : caso.soloLectura == Diario ? diario
                                                          : caso.archivo;
        const auto modos = caso.soloLectura == Carpeta ? kLectura | kPaso : kLectura;
        QFile::setPermissions(ruta, modos);
        ComprobarRechazo(
            caso.archivo, antes, [&] { QFile::setPermissions(ruta, modos | QFileDevice::WriteOwner); },
            caso.soloLectura == Diario);
    }
}

// Only a user who may give a file away (root) can set this case up.
TEST_F(CortadoSinDeshacer, ElDiarioDeOtroUsuarioEnUnaCarpetaCompartidaSeDiceSinTocarNada) {
    const QString diario = Cortar(Mod(), kAlta + "'CORTADO')");
    ASSERT_TRUE(QFile::exists(diario));
    if (const std::string porque = DarloAOtro(diario); !porque.empty()) GTEST_SKIP() << porque;
    ComprobarRechazo(
        Mod(), Contenidos(), [] {}, true);
}

// A journal whose roll-back into a copy of the register fails the check: a backup copied by hand
// over the register while the journal of a save cut short on the file it replaced lies beside it
// (the file alone is sound), or a damaged register beside its own cut save (the file alone fails
// too, and holds part of that save: the user must not be led to delete the journal). Start-up
// says which, naming both; no byte of any file changes and no scratch copy is left.
TEST_F(Inicio, UnDiarioQueNoEsDelArchivoSeDiceYElArchivoQuedaComoEstaba) {
    const QString mod = Mod(), diario = mod + "-journal";
    for (const bool danado : {false, true}) {
        SCOPED_TRACE(danado ? "damaged, its own journal" : "a journal not its own");
        QDir(Tablas()).removeRecursively();
        PrepararArranque();
        BdPrueba::Ejecutar(
            mod.toStdString(),
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300) "
            "INSERT INTO T01_DECLARANTES (T01_DNI, T01_NOMBRE) SELECT '12345678Z', 'COPIA ' || i FROM n");
        const QByteArray copia = prueba::Leer(mod);
        if (danado) {
            BdPrueba::DanarTabla(mod.toStdString(), "T02_COMUNDECLA");
        } else {
            QFile::remove(mod);
            PrepararArranque();
        }
        MatarAlConfirmar(Escritura(mod, "UPDATE T00_GENERAL SET T00_Idioma = 'E'"));
        ASSERT_TRUE(QFile::exists(diario));
        if (!danado) {
            ASSERT_TRUE(prueba::Escribir(mod, copia));
        }
        const auto antes = Contenidos();
        const QStringList avisos = ArrancarSujetoAModos();
        ASSERT_EQ(avisos.size(), 3) << avisos.join(" | ").toStdString();
        EXPECT_EQ(avisos[0], QString::number(int(Arranque::Fallo)));
        EXPECT_TRUE(
            avisos[2].startsWith(QString::number(vbCritical) + " " + TextoBilingue(danado ? 9194 : 9160, mod, diario)))
            << avisos[2].toStdString();
        EXPECT_EQ(Cambiados(antes).join(", ").toStdString(), "");
        EXPECT_EQ(QDir(Tablas()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                  QStringList({"731_2Lec.mdb", "731_2Mod.mdb", "731_2Mod.mdb-journal"}));
    }
}

// The two states a journal to roll back meets at start: the register's own journal of a save cut
// short, or (a backup copied over the register by hand) the journal of a save cut short on the
// file it replaced. Answers the register's and the journal's bytes.
class Apartado : public Inicio {
protected:
    std::pair<QByteArray, QByteArray> Preparar(bool ajeno) {
        QDir(Tablas()).removeRecursively();
        PrepararArranque();
        const QString mod = Mod();
        Escritura(mod, "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300) "
                       "INSERT INTO T01_DECLARANTES (T01_DNI, T01_NOMBRE) SELECT '12345678Z', 'COPIA ' || i FROM n")();
        const QByteArray copia = prueba::Leer(mod);
        if (ajeno) {
            QFile::remove(mod);
            PrepararArranque();
        }
        MatarAlConfirmar(Escritura(mod, ajeno ? "UPDATE T00_GENERAL SET T00_Idioma = 'E'"
                                              : "UPDATE T01_DECLARANTES SET T01_NOMBRE = 'CORTADO ' || T01_CSCO"));
        if (ajeno) {
            EXPECT_TRUE(prueba::Escribir(mod, copia));
        }
        return {prueba::Leer(mod), prueba::Leer(mod + "-journal")};
    }
    // The files back as `estado` has them.
    void Poner(const std::pair<QByteArray, QByteArray>& estado) {
        ASSERT_TRUE(prueba::Escribir(Mod(), estado.first));
        ASSERT_TRUE(prueba::Escribir(Mod() + "-journal", estado.second));
    }
    // `accion` in a child killed at its `paso`-th step (the engine's writes, truncations, syncs and
    // deletions, and the keeping aside's own steps): whether it was killed there.
    static bool MatarEnElPaso(int paso, const std::function<void()>& accion) {
        const pid_t pid = fork();
        if (pid == 0) {
            EstablecerPasoApartado(CapaMortal::Paso);
            CapaMortal capa(paso);
            try {
                accion();
            } catch (...) {
                _exit(3);
            }
            _exit(0);
        }
        int estado = 0;
        waitpid(pid, &estado, 0);
        EXPECT_TRUE(WIFSIGNALED(estado) || WEXITSTATUS(estado) == 0) << "step " << paso;
        return WIFSIGNALED(estado) && WTERMSIG(estado) == SIGKILL;
    }
    QStringList Restos() const {
        return QDir(Tablas()).entryList({".oxalde-trabajo-*"}, QDir::AllEntries | QDir::Hidden | QDir::System);
    }
};

// Start-up's check (and the roll-back that backup and restore make the same way) killed at each
// step of the keeping aside of a journal, then started again. After the kill the register and its
// journal are as they were, or the register is rolled back to what an uninterrupted start gives,
// or the engine's own roll-back into it is part-way with the journal whole beside it; the next
// start ends as an uninterrupted one does: the same bytes, no journal, no scratch copy left. With
// a journal that is not the register's, no byte of either file ever changes.
TEST_F(Apartado, UnaMuerteEnCadaPasoDejaLosArchivosComoEstabanODeshechos) {
    const struct {
        const char* caso;
        bool ajeno;
        bool alArrancar;
    } casos[] = {{"its own journal, start-up", false, true},
                 {"its own journal, backup or restore", false, false},
                 {"a journal not its own, start-up", true, true},
                 {"a journal not its own, backup or restore", true, false}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.caso);
        const auto estado = Preparar(caso.ajeno);
        const QString mod = Mod(), diario = mod + "-journal";
        auto comprobar = [&] { return caso.alArrancar ? ComprobarBaseUsuario(mod) : DeshacerGuardadoCortado(mod); };
        const DefectoCopia esperado = caso.ajeno ? DefectoCopia::DiarioAjeno : DefectoCopia::Ninguno;
        ASSERT_EQ(comprobar().defecto, esperado);
        const QByteArray deshecho = caso.ajeno ? estado.first : prueba::Leer(mod);
        int muertes = 0;
        for (int paso = 1; paso < 500; ++paso) {
            Poner(estado);
            if (!MatarEnElPaso(paso, [&] { comprobar(); })) break;
            ++muertes;
            const QByteArray ahora = prueba::Leer(mod);
            const bool conDiario = QFile::exists(diario) && prueba::Leer(diario) == estado.second;
            const bool comoEstaba = conDiario && ahora == estado.first;
            EXPECT_TRUE(caso.ajeno ? comoEstaba : conDiario || ahora == deshecho) << "step " << paso;
            // The next start, its check first, then its clean-up.
            EXPECT_EQ(comprobar().defecto, esperado) << "step " << paso;
            BorrarRestosDeTrabajo({Tablas()});
            EXPECT_EQ(prueba::Leer(mod), deshecho) << "step " << paso;
            EXPECT_EQ(QFile::exists(diario), caso.ajeno) << "step " << paso;
            EXPECT_EQ(Restos(), QStringList()) << "step " << paso;
        }
        EXPECT_GT(muertes, 6);
    }
}

// The register's own journal of a save cut short, on a disk with less free room than the copies
// of the register and the journal take (a small memory file system): start-up says in both
// languages that the disk of the named folder is full and how much room it needs, never an engine
// or system text, and no byte changes.
TEST_F(Apartado, SinSitioParaApartarElDiarioSeDiceCuantoHaceFaltaSinCambiarNada) {
    const auto estado = Preparar(false);
    const QByteArray lectura = prueba::Leer(Lec());
    QTemporaryDir punto;
    const QString tablas = punto.path() + "/Tablas", mod = tablas + "/731_2Mod.mdb";
    const qint64 ocupados = estado.first.size() + estado.second.size() + lectura.size();
    const QString visto = prueba::EnDiscoPequeno(punto.path(), ocupados + 16 * 1024, [&] {
        if (!QDir().mkpath(tablas) || !prueba::Escribir(tablas + "/731_2Lec.mdb", lectura) ||
            !prueba::Escribir(mod, estado.first) || !prueba::Escribir(mod + "-journal", estado.second))
            return QString("!the files do not fit");
        const ResultadoComprobacion r = ComprobarBaseUsuario(mod);
        const bool iguales = prueba::Leer(mod) == estado.first && prueba::Leer(mod + "-journal") == estado.second;
        return QStringList{QString::number(int(r.defecto)), r.detalle, iguales ? "unchanged" : "changed",
                           QDir(tablas).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).join(","),
                           TextoArranque(mod, r)}
            .join(u'|');
    });
    if (visto.startsWith(u'!')) GTEST_SKIP() << visto.mid(1).toStdString();
    const QString megas = QString::number((estado.first.size() + estado.second.size() + 1048575) / 1048576);
    EXPECT_EQ(visto.toStdString(),
              QStringList({QString::number(int(DefectoCopia::DiscoLleno)), megas, "unchanged",
                           "731_2Lec.mdb,731_2Mod.mdb,731_2Mod.mdb-journal", TextoBilingue(9107, {mod, tablas, megas})})
                  .join(u'|')
                  .toStdString());
}

// A start killed at each step of the keeping aside, on a disk with room for one set of its copies
// but not two (a small memory file system), then the next start: what the killed one left goes
// before the next keeping aside needs the room, also where that start then refuses, so it ends
// as an uninterrupted one does; the scratch folder a running copy holds stays.
TEST_F(Apartado, UnArranqueMuertoEnUnDiscoJustoNoImpideElSiguiente) {
    for (const bool ajeno : {false, true}) {
        SCOPED_TRACE(ajeno ? "a journal not its own" : "its own journal");
        const auto estado = Preparar(ajeno);
        const QByteArray lectura = prueba::Leer(Lec());
        QTemporaryDir punto;
        const QString tablas = punto.path() + "/Tablas/", mod = tablas + "731_2Mod.mdb", diario = mod + "-journal";
        const qint64 copias = estado.first.size() + estado.second.size();
        const QString visto = prueba::EnDiscoPequeno(punto.path(), lectura.size() + 2 * copias + 32 * 1024, [&] {
            if (!QDir().mkpath(tablas) || !prueba::Escribir(tablas + "731_2Lec.mdb", lectura))
                return QString("!the files do not fit");
            EstablecerCarpetaPrograma(punto.path() + "/Cliente");
            EstablecerRutasBD();
            const CarpetaTrabajo enUso(tablas);
            prueba::Escribir(enUso.Ruta("copia.mdb"), "datos");
            const QString esperado = ajeno ? TextoBilingue(9160, mod, diario) : QString();
            QStringList fallos;
            int muertes = 0;
            for (int paso = 1; paso < 500; ++paso) {
                if (!prueba::Escribir(mod, estado.first) || !prueba::Escribir(diario, estado.second))
                    return QString("!the files do not fit");
                auto arrancar = [] {
                    try {
                        ComprobarBasesDatos();
                    } catch (const ErrorArranque&) {}
                };
                if (!MatarEnElPaso(paso, arrancar)) break;
                ++muertes;
                QString texto;
                try {
                    ComprobarBasesDatos();
                } catch (const ErrorArranque& e) {
                    texto = e.Texto();
                }
                const QStringList restos =
                    QDir(tablas).entryList({".oxalde-trabajo-*"}, QDir::AllEntries | QDir::Hidden);
                // Only the running copy's folder and its lock file.
                if (!texto.startsWith(esperado) || texto.isEmpty() != esperado.isEmpty() || restos.size() != 2)
                    fallos << QString("step %1: %2 %3").arg(paso).arg(texto.left(150), restos.join(','));
            }
            return QStringList{QString::number(muertes > 6), fallos.join(u'\n'),
                               QFile::exists(enUso.Ruta("copia.mdb")) ? "held kept" : "held gone"}
                .join(u'|');
        });
        if (visto.startsWith(u'!')) GTEST_SKIP() << visto.mid(1).toStdString();
        EXPECT_EQ(visto.toStdString(), "1||held kept");
    }
}

// A register that differs from its checked copy once rolled back (here damaged right after the
// roll-back) is checked again in full.
TEST_F(Apartado, UnRegistroDistintoDeSuCopiaComprobadaSeVuelveAComprobar) {
    Preparar(false);
    int pasos = 0;
    EstablecerPasoApartado([&] {
        if (++pasos == 5) BdPrueba::DanarTabla(Mod().toStdString(), "T02_COMUNDECLA");
    });
    const ResultadoComprobacion r = ComprobarBaseUsuario(Mod());
    EstablecerPasoApartado({});
    EXPECT_EQ(pasos, 5);
    EXPECT_EQ(int(r.defecto), int(DefectoCopia::Danada)) << r.detalle.toStdString();
}

// A user's database that another tool left in its write-ahead-log mode, with or without the
// "-wal" and "-shm" files of writes not yet merged, in a folder this user may not write: the
// engine would rewrite the file to leave that mode (and keep files it cannot remove) or fail to
// open it. Start-up says so before anything is written, naming the file, and no byte changes.
TEST_F(Inicio, UnaBaseEnModoWalDondeNoSePuedeEscribirSeDiceSinTocarNada) {
    const QString mod = Mod();
    for (const bool conWal : {true, false}) {
        SCOPED_TRACE(conWal ? "with its -wal and -shm" : "alone");
        QDir(Tablas()).removeRecursively();
        PrepararArranque();
        // Another tool's writes, the last of them kept in the -wal file by a process that ended
        // without closing the file.
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            sqlite3* db = nullptr;
            sqlite3_open(QFile::encodeName(mod).constData(), &db);
            const int rc = sqlite3_exec(db, "PRAGMA journal_mode=WAL; UPDATE T00_GENERAL SET T00_ActOnline = -1",
                                        nullptr, nullptr, nullptr);
            if (!conWal) sqlite3_close(db);
            _exit(rc == SQLITE_OK ? 0 : 3);
        }
        int estado = 0;
        ASSERT_EQ(waitpid(pid, &estado, 0), pid);
        ASSERT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0);
        ASSERT_EQ(QFile::exists(mod + "-wal"), conWal);
        const auto antes = Contenidos();
        const QStringList avisos = ArrancarSinEscribirEnTablas();
        ASSERT_EQ(avisos.size(), 3) << avisos.join(" | ").toStdString();
        EXPECT_EQ(avisos[0], QString::number(int(Arranque::Fallo)));
        EXPECT_EQ(avisos[2].toStdString(),
                  (QString::number(vbCritical) + " " + TextoBilingue(9161, mod)).toStdString());
        EXPECT_EQ(Cambiados(antes).join(", ").toStdString(), "");
    }
}

// Another copy of the program in the middle of a save, its journal whole beside the file, met by
// the start-up of a user who may not write that journal: a save held beyond the engine's wait is a
// file in use; one that ends between the journal's read and the look for its lock is over, and
// start-up goes on with it. Neither is a save cut short.
TEST_F(Inicio, UnGuardadoEnCursoEnOtraCopiaNoSeTomaPorCortado) {
    const QString mod = Mod(), diario = mod + "-journal";
    for (const bool terminaTrasLeerElDiario : {false, true}) {
        SCOPED_TRACE(terminaTrasLeerElDiario ? "ending after the journal is read" : "held beyond the wait");
        QDir(Tablas()).removeRecursively();
        PrepararArranque();
        BdPrueba::Ejecutar(mod.toStdString(), "UPDATE T00_GENERAL SET T00_ActOnline = -1");
        GuardadoDetenido guardado(Escritura(mod, kAlta + "'EN CURSO')"));
        ASSERT_TRUE(QFile::exists(diario));
        QFile::setPermissions(diario, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        const QStringList avisos = ArrancarSujetoAModos(terminaTrasLeerElDiario ? guardado.DescriptorSeguir() : -1);
        if (!terminaTrasLeerElDiario) {
            ASSERT_EQ(avisos.size(), 3) << avisos.join(" | ").toStdString();
            EXPECT_EQ(avisos[0], QString::number(int(Arranque::Fallo)));
            EXPECT_EQ(avisos[2].toStdString(),
                      (QString::number(vbCritical) + " " + TextoBilingue(9104, mod)).toStdString());
            continue;
        }
        EXPECT_EQ(avisos, QStringList({QString::number(int(Arranque::Continuar)), QString::number(kDesplEuskera)}));
        EXPECT_FALSE(QFile::exists(diario));
        auto db = dao::DBEngine::Instancia().OpenDatabase(mod.toStdString());
        EXPECT_EQ(
            db->OpenRecordset("SELECT count(*) FROM T01_DECLARANTES WHERE T01_NOMBRE = 'EN CURSO'")->Fields(0).CLng(),
            1);
        db->Close();
    }
}

// A journal that holds nothing to roll back (emptied, or its header cleared as a completed save
// may leave it) never stops the start, even where it could not be rolled back.
TEST_F(Inicio, UnDiarioSinNadaQueDeshacerNoDetieneElArranque) {
    const QString carpetaTablas = QDir::toNativeSeparators(Tablas().chopped(1));
    const struct {
        QString archivo;
        std::string sql;
        bool vacio;  // emptied, or its header cleared
    } casos[] = {{Mod(), kAlta + "'CORTADO')", false}, {Lec(), kFechaMax, true}};
    for (const auto& caso : casos) {
        SCOPED_TRACE((caso.archivo + (caso.vacio ? " emptied" : " header cleared")).toStdString());
        QDir(Tablas()).removeRecursively();
        PrepararArranque();
        BdPrueba::Ejecutar(Mod().toStdString(), "UPDATE T00_GENERAL SET T00_ActOnline = -1");
        MatarAlConfirmar(Escritura(caso.archivo, caso.sql));
        const QString diario = caso.archivo + "-journal";
        QByteArray contenido = prueba::Leer(diario);
        ASSERT_GT(contenido.size(), 28);
        ASSERT_TRUE(
            prueba::Escribir(diario, caso.vacio ? QByteArray() : contenido.replace(0, 28, QByteArray(28, '\0'))));
        const auto antes = Contenidos();
        const QStringList avisos = ArrancarSinEscribirEnTablas();
        // Only warnings: the folder not written (and the file, for a user who does not own it).
        ASSERT_GE(avisos.size(), 3) << avisos.join(" | ").toStdString();
        EXPECT_EQ(avisos[0], QString::number(int(Arranque::Continuar)));
        for (const QString& aviso : avisos.mid(2))
            EXPECT_TRUE(aviso.startsWith(QString::number(vbExclamation) + " ")) << aviso.toStdString();
        EXPECT_TRUE(avisos.last().contains(carpetaTablas)) << avisos.last().toStdString();
        EXPECT_EQ(Cambiados(antes).join(", ").toStdString(), "");
    }
}

// Run only by ArrancarSujetoAModos, in a process of its own: starts the program from the folder it
// is given, chooses Basque in the first run's language window and writes the start-up's result,
// the language offset and every message box shown to the descriptor it is given.
TEST_F(Inicio, DISABLED_ArrancarEnLaCarpetaDada) {
    const char* dada = std::getenv("OXALDE_PRUEBA_CARPETA");
    const char* descriptor = std::getenv("OXALDE_PRUEBA_SALIDA");
    if (!dada || !descriptor) GTEST_SKIP() << "run by ArrancarSujetoAModos";
    if (!prueba::ModosAplican()) {
        const char aviso[] = "file modes do not apply to this process: its cases would prove nothing";
        ASSERT_GT(write(std::atoi(descriptor), aviso, sizeof aviso - 1), 0);
        FAIL() << aviso;
    }
    if (const char* seguir = std::getenv("OXALDE_PRUEBA_SEGUIR")) {
        dao::EstablecerTrasLeerDiario([fd = std::atoi(seguir)](const std::string& ruta) {
            ASSERT_EQ(write(fd, "x", 1), 1);
            close(fd);
            EsperarFinDeGuardado(ruta);
        });
    }
    EstablecerCarpetaPrograma(QString::fromLocal8Bit(dada) + "/Cliente");
    bool elegido = false;
    alModal = [&elegido](QDialog& d) {
        if (auto* idioma = qobject_cast<FrmIdioma*>(&d)) {
            QTest::mouseClick(idioma->cmdeuskera(), Qt::LeftButton);
            elegido = true;
        }
        return d.result();
    };
    const Arranque arranque = Arrancar();
    // The language window comes with the main window's first activation.
    if (arranque == Arranque::Continuar) {
        ASSERT_TRUE(QTest::qWaitFor([&elegido] { return elegido; }));
    }
    QByteArray salida = QByteArray::number(int(arranque)) + '\x1e' + QByteArray::number(DesplIdioma) + '\x1e';
    for (const auto& m : mensajes) salida += QByteArray::number(m.estilo) + " " + m.texto.toUtf8() + '\x1e';
    ASSERT_EQ(write(std::atoi(descriptor), salida.constData(), static_cast<size_t>(salida.size())), salida.size());
    prueba::CerrarPrincipales();
}

TEST_F(Inicio, ArrancaConPresentacionYVentanaPrincipalEnElIdiomaGuardado) {
    PrepararArranque();
    BdPrueba::Ejecutar(Mod().toStdString(), "UPDATE T00_GENERAL SET T00_Idioma = 'E'");
    QString presentacion;
    reloj.alProcesar = [&](prueba::RelojFalso&) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* inicio = qobject_cast<frmInicio*>(w); inicio && w->isVisible())
                presentacion = inicio->lblVersion()->text();
    };
    const qint64 inicio = reloj.ahora;
    ASSERT_EQ(Arrancar(), Arranque::Continuar);
    EXPECT_TRUE(mensajes.empty());
    EXPECT_EQ(presentacion, "Bertsioa/Versión" + VersionPrograma);
    EXPECT_FALSE(VersionPrograma.isEmpty());
    EXPECT_EQ(reloj.ahora - inicio, 3000);
    EXPECT_EQ(RutaTablas, Tablas());
    EXPECT_EQ(DesplIdioma, kDesplEuskera);
    EXPECT_EQ(Principales(), 1);
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->objectName() == "frmInicio" && w->isVisible());
    prueba::CerrarPrincipales();
}

// The check at start: a different version offers the download; a click in the address opens it
// and start-up ends without the main window. The same version shows nothing.
TEST_F(Inicio, ComprobacionAlInicioYClicEnLaDireccionTerminaElArranque) {
    prueba::Servicio servicio;
    PrepararArranque();
    BdPrueba::Ejecutar(Mod().toStdString(), "UPDATE T00_GENERAL SET T00_ActOnline = 1");
    std::vector<QString> navegadas;
    EstablecerNavegador([&](const QUrl& url) {
        navegadas.push_back(url.toString());
        return true;
    });
    alModal = [](QDialog& d) {
        if (auto* v = qobject_cast<FrmVersionCheck*>(&d)) QTest::mouseClick(v->TxtUrl(), Qt::LeftButton);
        return int(QDialog::Accepted);
    };
    EstablecerLectorVersion([](const QString&) { return VersionArchivo{2, 1, 0, 0}; });
    auto Servir = [&](const char* escenario) {
        BdPrueba::Ejecutar((Tablas() + "731_2Lec.mdb").toStdString(),
                           "UPDATE T08_GENERAL SET T08_URLAct = '" + servicio.Direccion(escenario).toStdString() + "'");
    };
    Servir("mismo");
    ASSERT_EQ(Arrancar(), Arranque::Continuar);
    EXPECT_TRUE(modales.empty());
    EXPECT_EQ(Principales(), 1);
    prueba::CerrarPrincipales();

    Servir("distinta");
    EXPECT_EQ(Arrancar(), Arranque::Terminar);
    EXPECT_EQ(modales, std::vector<QString>{"FrmVersionCheck"});
    EXPECT_EQ(navegadas, std::vector<QString>{servicio.Direccion("descarga/Oxalde.exe")});
    EXPECT_EQ(Principales(), 0);
    FrmVersionCheck::SalidaPedida(false);
    EstablecerNavegador({});
}

TEST_F(Programa, PresentacionDeTresSegundosOCuatroConLaComprobacionAlInicio) {
    auto Duracion = [this] {
        frmInicio inicio;
        const qint64 desde = reloj.ahora;
        inicio.Cargar();
        return reloj.ahora - desde;
    };
    for (vb::Integer eleccion : {0, -1}) {
        cActOnline::Instancia().ActOnline(eleccion);
        EXPECT_EQ(Duracion(), 3000) << eleccion;
    }
    cActOnline::Instancia().ActOnline(1);
    bool avisoDuranteLaPausa = false, avisoDespues = false;
    const qint64 desde = reloj.ahora;
    reloj.alProcesar = [&](prueba::RelojFalso& r) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* inicio = qobject_cast<frmInicio*>(w); inicio && inicio->LblAct()->isVisibleTo(inicio))
                (r.ahora - desde <= 1000 ? avisoDuranteLaPausa : avisoDespues) = true;
    };
    EXPECT_EQ(Duracion(), 4000);
    EXPECT_TRUE(avisoDuranteLaPausa);
    EXPECT_FALSE(avisoDespues);

    // A check longer than the pause ends the splash at once.
    int pasos = 0;
    reloj.alProcesar = [&](prueba::RelojFalso& r) {
        if (++pasos == 1) r.ahora += 5000;
    };
    EXPECT_EQ(Duracion(), 5010);
    EXPECT_EQ(pasos, 1);
}

}  // namespace
