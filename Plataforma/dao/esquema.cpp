#include "dao/esquema.h"

#include <sqlite3.h>

#include <cctype>
#include <regex>

namespace dao {
namespace {

const char* const kOrigen = "DAO.TableDef";

std::string Mayusculas(std::string s) {
    for (auto& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

std::string Entrecomillar(const std::string& nombre) {
    std::string r = "\"";
    for (char c : nombre) r += c == '"' ? std::string("\"\"") : std::string(1, c);
    return r + "\"";
}

[[noreturn]] void NoEncontrado(const std::string& nombre) {
    throw vb::Error(vb::errElementoNoEncontrado, kOrigen, "Item '" + nombre + "' not found in this collection.");
}

// n of "VARCHAR(n)", "CHAR(n)", "TEXT(n)"...; 0 for types that are not text.
int TamanoDeclarado(const std::string& tipo) {
    static const std::regex patron(R"((CHAR|TEXT)\s*\(\s*(\d+)\s*\))", std::regex::icase);
    std::smatch m;
    return std::regex_search(tipo, m, patron) ? std::stoi(m[2].str()) : 0;
}

// ---- reading a CREATE TABLE text ----

// Position just past the quoted name, string or comment starting at i (i itself otherwise + 1).
size_t SaltarElemento(const std::string& s, size_t i) {
    char c = s[i];
    auto hasta = [&](const std::string& fin) {
        size_t p = s.find(fin, i + 1);
        return p == std::string::npos ? s.size() : p + fin.size();
    };
    if (c == '\'' || c == '"' || c == '`') {
        // A doubled quote inside stands for the quote itself, which the loop reads as two.
        return hasta(std::string(1, c));
    }
    if (c == '[') return hasta("]");
    if (c == '-' && i + 1 < s.size() && s[i + 1] == '-') return hasta("\n");
    if (c == '/' && i + 1 < s.size() && s[i + 1] == '*') return hasta("*/");
    return i + 1;
}

struct Definicion {
    std::vector<std::string> items; // column definitions and table constraints
    std::string cola;               // after the closing parenthesis ("WITHOUT ROWID", ...)
};

Definicion Partir(const std::string& crear) {
    Definicion d;
    int nivel = 0;
    size_t inicioItem = 0;
    for (size_t i = 0; i < crear.size();) {
        char c = crear[i];
        if (c == '(') {
            if (nivel++ == 0) inicioItem = i + 1;
        } else if (c == ')') {
            if (--nivel == 0) {
                d.items.push_back(crear.substr(inicioItem, i - inicioItem));
                d.cola = crear.substr(i + 1);
                return d;
            }
        } else if (c == ',' && nivel == 1) {
            d.items.push_back(crear.substr(inicioItem, i - inicioItem));
            inicioItem = i + 1;
        }
        i = SaltarElemento(crear, i);
    }
    throw vb::Error(vb::errBaseDatos + SQLITE_CORRUPT, kOrigen, "Unreadable table definition: " + crear);
}

// The name an item begins with, without its quotes.
std::string PrimerNombre(const std::string& item) {
    size_t i = item.find_first_not_of(" \t\r\n");
    if (i == std::string::npos) return "";
    char c = item[i];
    if (c == '"' || c == '`' || c == '[') {
        char cierre = c == '[' ? ']' : c;
        size_t f = item.find(cierre, i + 1);
        return item.substr(i + 1, f == std::string::npos ? std::string::npos : f - i - 1);
    }
    size_t f = item.find_first_of(" \t\r\n", i);
    return item.substr(i, f == std::string::npos ? std::string::npos : f - i);
}

std::string EscaparRegex(const std::string& s) {
    static const std::regex especiales(R"([.^$|()\[\]{}*+?\\])");
    return std::regex_replace(s, especiales, R"(\$&)");
}

// `texto` with the number that ends each match of `patron` (the matched text up to it being
// group 1) replaced by `numero`.
std::string CambiarNumero(const std::string& texto, const std::regex& patron, const std::string& numero,
                          bool soloPrimero) {
    std::string r;
    auto desde = texto.cbegin();
    std::smatch m;
    while (std::regex_search(desde, texto.cend(), m, patron)) {
        r.append(desde, m[0].first);
        r += m[1].str() + numero + m[3].str();
        desde = m[0].second;
        if (soloPrimero) break;
    }
    return r.append(desde, texto.cend());
}

// The CREATE text of a table under `nuevoNombre`, with `campo` declared of `tamano` characters
// (its type and any "length(campo) <= n" check).
std::string DefinicionAmpliada(const std::string& crear, const std::string& nuevoNombre, const std::string& campo,
                               int tamano) {
    Definicion d = Partir(crear);
    const std::string n = std::to_string(tamano);
    const std::regex tipo(R"(((?:CHAR|TEXT)\s*\(\s*)(\d+)(\s*\)))", std::regex::icase);
    const std::regex longitud(R"((length\s*\(\s*["`\[]?)" + EscaparRegex(campo) + R"(["`\]]?\s*\)\s*<=\s*)(\d+)())",
                              std::regex::icase);
    bool hallado = false;
    std::string cuerpo;
    for (auto& item : d.items) {
        if (Mayusculas(PrimerNombre(item)) == Mayusculas(campo)) {
            item = CambiarNumero(item, tipo, n, true);
            hallado = true;
        }
        if (!cuerpo.empty()) cuerpo += ",";
        cuerpo += CambiarNumero(item, longitud, n, false);
    }
    if (!hallado) NoEncontrado(campo);
    return "CREATE TABLE " + Entrecomillar(nuevoNombre) + " (" + cuerpo + ")" + d.cola;
}

