#include "intercambio/motivo_sistema.h"

#include <QFileDevice>
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

QString MotivoFallo(const QFileDevice& fichero, int numero) {
    return numero != 0 ? MotivoSistema(numero) : fichero.errorString();
}

}  // namespace oxalde
