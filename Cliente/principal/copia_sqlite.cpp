#include "principal/copia_sqlite.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <chrono>
#include <filesystem>
#include <system_error>

#include "vb/error.h"

namespace oxalde {
namespace {

constexpr int kEsperaMs = 5000;
constexpr int kPausaMs = 50;
constexpr char kOrigen[] = "GarobelLib.cSaveAsRestore";

int& esperaCopiaMs() {
    static int ms = kEsperaMs;
    return ms;
}

// One connection, closed when it goes out of scope.
class Conexion {
public:
    Conexion(const QString& ruta, int modo) {
        const int rc = sqlite3_open_v2(QFile::encodeName(ruta).constData(), &db_, modo, nullptr);
        if (rc != SQLITE_OK) Fallo(rc);
        sqlite3_busy_timeout(db_, kEsperaMs);
        // A copy written is committed as the library commits: durable before the call returns.
        if (modo & SQLITE_OPEN_READWRITE) {
            const int pragmas =
                sqlite3_exec(db_, "PRAGMA journal_mode=DELETE; PRAGMA synchronous=EXTRA;", nullptr, nullptr, nullptr);
            if (pragmas != SQLITE_OK) Fallo(pragmas);
        }
    }
    ~Conexion() { sqlite3_close_v2(db_); }
    Conexion(const Conexion&) = delete;
    Conexion& operator=(const Conexion&) = delete;

    sqlite3* db() const { return db_; }
    [[noreturn]] void Fallo(int rc) const {
        throw vb::Error(vb::errBaseDatos + (rc & 0xff), kOrigen, db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc));
    }

private:
    sqlite3* db_ = nullptr;
};

// The first column of every row of a query; the engine's error code when it fails.
int Consultar(sqlite3* db, const char* sql, QStringList& filas) {
    sqlite3_stmt* st = nullptr;
    int rc = sqlite3_prepare_v2(db, sql, -1, &st, nullptr);
    if (rc == SQLITE_OK) {
        while ((rc = sqlite3_step(st)) == SQLITE_ROW)
            filas << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
    }
    sqlite3_finalize(st);
    return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

// The new name of a file moved into place reaches the disk with its folder.
void SincronizarCarpeta(const QString& carpeta) {
    const int fd = open(QFile::encodeName(carpeta).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

}  // namespace

void CopiarBaseEnLinea(const QString& origen, const QString& destino) {
    if (!QFileInfo(origen).isFile())
        throw vb::Error(vb::errArchivoNoEncontrado, kOrigen,
                        "No se encuentra el archivo '" + origen.toStdString() + "'.");
    Conexion fuente(origen, SQLITE_OPEN_READONLY);
    Conexion copia(destino, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    sqlite3_backup* copiado = sqlite3_backup_init(copia.db(), "main", fuente.db(), "main");
    if (!copiado) copia.Fallo(sqlite3_errcode(copia.db()));
    int rc;
    // Another connection writing the source makes the step wait and try again, for as long in
    // all as the engine waits for a lock.
    const auto limite = std::chrono::steady_clock::now() + std::chrono::milliseconds(esperaCopiaMs());
    while ((rc = sqlite3_backup_step(copiado, -1)) == SQLITE_BUSY || rc == SQLITE_LOCKED) {
        if (std::chrono::steady_clock::now() >= limite) break;
        sqlite3_sleep(kPausaMs);
    }
    sqlite3_backup_finish(copiado);
    if (rc != SQLITE_DONE) copia.Fallo(rc);
}

void EstablecerEsperaCopiaMs(int ms) { esperaCopiaMs() = ms > 0 ? ms : kEsperaMs; }

void CopiarBaseAArchivoNuevo(const QString& origen, const QString& destino) {
    const QString temporal = destino + QStringLiteral(".tmp");
    QFile::remove(temporal);
    try {
        CopiarBaseEnLinea(origen, temporal);
    } catch (...) {
        QFile::remove(temporal);
        throw;
    }
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(temporal).toStdString(), QFile::encodeName(destino).toStdString(),
                            error);
    if (error) {
        QFile::remove(temporal);
        throw vb::Error(vb::errBaseDatos + SQLITE_CANTOPEN, kOrigen, error.message());
    }
    SincronizarCarpeta(QFileInfo(destino).absolutePath());
}

bool EsBloqueo(int numero) {
    return numero == vb::errBaseDatos + SQLITE_BUSY || numero == vb::errBaseDatos + SQLITE_LOCKED;
}

DefectoCopia DefectoDeError(int numero) {
    if (numero == vb::errBaseDatos + SQLITE_NOTADB) return DefectoCopia::NoEsBase;
    // Only reads are asked of these files: the engine answers "read-only" when a journal left by a
    // save cut short lies beside the file and this connection may not roll it back.
    if (numero == vb::errBaseDatos + SQLITE_READONLY) return DefectoCopia::AMedioGuardar;
    return EsBloqueo(numero) ? DefectoCopia::EnUso : DefectoCopia::Danada;
}

ResultadoComprobacion ComprobarCopia(const QString& ruta, const QStringList& tablas) {
    if (!QFileInfo(ruta).isFile()) return {DefectoCopia::NoExiste, {}};
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(ruta).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    ResultadoComprobacion r;
    QStringList hallazgos;
    if (rc == SQLITE_OK) {
        sqlite3_busy_timeout(db, kEsperaMs);
        rc = Consultar(db, "PRAGMA integrity_check", hallazgos);
    }
    if (rc != SQLITE_OK) {
        r = {DefectoDeError(vb::errBaseDatos + (rc & 0xff)),
             QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc))};
    } else if (hallazgos != QStringList{QStringLiteral("ok")}) {
        r = {DefectoCopia::Danada, hallazgos.join(u'\n')};
    } else {
        QStringList presentes;
        rc = Consultar(db, "SELECT upper(name) FROM sqlite_master WHERE type = 'table'", presentes);
        QStringList faltan;
        for (const QString& tabla : tablas)
            if (!presentes.contains(tabla.toUpper())) faltan << tabla;
        if (rc != SQLITE_OK)
            r = {DefectoCopia::Danada, QString::fromUtf8(sqlite3_errmsg(db))};
        else if (!faltan.isEmpty())
            r = {DefectoCopia::FaltanTablas, faltan.join(QStringLiteral(", "))};
    }
    sqlite3_close_v2(db);
    return r;
}

}  // namespace oxalde
