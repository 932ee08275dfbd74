// What a file must hold to stand for the user's database.
#include <filesystem>
#include <fstream>

#include "servidor/utiles_prueba.h"
#include "tablas/esquema_usuario.h"

namespace {

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

}  // namespace
