#include "registro/cDecResumen.h"

namespace oxalde {

cDecResumen& cDecResumen::Instancia() {
    static cDecResumen instancia;
    return instancia;
}

}  // namespace oxalde
