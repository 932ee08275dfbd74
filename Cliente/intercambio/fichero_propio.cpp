#include "intercambio/fichero_propio.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace oxalde {
namespace {

bool Propio(const struct stat& s) { return S_ISREG(s.st_mode) && s.st_nlink == 1; }

// Closes a descriptor after a failure, keeping the failure's errno; answers -1.
int Cerrar(int fd) {
    const int error = errno;
    ::close(fd);
    errno = error;
    return -1;
}

// The plain file under the name, opened and emptied; -1 with errno 0 when the name holds
// something else, so that it is replaced.
int AbrirExistente(const char* nombre) {
    // Without following a link, and without waiting for a reader should a pipe have taken the
    // name since it was looked at.
    const int fd = ::open(nombre, O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ELOOP || errno == ENXIO || errno == ENOENT) errno = 0;
        return -1;
    }
    struct stat s {};
    if (::fstat(fd, &s) != 0) return Cerrar(fd);
    if (!Propio(s)) {
        ::close(fd);
        errno = 0;
        return -1;
    }
    if (::ftruncate(fd, 0) != 0) return Cerrar(fd);
    return fd;
}

}  // namespace

int AbrirVacioPropio(const QString& ruta) {
    const QByteArray nombre = QFile::encodeName(ruta);
    // Another program may put something under the name again between the removal and the
    // creation: a few tries, then the name is refused as taken.
    for (int intento = 0; intento < 5; ++intento) {
        struct stat s {};
        if (::lstat(nombre.constData(), &s) == 0 && Propio(s)) {
            if (const int fd = AbrirExistente(nombre.constData()); fd >= 0 || errno != 0) return fd;
        }
        if (::unlink(nombre.constData()) != 0 && errno != ENOENT) return -1;
        const int fd = ::open(nombre.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

}  // namespace oxalde
