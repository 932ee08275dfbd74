#include "servicios/esquema_usuario.h"

#include <sqlite3.h>

#include <charconv>
#include <cstdint>
#include <filesystem>
#include <span>
#include <system_error>

#include "dao/diario.h"
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

// The reference tables with the columns the library and the program read from them.
constexpr Columna kColumnasT05[] = {
    {"T05_PRO_ID", TipoCampo::Integer}, {"T05_PRO_CAS", TipoCampo::Texto}, {"T05_PRO_EUS", TipoCampo::Texto}};
constexpr Columna kColumnasT06[] = {{"T06_CODMUN", TipoCampo::Integer}, {"T06_NOMMUN", TipoCampo::Texto}};
constexpr Columna kColumnasT07[] = {
    {"T07_CODIGO", TipoCampo::Texto}, {"T07_CAS", TipoCampo::Texto}, {"T07_EUS", TipoCampo::Texto}};
constexpr Columna kColumnasT08[] = {
    {"T08_FECHAMIN", TipoCampo::Long}, {"T08_FECHAMAX", TipoCampo::Long}, {"T08_URLAct", TipoCampo::Texto}};
constexpr Columna kColumnasBancos[] = {{"TBAN_CODI", TipoCampo::Texto}, {"TBAN_COLA", TipoCampo::Texto}};
const Tabla kTablasLectura[] = {{"T05_PROVINCIAS", kColumnasT05},
                                {"T06_MUNICIPIOS", kColumnasT06},
                                {"T07_SIGLASVIA", kColumnasT07},
                                {"T08_GENERAL", kColumnasT08},
                                {"TBANCOS", kColumnasBancos}};

[[noreturn]] void Danada(const std::string& detalle) {
    throw vb::Error(vb::errBaseDatos + SQLITE_CORRUPT, "Brunsel", detalle);
}

// The first column of every row of a statement; the engine's error (a lock held too long
// included) is raised.
std::vector<std::string> Columna0(dao::Database& db, const std::string& sql, const std::string& valor = "") {
    sqlite3_stmt* st = nullptr;
    int rc = sqlite3_prepare_v2(db.Handle(), sql.c_str(), -1, &st, nullptr);
    if (rc == SQLITE_OK && !valor.empty()) sqlite3_bind_text(st, 1, valor.c_str(), -1, SQLITE_TRANSIENT);
    std::vector<std::string> filas;
    if (rc == SQLITE_OK) {
        while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
            const auto* texto = sqlite3_column_text(st, 0);
            filas.emplace_back(texto ? reinterpret_cast<const char*>(texto) : "");
        }
    }
    sqlite3_finalize(st);
    if (rc != SQLITE_DONE)
        throw vb::Error(vb::errBaseDatos + (rc & 0xFF), "Brunsel", sqlite3_errmsg(db.Handle()));
    return filas;
}

// The header's page count against the file's size: a copy cut short reads as a database until
// its missing pages are reached.
void ComprobarLongitud(dao::Database& db) {
    const auto filas = Columna0(db, "SELECT page_count * page_size FROM pragma_page_count, pragma_page_size");
    uint64_t esperada = 0;
    if (filas.empty() ||
        std::from_chars(filas[0].data(), filas[0].data() + filas[0].size(), esperada).ec != std::errc{})
        Danada("database disk image is malformed");
    std::error_code error;
    const uint64_t longitud = std::filesystem::file_size(db.Name(), error);
    if (error) throw vb::Error(vb::errBaseDatos + SQLITE_IOERR, "Brunsel", error.message());
    if (longitud < esperada) Danada("database disk image is malformed");
}

