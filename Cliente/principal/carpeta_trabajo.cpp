#include "principal/carpeta_trabajo.h"

#include <sqlite3.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "vb/error.h"

namespace oxalde {
namespace {

const QString kPrefijo = QStringLiteral(".oxalde-trabajo-");
const QString kCerrojo = QStringLiteral(".lock");
// An empty lock file younger than this may still be on its way to being locked and written by
// the copy that has just made it.
constexpr std::time_t kEdadCerrojoVacio = 10 * 60;

QString Nueva(const QString& junto) {
    return QDir(junto).filePath(kPrefijo + QUuid::createUuid().toString(QUuid::WithoutBraces));
}

// Removes a scratch folder. Anything else under its name (a link someone put there, a file) goes
// as a name only: a link is never followed into what it points to.
void Borrar(const QString& ruta) {
    const QFileInfo entrada(ruta);
    if (entrada.isDir() && !entrada.isSymLink())
        QDir(ruta).removeRecursively();
    else
        QFile::remove(ruta);
}

// The engine's code for a folder or lock file that could not be made: a full disk (or quota) as
// such, so that the user is told to free space rather than to look at permissions.
int MotorDe(int numero) { return numero == ENOSPC || numero == EDQUOT ? SQLITE_FULL : SQLITE_CANTOPEN; }

// Every byte of `origen` into `destino`, then onto the disk: 0, or the errno of the first failure
// (a write that takes fewer bytes than it is given is tried again, so a full disk is said as such).
int Volcar(int origen, int destino) {
    char bloque[1 << 16];
    for (;;) {
        const ssize_t leidos = read(origen, bloque, sizeof bloque);
        if (leidos < 0 && errno == EINTR) continue;
        if (leidos < 0) return errno;
        if (leidos == 0) return fsync(destino) == 0 ? 0 : errno;
        for (ssize_t hecho = 0; hecho < leidos;) {
            const ssize_t n = write(destino, bloque + hecho, size_t(leidos - hecho));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return n < 0 ? errno : ENOSPC;
            hecho += n;
        }
    }
}

// Up to `n` bytes of the file, fewer only at its end: how many, or -1.
ssize_t Leer(int fd, char* destino, size_t n) {
    size_t hecho = 0;
    while (hecho < n) {
        const ssize_t leidos = read(fd, destino + hecho, n - hecho);
        if (leidos < 0 && errno == EINTR) continue;
        if (leidos < 0) return -1;
        if (leidos == 0) break;
        hecho += size_t(leidos);
    }
    return ssize_t(hecho);
}

void BorrarConCerrojo(const QString& carpeta, const QByteArray& cerrojo) {
    Borrar(carpeta);
    ::unlink(cerrojo.constData());
}

// Removes the scratch folder `carpeta` unless a running copy holds its lock file. A holder keeps
// the system's lock (flock) on that file while it runs; taking that lock, and writing nothing,
// tells an abandoned folder without a disk sync for each (the toolkit's own test rewrites the
// file first). Holding it while the folder goes keeps out any other copy cleaning up. An empty
// lock file was made by a copy killed before writing it, or by one about to lock it: it goes
// only once it is old enough. Only a regular file is opened: a copy makes no other kind, so a
// link, a device, a pipe or a socket under that name holds nothing and goes as a name only.
void BorrarSiAbandonada(const QString& carpeta) {
    const QByteArray cerrojo = QFile::encodeName(carpeta + kCerrojo);
    struct stat s {};
    if (::lstat(cerrojo.constData(), &s) != 0 ? errno == ENOENT : !S_ISREG(s.st_mode)) {
        BorrarConCerrojo(carpeta, cerrojo);
        return;
    }
    const int fd = ::open(cerrojo.constData(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return;
    // The name may have been replaced since it was looked at: what was opened is looked at again.
    const bool libre = ::fstat(fd, &s) == 0 && S_ISREG(s.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
                       (s.st_size > 0 || std::abs(std::time(nullptr) - s.st_mtime) > kEdadCerrojoVacio);
    if (libre) BorrarConCerrojo(carpeta, cerrojo);
    ::close(fd);
}

}  // namespace

// The lock is taken before the folder is made and let go after it is removed: a folder without a
// held lock is always abandoned. Only a dead holder makes a lock stale: a long restore keeps its
// folder.
CarpetaTrabajo::CarpetaTrabajo(const QString& junto) : carpeta_(Nueva(junto)), cerrojo_(carpeta_ + kCerrojo) {
    cerrojo_.setStaleLockTime(0);
    errno = 0;
    bool hecha = cerrojo_.tryLock(0);
    int numero = errno;
    if (hecha && mkdir(QFile::encodeName(carpeta_).constData(), 0700) != 0) hecha = false, numero = errno;
    // The lock's file, when it was made, goes with the object.
    if (!hecha) FalloDeArchivo(numero, "cannot make a scratch folder", QDir::cleanPath(junto));
}

CarpetaTrabajo::~CarpetaTrabajo() { Borrar(carpeta_); }

void FalloDeArchivo(int numero, const std::string& mensaje, const QString& ruta) {
    const int motor = MotorDe(numero);
    throw vb::Error(vb::errBaseDatos + motor, "Oxalde", mensaje).ConMotor(QFile::encodeName(ruta).toStdString(), motor);
}

void MoverEnSuSitio(const QString& de, const QString& a) {
    const QByteArray origen = QFile::encodeName(de);
    const int fd = open(origen.constData(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
    if (rename(origen.constData(), QFile::encodeName(a).constData()) != 0) FalloDeArchivo(errno, strerror(errno), a);
}

void CopiarArchivo(const QString& de, const QString& a, const QString& carpeta) {
    const int origen = open(QFile::encodeName(de).constData(), O_RDONLY | O_CLOEXEC);
    if (origen < 0) FalloDeArchivo(errno, strerror(errno), de);
    struct stat s {};
    const int destino = fstat(origen, &s) == 0
                            ? open(QFile::encodeName(a).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                                   s.st_mode & 07777)
                            : -1;
    const int numero = destino < 0 ? errno : Volcar(origen, destino);
    close(origen);
    if (destino >= 0 && close(destino) != 0 && numero == 0) FalloDeArchivo(errno, strerror(errno), carpeta);
    if (numero != 0) FalloDeArchivo(numero, strerror(numero), carpeta);
}

void SincronizarCarpeta(const QString& carpeta) {
    const int fd = open(QFile::encodeName(carpeta).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

QString CarpetaTrabajo::Ruta(const QString& nombre) const { return QDir(carpeta_).filePath(nombre); }

void BorrarRestosDeTrabajo(const QStringList& carpetas) {
    for (const QString& carpeta : carpetas) {
        const QDir dir(carpeta);
        QStringList nombres;
        for (QString nombre : dir.entryList({kPrefijo + u'*'}, QDir::AllEntries | QDir::Hidden | QDir::System)) {
            if (nombre.endsWith(kCerrojo)) nombre.chop(kCerrojo.size());
            if (!nombres.contains(nombre)) nombres << nombre;
        }
        for (const QString& nombre : nombres) BorrarSiAbandonada(dir.filePath(nombre));
    }
}

bool MismosBytes(const QString& a, const QString& b) {
    const int uno = open(QFile::encodeName(a).constData(), O_RDONLY | O_CLOEXEC);
    const int otro = open(QFile::encodeName(b).constData(), O_RDONLY | O_CLOEXEC);
    bool iguales = uno >= 0 && otro >= 0;
    char x[1 << 16], y[1 << 16];
    while (iguales) {
        const ssize_t n = Leer(uno, x, sizeof x);
        iguales = n >= 0 && Leer(otro, y, sizeof y) == n && std::memcmp(x, y, size_t(n)) == 0;
        if (n <= 0) break;
    }
    if (uno >= 0) close(uno);
    if (otro >= 0) close(otro);
    return iguales;
}

}  // namespace oxalde
