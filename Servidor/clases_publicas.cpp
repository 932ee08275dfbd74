// The list of the library's public classes; each service adds its line here.
#include "registro.h"

namespace brunsel {

std::vector<std::pair<std::string, com::Fabrica>> ClasesPublicas() {
    return {};
}

}  // namespace brunsel
