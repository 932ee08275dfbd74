#include "tablas/reserva_conexiones.h"

#include <sys/stat.h>
#include <unistd.h>

namespace brunsel {
namespace {

// The program uses two files; a few more (a test's, a copy's) may come and go.
constexpr size_t kMaxGuardadas = 4;

int64_t Nanosegundos(const timespec& t) { return int64_t{t.tv_sec} * 1000000000 + t.tv_nsec; }

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
        if (g.proceso == getpid() && Identidad(ruta) == g.identidad) return std::move(g.base);
        g.base->Close();
        return nullptr;
    }
    return nullptr;
}

void ReservaConexiones::Devolver(std::shared_ptr<dao::Database> base) {
    if (!base) return;
    // The file's state is taken once the connection is at rest, after this operation's writes.
    const auto identidad = base->Reposar() ? Identidad(base->Name()) : std::nullopt;
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
}

}  // namespace brunsel
