#include "tablas/esquema_usuario.h"

#include <sqlite3.h>

#include <cstdint>
#include <filesystem>
#include <span>

#include "dao/esquema.h"
#include "tablas/cT01.h"
#include "tablas/cT02.h"
#include "tablas/cT03.h"
#include "tablas/cT04.h"

namespace brunsel {
namespace {

constexpr Columna kColumnasT00[] = {{"T00_ActOnline", TipoCampo::Integer}, {"T00_Idioma", TipoCampo::Texto}};
const char* const kAnadidaPorTraspaso = "T03_CC";

struct Tabla {
    const char* nombre;
    std::span<const Columna> columnas;
};
const Tabla kTablas[] = {{"T00_GENERAL", kColumnasT00},
                         {"T01_DECLARANTES", kColumnasT01},
                         {"T02_COMUNDECLA", kColumnasT02},
                         {"T03_731DECLA", kColumnasT03},
                         {"T04_732DECLA", kColumnasT04}};

// Column names compare without regard to case, as the engine compares them.
bool Tiene(const std::vector<dao::Field>& campos, const std::string& nombre) {
    for (const auto& c : campos)
        if (sqlite3_stricmp(c.Name.c_str(), nombre.c_str()) == 0) return true;
    return false;
}

// The header's page count against the file's size: a copy cut short reads as a database until
// its missing pages are reached.
void ComprobarLongitud(dao::Database& db) {
    auto rs = db.OpenRecordset("SELECT page_count * page_size FROM pragma_page_count, pragma_page_size");
    if (!rs || rs->Eof()) throw vb::Error(vb::errBaseDatos + SQLITE_CORRUPT, "Brunsel", db.UltimoError());
    const auto esperado = static_cast<std::uintmax_t>(rs->Fields(0).CDbl());
    if (std::filesystem::file_size(db.Name()) < esperado)
        throw vb::Error(vb::errBaseDatos + SQLITE_CORRUPT, "Brunsel", "database disk image is malformed");
}

}  // namespace

std::vector<std::string> FaltasBaseUsuario(const std::string& ruta, Traspasado traspasado) {
    auto db = dao::DBEngine::Instancia().OpenDatabase(ruta, false, true, "");
    ComprobarLongitud(*db);
    std::vector<std::string> faltas;
    for (const Tabla& t : kTablas) {
        std::vector<dao::Field> campos;
        try {
            campos = dao::Fields(*db, t.nombre);
        } catch (const vb::Error& e) {
            if (e.Number() != vb::errElementoNoEncontrado) throw;
            faltas.emplace_back(t.nombre);
            continue;
        }
        for (const Columna& c : t.columnas) {
            const bool anadida = std::string(c.nombre) == kAnadidaPorTraspaso;
            if (!Tiene(campos, c.nombre) && !(anadida && traspasado == Traspasado::No))
                faltas.push_back(std::string(t.nombre) + "." + c.nombre);
        }
    }
    db->Close();
    return faltas;
}

}  // namespace brunsel
