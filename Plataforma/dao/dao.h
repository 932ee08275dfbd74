#pragma once
// The library's data access over SQLite 3, in five objects: engine, workspace, database, result
// set and fields, so that each table class opens, reads and writes its rows in the same few calls.
// - Opening a missing file is an error and creates nothing.
// - A result set is read whole when it opens, so no read lock outlives the call that opened it.
// - Each file is one database file (rollback journal, synchronous writes) with a busy timeout,
//   so a second copy of the program can work on it safely.
// - A connection is used by one thread at a time (the engine takes no lock of its own for each
//   value read); two threads need two connections.
// - A connection keeps its statements prepared, by text, for the next run of the same text;
//   every run leaves its statement reset, so none keeps a lock after it.
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "vb/variant.h"

struct sqlite3;
struct sqlite3_stmt;

namespace dao {

using Parametros = std::vector<vb::Variant>;

class Recordset {
public:
    // `valores` holds the rows one after another, each with one value per name.
    Recordset(std::vector<std::string> nombres, std::vector<vb::Variant> valores);

    bool Eof() const { return actual_ >= filas_; }
    vb::Long RecordCount() const { return static_cast<vb::Long>(filas_); }
    void MoveFirst();
    void MoveLast();
    void MoveNext();

    int FieldCount() const { return static_cast<int>(nombres_.size()); }
    const std::string& FieldName(int i) const;
    // The value of a column of the current row; no current row raises 3021, an unknown
    // column 3265. Column names compare without regard to case.
    const vb::Variant& Fields(int i) const;
    const vb::Variant& Fields(const std::string& nombre) const;

    void Close() { cerrado_ = true; }
    bool Cerrado() const { return cerrado_; }

    // Hands over every value, row after row, without copying them, and closes the set: a list
    // of thousands of rows becomes the caller's buffer as it stands.
    std::vector<vb::Variant> TomarValores();

private:
    std::vector<std::string> nombres_;
    std::vector<vb::Variant> valores_;
    size_t filas_ = 0;
    size_t actual_ = 0;
    bool cerrado_ = false;
    const vb::Variant* FilaActual() const;
};

class Database {
public:
    Database(sqlite3* db, std::string ruta);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    const std::string& Name() const { return ruta_; }
    bool Abierta() const { return db_ != nullptr; }

    // Runs one statement with its values bound to the "?" placeholders; raises the engine's
    // error (number 3000 + the engine's code, the engine's message, this file and that code).
    void Execute(const std::string& sql, int opciones = 0, const Parametros& parametros = {});
    vb::Long RecordsAffected() const { return afectadas_; }
    vb::Long UltimaClave() const;  // key of the last insert on this connection

    // Never raises: on failure gives no result set and keeps the engine's message.
    std::shared_ptr<Recordset> OpenRecordset(const std::string& sql, const Parametros& parametros = {});
    const std::string& UltimoError() const { return ultimoError_; }
    // The engine's code (primary) of the last call on this connection that failed, read right
    // after it: what a result set that could not be opened met (a lock, a full disk...).
    int MotorUltimoFallo() const;

    void BeginTrans();
    void CommitTrans();
    void Rollback();  // never raises

    // Closes the result sets still open, then the file; never raises and may be repeated.
    void Close();

    // Brings the connection to rest between two operations, leaving the file open: the result
    // sets still open are closed, a transaction left open is rolled back and every statement is
    // reset, so that it holds no lock. False when it is still not at rest (close it then).
    bool Reposar();

    sqlite3* Handle() const { return db_; }

private:
    sqlite3* db_;
    std::string ruta_;
    std::string ultimoError_;
    vb::Long afectadas_ = 0;
    std::vector<std::weak_ptr<Recordset>> abiertos_;
    struct Preparada {
        sqlite3_stmt* st = nullptr;
        size_t valores = 0;  // values its last result set held: the room to make for the next one
    };
    std::unordered_map<std::string, Preparada> preparadas_;
    [[noreturn]] void LanzarError(int codigo) const;
    // The statement of this text, prepared on first use; SQLITE_OK, or the engine's code with
    // its message in `mensaje`.
    int Preparar(const std::string& sql, Preparada*& p, std::string& mensaje);
    void OlvidarPreparadas();
};

class Workspace {
public:
    explicit Workspace(std::string nombre) : nombre_(std::move(nombre)) {}
    // Raises 3024 for a missing file and the engine's error for one that is not a database.
    std::shared_ptr<Database> OpenDatabase(const std::string& ruta, bool exclusivo = false,
                                           bool soloLectura = false, const std::string& conexion = "");
    void Close() {}

private:
    std::string nombre_;
};

class DBEngine {
public:
    static DBEngine& Instancia();
    std::shared_ptr<Workspace> CreateWorkspace(const std::string& nombre, const std::string& usuario,
                                               const std::string& clave, int tipo);
    // On the engine's default workspace.
    std::shared_ptr<Database> OpenDatabase(const std::string& ruta, bool exclusivo = false,
                                           bool soloLectura = false, const std::string& conexion = "");
};

// Runs every statement of the text inside one transaction; raises the engine's error.
void EjecutarGuion(Database& db, const std::string& sql);

// Builds a new database file from SQL text. It is written beside the target and moved into
// place at the end, so a failure never leaves a half-built file under the target's name.
void CrearBaseDesdeSql(const std::string& ruta, const std::string& sql);

// Keeps a transaction open until Confirmar(); undoes it if the scope is left without it.
class Transaccion {
public:
    explicit Transaccion(Database& db) : db_(db) { db_.BeginTrans(); }
    ~Transaccion() {
        if (!confirmada_) db_.Rollback();
    }
    void Confirmar() {
        db_.CommitTrans();
        confirmada_ = true;
    }

private:
    Database& db_;
    bool confirmada_ = false;
};

}  // namespace dao
