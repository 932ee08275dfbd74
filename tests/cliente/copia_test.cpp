// Backup and restore of the user's database from the utilities menu.

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <utility>

#include "GarobelLib/cMiscelaneos.h"
#include "cliente/ficheros_prueba.h"
#include "cliente/prueba.h"
#include "general.h"
#include "principal/cSaveAsRestore.h"
#include "principal/copia_seguridad.h"
#include "principal/copia_sqlite.h"

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

// No scratch folder can be made: nothing is read or replaced, and the box says the restore failed
// (not that the backup is missing).
TEST_F(Copia, SinCarpetaTemporalNoSeRestauraNada) {
    MDI7312& v = Abrir();
    v.mnuBackup_Click();
    const QByteArray antes = prueba::Leer(RutaBDModificable);
    // The folder for temporary files is a file: no folder can be made in it.
    const QString fichero = carpeta.filePath("no_es_carpeta");
    Escribir(fichero, "x");
    const bool habia = qEnvironmentVariableIsSet("TMPDIR");
    const QByteArray tmpdir = qgetenv("TMPDIR");
    qputenv("TMPDIR", fichero.toLocal8Bit());
    respuesta = vbYes;
    mensajes.clear();
    const bool restaurada = RestaurarCopiaSeguridad(v);
    habia ? qputenv("TMPDIR", tmpdir) : qunsetenv("TMPDIR");
    EXPECT_FALSE(restaurada);
    ASSERT_EQ(mensajes.size(), 2u);
    EXPECT_TRUE(mensajes[1].texto.startsWith("No se ha podido restaurar")) << mensajes[1].texto.toStdString();
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
