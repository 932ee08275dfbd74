#include "principal/copia_sqlite.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>

#include "compartido/clase_motor.h"
#include "principal/carpeta_trabajo.h"
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

std::function<void()>& pasoReemplazo() {
    static std::function<void()> paso;
    return paso;
}

void Paso() {
    if (pasoReemplazo()) pasoReemplazo()();
}

// What the engine keeps beside a database and reads as part of it: the journal of a write, the
// write-ahead log and its index. Beside another file they would be read into that one.
constexpr const char* kAcompanantes[] = {"-journal", "-wal", "-shm"};

// One connection, closed when it goes out of scope. Its errors name `nombre`, the file the user
// knows it by, and carry the engine's extended code.
class Conexion {
public:
    Conexion(const QString& ruta, int modo, const QString& nombre) : nombre_(nombre) {
        const int rc = sqlite3_open_v2(QFile::encodeName(ruta).constData(), &db_, modo, nullptr);
        if (rc != SQLITE_OK) FalloAlAbrir(rc);
        sqlite3_extended_result_codes(db_, 1);
        sqlite3_busy_timeout(db_, kEsperaMs);
        // A copy written is committed as the library commits: durable before the call returns.
        if (modo & SQLITE_OPEN_READWRITE) {
            const int pragmas =
                sqlite3_exec(db_, "PRAGMA journal_mode=DELETE; PRAGMA synchronous=EXTRA;", nullptr, nullptr, nullptr);
            if (pragmas != SQLITE_OK) FalloAlAbrir(pragmas);
        }
    }
    ~Conexion() { sqlite3_close_v2(db_); }
    Conexion(const Conexion&) = delete;
    Conexion& operator=(const Conexion&) = delete;

    sqlite3* db() const { return db_; }
    [[noreturn]] void Fallo(int rc) const {
        throw vb::Error(vb::errBaseDatos + (rc & 0xff), kOrigen, db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc))
            .ConMotor(QFile::encodeName(nombre_).toStdString(), rc);
    }
    // A failure while opening: the destructor will not run, so the handle (which the engine makes
    // even for a file it cannot open) and its file are let go here, after the error has read it.
    [[noreturn]] void FalloAlAbrir(int rc) {
        try {
            Fallo(rc);
        } catch (...) {
            sqlite3_close_v2(db_);
            throw;
        }
    }
    // Begins a read: what the file holds stays as read until the connection closes. A save cut
    // short beside the file is rolled back here when the connection may write it.
    int Leer() const { return Ejecutar("BEGIN; SELECT count(*) FROM sqlite_master;"); }
    // The same, then the write lock: no other connection can start a journal beside the file
    // until this one closes.
    int Sujetar() const { return Ejecutar("BEGIN IMMEDIATE; SELECT count(*) FROM sqlite_master;"); }

private:
    int Ejecutar(const char* sql) const {
        const int rc = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
        return rc == SQLITE_OK ? rc : sqlite3_extended_errcode(db_);
    }

    QString nombre_;
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

// The source, read-only, in a read transaction. A save cut short beside it is refused with the
// engine's code for it (SQLITE_READONLY_ROLLBACK) and nothing changes: the caller rolls the user's
// own database back first, through a checked copy (DeshacerGuardadoCortado).
std::unique_ptr<Conexion> AbrirOrigen(const QString& origen) {
    auto fuente = std::make_unique<Conexion>(origen, SQLITE_OPEN_READONLY, origen);
    if (const int rc = fuente->Leer(); rc != SQLITE_OK) fuente->Fallo(rc);
    return fuente;
}

void Copiar(const QString& origen, const QString& destino, const QString& nombreDestino) {
    if (!QFileInfo(origen).isFile())
        throw vb::Error(vb::errArchivoNoEncontrado, kOrigen, "Could not find file")
            .ConMotor(QFile::encodeName(origen).toStdString(), SQLITE_CANTOPEN);
    const auto fuente = AbrirOrigen(origen);
    Conexion copia(destino, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nombreDestino);
    sqlite3_backup* copiado = sqlite3_backup_init(copia.db(), "main", fuente->db(), "main");
    if (!copiado) copia.Fallo(sqlite3_extended_errcode(copia.db()));
    int rc;
    // Another connection holding the destination makes the step wait and try again, for as long
    // in all as the engine waits for a lock.
    const auto limite = std::chrono::steady_clock::now() + std::chrono::milliseconds(esperaCopiaMs());
    while ((rc = sqlite3_backup_step(copiado, -1)) == SQLITE_BUSY || rc == SQLITE_LOCKED) {
        if (std::chrono::steady_clock::now() >= limite) break;
        sqlite3_sleep(kPausaMs);
    }
    sqlite3_backup_finish(copiado);
    if (rc != SQLITE_DONE) copia.Fallo(rc);
}

// Whether this user may not read the file (its own mode, or a folder on the way that cannot be
// passed through): what is missing then is leave to read, not to write.
bool SinLectura(const std::string& archivo) {
    return !archivo.empty() && faccessat(AT_FDCWD, archivo.c_str(), R_OK, AT_EACCESS) != 0 && errno == EACCES;
}

bool Existe(const QString& ruta) {
    const QFileInfo archivo(ruta);
    return archivo.exists() || archivo.isSymLink();
}

