#include "registro/cDecLista.h"

namespace oxalde {

cDecLista& cDecLista::Instancia() {
    static cDecLista instancia;
    return instancia;
}

}  // namespace oxalde
