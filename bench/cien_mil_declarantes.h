#pragma once
// Both databases in a temporary folder with 100,000 (or 1,000,000) taxpayers spread over every
// province: those of the home province with a municipality code, the others with a typed
// municipality name. Shared by the benchmarks of the taxpayer lists; one statement writes them
// all, so even the large register is ready in seconds.
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "comun/bd_prueba.h"
#include "dao/dao.h"

namespace bench {

constexpr int kDeclarantes = 100000;
constexpr int kDeclarantesGrande = 1000000;

struct Archivos {
    BdPrueba bd;  // removes its folder when done
    std::filesystem::path dir{bd.Dir()}, mod{bd.Mod()}, lec{bd.Lec()};
    explicit Archivos(int declarantes) {
        auto db = dao::DBEngine::Instancia().OpenDatabase(mod.string());
        db->Execute(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?), "
            "d(i, p) AS (SELECT i, 1 + i % 52 FROM n) "
            "INSERT INTO T01_DECLARANTES (T01_DNI,T01_NOMBRE,T01_DOMICILIO,T01_CODPROV,T01_CODPOS,T01_CODMUN,"
            "T01_NOMMUN,T01_NUM731,T01_NUM732) "
            "SELECT printf('%08d%s', (i * 7919) % 100000000, char(65 + i % 26)), 'DECLARANTE ' || i, 'NAGUSIA', p, "
            "p * 1000 + 1, CASE WHEN p = 20 THEN 7 + 12 * (i % 10) ELSE 0 END, "
            "CASE WHEN p = 20 THEN '' ELSE 'HERRI ' || (i % 100) END, i % 5, i % 3 FROM d",
            0, {vb::Long(declarantes)});
        db->Close();
    }
};

inline Archivos& Datos(int declarantes = kDeclarantes) {
    static std::map<int, std::unique_ptr<Archivos>> hechos;
    auto& a = hechos[declarantes];
    if (!a) a = std::make_unique<Archivos>(declarantes);
    return *a;
}

}  // namespace bench
