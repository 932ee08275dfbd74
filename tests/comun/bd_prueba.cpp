#include "comun/bd_prueba.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "dao/dao.h"

std::string LeerTexto(const std::string& ruta) {
    std::ifstream f(ruta);
    if (!f) throw std::runtime_error("cannot read " + ruta);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

BdPrueba::BdPrueba() {
    std::string plantilla = (std::filesystem::temp_directory_path() / "oxalde-XXXXXX").string();
    if (!mkdtemp(plantilla.data())) throw std::runtime_error("mkdtemp");
    dir_ = plantilla;
    dao::CrearBaseDesdeSql(Mod(), LeerTexto(std::string(OXALDE_DIR_SQL) + "/731_2Mod.sql"));
    dao::CrearBaseDesdeSql(Lec(), LeerTexto(std::string(OXALDE_DIR_SQL) + "/731_2Lec.sql"));
}

BdPrueba::~BdPrueba() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
}

void BdPrueba::Ejecutar(const std::string& ruta, const std::string& sql) {
    auto db = dao::DBEngine::Instancia().OpenDatabase(ruta);
    dao::EjecutarGuion(*db, sql);
}
