// The list of the library's public classes; each service adds its line here.
#include "servicios/registro.h"
#include "servicios/cDeclaracion.h"
#include "servicios/cDatosGeneral.h"
#include "servicios/cDeclarante.h"
#include "servicios/cTraspaso.h"

namespace brunsel {

std::vector<std::pair<std::string, com::Fabrica>> ClasesPublicas() {
    return {
        {"Brunsel.cDeclaracion", [] { return std::make_shared<cDeclaracion>(); }},
        {"Brunsel.cDatosGeneral", [] { return std::make_shared<cDatosGeneral>(); }},
        {"Brunsel.cDeclarante", [] { return std::make_shared<cDeclarante>(); }},
        {"Brunsel.cTraspaso", [] { return std::make_shared<cTraspaso>(); }},
    };
}

}  // namespace brunsel
