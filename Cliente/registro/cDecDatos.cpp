#include "registro/cDecDatos.h"

namespace oxalde {

cDecDatos& cDecDatos::Instancia() {
    static cDecDatos instancia;
    return instancia;
}

}  // namespace oxalde