// A save cut short (a kill, a power cut) leaves its journal beside the file; the open rolls it
// back (its first read, on a connection that may write), so what is checked is the last
// completed save. A journal this process may not roll back is found before the open, which would
// fail (or, in a read-only folder, rewrite the file and keep the journal), and said as such: the
// data is whole, only the permission is missing.
void ComprobarGuardadoCortado(const std::string& ruta) {
    if (dao::DiarioSinPoderDeshacer(ruta))
        throw vb::Error(errGuardadoSinTerminar, "Brunsel",
                        "the file was left in the middle of a save and cannot be written to finish it");
}

// The engine's full integrity check reads every page and every index against its table: a
// damaged page, or an index that disagrees with its rows, would otherwise be met only when a
// list, a look-up or a save reaches it, after start-up has written to the file.
void ComprobarPaginas(dao::Database& db) {
    const auto hallazgos = Columna0(db, "PRAGMA integrity_check(5)");
    if (hallazgos != std::vector<std::string>{"ok"}) {
        std::string detalle;
        for (const auto& h : hallazgos) detalle += (detalle.empty() ? "" : "; ") + h;
        Danada(detalle);
    }
}

// Column names compare without regard to case, as the engine compares them.
bool Tiene(const std::vector<dao::Field>& campos, const std::string& nombre) {
    for (const auto& c : campos)
        if (sqlite3_stricmp(c.Name.c_str(), nombre.c_str()) == 0) return true;
    return false;
}

bool Conocida(const Tabla& t, const std::string& nombre) {
    for (const Columna& c : t.columnas)
        if (sqlite3_stricmp(c.nombre, nombre.c_str()) == 0) return true;
    return false;
}

// Columns of the file's own that every insert would leave empty and the engine refuses empty:
// every save into the table would fail.
void SinValorPosible(dao::Database& db, const Tabla& t, std::vector<std::string>& faltas) {
    const auto obligatorias = Columna0(db,
                                       "SELECT name FROM pragma_table_info(?1) WHERE \"notnull\" AND "
                                       "dflt_value IS NULL AND NOT (pk = 1 AND upper(type) = 'INTEGER')",
                                       t.nombre);
    for (const auto& nombre : obligatorias)
        if (!Conocida(t, nombre)) faltas.push_back(std::string(t.nombre) + "." + nombre + " (NOT NULL)");
}

// Opens the file as the library does (read-write, waiting as long for a lock), lets the engine
// finish a save cut short, checks the file's length and its pages, then looks for every table
// and column; `pedida` says whether a known column is asked for. Nothing but reads follows the
// recovery.
template <class Pedida>
std::vector<std::string> Faltas(const std::string& ruta, std::span<const Tabla> tablas, bool escritas, Pedida pedida) {
    ComprobarGuardadoCortado(ruta);
    auto db = dao::DBEngine::Instancia().OpenDatabase(ruta, false, false, "");
    ComprobarLongitud(*db);
    ComprobarPaginas(*db);
    std::vector<std::string> faltas;
    for (const Tabla& t : tablas) {
        std::vector<dao::Field> campos;
        try {
            campos = dao::Fields(*db, t.nombre);
        } catch (const vb::Error& e) {
            if (e.Number() != vb::errElementoNoEncontrado) throw;
            faltas.emplace_back(t.nombre);
            continue;
        }
        for (const Columna& c : t.columnas)
            if (!Tiene(campos, c.nombre) && pedida(c)) faltas.push_back(std::string(t.nombre) + "." + c.nombre);
        if (escritas) SinValorPosible(*db, t, faltas);
    }
    db->Close();
    return faltas;
}

}  // namespace

std::vector<std::string> FaltasBaseUsuario(const std::string& ruta, Traspasado traspasado) {
    return Faltas(ruta, kTablas, true, [traspasado](const Columna& c) {
        return traspasado == Traspasado::Si || std::string(c.nombre) != kAnadidaPorTraspaso;
    });
}

std::vector<std::string> FaltasBaseLectura(const std::string& ruta) {
    return Faltas(ruta, kTablasLectura, false, [](const Columna&) { return true; });
}

}  // namespace brunsel