// The earlier file made whole before it goes, so that a kill before the new one takes its place
// leaves it as its last finished write did: the engine rolls a journal beside it (a write cut
// short) back into it and writes a log back into it, then holds its write lock, so that no other
// connection starts a journal beside it until it is replaced. Another program writing it is raised
// as such, naming it, with nothing changed; whatever else the engine meets (not a database, damaged,
// read-only) leaves it as it is: it is being replaced anyway.
std::unique_ptr<Conexion> SujetarAnterior(const QString& ruta) {
    if (!Existe(ruta + QStringLiteral("-journal")) && !Existe(ruta + QStringLiteral("-wal"))) return nullptr;
    try {
        auto anterior = std::make_unique<Conexion>(ruta, SQLITE_OPEN_READWRITE, ruta);
        if (const int rc = anterior->Sujetar(); rc != SQLITE_OK) anterior->Fallo(rc);
        return anterior;
    } catch (const vb::Error& e) {
        if (ClaseMotorDe(e) == ClaseMotor::Bloqueo) throw;
        return nullptr;
    }
}

// What still lies beside the earlier file goes with it into the scratch folder, and with that
// folder in the end: none of it is ever read into the new file. A folder under such a name is no
// journal (the engine cannot read it) and its contents are not the program's to remove.
void ApartarAcompanantes(const QString& ruta, const CarpetaTrabajo& trabajo) {
    for (const char* sufijo : kAcompanantes) {
        const QFileInfo acompanante(ruta + QLatin1String(sufijo));
        if (acompanante.isDir() && !acompanante.isSymLink()) continue;
        const QByteArray de = QFile::encodeName(acompanante.filePath());
        const QByteArray a = QFile::encodeName(trabajo.Ruta(QStringLiteral("anterior") + QLatin1String(sufijo)));
        if (std::rename(de.constData(), a.constData()) != 0 && errno != ENOENT)
            FalloDeArchivo(errno, std::strerror(errno), acompanante.filePath());
    }
}

// The new file takes the place of the earlier one, which goes with all that lies beside it. Each
// step reaches the disk before the next: a kill between any two leaves the earlier file whole (or
// as it was) or the new one alone, never the new one beside what belonged to the earlier.
void Reemplazar(const QString& temporal, const QString& destino, const CarpetaTrabajo& trabajo) {
    const QString carpeta = QFileInfo(destino).absolutePath();
    Paso();
    const auto anterior = SujetarAnterior(destino);
    Paso();
    ApartarAcompanantes(destino, trabajo);
    Paso();
    SincronizarCarpeta(carpeta);
    Paso();
    MoverEnSuSitio(temporal, destino);
    Paso();
    SincronizarCarpeta(carpeta);
}

}  // namespace

void EstablecerPasoReemplazo(std::function<void()> paso) { pasoReemplazo() = std::move(paso); }

void CopiarBaseEnLinea(const QString& origen, const QString& destino) { Copiar(origen, destino, destino); }

void EstablecerEsperaCopiaMs(int ms) { esperaCopiaMs() = ms > 0 ? ms : kEsperaMs; }

void CopiarBaseAArchivoNuevo(const QString& origen, const QString& destino, Comprobada comprobada) {
    // The new file is written in a scratch folder beside it (the same disk, so the move is one
    // step); the folder goes, with the file and its journal, whatever happens.
    const QFileInfo archivo(destino);
    const CarpetaTrabajo trabajo(archivo.path());
    const QString temporal = trabajo.Ruta(archivo.fileName());
    Copiar(origen, temporal, destino);
    if (comprobada == Comprobada::Si) {
        // The engine copies pages as they are: a damaged source gives a damaged copy, which must
        // not take the place of a sound one.
        const ResultadoComprobacion r = ComprobarCopia(temporal, {});
        if (r.defecto != DefectoCopia::Ninguno)
            throw vb::Error(vb::errBaseDatos + SQLITE_CORRUPT, kOrigen, r.detalle.toStdString())
                .ConMotor(QFile::encodeName(origen).toStdString(), SQLITE_CORRUPT);
    }
    Reemplazar(temporal, destino, trabajo);
}

void DeshacerEnSuSitio(const QString& ruta) {
    const Conexion conexion(ruta, SQLITE_OPEN_READWRITE, ruta);
    if (const int rc = conexion.Leer(); rc != SQLITE_OK) conexion.Fallo(rc);
}

DefectoCopia DefectoDe(ClaseMotor clase) {
    switch (clase) {
        case ClaseMotor::NoEsBase: return DefectoCopia::NoEsBase;
        // Only reads are asked of these files: the engine answers "read-only" when a journal left
        // by a save cut short lies beside the file and this connection may not roll it back.
        case ClaseMotor::GuardadoCortado:
        case ClaseMotor::SoloLectura: return DefectoCopia::AMedioGuardar;
        case ClaseMotor::Bloqueo: return DefectoCopia::EnUso;
        default: return DefectoCopia::Danada;
    }
}

DefectoCopia DefectoDeFallo(const vb::Error& error) {
    const ClaseMotor clase = ClaseMotorDe(error);
    const bool nombrado = !error.Archivo().empty();
    switch (clase) {
        case ClaseMotor::Bloqueo: return nombrado ? DefectoDe(clase) : DefectoCopia::Fallo;
        case ClaseMotor::DiscoLleno: return nombrado ? DefectoCopia::DiscoLleno : DefectoCopia::Fallo;
        case ClaseMotor::SinAcceso:
            return SinLectura(error.Archivo()) ? DefectoCopia::SinLectura : DefectoCopia::SinAcceso;
        // A write refused: the engine's own finding of a save cut short is GuardadoCortado.
        case ClaseMotor::SoloLectura: return DefectoCopia::SinAcceso;
        case ClaseMotor::GuardadoCortado:
        case ClaseMotor::Danada: return DefectoDe(clase);
        default: return DefectoCopia::Fallo;
    }
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
        r = {DefectoDe(ClaseMotorDe(rc)),
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