// A query of the check that failed, with the engine's own code: a lock met stays a lock, never a
// file that is not a database. SQLITE_ERROR when the engine has no code for it (a value it refused).
[[noreturn]] void FalloConsulta(Database& db) {
    const int motor = db.MotorUltimoFallo();
    const int codigo = motor > SQLITE_OK && motor < SQLITE_ROW ? motor : SQLITE_ERROR;
    throw vb::Error(vb::errBaseDatos + codigo, kOrigen, db.UltimoError()).ConMotor(db.Name(), codigo);
}

std::string Unica(Database& db, const std::string& sql, const Parametros& p) {
    auto rs = db.OpenRecordset(sql, p);
    if (!rs) FalloConsulta(db);
    return rs->Eof() || rs->Fields(0).IsNull() ? "" : rs->Fields(0).CStr();
}

vb::Long Contar(Database& db, const std::string& tabla) {
    auto rs = db.OpenRecordset("SELECT count(*) FROM " + Entrecomillar(tabla));
    if (!rs) FalloConsulta(db);
    return rs->Fields(0).CLng();
}

}  // namespace

std::vector<Field> Fields(Database& db, const std::string& tabla) {
    auto rs = db.OpenRecordset("SELECT name, type FROM pragma_table_info(?)", {tabla});
    if (!rs) FalloConsulta(db);
    if (rs->Eof()) NoEncontrado(tabla);
    std::vector<Field> campos;
    for (; !rs->Eof(); rs->MoveNext()) {
        std::string tipo = rs->Fields(1).CStr();
        campos.push_back({rs->Fields(0).CStr(), tipo, TamanoDeclarado(tipo)});
    }
    return campos;
}

Field FieldDe(Database& db, const std::string& tabla, const std::string& campo) {
    for (auto& f : Fields(db, tabla))
        if (Mayusculas(f.Name) == Mayusculas(campo)) return f;
    NoEncontrado(campo);
}

void AnadirCampoTexto(Database& db, const std::string& tabla, const std::string& campo, int tamano) {
    const std::string n = std::to_string(tamano);
    db.Execute("ALTER TABLE " + Entrecomillar(tabla) + " ADD COLUMN " + Entrecomillar(campo) + " VARCHAR(" + n +
               ") DEFAULT '' COLLATE NOCASE CHECK (length(" + Entrecomillar(campo) + ") <= " + n + ")");
}

