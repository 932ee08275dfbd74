// Builds a database file from its SQL text: crear_bd [--si-no-existe] file.sql file.mdb
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "dao/dao.h"

int main(int argc, char** argv) {
    std::string opcion = argc == 4 ? argv[1] : "";
    if ((argc != 3 && argc != 4) || (argc == 4 && opcion != "--si-no-existe")) {
        std::cerr << "uso: crear_bd [--si-no-existe] origen.sql destino.mdb\n";
        return 2;
    }
    std::string sql = argv[argc - 2], destino = argv[argc - 1];
    if (!opcion.empty() && std::filesystem::exists(destino)) return 0;
    std::ifstream f(sql);
    if (!f) {
        std::cerr << "crear_bd: no se puede leer " << sql << "\n";
        return 1;
    }
    std::stringstream texto;
    texto << f.rdbuf();
    try {
        std::filesystem::create_directories(std::filesystem::path(destino).parent_path());
        dao::CrearBaseDesdeSql(destino, texto.str());
    } catch (const std::exception& e) {
        std::cerr << "crear_bd: " << destino << ": " << e.what() << "\n";
        return 1;
    }
    return 0;
}
