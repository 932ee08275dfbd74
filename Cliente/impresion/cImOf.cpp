#include "impresion/cImOf.h"

namespace oxalde {

cImOf& cImOf::Instancia() {
    static cImOf opciones;
    return opciones;
}

}  // namespace oxalde