void AmpliarCampoTexto(Database& db, const std::string& tabla, const std::string& campo, int tamano) {
    Transaccion t(db);
    const std::vector<Field> campos = Fields(db, tabla);
    const std::string crear =
        Unica(db, "SELECT sql FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE", {tabla});
    const std::string temporal = tabla + "_ampliacion";
    if (!Unica(db, "SELECT name FROM sqlite_master WHERE name = ? COLLATE NOCASE", {temporal}).empty())
        throw vb::Error(vb::errBaseDatos + SQLITE_ERROR, kOrigen, "Table '" + temporal + "' already exists.");

    // Indexes and triggers go with the table when it is dropped; they are made again after.
    std::vector<std::string> dependientes;
    auto rs = db.OpenRecordset(
        "SELECT sql FROM sqlite_master WHERE type IN ('index', 'trigger') AND tbl_name = ? COLLATE NOCASE "
        "AND sql IS NOT NULL ORDER BY type, rowid",
        {tabla});
    if (!rs) FalloConsulta(db);
    for (; !rs->Eof(); rs->MoveNext()) dependientes.push_back(rs->Fields(0).CStr());
    // A counter keeps its last value, so a deleted key is not handed out again.
    bool conContador = !Unica(db, "SELECT name FROM sqlite_master WHERE name = 'sqlite_sequence'", {}).empty();
    vb::Variant contador;
    if (conContador) {
        auto seq = db.OpenRecordset("SELECT seq FROM sqlite_sequence WHERE name = ? COLLATE NOCASE", {tabla});
        if (seq && !seq->Eof()) contador = seq->Fields(0);
    }

    std::string columnas;
    for (const auto& f : campos) columnas += (columnas.empty() ? "" : ",") + Entrecomillar(f.Name);
    db.Execute(DefinicionAmpliada(crear, temporal, campo, tamano));
    db.Execute("INSERT INTO " + Entrecomillar(temporal) + " (" + columnas + ") SELECT " + columnas + " FROM " +
               Entrecomillar(tabla));
    if (Contar(db, temporal) != Contar(db, tabla))
        throw vb::Error(vb::errBaseDatos + SQLITE_ERROR, kOrigen, "The rows of '" + tabla + "' were not all copied.");
    db.Execute("DROP TABLE " + Entrecomillar(tabla));
    db.Execute("ALTER TABLE " + Entrecomillar(temporal) + " RENAME TO " + Entrecomillar(tabla));
    for (const auto& sql : dependientes) db.Execute(sql);
    if (!contador.IsEmpty()) db.Execute("UPDATE sqlite_sequence SET seq = ? WHERE name = ?", 0, {contador, tabla});
    if (FieldDe(db, tabla, campo).Size != tamano)
        throw vb::Error(vb::errBaseDatos + SQLITE_ERROR, kOrigen, "Field '" + campo + "' could not be widened.");
    t.Confirmar();
}

ClaseSentencia Clasificar(Database& db, const std::string& sql) {
    if (!db.Handle()) return ClaseSentencia::NoCompila;
    sqlite3_stmt* st = nullptr;
    const char* resto = nullptr;
    if (sqlite3_prepare_v2(db.Handle(), sql.c_str(), -1, &st, &resto) != SQLITE_OK || !st) {
        sqlite3_finalize(st);
        return ClaseSentencia::NoCompila;
    }
    // A query returns columns and writes nothing; EXPLAIN, PRAGMA, ATTACH and the transaction
    // statements are not queries even where the engine calls them read-only.
    size_t primera = sql.find_first_not_of(" \t\r\n(");
    std::string inicio = Mayusculas(sql.substr(primera == std::string::npos ? sql.size() : primera, 6));
    bool consulta = sqlite3_stmt_readonly(st) && sqlite3_column_count(st) > 0 && !sqlite3_stmt_isexplain(st) &&
                    (inicio.rfind("SELECT", 0) == 0 || inicio.rfind("WITH", 0) == 0);
    sqlite3_finalize(st);
    // Whatever follows must hold no further statement (blanks, ";" and comments only).
    while (consulta && resto && *resto) {
        sqlite3_stmt* otra = nullptr;
        const char* siguiente = nullptr;
        if (sqlite3_prepare_v2(db.Handle(), resto, -1, &otra, &siguiente) != SQLITE_OK || otra) consulta = false;
        sqlite3_finalize(otra);
        if (siguiente == resto) break;
        resto = siguiente;
    }
    return consulta ? ClaseSentencia::ConsultaUnica : ClaseSentencia::Otra;
}

}  // namespace dao
