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
        case EROFS: return Cadena(kIdMotivoSoloLectura);
        case ENAMETOOLONG: return Cadena(kIdMotivoNombreLargo);
        case EFBIG: return Cadena(kIdMotivoDemasiadoGrande);
        // The system's own account is in English whatever the user's language.
        default: return Cadena(kIdMotivoErrorSistema).arg(numero);
    }
}

QString MotivoFallo(const QFileDevice& fichero, int numero) {
    return numero != 0 ? MotivoSistema(numero) : fichero.errorString();
}

}  // namespace oxalde
