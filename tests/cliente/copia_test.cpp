// Backup and restore of the user's database from the utilities menu.
#include <signal.h>
#include <sqlite3.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDirIterator>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <utility>

#include "GarobelLib/cMiscelaneos.h"
#include "cliente/ficheros_prueba.h"
#include "cliente/modos_prueba.h"
#include "cliente/prueba.h"
#include "compartido/cadenas.h"
#include "compartido/mostrar_error.h"
#include "general.h"
#include "principal/aplicacion.h"
#include "principal/cSaveAsRestore.h"
#include "principal/carpeta_trabajo.h"
#include "principal/copia_seguridad.h"
#include "principal/copia_sqlite.h"
#include "principal/textos_defecto.h"

using namespace oxalde;

namespace {

class Copia : public prueba::Principal {
protected:
    QString Copia_() const { return carpeta.path() + "/backups/7312Mod_Bak.mdb"; }
    QString Anterior() const { return RutaTablas + "731_2Mod_Anterior.mdb"; }
    static vb::Long Declarantes(const QString& base) {
        auto db = dao::DBEngine::Instancia().OpenDatabase(base.toStdString());
        const vb::Long n = db->OpenRecordset("SELECT COUNT(*) FROM T01_DECLARANTES")->Fields(0).CLng();
        db->Close();
        return n;
    }
    using Principal::Declarantes;
    // The databases this process still has open after their file was deleted.
    static std::vector<std::string> BasesBorradasAbiertas() {
        namespace fs = std::filesystem;
        std::vector<std::string> borradas;
        for (const auto& fd : fs::directory_iterator("/proc/self/fd")) {
            std::error_code error;
            const std::string destino = fs::read_symlink(fd.path(), error).string();
            if (!error && destino.ends_with(".mdb (deleted)")) borradas.push_back(destino);
        }
        return borradas;
    }
    static void Escribir(const QString& ruta, const QByteArray& bytes) { ASSERT_TRUE(prueba::Escribir(ruta, bytes)); }
    // The component as the utilities menu sets it up, for a backup or a restore.
    static std::shared_ptr<cSaveAsRestore> Componente(bool copia) {
        auto c = std::make_shared<cSaveAsRestore>();
        const QString base = "731_2Mod.mdb", bak = "7312Mod_Bak.mdb";
        c->ArchivoOrigen(copia ? base : bak);
        c->ArchivoDestino(copia ? bak : base);
        c->RutaDestino(copia ? CarpetaCopias() : RutaTablas);
        c->RutaOrigen(copia ? RutaTablas : CarpetaCopias());
        c->Idioma(static_cast<vb::Integer>(DesplIdioma));
        c->BDLectura(RutaBDLectura);
        return c;
    }
    // A save of one more taxpayer killed at its commit: its journal is left beside the database.
    void GuardadoCortado() {
        MatarAlConfirmar([this] { Sql("INSERT INTO T01_DECLARANTES (T01_DNI, T01_NOMBRE) VALUES ('1', 'CORTADO')"); });
        ASSERT_TRUE(QFile::exists(RutaBDModificable + "-journal"));
    }
    // The file opened for writing by the engine, as any tool opens it, from a copy of it (with its
    // journal or log, if `conDiario`, which the engine first reads into it): its check and taxpayers.
    static std::string Abierta(const QString& ruta, bool conDiario) {
        QTemporaryDir dir;
        const QString copia = dir.filePath("copia.mdb");
        for (const QString sufijo : {"", "-journal", "-wal"})
            if (sufijo.isEmpty() || conDiario) QFile::copy(ruta + sufijo, copia + sufijo);
        sqlite3* db = nullptr;
        sqlite3_stmt* st = nullptr;
        sqlite3_open_v2(copia.toLocal8Bit().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_prepare_v2(db,
                           "SELECT (SELECT group_concat(integrity_check) FROM pragma_integrity_check) || '|' || "
                           "count(*) FROM T01_DECLARANTES",
                           -1, &st, nullptr);
        const std::string visto = sqlite3_step(st) == SQLITE_ROW
                                      ? reinterpret_cast<const char*>(sqlite3_column_text(st, 0))
                                      : sqlite3_errmsg(db);
        sqlite3_finalize(st);
        sqlite3_close(db);
        return visto;
    }
    // Every file under the folder, named from it.
    static QStringList Archivos(const QString& carpeta) {
        QStringList archivos;
        for (QDirIterator it(carpeta, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();)
            archivos << it.next().mid(carpeta.size());
        archivos.sort();
        return archivos;
    }
};

TEST_F(Copia, CopiaYRestauracionDevuelvenLosDatos) {
    Declarantes(2);
    MDI7312& v = Abrir();
    v.Entrada("mnuBackup")->trigger();
    EXPECT_TRUE(mensajes.empty());  // no earlier copy: nothing to ask
    EXPECT_EQ(Declarantes(Copia_()), 2);

    Sql("DELETE FROM T01_DECLARANTES WHERE T01_CSCO = 1");
    Declarantes(2);
    RefrescarMenuPrincipal();
    EXPECT_EQ(Foto(v), "mnu=11 bot=11111 imp=0 d=1110");
    respuesta = vbNo;
    v.mnuBackup_Click();
    EXPECT_EQ(mensajes.back().texto + "|" + titulos.back(), LoadResString(345) + "|" + LoadResString(337));
    EXPECT_EQ(Declarantes(Copia_()), 2);

    respuesta = vbYes;
    mensajes.clear();
    v.Entrada("mnuRestore")->trigger();
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_EQ(mensajes[0].texto + "|" + titulos.back(), LoadResString(348) + "|" + LoadResString(338));
    EXPECT_EQ(Valor("SELECT group_concat(T01_CSCO) FROM T01_DECLARANTES").CStr(), "1,2");
    EXPECT_EQ(Declarantes(Anterior()), 3);
    EXPECT_EQ(BasesBorradasAbiertas(), std::vector<std::string>{});  // the scratch copies checked
    // Only the two restored taxpayers are in the menu: the third entry no longer points anywhere.
    EXPECT_EQ(CEntrada::Instancia().NUMDECLA(), 2);
    EXPECT_EQ(Foto(v), "mnu=11 bot=11111 imp=0 d=1100");
    EXPECT_TRUE(v.Reciente(1)->text().startsWith("2 - "));

    Declarantes(1);
    v.mnuBackup_Click();
    EXPECT_EQ(Declarantes(Copia_()), 3);
    EXPECT_FALSE(QFile::exists(Copia_() + ".tmp"));
}

TEST_F(Copia, UnaRestauracionRechazadaNoCambiaNada) {
    Declarantes(2);
    MDI7312& v = Abrir();
    v.mnuBackup_Click();
    Declarantes(1);
    const QByteArray buena = prueba::Leer(Copia_()), antes = prueba::Leer(RutaBDModificable);
    const std::string foto = Foto(v);
    const QString archivo = QDir::toNativeSeparators(Copia_());
    std::unique_ptr<CerrojoEscritura> cerrojo;
    std::optional<CapaSinEsperas> sinEsperas;  // the lock met at once, after the engine's tries
    const struct {
        const char* caso;
        std::function<void()> preparar;
        QString motivo;  // how the refusal begins
    } casos[] = {
        {"no confirmada", [this] { respuesta = vbNo; }, {}},
        {"sin copia", [this] { respuesta = vbYes, QFile::remove(Copia_()); }, "No se encuentra la copia"},
        {"texto", [this] { Escribir(Copia_(), "esto no es una base de datos"); }, "El archivo"},
        {"cortada", [&] { Escribir(Copia_(), buena.left(buena.size() / 2)); }, "La copia de seguridad"},
        {"ajena", [this] {
             QFile::remove(Copia_());
             dao::CrearBaseDesdeSql(Copia_().toStdString(), "CREATE TABLE CLIENTES (ID INTEGER);");
         }, "El archivo"},
        // Every table there, one column the program reads missing: every start would fail.
        {"sin columna", [&] {
             Escribir(Copia_(), buena);
             BdPrueba::Ejecutar(Copia_().toStdString(), "ALTER TABLE T01_DECLARANTES DROP COLUMN T01_NOMBRE");
         }, "El archivo"},
        // A column of its own that no save fills: every save would fail.
        {"columna obligatoria", [&] {
             Escribir(Copia_(), buena);
             BdPrueba::AnadirColumnaObligatoria(Copia_().toStdString(), "T01_DECLARANTES");
         }, "El archivo"},
        // Another program writing the copy: in use, not damaged.
        {"en uso", [&] {
             Escribir(Copia_(), buena);
             sinEsperas.emplace();
             EstablecerEsperaCopiaMs(1);
             cerrojo = std::make_unique<CerrojoEscritura>(Copia_().toStdString());
         }, LoadResString(9105).arg(archivo)},
        // A write to the copy killed at its commit: the journal beside it says the copy is not
        // what it holds; it is not damaged either.
        {"a medio escribir", [&] {
             Escribir(Copia_(), buena);
             MatarAlConfirmar([this] { BdPrueba::Ejecutar(Copia_().toStdString(), "DELETE FROM T01_DECLARANTES"); });
         }, QString("La copia de seguridad \"%1\" quedó a medias de una escritura").arg(archivo)},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.caso);
        caso.preparar();
        mensajes.clear();
        titulos.clear();
        EXPECT_FALSE(RestaurarCopiaSeguridad(v));
        cerrojo.reset();
        sinEsperas.reset();
        EstablecerEsperaCopiaMs(0);
        if (respuesta == vbYes) {  // the question, then why nothing was done
            ASSERT_EQ(mensajes.size(), 2u);
            EXPECT_EQ(mensajes[1].estilo & vbCritical, vbCritical);
            EXPECT_EQ(titulos[1], LoadResString(338));
            EXPECT_TRUE(mensajes[1].texto.startsWith(caso.motivo)) << mensajes[1].texto.toStdString();
            EXPECT_TRUE(mensajes[1].texto.contains(archivo));
        }
        EXPECT_EQ(prueba::Leer(RutaBDModificable), antes);
        EXPECT_FALSE(QFile::exists(Anterior()));
        EXPECT_EQ(Foto(v), foto);
        EXPECT_EQ(v.windowTitle(), "I.V.A. - Declaraciones no periódicas");
    }
}

// Every write commits durably before its call returns: the journal's deletion, which is the
// commit, comes with a sync of the folder, so a power cut cannot bring the journal back and undo
// a save reported as done. The library's connection, the upgrade's and the restore's install.
TEST_F(Copia, CadaEscrituraEsDuraderaAlVolverLaLlamada) {
    brunsel::ConexionDAO().InicializaBD(bd.Mod());
    EXPECT_EQ(brunsel::ConexionDAO().openRecordset("PRAGMA synchronous")->Fields(0).CLng(), 3);  // EXTRA
    brunsel::ConexionDAO().Cerrar();
    MDI7312& v = Abrir();
    v.mnuBackup_Click();
    std::vector<int> sincronizadas;
    CapaAlBorrar capa([&](const std::string& nombre, int sincronizar) {
        if (nombre.ends_with("-journal")) sincronizadas.push_back(sincronizar);
    });
    brunsel::ConexionDAO().Soltar();  // the library's next call opens the file anew, on this layer
    const std::pair<const char*, std::function<void()>> pasos[] = {
        {"a save through the library", [] { CEntrada::Instancia().IDI("E"); }},
        {"the upgrade", [&] {
             QFile::remove(RutaBDModificable);
             dao::CrearBaseDesdeSql(bd.Mod(), LeerTexto(std::string(OXALDE_DIR_FIXTURAS) + "/mod_sin_cc.sql"));
             sincronizadas.clear();
             Traspaso();
         }},
        {"the restore", [&] {
             respuesta = vbYes;
             EXPECT_TRUE(RestaurarCopiaSeguridad(v));
         }},
    };
    for (const auto& [paso, hacer] : pasos) {
        SCOPED_TRACE(paso);
        sincronizadas.clear();
        hacer();
        EXPECT_FALSE(sincronizadas.empty());
        EXPECT_EQ(std::count(sincronizadas.begin(), sincronizadas.end(), 0), 0);
    }
}

// No scratch folder can be made beside the database (its folder cannot be written): nothing is
// read or replaced, and the box says the restore failed and why, naming the folder.
TEST_F(Copia, SinCarpetaDeTrabajoNoSeRestauraNada) {
    MDI7312& v = Abrir();
    v.mnuBackup_Click();
    const QByteArray antes = prueba::Leer(RutaBDModificable);
    const QString tablas = QString::fromStdString(bd.Dir());
    const auto permisos = QFile::permissions(tablas);
    QFile::setPermissions(tablas, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const QString visto = prueba::SinSaltarPermisos([this] {
        const bool restaurada = Componente(false)->CrearRestore();
        return QString::number(restaurada) + "|" + mensajes.back().texto;
    });
    QFile::setPermissions(tablas, permisos);
    EXPECT_EQ(visto, "0|" + LoadResString(9159) + "\n" + LoadResString(9151).arg(QDir::toNativeSeparators(tablas)));
    EXPECT_EQ(prueba::Leer(RutaBDModificable), antes);
    EXPECT_FALSE(QFile::exists(Anterior()));
}

// Another program rewriting the backup while the restore checks it: what is installed is the copy
// that was checked, whole, never the bytes the file holds afterwards.
TEST_F(Copia, SeInstalaLaCopiaComprobadaAunqueElArchivoCambieDespues) {
    Declarantes(3);
    MDI7312& v = Abrir();
    v.mnuBackup_Click();
    Sql("DELETE FROM T01_DECLARANTES");
    // The upgrade on the checked copy asks the outside component for the accounts: by then the
    // backup file has been read, and is damaged under the restore's feet.
    bool danada = false;
    com::RegistroTemporal componente("GarobelLib.cMiscelaneos", [&] {
        if (!std::exchange(danada, true)) BdPrueba::DanarTabla(Copia_().toStdString(), "T01_DECLARANTES");
        return std::make_shared<GarobelLib::cMiscelaneos>();
    });
    EXPECT_TRUE(RestaurarCopiaSeguridad(v));
    EXPECT_TRUE(danada);
    EXPECT_EQ(Valor("SELECT integrity_check FROM pragma_integrity_check").CStr(), "ok");
    EXPECT_EQ(Declarantes(RutaBDModificable), 3);
    EXPECT_EQ(CEntrada::Instancia().NUMDECLA(), 3);
}

// A save killed at its commit left its journal beside the database: the backup holds the last
// completed save, rolled back first as start-up does.
TEST_F(Copia, UnaCopiaConUnGuardadoCortadoAlLadoGuardaElUltimoTerminado) {
    Declarantes(2);
    MDI7312& v = Abrir();
    GuardadoCortado();
    v.mnuBackup_Click();
    EXPECT_TRUE(mensajes.empty()) << (mensajes.empty() ? "" : mensajes[0].texto.toStdString());
    EXPECT_FALSE(QFile::exists(RutaBDModificable + "-journal"));
    EXPECT_EQ(Declarantes(Copia_()), 2);
    EXPECT_EQ(Declarantes(RutaBDModificable), 2);
}

// A journal beside the database whose roll-back fails the check, met by a backup and by a
// restore: one not its own (a copy copied over it by hand beside the journal of a save cut short on
// the file it replaced), or its own beside a damaged database. Each is refused saying which (the
// latter never hinting that the journal came from elsewhere), naming both files; no byte of the
// database, the journal or the earlier backup changes, and the restore keeps no "_Anterior" copy.
TEST_F(Copia, UnDiarioQueNoEsDeLaBaseSeDiceAlCopiarYAlRestaurarSinCambiarNada) {
    const QByteArray pequena = prueba::Leer(RutaBDModificable);
    Sql("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300) "
        "INSERT INTO T01_DECLARANTES (T01_DNI, T01_NOMBRE) SELECT '12345678Z', 'COPIA ' || i FROM n");
    Componente(true)->CrearBackup();
    const QByteArray copia = prueba::Leer(Copia_()), aMano = prueba::Leer(RutaBDModificable);
    const QString diario = RutaBDModificable + "-journal";
    respuesta = vbYes;
    for (const bool danada : {false, true}) {
        SCOPED_TRACE(danada ? "damaged, its own journal" : "a journal not its own");
        brunsel::ConexionDAO().Soltar();
        QFile::remove(diario);
        Escribir(RutaBDModificable, danada ? aMano : pequena);
        if (danada) BdPrueba::DanarTabla(RutaBDModificable.toStdString(), "T02_COMUNDECLA");
        MatarAlConfirmar([this] { Sql("UPDATE T00_GENERAL SET T00_Idioma = 'E'"); });
        const QByteArray ajeno = prueba::Leer(diario);
        if (!danada) Escribir(RutaBDModificable, aMano);
        const QByteArray base = prueba::Leer(RutaBDModificable);
        const QString motivo = LoadResString(danada ? 9195 : 9108)
                                   .arg(QDir::toNativeSeparators(RutaBDModificable), QDir::toNativeSeparators(diario));
        for (const bool restaurar : {false, true}) {
            SCOPED_TRACE(restaurar ? "restore" : "backup");
            mensajes.clear();
            titulos.clear();
            if (restaurar)
                EXPECT_FALSE(Componente(false)->CrearRestore());
            else
                Componente(true)->CrearBackup();
            ASSERT_EQ(mensajes.size(), 2u);  // the question, then why
            EXPECT_EQ(mensajes[1].texto.toStdString(),
                      (LoadResString(restaurar ? 9159 : 346) + "\n" + motivo).toStdString());
            EXPECT_EQ(titulos[1], LoadResString(restaurar ? 338 : 347));
            EXPECT_EQ(prueba::Leer(RutaBDModificable), base);
            EXPECT_EQ(prueba::Leer(diario), ajeno);
            EXPECT_EQ(prueba::Leer(Copia_()), copia);
            EXPECT_FALSE(QFile::exists(Anterior()));
            EXPECT_EQ(Archivos(RutaTablas), QStringList({"731_2Lec.mdb", "731_2Mod.mdb", "731_2Mod.mdb-journal"}));
        }
    }
}

// The earlier backup, and the "_Anterior" copy a restore replaces, with the journal of another
// tool's write into it cut short beside it: the new file takes its place whole, and any tool that
// opens it for writing finds it so. Killed at each step of the replacement, it leaves the earlier
// file whole with its journal, the earlier file rolled back, or the new file alone, never the new
// file beside the earlier one's journal; the next backup or restore then ends as an unbroken one.
TEST_F(Copia, UnArchivoSustituidoSeVaConSuDiario) {
    Sql("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300) "
        "INSERT INTO T01_DECLARANTES (T01_DNI, T01_NOMBRE) SELECT '12345678Z', 'COPIA ' || i FROM n");
    Componente(true)->CrearBackup();
    const QByteArray grande = prueba::Leer(Copia_());
    Sql("DELETE FROM T01_DECLARANTES WHERE T01_CSCO > 2");
    const std::string vieja = "ok|300", nueva = "ok|2";
    respuesta = vbYes;
    int pasos = 1000;  // the restore: the backup's steps, those of its replacement (its install is cut elsewhere)
    for (const bool copia : {true, false}) {
        const QString archivo = copia ? Copia_() : Anterior(), diario = archivo + "-journal";
        SCOPED_TRACE(archivo.toStdString());
        Escribir(archivo, grande);
        MatarAlConfirmar([&] { BdPrueba::Ejecutar(archivo.toStdString(), "DELETE FROM T01_DECLARANTES"); });
        const QByteArray antes = prueba::Leer(archivo), antesDiario = prueba::Leer(diario);
        mensajes.clear();
        copia ? Componente(true)->CrearBackup() : void(Componente(false)->CrearRestore());
        EXPECT_EQ(mensajes.size(), 1u);  // the question only
        EXPECT_EQ(Abierta(archivo, true), nueva);
        const QStringList archivos = Archivos(QFileInfo(archivo).path());
        EXPECT_FALSE(archivos.contains("/" + QFileInfo(diario).fileName()));
        int paso = 1;
        for (; paso < pasos; ++paso) {
            Escribir(archivo, antes);
            Escribir(diario, antesDiario);
            brunsel::ConexionDAO().Soltar();
            if (fork() == 0) {
                std::optional<CapaMortal> capa;
                EstablecerPasoReemplazo([&] {
                    if (!capa) capa.emplace(paso);
                    CapaMortal::Paso();
                });
                copia ? Componente(true)->CrearBackup() : void(Componente(false)->CrearRestore());
                _exit(0);
            }
            int estado = 0;
            wait(&estado);
            if (!WIFSIGNALED(estado)) break;
            const std::string entera = Abierta(archivo, true);
            EXPECT_TRUE(entera == vieja || entera == nueva) << paso << ": " << entera;
            EXPECT_FALSE(QFile::exists(diario) && Abierta(archivo, false) == nueva) << paso;
            copia ? Componente(true)->CrearBackup() : void(Componente(false)->CrearRestore());
            EXPECT_EQ(Abierta(archivo, true), nueva) << paso;
            EXPECT_EQ(Archivos(QFileInfo(archivo).path()), archivos) << paso;
        }
        EXPECT_GT(paso, 5);  // each step of the replacement, and the engine's roll-back, were cut
        pasos = paso;
    }
    // The earlier backup in the write-ahead-log mode of another tool, killed with its log beside it.
    Escribir(Copia_(), grande);
    if (fork() == 0) {
        sqlite3* db = nullptr;
        sqlite3_open(Copia_().toLocal8Bit().constData(), &db);
        sqlite3_exec(db, "PRAGMA journal_mode=WAL; DELETE FROM T01_DECLARANTES", nullptr, nullptr, nullptr);
        raise(SIGKILL);
    }
    wait(nullptr);
    ASSERT_TRUE(QFile::exists(Copia_() + "-wal"));
    Componente(true)->CrearBackup();
    EXPECT_EQ(Abierta(Copia_(), true), nueva);
    EXPECT_EQ(Archivos(CarpetaCopias()), QStringList{"7312Mod_Bak.mdb"});
    // Another program in the middle of a write into it: in use, naming it, and nothing changes.
    GuardadoDetenido escritura([this] { BdPrueba::Ejecutar(Copia_().toStdString(), "DELETE FROM T01_DECLARANTES"); });
    const QByteArray antes = prueba::Leer(Copia_());
    CapaSinEsperas sinEsperas;
    Componente(true)->CrearBackup();
    EXPECT_EQ(mensajes.back().texto,
              LoadResString(346) + "\n" + LoadResString(9105).arg(QDir::toNativeSeparators(Copia_())));
    EXPECT_EQ(prueba::Leer(Copia_()), antes);
    escritura.Seguir();
}

// A database damaged on the disk (a table's page overwritten): the engine copies its pages as they
// are, so the new backup fails the check and the earlier one stays byte for byte; the message
// names the database.
TEST_F(Copia, UnaBaseDanadaNoSustituyeALaCopiaAnterior) {
    Declarantes(2);
    Componente(true)->CrearBackup();
    const QByteArray copia = prueba::Leer(Copia_());
    brunsel::ConexionDAO().Soltar();
    BdPrueba::DanarTabla(RutaBDModificable.toStdString(), "T01_DECLARANTES");
    respuesta = vbYes;
    Componente(true)->CrearBackup();
    ASSERT_EQ(mensajes.size(), 2u);
    EXPECT_EQ(mensajes[1].texto.toStdString(),
              (LoadResString(346) + "\n" + LoadResString(9109).arg(QDir::toNativeSeparators(RutaBDModificable)))
                  .toStdString());
    EXPECT_EQ(prueba::Leer(Copia_()), copia);
    EXPECT_EQ(Archivos(CarpetaCopias()), QStringList{"7312Mod_Bak.mdb"});
}

// Where the user may not write the database, its folder or the journal, the save cut short cannot
// be rolled back: the backup is refused in the user's words, naming what needs the permission (the
// journal alone, where the file and its folder may be written), and no byte of either file changes.
TEST_F(Copia, UnaCopiaConUnGuardadoCortadoQueNoSePuedeDeshacerSeRechazaSinCambiarNada) {
    Declarantes(2);
    GuardadoCortado();
    const QString diario = RutaBDModificable + "-journal", tablas = QString::fromStdString(bd.Dir());
    const QString nativo = QDir::toNativeSeparators(RutaBDModificable);
    const QByteArray antes = prueba::Leer(RutaBDModificable), antesDiario = prueba::Leer(diario);
    const auto lectura = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    const auto carpetas = lectura | QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
    const struct {
        const char* caso;
        QString ruta;
        QFileDevice::Permissions permisos;
        QString texto;
    } casos[] = {{"read-only folder", tablas, carpetas, LoadResString(9150).arg(nativo)},
                 {"read-only file", RutaBDModificable, lectura, LoadResString(9150).arg(nativo)},
                 {"read-only journal", diario, lectura, LoadResString(9204).arg(nativo, nativo + "-journal")}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.caso);
        const auto permisos = QFile::permissions(caso.ruta);
        QFile::setPermissions(caso.ruta, caso.permisos);
        const QString visto = prueba::SinSaltarPermisos([this] {
            Componente(true)->CrearBackup();
            QString s;
            for (const auto& m : mensajes) s += QString::number(m.estilo) + " " + m.texto + "|";
            return s;
        });
        QFile::setPermissions(caso.ruta, permisos);
        EXPECT_EQ(visto.toStdString(),
                  (QString::number(vbCritical) + " " + LoadResString(346) + "\n" + caso.texto + "|").toStdString());
        EXPECT_EQ(prueba::Leer(RutaBDModificable), antes);
        EXPECT_EQ(prueba::Leer(diario), antesDiario);
        EXPECT_FALSE(QFile::exists(Copia_()));
        EXPECT_EQ(Archivos(CarpetaCopias()), QStringList{});
    }
}

// A full disk met while writing the backup, or the scratch copies of a restore: the program's own
// disk-full message, naming the file, and nothing left behind (no new file, no journal). A lock
// is said in the program's words too.
TEST_F(Copia, UnDiscoLlenoSeDiceNombrandoElArchivoYNoDejaNada) {
    Declarantes(2);
    MDI7312& v = Abrir();
    v.mnuBackup_Click();
    const QByteArray copia = prueba::Leer(Copia_()), base = prueba::Leer(RutaBDModificable);
    const QStringList tablas = Archivos(RutaTablas), copias = Archivos(CarpetaCopias());
    CapaSinEsperas capa;
    brunsel::ConexionDAO().Soltar();
    for (const bool restaurar : {false, true}) {
        SCOPED_TRACE(restaurar ? "restore" : "backup");
        mensajes.clear();
        titulos.clear();
        CapaSinEsperas::lleno = true;
        if (restaurar)
            EXPECT_FALSE(RestaurarCopiaSeguridad(v));
        else
            v.mnuBackup_Click();
        CapaSinEsperas::lleno = false;
        ASSERT_EQ(mensajes.size(), 2u);  // the question, then why
        const QString archivo = QDir::toNativeSeparators(restaurar ? RutaBDModificable : Copia_());
        EXPECT_EQ(mensajes[1].texto, LoadResString(restaurar ? 9159 : 346) + "\n" + LoadResString(9190).arg(archivo));
        EXPECT_EQ(titulos[1], LoadResString(restaurar ? 338 : 347));
        EXPECT_EQ(prueba::Leer(Copia_()), copia);
        EXPECT_EQ(prueba::Leer(RutaBDModificable), base);
        EXPECT_EQ(Archivos(RutaTablas), tablas);
        EXPECT_EQ(Archivos(CarpetaCopias()), copias);
    }
    // Another program keeping the database locked: said as such, naming it.
    {
        CerrojoEscritura cerrojo(RutaBDModificable.toStdString());
        v.mnuBackup_Click();
    }
    EXPECT_EQ(mensajes.back().texto,
              LoadResString(346) + "\n" + LoadResString(9105).arg(QDir::toNativeSeparators(RutaBDModificable)));
    // In Basque too.
    DesplIdioma = kDesplEuskera;
    CapaSinEsperas::lleno = true;
    v.mnuBackup_Click();
    CapaSinEsperas::lleno = false;
    EXPECT_EQ(mensajes.back().texto,
              LoadResString(10346) + "\n" + LoadResString(19190).arg(QDir::toNativeSeparators(Copia_())));
}

// A backup and a restore killed (SIGKILL, a real child process) at each of their commits in turn,
// each followed by a start: no copy of the user's data is left anywhere, neither in the temporary
// folder nor beside the files.
TEST_F(Copia, UnaCopiaOUnaRestauracionMuertaNoDejaCopiasTrasArrancar) {
    PrepararArranque();
    EstablecerRutasBD();
    QTemporaryDir temporal;  // the copy's temporary folder
    const QStringList quedan{"/Cliente/backups/7312Mod_Bak.mdb", "/Tablas/731_2Lec.mdb", "/Tablas/731_2Mod.mdb",
                             "/Tablas/731_2Mod_Anterior.mdb"};
    int commit = 1;
    for (;; ++commit) {
        SCOPED_TRACE("killed at commit " + std::to_string(commit));
        brunsel::ConexionDAO().Soltar();
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            setenv("TMPDIR", temporal.path().toLocal8Bit().constData(), 1);
            int borrados = 0;
            CapaAlBorrar capa([&](const std::string& nombre, int) {
                if (nombre.ends_with("-journal") && ++borrados == commit) raise(SIGKILL);
            });
            Componente(true)->CrearBackup();
            Componente(false)->CrearRestore();
            _exit(0);
        }
        int estado = 0;
        waitpid(pid, &estado, 0);
        if (!WIFSIGNALED(estado)) break;
        ASSERT_EQ(Arrancar(), Arranque::Continuar);
        prueba::CerrarPrincipales();
        QStringList archivos = Archivos(carpeta.path());
        archivos.removeIf([&](const QString& a) { return quedan.contains(a); });
        EXPECT_EQ(archivos, QStringList{});
        EXPECT_EQ(QDir(temporal.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  QStringList{});
    }
    EXPECT_GT(commit, 4);  // the backup, the scratch copies, their upgrade and the install were all cut
    // What a running copy of the program holds is left alone.
    {
        const CarpetaTrabajo enUso(RutaTablas);
        ASSERT_TRUE(prueba::Escribir(enUso.Ruta("copia.mdb"), "datos"));
        BorrarRestosDeTrabajo({RutaTablas});
        EXPECT_TRUE(QFile::exists(enUso.Ruta("copia.mdb")));
    }
    EXPECT_EQ(QDir(RutaTablas).entryList({".oxalde*"}, QDir::AllEntries | QDir::Hidden), QStringList{});
}

// Whatever else stands under a scratch folder's name goes as a name only: a link is never followed
// into the user's files it points to.
TEST_F(Copia, UnEnlaceConNombreDeCarpetaDeTrabajoSeBorraSinSeguirlo) {
    QTemporaryDir ajena;
    ASSERT_TRUE(prueba::Escribir(ajena.filePath("documento.txt"), "del usuario"));
    for (const QString nombre : {".oxalde-trabajo-enlace", ".oxalde-trabajo-archivo"}) {
        const QString ruta = RutaTablas + nombre;
        if (nombre.endsWith("enlace"))
            ASSERT_TRUE(QFile::link(ajena.path(), ruta));
        else
            ASSERT_TRUE(prueba::Escribir(ruta, "x"));
    }
    BorrarRestosDeTrabajo({RutaTablas});
    EXPECT_EQ(prueba::Leer(ajena.filePath("documento.txt")), "del usuario");
    EXPECT_EQ(QDir(RutaTablas).entryList({".oxalde*"}, QDir::AllEntries | QDir::Hidden | QDir::System), QStringList{});
}

// A pipe or a socket under a scratch folder's lock name (which no copy of the program makes) is
// never opened: it holds nothing, and goes as a name, with the folder beside it.
TEST_F(Copia, UnCerrojoQueNoEsUnArchivoNoSeAbreYSeBorraComoNombre) {
    const prueba::Plazo plazo(20);
    using Crear = bool (*)(const QString&);
    for (const auto& [caso, crear] :
         {std::pair<const char*, Crear>{"a pipe", prueba::Tuberia}, {"a socket", prueba::Socket}}) {
        SCOPED_TRACE(caso);
        const QString carpetaTrabajo = RutaTablas + ".oxalde-trabajo-raro";
        ASSERT_TRUE(QDir().mkpath(carpetaTrabajo));
        Escribir(carpetaTrabajo + "/copia.mdb", "resto");
        ASSERT_TRUE(crear(carpetaTrabajo + ".lock"));
        BorrarRestosDeTrabajo({RutaTablas});
        EXPECT_EQ(QDir(RutaTablas).entryList({".oxalde*"}, QDir::AllEntries | QDir::Hidden | QDir::System),
                  QStringList{});
    }
}

// A copy killed between making its lock file and writing it leaves the file empty, with no
// folder: it goes once it is old enough that no copy can still be about to lock and write it. A
// younger one stays, as does one a running copy holds locked.
TEST_F(Copia, UnCerrojoVacioSeBorraCuandoEsViejo) {
    const struct {
        const char* caso;
        int segundos;
        bool bloqueado;
        bool queda;
    } casos[] = {{"an hour old", 3600, false, false},
                 {"just made", 0, false, true},
                 {"a minute old", 60, false, true},
                 {"just under ten minutes old", 590, false, true},
                 {"just over ten minutes old", 610, false, false},
                 {"an hour old, locked", 3600, true, true}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.caso);
        const QString cerrojo = RutaTablas + ".oxalde-trabajo-vacio.lock";
        Escribir(cerrojo, "");
        QFile archivo(cerrojo);
        ASSERT_TRUE(archivo.open(QIODevice::ReadWrite));
        ASSERT_TRUE(archivo.setFileTime(QDateTime::currentDateTime().addSecs(-caso.segundos),
                                        QFileDevice::FileModificationTime));
        if (caso.bloqueado) {
            ASSERT_EQ(flock(archivo.handle(), LOCK_EX | LOCK_NB), 0);
        }
        BorrarRestosDeTrabajo({RutaTablas});
        archivo.close();
        EXPECT_EQ(QFile::exists(cerrojo), caso.queda);
        QFile::remove(cerrojo);
    }
}

// A folder on a disk that is really full (a small memory file system): the scratch folder's lock
// cannot be written, and the user is told the disk is full, not to look at permissions.
TEST_F(Copia, UnDiscoLlenoDeVerdadAlHacerLaCarpetaDeTrabajoSeDiceLleno) {
    prueba::DiscoPequeno disco;
    if (!disco.Motivo().empty()) GTEST_SKIP() << "no memory file system can be mounted here: " << disco.Motivo();
    ASSERT_TRUE(disco.Llenar("lleno"));
    try {
        CarpetaTrabajo carpeta(disco.Ruta());
        ADD_FAILURE() << "a scratch folder was made on a full disk";
    } catch (const vb::Error& e) {
        EXPECT_EQ(TextosDe(DefectoDeFallo(e)).alCopiar, kIdMsgDiscoLleno);
        EXPECT_EQ(QString::fromStdString(e.Archivo()), QDir::cleanPath(disco.Ruta()));
    }
    EXPECT_EQ(QDir(disco.Ruta()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"lleno"});
}

// What the earlier copy code left when cut short ("<file>.tmp" and its journal beside the backup
// and the "_Anterior" copy) goes at the next start, backup and restore; a link under such a name
// goes as a name only, and no other file is touched.
TEST_F(Copia, LosRestosDeLaVersionAnteriorSeBorranAlArrancarCopiarYRestaurar) {
    PrepararArranque();
    EstablecerRutasBD();
    QDir().mkpath(CarpetaCopias());
    const QString copia = CarpetaCopias() + "7312Mod_Bak.mdb", ajeno = carpeta.path() + "/ajeno.mdb";
    const QStringList restos{Anterior() + ".tmp", Anterior() + ".tmp-journal", copia + ".tmp", copia + ".tmp-journal"};
    const QStringList otros{ajeno, RutaBDModificable + ".tmp", copia + ".tmp-wal", RutaTablas + "otro.mdb.tmp"};
    respuesta = vbNo;
    for (const char* cuando : {"start", "backup", "restore"}) {
        SCOPED_TRACE(cuando);
        for (const QString& resto : restos) Escribir(resto, "resto");
        for (const QString& otro : otros) Escribir(otro, "ajeno");
        QFile::remove(copia + ".tmp");
        ASSERT_TRUE(QFile::link(ajeno, copia + ".tmp"));
        if (cuando == std::string("start")) {
            ASSERT_EQ(Arrancar(), Arranque::Continuar);
            prueba::CerrarPrincipales();
        } else if (cuando == std::string("backup")) {
            Componente(true)->CrearBackup();
        } else {
            Componente(false)->CrearRestore();
        }
        for (const QString& resto : restos)
            EXPECT_FALSE(QFileInfo(resto).exists() || QFileInfo(resto).isSymLink()) << resto.toStdString();
        for (const QString& otro : otros) EXPECT_EQ(prueba::Leer(otro), "ajeno") << otro.toStdString();
    }
}

// A backup the user may not read (its own mode, or a folder that cannot be passed through) is
// said to be out of reach for want of leave to read, naming it: neither damaged nor missing.
TEST_F(Copia, UnaCopiaQueNoSePuedeLeerSeDiceSinAcceso) {
    Declarantes(2);
    Componente(true)->CrearBackup();
    const QByteArray antes = prueba::Leer(RutaBDModificable);
    for (const QString& ruta : {Copia_(), QFileInfo(Copia_()).path()}) {
        SCOPED_TRACE(ruta.toStdString());
        const auto permisos = QFile::permissions(ruta);
        QFile::setPermissions(ruta, {});
        const QString visto = prueba::SinSaltarPermisos([this] {
            Componente(false)->CrearRestore();
            return mensajes.back().texto;
        });
        QFile::setPermissions(ruta, permisos);
        EXPECT_EQ(
            visto.toStdString(),
            (LoadResString(9159) + "\n" + LoadResString(9178).arg(QDir::toNativeSeparators(Copia_()))).toStdString());
        EXPECT_EQ(prueba::Leer(RutaBDModificable), antes);
    }
}

// The reference database, which the copy's upgrade reads, locked by another program during a
// restore: in use, naming it, not the user's database.
TEST_F(Copia, UnaBaseDeLecturaEnUsoAlRestaurarSeNombraAElla) {
    Componente(true)->CrearBackup();
    const QByteArray antes = prueba::Leer(RutaBDModificable);
    CapaSinEsperas capa;
    brunsel::ConexionDAO().Soltar();
    {
        CerrojoEscritura cerrojo(RutaBDLectura.toStdString());
        EXPECT_FALSE(Componente(false)->CrearRestore());
    }
    ASSERT_EQ(mensajes.size(), 2u);
    EXPECT_EQ(
        mensajes[1].texto.toStdString(),
        (LoadResString(9159) + "\n" + LoadResString(9105).arg(QDir::toNativeSeparators(RutaBDLectura))).toStdString());
    EXPECT_EQ(prueba::Leer(RutaBDModificable), antes);
}

TEST_F(Copia, RestaurarEnElOtroIdiomaCambiaLosTitulos) {
    Sql("UPDATE T00_GENERAL SET T00_Idioma = 'E'");
    MDI7312& v = Abrir();
    v.mnuBackup_Click();
    Sql("UPDATE T00_GENERAL SET T00_Idioma = 'C'");
    ASSERT_EQ(DesplIdioma, 0);
    EXPECT_TRUE(RestaurarCopiaSeguridad(v));
    EXPECT_EQ(CEntrada::Instancia().IDI(), "E");
    EXPECT_EQ(v.windowTitle(), LoadResString(10155));
    EXPECT_EQ(v.Entrada("mnuDeclarante")->text(), LoadResString(10101));
    EXPECT_EQ(v.Boton(1)->toolTip(), LoadResString(10113));
}

TEST_F(Copia, UnaCopiaDeUnaVersionAnteriorSeActualizaAlRestaurar) {
    MDI7312& v = Abrir();
    QDir().mkpath(CarpetaCopias());
    dao::CrearBaseDesdeSql(Copia_().toStdString(), LeerTexto(std::string(OXALDE_DIR_FIXTURAS) + "/mod_sin_cc.sql"));
    EXPECT_TRUE(RestaurarCopiaSeguridad(v));
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM pragma_table_info('T03_731DECLA') WHERE name = 'T03_CC'").CLng(), 1);
}

}  // namespace
