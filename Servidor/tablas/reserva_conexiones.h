#pragma once
// Connections kept between two operations, one per file, so that the engine keeps what it has
// read (the schema, the pages, the prepared statements) instead of opening the file afresh for
// every call. What opening and closing per operation guarantees still holds:
// - a connection is given back at rest: no transaction, no statement running, no lock, so another
//   copy of the program is free to write between two calls;
// - it is taken again only while the file is the one it was given back on: the same file (device
//   and inode), untouched since (size, modification and change times), in the same process,
//   and still the one the connection has open. A file replaced, restored, rewritten or deleted
//   in between, or replaced during the operation, is opened afresh.
#include <sys/types.h>

#include <cstdint>
#include <list>
#include <memory>
#include <optional>
#include <string>

#include "dao/dao.h"

namespace brunsel {

// What tells one state of a file from another.
struct IdentidadFichero {
    uint64_t dispositivo = 0;
    uint64_t nodo = 0;
    int64_t tamano = 0;
    int64_t modificado = 0;  // ns
    int64_t cambiado = 0;    // ns
    bool operator==(const IdentidadFichero&) const = default;
};
std::optional<IdentidadFichero> Identidad(const std::string& ruta);

class ReservaConexiones {
public:
    // The connection given back on this path, when the file is still the same; else none (and
    // the kept one is closed).
    std::shared_ptr<dao::Database> Tomar(const std::string& ruta);
    // Keeps the connection for the next operation on its file, or closes it when it cannot be
    // brought to rest. The oldest is closed when too many are kept.
    void Devolver(std::shared_ptr<dao::Database> base);
    // Closes every connection kept.
    void Vaciar();
    ~ReservaConexiones() { Vaciar(); }

private:
    struct Guardada {
        std::shared_ptr<dao::Database> base;
        IdentidadFichero identidad;
        pid_t proceso;
    };
    struct Prestada {
        std::weak_ptr<dao::Database> base;
        IdentidadFichero identidad;  // of the file when taken
        int64_t cambios;             // rows the connection had changed then
    };
    std::list<Guardada> guardadas_;  // the most recent first
    std::list<Prestada> prestadas_;  // taken again and not given back yet
    std::optional<IdentidadFichero> IdentidadAlDevolver(const dao::Database& base);
};

}  // namespace brunsel
