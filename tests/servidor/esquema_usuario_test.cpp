// What a file must hold to stand for the user's database.
#include <sqlite3.h>

#include <filesystem>
#include <fstream>

#include "servidor/utiles_prueba.h"
#include "servicios/esquema_usuario.h"

namespace {

using brunsel::FaltasBaseLectura;
using brunsel::FaltasBaseUsuario;
using brunsel::Traspasado;
using Faltas = std::vector<std::string>;

class EsquemaUsuario : public prueba::ConBase {
protected:
    Faltas Antes() { return FaltasBaseUsuario(bd.Mod(), Traspasado::No); }
    Faltas Despues() { return FaltasBaseUsuario(bd.Mod(), Traspasado::Si); }
    void Reemplazar(const std::string& contenido) {
        std::ofstream(bd.Mod(), std::ios::binary | std::ios::trunc) << contenido;
    }
};

TEST_F(EsquemaUsuario, FaltanTablasYColumnasQueElProgramaLee) {
    EXPECT_EQ(Antes(), Faltas{});
    EXPECT_EQ(Despues(), Faltas{});
    Sql("ALTER TABLE T01_DECLARANTES DROP COLUMN T01_NOMBRE; ALTER TABLE T04_732DECLA DROP COLUMN T04_TOTAL;"
        "DROP TABLE T00_GENERAL");
    const Faltas esperadas = {"T00_GENERAL", "T01_DECLARANTES.T01_NOMBRE", "T04_732DECLA.T04_TOTAL"};
    EXPECT_EQ(Antes(), esperadas);
    EXPECT_EQ(Despues(), esperadas);
}

// A column of the file's own that every insert leaves empty and the engine refuses empty.
TEST_F(EsquemaUsuario, UnaColumnaPropiaQueNingunaAltaRellenaCuentaComoFalta) {
    BdPrueba::AnadirColumnaObligatoria(bd.Mod(), "T02_COMUNDECLA");
    Sql("ALTER TABLE T01_DECLARANTES ADD COLUMN CON_VALOR INTEGER NOT NULL DEFAULT 0;"
        "ALTER TABLE T01_DECLARANTES ADD COLUMN ADMITE_VACIO INTEGER");
    EXPECT_EQ(Antes(), Faltas{"T02_COMUNDECLA.OTRA (NOT NULL)"});
}

TEST_F(EsquemaUsuario, LaBaseDeReferenciaConSusTablasYColumnas) {
    EXPECT_EQ(FaltasBaseLectura(bd.Lec()), Faltas{});
    BdPrueba::Ejecutar(bd.Lec(), "DROP TABLE TBANCOS; ALTER TABLE T05_PROVINCIAS DROP COLUMN T05_PRO_EUS");
    EXPECT_EQ(FaltasBaseLectura(bd.Lec()), (Faltas{"T05_PROVINCIAS.T05_PRO_EUS", "TBANCOS"}));
    std::ofstream(bd.Lec(), std::ios::binary | std::ios::trunc) << "";
    EXPECT_EQ(FaltasBaseLectura(bd.Lec()).size(), 5u);
}

// An older layout lacks the account column the upgrade adds: accepted before it, not after.
TEST_F(EsquemaUsuario, LaColumnaQueAnadeLaActualizacionSoloSePideDespues) {
    std::filesystem::remove(bd.Mod());
    dao::CrearBaseDesdeSql(bd.Mod(), LeerTexto(std::string(OXALDE_DIR_FIXTURAS) + "/mod_sin_cc.sql"));
    EXPECT_EQ(Antes(), Faltas{});
    EXPECT_EQ(Despues(), Faltas{"T03_731DECLA.T03_CC"});
}

// Files that are no database, or a cut one, raise the engine's error; the file is not changed.
TEST_F(EsquemaUsuario, UnArchivoQueNoEsUnaBaseEnteraLevantaSuError) {
    const std::string entera = LeerTexto(bd.Mod());
    Reemplazar("");  // the engine reads an empty file as an empty database
    EXPECT_EQ(Antes().size(), 5u);
    EXPECT_EQ(LeerTexto(bd.Mod()), "");
    const std::pair<const char*, std::string> casos[] = {
        {"text", "esto no es una base de datos"},
        {"random bytes", std::string(4096, '\x5a')},
        {"cut in half", entera.substr(0, entera.size() / 2)},
    };
    for (const auto& [caso, contenido] : casos) {
        Reemplazar(contenido);
        EXPECT_GE(NumeroDeError([&] { Antes(); }), vb::errBaseDatos) << caso;
        EXPECT_EQ(LeerTexto(bd.Mod()), contenido) << caso;
    }
}

// A file that cannot be measured once open is an error of the engine's kind, like any other the
// check raises.
TEST_F(EsquemaUsuario, UnArchivoQueNoSePuedeMedirLevantaUnErrorDeLaBase) {
    // Every database file deleted as soon as it is open: the engine still reads it, but its name
    // no longer leads to it.
    prueba::CapaAlAbrir capa([](const std::string& nombre, int rc) {
        if (rc == SQLITE_OK) std::filesystem::remove(nombre);
    });
    EXPECT_EQ(NumeroDeError([this] { Antes(); }), vb::errBaseDatos + SQLITE_IOERR);
}

// A damaged page whose table the schema still names: the engine's quick check finds it, in the
// user's database and in the reference one alike.
TEST_F(EsquemaUsuario, UnaPaginaDanadaLevantaElErrorDeBaseDanada) {
    const std::pair<std::string, std::function<void()>> casos[] = {
        {bd.Mod(), [this] { Antes(); }}, {bd.Lec(), [this] { FaltasBaseLectura(bd.Lec()); }}};
    BdPrueba::DanarTabla(bd.Mod(), "T02_COMUNDECLA");
    BdPrueba::DanarTabla(bd.Lec(), "TBANCOS");
    for (const auto& [ruta, comprobar] : casos) {
        const std::string antes = LeerTexto(ruta);
        EXPECT_EQ(NumeroDeError(comprobar), vb::errBaseDatos + 11) << ruta;  // the engine's "corrupt"
        EXPECT_EQ(LeerTexto(ruta), antes);
    }
}

}  // namespace
