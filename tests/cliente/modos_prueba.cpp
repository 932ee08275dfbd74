#include "cliente/modos_prueba.h"

#include <fcntl.h>
#include <grp.h>
#include <linux/capability.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <string>

namespace prueba {
namespace {

constexpr int kSaltanModos[] = {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER};

struct Capacidades {
    __user_cap_header_struct cabecera{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct datos[_LINUX_CAPABILITY_U32S_3]{};
    bool Leer() { return syscall(SYS_capget, &cabecera, datos) == 0; }
    bool Escribir() { return syscall(SYS_capset, &cabecera, datos) == 0; }
};

}  // namespace

bool SujetarAModos() {
    if (geteuid() != 0) return true;
    Capacidades c;
    if (!c.Leer()) return false;
    if (!(c.datos[CAP_TO_INDEX(CAP_SETPCAP)].effective & CAP_TO_MASK(CAP_SETPCAP)))
        return setgroups(0, nullptr) == 0 && setgid(65534) == 0 && setuid(65534) == 0;
    for (int capacidad : kSaltanModos) {
        if (prctl(PR_CAPBSET_DROP, capacidad, 0, 0, 0) != 0) return false;
        auto& d = c.datos[CAP_TO_INDEX(capacidad)];
        d.effective &= ~CAP_TO_MASK(capacidad), d.permitted &= ~CAP_TO_MASK(capacidad);
        d.inheritable &= ~CAP_TO_MASK(capacidad);
    }
    return c.Escribir() && prctl(PR_CAP_AMBIENT, PR_CAP_AMBIENT_CLEAR_ALL, 0, 0, 0) == 0;
}

bool ModosAplican() {
    QTemporaryDir carpeta;
    const QString sonda = carpeta.filePath(QStringLiteral("sonda"));
    QFile archivo(sonda);
    if (!carpeta.isValid() || !archivo.open(QIODevice::WriteOnly)) return false;
    archivo.close();
    if (!QFile::setPermissions(sonda, QFileDevice::ReadOwner)) return false;
    const int fd = open(QFile::encodeName(sonda).constData(), O_WRONLY);
    if (fd >= 0) close(fd);
    return fd < 0 && errno == EACCES;
}

QString SalidaDelHijo(int tubo, pid_t pid) {
    QByteArray salida;
    char trozo[4096];
    for (ssize_t n; (n = read(tubo, trozo, sizeof trozo)) > 0;) salida.append(trozo, n);
    close(tubo);
    int estado = 0;
    waitpid(pid, &estado, 0);
    if (!WIFEXITED(estado) || WEXITSTATUS(estado) != 0)
        return "exit status " + QString::number(estado) + u'\x1e' + QString::fromUtf8(salida);
    return QString::fromUtf8(salida);
}

QString EnUnHijo(const std::function<QByteArray()>& hacer) {
    int tubo[2];
    if (pipe(tubo) != 0) return "pipe";
    const pid_t pid = fork();
    if (pid < 0) return "fork";
    if (pid == 0) {
        close(tubo[0]);
        const QByteArray salida = hacer();
        if (write(tubo[1], salida.constData(), static_cast<size_t>(salida.size())) != salida.size()) _exit(5);
        _exit(0);
    }
    close(tubo[1]);
    return SalidaDelHijo(tubo[0], pid);
}

QString SinSaltarPermisos(const std::function<QString()>& hacer) {
    return EnUnHijo([&] {
        if (!SujetarAModos()) _exit(3);
        return hacer().toUtf8();
    });
}

namespace {

bool EscribirTexto(const char* ruta, const std::string& texto) {
    const int fd = open(ruta, O_WRONLY | O_CLOEXEC);
    const bool hecho = fd >= 0 && write(fd, texto.data(), texto.size()) == ssize_t(texto.size());
    if (fd >= 0) close(fd);
    return hecho;
}

// In the child: a mount namespace of its own (as root of a user namespace of its own where it is
// not root), then the memory file system. Empty, or why it cannot be.
std::string Montar(const QByteArray& punto, qint64 bytes) {
    const uid_t uid = geteuid();
    const gid_t gid = getegid();
    if (uid != 0) {
        if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
            return std::string("no user namespace for user ") + std::to_string(uid) + ": " + strerror(errno);
        if (!EscribirTexto("/proc/self/setgroups", "deny") ||
            !EscribirTexto("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
            !EscribirTexto("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1"))
            return std::string("no mapping in the user namespace: ") + strerror(errno);
    } else if (unshare(CLONE_NEWNS) != 0) {
        return std::string("no mount namespace: ") + strerror(errno);
    }
    if (mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return std::string("mounts cannot be made private: ") + strerror(errno);
    const std::string opciones = "size=" + std::to_string(bytes);
    if (mount("tmpfs", punto.constData(), "tmpfs", 0, opciones.c_str()) != 0)
        return std::string("no memory file system can be mounted here: ") + strerror(errno);
    return {};
}

}  // namespace

QString EnDiscoPequeno(const QString& punto, qint64 bytes, const std::function<QString()>& hacer) {
    const QByteArray montado = QFile::encodeName(punto);
    return EnUnHijo([&] {
        const std::string porque = Montar(montado, bytes);
        return porque.empty() ? hacer().toUtf8() : QByteArray("!") + porque.c_str();
    });
}

}  // namespace prueba
