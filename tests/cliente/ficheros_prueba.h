#pragma once
// Shared by the tests that read and write whole files: the bytes of a file, a file written with
// given bytes, an exchange-file line that every import rule accepts, and what is not a regular
// file (a named pipe, a socket, a link to a device) made as any user can, and a disk that is
// really full.
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <string>

#include "vb/ansi.h"

namespace prueba {

// What is not a regular file, chosen as an exchange file: the language of the session, the name,
// how it is made there and the refusal expected ("%1" the path).
struct CasoNoFichero {
    int idioma;
    const char* nombre;
    std::function<bool(const QString&)> crear;
    const char* texto;
};

// The file's bytes, or "<none>" when it cannot be read.
inline QByteArray Leer(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}

inline bool Escribir(const QString& ruta, const QByteArray& datos) {
    QFile f(ruta);
    return f.open(QIODevice::WriteOnly) && f.write(datos) == datos.size();
}

// A 153-character line in Windows-1252 that every import rule accepts.
inline QByteArray LineaValida(const QString& dni, const QString& nombre) {
    const QString l = dni.leftJustified(9) + nombre.leftJustified(40) + "CL" + QString("NAGUSIA").leftJustified(30) +
                      "00012" + "A   3 IZQ" + "2020001079" + QString(25, ' ') + "943000000" + "00000030000000";
    return QByteArray::fromStdString(vb::Utf8AAnsi(l.toStdString()));
}

// A call that blocks or never ends (a pipe opened for reading, an endless device read) ends the
// test program, failing, once the time is up, instead of hanging the run.
class Plazo {
public:
    explicit Plazo(unsigned segundos) {
        std::signal(SIGALRM, [](int) {
            static const char kAviso[] = "a call neither ended nor was refused in time\n";
            (void)!write(2, kAviso, sizeof kAviso - 1);
            _exit(1);
        });
        alarm(segundos);
    }
    ~Plazo() {
        alarm(0);
        std::signal(SIGALRM, SIG_DFL);
    }
    Plazo(const Plazo&) = delete;
    Plazo& operator=(const Plazo&) = delete;
};

inline bool Tuberia(const QString& ruta) { return mkfifo(QFile::encodeName(ruta).constData(), 0600) == 0; }

// A socket bound to the path, closed again: its name stays.
inline bool Socket(const QString& ruta) {
    const QByteArray nombre = QFile::encodeName(ruta);
    sockaddr_un direccion{};
    direccion.sun_family = AF_UNIX;
    if (size_t(nombre.size()) >= sizeof direccion.sun_path) return false;
    std::memcpy(direccion.sun_path, nombre.constData(), size_t(nombre.size()));
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    const bool hecho = fd >= 0 && bind(fd, reinterpret_cast<const sockaddr*>(&direccion), sizeof direccion) == 0;
    if (fd >= 0) close(fd);
    return hecho;
}

// A link at `ruta` to a device that takes no bytes (as /dev/full). Where this user may make a
// device node, to one of its own beside the link, so that a faulty write replaces no device of
// the system; else to /dev/full.
inline bool EnlaceADispositivo(const QString& ruta) {
    const QString propio = ruta + ".dispositivo";
    const bool hecho = mknod(QFile::encodeName(propio).constData(), S_IFCHR | 0666, makedev(1, 7)) == 0;
    return QFile::link(hecho ? propio : QStringLiteral("/dev/full"), ruta);
}

// What stands under the name itself, a link not followed: 'f' file, 'l' link, 'p' pipe, 's'
// socket, 'c' or 'b' device, 'd' folder, '-' nothing.
inline char Tipo(const QString& ruta) {
    struct stat s {};
    if (lstat(QFile::encodeName(ruta).constData(), &s) != 0) return '-';
    if (S_ISREG(s.st_mode)) return 'f';
    if (S_ISLNK(s.st_mode)) return 'l';
    if (S_ISFIFO(s.st_mode)) return 'p';
    if (S_ISSOCK(s.st_mode)) return 's';
    if (S_ISCHR(s.st_mode)) return 'c';
    if (S_ISBLK(s.st_mode)) return 'b';
    return 'd';
}

// A small memory file system (64 KiB) mounted on a folder of its own for the object's lifetime,
// where this process may mount one (root): Motivo() is empty then, else it says why not.
// Llenar() takes its room with one file of that name, so that the disk is really full.
class DiscoPequeno {
public:
    DiscoPequeno() {
        if (mount("tmpfs", montado_.constData(), "tmpfs", 0, "size=64k") != 0) motivo_ = std::strerror(errno);
    }
    ~DiscoPequeno() {
        if (motivo_.empty()) umount(montado_.constData());
    }
    DiscoPequeno(const DiscoPequeno&) = delete;
    DiscoPequeno& operator=(const DiscoPequeno&) = delete;
    QString Ruta() const { return punto_.path(); }
    QString Fichero(const QString& nombre) const { return punto_.filePath(nombre); }
    const std::string& Motivo() const { return motivo_; }
    bool Llenar(const QString& nombre) {
        QFile relleno(Fichero(nombre));
        if (!relleno.open(QIODevice::WriteOnly)) return false;
        while (relleno.write(QByteArray(4096, 'x')) > 0) {}
        return true;
    }

private:
    QTemporaryDir punto_;
    QByteArray montado_ = punto_.path().toLocal8Bit();
    std::string motivo_;
};

}  // namespace prueba
