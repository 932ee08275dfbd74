#include "intercambio/escritura.h"

#include <QFileDevice>
#include <cerrno>

#include "intercambio/motivo_sistema.h"

namespace oxalde {

bool EscribirTodo(QFileDevice& fichero, const QByteArray& datos, QString& detalle) {
    qsizetype hecho = 0;
    while (hecho < datos.size()) {
        errno = 0;
        const qint64 n = fichero.write(datos.constData() + hecho, datos.size() - hecho);
        if (n <= 0) {
            detalle = MotivoFallo(fichero, errno);
            return false;
        }
        hecho += n;
    }
    return true;
}

}  // namespace oxalde
