#include "tablas/reserva_conexiones.h"

#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brunsel {
namespace {

// The program uses two files; a few more (a test's, a copy's) may come and go.
constexpr size_t kMaxGuardadas = 4;

int64_t Nanosegundos(const timespec& t) { return int64_t{t.tv_sec} * 1000000000 + t.tv_nsec; }

int64_t Cambios(const dao::Database& base) { return sqlite3_total_changes64(base.Handle()); }

// Whether the path no longer names the file the connection has open (another file was renamed
// over it, or it was deleted), whatever identity was noted for it: a file put in place during
// an operation is noted at its end against a connection still on the old one.
bool Movido(const dao::Database& base) {
    int movido = 1;
    return sqlite3_file_control(base.Handle(), "main", SQLITE_FCNTL_HAS_MOVED, &movido) != SQLITE_OK || movido != 0;
}

}  // namespace

std::optional<IdentidadFichero> Identidad(const std::string& ruta) {
    struct stat e {};
    if (ruta.empty() || stat(ruta.c_str(), &e) != 0 || !S_ISREG(e.st_mode)) return std::nullopt;
    return IdentidadFichero{static_cast<uint64_t>(e.st_dev), static_cast<uint64_t>(e.st_ino),
                            static_cast<int64_t>(e.st_size), Nanosegundos(e.st_mtim), Nanosegundos(e.st_ctim)};
}

std::shared_ptr<dao::Database> ReservaConexiones::Tomar(const std::string& ruta) {
    for (auto it = guardadas_.begin(); it != guardadas_.end(); ++it) {
        if (it->base->Name() != ruta) continue;
        Guardada g = std::move(*it);
        guardadas_.erase(it);
        // A connection inherited by a child process is never used there; a changed file is
        // read afresh.
        if (g.proceso != getpid() || Identidad(ruta) != g.identidad || Movido(*g.base)) {
            g.base->Close();
            return nullptr;
        }
        prestadas_.push_front({g.base, g.identidad, Cambios(*g.base)});
        return std::move(g.base);
    }
    return nullptr;
}

std::optional<IdentidadFichero> ReservaConexiones::IdentidadAlDevolver(const dao::Database& base) {
    for (auto it = prestadas_.begin(); it != prestadas_.end();) {
        const auto prestada = it->base.lock();
        if (prestada.get() != &base) {
            it = prestada ? std::next(it) : prestadas_.erase(it);
            continue;
        }
        const Prestada p = *it;
        prestadas_.erase(it);
        // Nothing written: the file is as it was when taken (a change by someone else since
        // then shows at the next Tomar).
        if (p.cambios == Cambios(base)) return p.identidad;
        break;
    }
    // Taken once the connection is at rest, after this operation's writes.
    return Identidad(base.Name());
}

void ReservaConexiones::Devolver(std::shared_ptr<dao::Database> base) {
    if (!base) return;
    const auto identidad = base->Reposar() ? IdentidadAlDevolver(*base) : std::nullopt;
    if (!identidad) return base->Close();
    for (auto it = guardadas_.begin(); it != guardadas_.end(); ++it)
        if (it->base->Name() == base->Name()) {
            it->base->Close();
            guardadas_.erase(it);
            break;
        }
    guardadas_.push_front({std::move(base), *identidad, getpid()});
    while (guardadas_.size() > kMaxGuardadas) {
        guardadas_.back().base->Close();
        guardadas_.pop_back();
    }
}

void ReservaConexiones::Vaciar() {
    for (auto& g : guardadas_) g.base->Close();
    guardadas_.clear();
    prestadas_.clear();
}

}  // namespace brunsel
