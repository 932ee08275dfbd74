#include "comun/bd_prueba.h"

#include <chrono>
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

void BdPrueba::DanarTabla(const std::string& ruta, const std::string& tabla) {
    auto db = dao::DBEngine::Instancia().OpenDatabase(ruta, false, true);
    auto rs = db->OpenRecordset("SELECT rootpage, (SELECT page_size FROM pragma_page_size) FROM sqlite_master "
                                "WHERE name = ?",
                                {tabla});
    if (!rs || rs->Eof()) throw std::runtime_error("no table " + tabla);
    const long pagina = rs->Fields(0).CLng(), tamano = rs->Fields(1).CLng();
    db->Close();
    std::fstream f(ruta, std::ios::in | std::ios::out | std::ios::binary);
    f.seekp((pagina - 1) * tamano);
    f << std::string(static_cast<size_t>(tamano), '\x5a');
}

void BdPrueba::AnadirColumnaObligatoria(const std::string& ruta, const std::string& tabla) {
    auto db = dao::DBEngine::Instancia().OpenDatabase(ruta);
    auto rs = db->OpenRecordset("SELECT sql FROM sqlite_master WHERE name = ?", {tabla});
    if (!rs || rs->Eof()) throw std::runtime_error("no table " + tabla);
    std::string sql = rs->Fields(0).CStr();
    sql.insert(sql.rfind(')'), ", OTRA INTEGER NOT NULL");
    dao::EjecutarGuion(*db, "ALTER TABLE " + tabla + " RENAME TO VIEJA; " + sql + "; INSERT INTO " + tabla +
                                " SELECT *, 0 FROM VIEJA; DROP TABLE VIEJA;");
    db->Close();
}

CerrojoEscritura::CerrojoEscritura(const std::string& ruta, int ms) {
    std::promise<void> tomado;
    auto listo = tomado.get_future();
    hilo_ = std::thread([ruta, ms, tomado = std::move(tomado), fin = fin_.get_future()]() mutable {
        std::shared_ptr<dao::Database> db;
        try {
            db = dao::DBEngine::Instancia().OpenDatabase(ruta);
            db->Execute("BEGIN EXCLUSIVE");
        } catch (...) {
            tomado.set_exception(std::current_exception());
            return;
        }
        tomado.set_value();
        if (ms >= 0)
            fin.wait_for(std::chrono::milliseconds(ms));
        else
            fin.wait();
        db->Rollback();
        db->Close();
    });
    try {
        listo.get();
    } catch (...) {
        hilo_.join();
        throw;
    }
}

CerrojoEscritura::~CerrojoEscritura() {
    fin_.set_value();
    hilo_.join();
}
