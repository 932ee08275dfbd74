#include "dao/dao.h"

#include <sqlite3.h>
#include <sys/mman.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <new>
#include <utility>

namespace dao {
namespace {

const char* const kOrigen = "DAO.Database";
constexpr int kEsperaOcupada = 5000;  // ms another copy of the program may hold a write lock

std::string Mayusculas(std::string s) {
    for (auto& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

bool MismoNombre(const std::string& a, const std::string& b) { return Mayusculas(a) == Mayusculas(b); }

// The engine's answer about a file as the error callers see: its number, and the file and code
// it came from.
vb::Error ErrorMotor(int codigo, const std::string& ruta, const std::string& mensaje) {
    return vb::Error(vb::errBaseDatos + (codigo & 0xFF), kOrigen, mensaje).ConMotor(ruta, codigo & 0xFF);
}

// The declared type of a result column, classified once per statement.
enum class Declarado { Ninguno, Byte, Integer, Booleano, Single, Double };

Declarado Clasificar(sqlite3_stmt* st, int i) {
    const char* d = sqlite3_column_decltype(st, i);
    std::string decl = d ? Mayusculas(d) : "";
    auto tiene = [&decl](const char* t) { return decl.find(t) != std::string::npos; };
    if (tiene("TINYINT")) return Declarado::Byte;
    if (tiene("SMALLINT")) return Declarado::Integer;
    if (tiene("BIT") || tiene("BOOL")) return Declarado::Booleano;
    if (tiene("FLOAT")) return Declarado::Single;
    if (tiene("DOUBLE") || tiene("REAL")) return Declarado::Double;
    return Declarado::Ninguno;
}

// Reads a column with the type its declaration gives, so a SMALLINT comes back as an Integer
// and a FLOAT as a Single; expressions take the type of their stored value.
vb::Variant LeerColumna(sqlite3_stmt* st, int i, Declarado decl) {
    int clase = sqlite3_column_type(st, i);
    if (clase == SQLITE_NULL) return vb::Null;
    if (clase == SQLITE_TEXT || clase == SQLITE_BLOB)
        return std::string(reinterpret_cast<const char*>(sqlite3_column_text(st, i)),
                           static_cast<size_t>(sqlite3_column_bytes(st, i)));
    // A value the declared type cannot hold (the file does not enforce it) is read whole below
    // rather than wrapped around.
    sqlite3_int64 n = sqlite3_column_int64(st, i);
    bool entero = clase == SQLITE_INTEGER;
    switch (decl) {
        case Declarado::Byte:
            if (entero && n >= 0 && n <= UINT8_MAX) return static_cast<vb::Byte>(n);
            break;
        case Declarado::Integer:
            if (entero && n >= INT16_MIN && n <= INT16_MAX) return static_cast<vb::Integer>(n);
            break;
        case Declarado::Booleano: return n != 0;
        case Declarado::Single: return static_cast<vb::Single>(sqlite3_column_double(st, i));
        case Declarado::Double: return sqlite3_column_double(st, i);
        case Declarado::Ninguno: break;
    }
    if (entero) {
        if (n >= INT32_MIN && n <= INT32_MAX) return static_cast<vb::Long>(n);
        return static_cast<double>(n);
    }
    return sqlite3_column_double(st, i);
}

void Enlazar(sqlite3_stmt* st, int i, const vb::Variant& v) {
    switch (v.tipo()) {
        case vb::Tipo::Empty:
        case vb::Tipo::Null: sqlite3_bind_null(st, i); break;
        case vb::Tipo::Boolean: sqlite3_bind_int(st, i, *v.Si<bool>() ? -1 : 0); break;
        case vb::Tipo::Byte:
        case vb::Tipo::Integer:
        case vb::Tipo::Long: sqlite3_bind_int64(st, i, v.CLng()); break;
        // A Single is stored as the decimal number it shows, not its binary expansion.
        case vb::Tipo::Single:
            sqlite3_bind_double(st, i, vb::Val(vb::TextoNumero(*v.Si<vb::Single>(), 7)));
            break;
        case vb::Tipo::Double: sqlite3_bind_double(st, i, *v.Si<double>()); break;
        case vb::Tipo::String: {
            const std::string& s = *v.Si<std::string>();
            sqlite3_bind_text(st, i, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
            break;
        }
        case vb::Tipo::Array: vb::Lanzar(vb::errTipos, kOrigen);
    }
}

constexpr size_t kMaxPreparadas = 64;  // distinct statement texts kept by one connection
constexpr size_t kPieza = 16384;       // values of one piece of a long list (whole pages)

struct Sentencia {
    sqlite3_stmt* st = nullptr;
    ~Sentencia() { sqlite3_finalize(st); }
};

// A statement of the cache while it runs: reset and unbound however the run ends, so that it
// neither keeps a lock nor holds on to the caller's values.
struct EnUso {
    sqlite3_stmt* st;
    ~EnUso() {
        sqlite3_reset(st);
        sqlite3_clear_bindings(st);
    }
};

// Prepares exactly one statement. Text after it other than blanks and comments is refused, so
// no part of a call is silently left undone. On failure gives the engine's code and message.
int PrepararSentencia(sqlite3* db, const std::string& sql, Sentencia& s, std::string& mensaje) {
    const char* resto = nullptr;
    int rc = sqlite3_prepare_v2(db, sql.c_str(), -1, &s.st, &resto);
    if (rc != SQLITE_OK) {
        mensaje = sqlite3_errmsg(db);
        return rc;
    }
    Sentencia otra;
    if (!s.st)
        mensaje = "Invalid SQL statement.";
    else if (sqlite3_prepare_v2(db, resto, -1, &otra.st, nullptr) != SQLITE_OK || otra.st)
        mensaje = "Characters found after end of SQL statement.";
    else
        return SQLITE_OK;
    return SQLITE_ERROR;
}

// The pieces of a long list take their pages straight from the system and give them back when
// let go: from the heap, a piece let go would stay resident while the next ones are joined.
template <class T>
struct Paginas {
    using value_type = T;
    Paginas() = default;
    template <class U>
    Paginas(const Paginas<U>&) {}
    T* allocate(size_t n) {
        void* p = mmap(nullptr, n * sizeof(T), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (p == MAP_FAILED) throw std::bad_alloc();
        return static_cast<T*>(p);
    }
    void deallocate(T* p, size_t n) { munmap(p, n * sizeof(T)); }
    template <class U>
    bool operator==(const Paginas<U>&) const { return true; }
};
using Pieza = std::vector<vb::Variant, Paginas<vb::Variant>>;

// The values of the first block followed by those of every piece, in one block; each piece is
// let go as soon as its values are moved, so that at no time is much more than the list held.
std::vector<vb::Variant> Juntar(std::vector<vb::Variant> primero, std::vector<Pieza> piezas) {
    size_t total = primero.size();
    for (const auto& pieza : piezas) total += pieza.size();
    std::vector<vb::Variant> todo;
    todo.reserve(total);
    std::move(primero.begin(), primero.end(), std::back_inserter(todo));
    std::vector<vb::Variant>().swap(primero);
    for (auto& pieza : piezas) {
        std::move(pieza.begin(), pieza.end(), std::back_inserter(todo));
        Pieza().swap(pieza);
    }
    return todo;
}

}  // namespace

// ---- Recordset ----

Recordset::Recordset(std::vector<std::string> nombres, std::vector<vb::Variant> valores)
    : nombres_(std::move(nombres)),
      valores_(std::move(valores)),
      filas_(nombres_.empty() ? 0 : valores_.size() / nombres_.size()) {}

std::vector<vb::Variant> Recordset::TomarValores() {
    filas_ = actual_ = 0;
    cerrado_ = true;
    return std::exchange(valores_, {});
}

void Recordset::MoveFirst() {
    if (filas_ == 0) vb::Lanzar(vb::errSinRegistroActual, kOrigen);
    actual_ = 0;
}

void Recordset::MoveLast() {
    if (filas_ == 0) vb::Lanzar(vb::errSinRegistroActual, kOrigen);
    actual_ = filas_ - 1;
}

void Recordset::MoveNext() {
    if (Eof()) vb::Lanzar(vb::errSinRegistroActual, kOrigen);
    ++actual_;
}

const std::string& Recordset::FieldName(int i) const {
    if (i < 0 || i >= FieldCount()) vb::Lanzar(vb::errElementoNoEncontrado, kOrigen);
    return nombres_[static_cast<size_t>(i)];
}

const vb::Variant* Recordset::FilaActual() const {
    if (cerrado_) vb::Lanzar(vb::errObjetoNoEstablecido, kOrigen);
    if (Eof()) vb::Lanzar(vb::errSinRegistroActual, kOrigen);
    return valores_.data() + actual_ * nombres_.size();
}

const vb::Variant& Recordset::Fields(int i) const {
    const vb::Variant* fila = FilaActual();
    if (i < 0 || i >= FieldCount()) vb::Lanzar(vb::errElementoNoEncontrado, kOrigen);
    return fila[i];
}

const vb::Variant& Recordset::Fields(const std::string& nombre) const {
    const vb::Variant* fila = FilaActual();
    for (size_t i = 0; i < nombres_.size(); ++i)
        if (MismoNombre(nombres_[i], nombre)) return fila[i];
    vb::Lanzar(vb::errElementoNoEncontrado, kOrigen);
}

// ---- Database ----

Database::Database(sqlite3* db, std::string ruta) : db_(db), ruta_(std::move(ruta)) {}

Database::~Database() { Close(); }

void Database::LanzarError(int codigo) const {
    std::string mensaje = db_ ? sqlite3_errmsg(db_) : "Database is not open";
    throw ErrorMotor(codigo, ruta_, mensaje);
}

int Database::MotorUltimoFallo() const { return db_ ? sqlite3_errcode(db_) & 0xFF : 0; }

int Database::Preparar(const std::string& sql, Preparada*& p, std::string& mensaje) {
    if (auto it = preparadas_.find(sql); it != preparadas_.end()) {
        p = &it->second;
        return SQLITE_OK;
    }
    Sentencia s;
    const int rc = PrepararSentencia(db_, sql, s, mensaje);
    if (rc != SQLITE_OK) return rc;
    // Texts built with values in them would fill the cache for nothing: start it afresh.
    if (preparadas_.size() >= kMaxPreparadas) OlvidarPreparadas();
    p = &preparadas_.emplace(sql, Preparada{std::exchange(s.st, nullptr)}).first->second;
    return SQLITE_OK;
}

void Database::OlvidarPreparadas() {
    for (auto& [sql, p] : preparadas_) sqlite3_finalize(p.st);
    preparadas_.clear();
}

void Database::Execute(const std::string& sql, int, const Parametros& parametros) {
    if (!db_) vb::Lanzar(vb::errObjetoNoEstablecido, kOrigen);
    Preparada* p = nullptr;
    std::string mensaje;
    int rc = Preparar(sql, p, mensaje);
    if (rc != SQLITE_OK) throw ErrorMotor(rc, ruta_, mensaje);
    sqlite3_stmt* st = p->st;
    EnUso uso{st};
    for (size_t i = 0; i < parametros.size(); ++i) Enlazar(st, static_cast<int>(i + 1), parametros[i]);
    while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE) LanzarError(rc);
    afectadas_ = sqlite3_changes(db_);
}

vb::Long Database::UltimaClave() const {
    return db_ ? static_cast<vb::Long>(sqlite3_last_insert_rowid(db_)) : 0;
}

std::shared_ptr<Recordset> Database::OpenRecordset(const std::string& sql, const Parametros& parametros) {
    ultimoError_.clear();
    if (!db_) {
        ultimoError_ = "Database is not open";
        return nullptr;
    }
    Preparada* p = nullptr;
    int rc = Preparar(sql, p, ultimoError_);
    if (rc != SQLITE_OK) return nullptr;
    sqlite3_stmt* st = p->st;
    EnUso uso{st};
    try {
        for (size_t i = 0; i < parametros.size(); ++i) Enlazar(st, static_cast<int>(i + 1), parametros[i]);
    } catch (const vb::Error& e) {
        ultimoError_ = e.Description();
        return nullptr;
    }
    // The columns are read after the first step: a statement kept from an earlier call is prepared
    // again inside that step when another connection has changed the tables' layout since, and
    // only then do its names and types describe the values it gives.
    rc = sqlite3_step(st);
    int columnas = sqlite3_column_count(st);
    std::vector<std::string> nombres;
    std::vector<Declarado> tipos;
    for (int i = 0; i < columnas; ++i) {
        nombres.emplace_back(sqlite3_column_name(st, i));
        tipos.push_back(Clasificar(st, i));
    }
    // A list read again (a window presenting itself after each click) gets its room at once,
    // with some to spare for rows added since. Values beyond that room go into pieces, joined
    // once at the end: growing one block would hold the values read so far twice at each
    // doubling, and a first read of a large list would need half as much again as it holds.
    std::vector<vb::Variant> valores;
    valores.reserve(p->valores + p->valores / 16);
    std::vector<Pieza> piezas;
    auto lleno = [&] { return piezas.empty() ? valores.size() == valores.capacity() : piezas.back().size() == kPieza; };
    for (; rc == SQLITE_ROW; rc = sqlite3_step(st))
        for (int i = 0; i < columnas; ++i) {
            if (lleno()) piezas.emplace_back().reserve(kPieza);
            (piezas.empty() ? valores.emplace_back() : piezas.back().emplace_back()) =
                LeerColumna(st, i, tipos[static_cast<size_t>(i)]);
        }
    if (rc != SQLITE_DONE) {
        ultimoError_ = sqlite3_errmsg(db_);
        return nullptr;
    }
    if (!piezas.empty()) valores = Juntar(std::move(valores), std::move(piezas));
    p->valores = valores.size();
    if (valores.capacity() > 2 * valores.size()) valores.shrink_to_fit();  // a list much shorter than last time
    auto rs = std::make_shared<Recordset>(std::move(nombres), std::move(valores));
    abiertos_.push_back(rs);
    return rs;
}

void Database::BeginTrans() { Execute("BEGIN IMMEDIATE"); }
void Database::CommitTrans() { Execute("COMMIT"); }

void Database::Rollback() {
    if (db_ && !sqlite3_get_autocommit(db_)) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
}

void Database::Close() {
    for (auto& w : abiertos_)
        if (auto rs = w.lock()) rs->Close();
    abiertos_.clear();
    OlvidarPreparadas();
    if (db_) {
        Rollback();
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
}

bool Database::Reposar() {
    for (auto& w : abiertos_)
        if (auto rs = w.lock()) rs->Close();
    abiertos_.clear();
    if (!db_) return false;
    // Statements prepared outside the cache on this handle too.
    for (sqlite3_stmt* st = sqlite3_next_stmt(db_, nullptr); st; st = sqlite3_next_stmt(db_, st))
        if (sqlite3_stmt_busy(st)) sqlite3_reset(st);
    Rollback();
    return sqlite3_get_autocommit(db_) != 0;
}

// ---- Workspace and engine ----

std::shared_ptr<Database> Workspace::OpenDatabase(const std::string& ruta, bool, bool soloLectura,
                                                  const std::string&) {
    std::error_code ec;
    if (ruta.empty() || !std::filesystem::is_regular_file(ruta, ec))
        throw vb::Error(vb::errArchivoNoEncontrado, kOrigen, "Could not find file '" + ruta + "'.");
    sqlite3* db = nullptr;
    // No lock per call into the engine: a connection serves one thread at a time.
    int flags = (soloLectura ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX;
    int rc = sqlite3_open_v2(ruta.c_str(), &db, flags, nullptr);
    auto base = std::make_shared<Database>(db, ruta);
    if (rc != SQLITE_OK) throw ErrorMotor(rc, ruta, sqlite3_errmsg(db));
    sqlite3_busy_timeout(db, kEsperaOcupada);
    sqlite3_extended_result_codes(db, 0);
    // Reading the schema here makes a file that is not a database fail at once. In this journal
    // mode a commit is the journal's deletion: EXTRA syncs the folder after it, so a save reported
    // as done is not undone by a power cut that brings the journal back.
    rc = sqlite3_exec(db, "PRAGMA journal_mode=DELETE; PRAGMA synchronous=EXTRA; PRAGMA foreign_keys=OFF;",
                      nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) throw ErrorMotor(rc, ruta, sqlite3_errmsg(db));
    return base;
}

DBEngine& DBEngine::Instancia() {
    static DBEngine motor;
    return motor;
}

std::shared_ptr<Workspace> DBEngine::CreateWorkspace(const std::string& nombre, const std::string&,
                                                     const std::string&, int) {
    return std::make_shared<Workspace>(nombre);
}

std::shared_ptr<Database> DBEngine::OpenDatabase(const std::string& ruta, bool exclusivo, bool soloLectura,
                                                 const std::string& conexion) {
    static Workspace porDefecto("#Default Workspace#");
    return porDefecto.OpenDatabase(ruta, exclusivo, soloLectura, conexion);
}

// ---- building files from SQL ----

void EjecutarGuion(Database& db, const std::string& sql) {
    Transaccion t(db);
    char* error = nullptr;
    int rc = sqlite3_exec(db.Handle(), sql.c_str(), nullptr, nullptr, &error);
    if (rc != SQLITE_OK) {
        std::string mensaje = error ? error : "SQL error";
        sqlite3_free(error);
        throw ErrorMotor(rc, db.Name(), mensaje);
    }
    t.Confirmar();
}

void CrearBaseDesdeSql(const std::string& ruta, const std::string& sql) {
    namespace fs = std::filesystem;
    std::string temporal = ruta + ".nuevo";
    fs::remove(temporal);
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(temporal.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    {
        Database base(db, temporal);
        if (rc != SQLITE_OK) throw vb::Error(vb::errBaseDatos + (rc & 0xFF), kOrigen, sqlite3_errmsg(db));
        sqlite3_exec(db, "PRAGMA journal_mode=DELETE;", nullptr, nullptr, nullptr);
        try {
            EjecutarGuion(base, sql);
        } catch (...) {
            base.Close();
            fs::remove(temporal);
            throw;
        }
    }
    fs::rename(temporal, ruta);
}

}  // namespace dao
