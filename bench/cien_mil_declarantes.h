#pragma once
// Both databases in a temporary folder with 100,000 taxpayers spread over every province: those of
// the home province with a municipality code, the others with a typed municipality name. Shared
// by the benchmarks of the taxpayer list.
#include <cstdio>
#include <filesystem>
#include <string>

#include "comun/bd_prueba.h"
#include "dao/dao.h"

namespace bench {

constexpr int kDeclarantes = 100000;

struct Archivos {
    BdPrueba bd;  // removes its folder when done
    std::filesystem::path dir{bd.Dir()}, mod{bd.Mod()}, lec{bd.Lec()};
    Archivos() {
        const int municipios[] = {7, 19, 31, 43, 55, 67, 79, 91, 103, 115};
        auto db = dao::DBEngine::Instancia().OpenDatabase(mod.string());
        dao::Transaccion t(*db);
        for (int i = 1; i <= kDeclarantes; ++i) {
            char nif[10];
            std::snprintf(nif, sizeof nif, "%08d%c", (i * 7919) % 100000000, 'A' + i % 26);
            const vb::Long provincia = 1 + i % 52;
            const bool casa = provincia == 20;
            db->Execute(
                "INSERT INTO T01_DECLARANTES (T01_DNI,T01_NOMBRE,T01_DOMICILIO,T01_CODPROV,T01_CODPOS,T01_CODMUN,"
                "T01_NOMMUN,T01_NUM731,T01_NUM732) VALUES (?,?,?,?,?,?,?,?,?)",
                0,
                {std::string(nif), "DECLARANTE " + std::to_string(i), "NAGUSIA", provincia,
                 vb::Long(provincia * 1000 + 1), vb::Long(casa ? municipios[i % 10] : 0),
                 std::string(casa ? "" : "HERRI " + std::to_string(i % 100)), double(i % 5), double(i % 3)});
        }
        t.Confirmar();
    }
};

inline Archivos& Datos() {
    static Archivos a;
    return a;
}

}  // namespace bench
