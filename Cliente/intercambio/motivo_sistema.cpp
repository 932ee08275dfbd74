#include "intercambio/motivo_sistema.h"

#include <cerrno>

#include "compartido/cadenas.h"

namespace oxalde {

QString MotivoSistema(int numero) {
    switch (numero) {
        case EACCES:
        case EPERM: return Cadena(kIdMotivoSinPermiso);
        case ENOSPC:
        case EDQUOT: return Cadena(kIdMotivoDiscoLleno);
        default: return qt_error_string(numero);
    }
}

}  // namespace oxalde
