// Registers the library's public classes under their ProgIDs when the library is loaded.
#include "servicios/registro.h"

#include <mutex>

namespace brunsel {

void RegistrarClases() {
    static std::once_flag hecho;
    std::call_once(hecho, [] {
        for (auto& [progId, fabrica] : ClasesPublicas()) com::Registrar(progId, fabrica);
    });
}

namespace {
const bool registradas = (RegistrarClases(), true);
}

}  // namespace brunsel
