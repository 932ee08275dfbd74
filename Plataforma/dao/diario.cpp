#include "dao/diario.h"

#include <fcntl.h>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <utility>

namespace dao {
namespace {

// The journal's header is 28 bytes (a signature, then big-endian 32-bit numbers). A completed save
// that keeps the journal clears it. The engine takes any journal whose first byte is set for one
// to roll back, whole header or not (one shorter or foreign holds no page, but must still be
// removed), so the same is asked here.
constexpr ssize_t kCabecera = 28;

// The journal as read at one moment: which file it was and its first bytes.
struct Lectura {
    bool existe = false;
    bool legible = true;
    dev_t dispositivo = 0;
    ino_t nodo = 0;
    ssize_t leidos = 0;
    std::array<unsigned char, kCabecera> cabecera{};
    bool operator==(const Lectura&) const = default;
    void Identificar(const struct stat& datos) {
        dispositivo = datos.st_dev;
        nodo = datos.st_ino;
    }
};

Lectura Leer(const std::string& diario) {
    Lectura l;
    struct stat datos {};
    const int fd = open(diario.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        l.existe = errno != ENOENT;
        l.legible = false;
        if (stat(diario.c_str(), &datos) == 0) l.Identificar(datos);
        return l;
    }
    l.existe = true;
    if (fstat(fd, &datos) == 0) l.Identificar(datos);
    l.leidos = read(fd, l.cabecera.data(), l.cabecera.size());
    l.legible = l.leidos >= 0;
    close(fd);
    return l;
}

// A journal this process may not read counts as one to roll back: what it holds cannot be known.
bool PorDeshacer(const Lectura& l) { return l.existe && (!l.legible || (l.leidos > 0 && l.cabecera[0] != 0)); }

std::function<void(const std::string&)>& TrasLeer() {
    static std::function<void(const std::string&)> f;
    return f;
}

bool Permite(const std::string& ruta, int modo) { return faccessat(AT_FDCWD, ruta.c_str(), modo, AT_EACCESS) == 0; }

// The byte of the database file whose write lock a connection holds from its first write until
// its save is over (the engine's RESERVED lock on Unix, one past its PENDING byte). Another
// process holding it is still saving: its journal is not one left by a save cut short. (Closing
// the descriptor drops this process's own locks on the file: it is looked at before the open.)
constexpr off_t kByteReservado = 0x40000000 + 1;

bool OtroGuarda(const std::string& ruta) {
    const int fd = open(ruta.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct flock cerrojo {};
    cerrojo.l_type = F_WRLCK;
    cerrojo.l_whence = SEEK_SET;
    cerrojo.l_start = kByteReservado;
    cerrojo.l_len = 1;
    const bool tomado = fcntl(fd, F_GETLK, &cerrojo) == 0 && cerrojo.l_type != F_UNLCK;
    close(fd);
    return tomado;
}

bool PuedeBorrarLoAjeno() {
    __user_cap_header_struct cabecera{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct datos[_LINUX_CAPABILITY_U32S_3]{};
    return syscall(SYS_capget, &cabecera, datos) == 0 &&
           (datos[CAP_TO_INDEX(CAP_FOWNER)].effective & CAP_TO_MASK(CAP_FOWNER)) != 0;
}

// A folder with the sticky bit (a shared one) lets only the owner of a file, of the folder, or a
// process that may pass by owners, delete the file, however writable the folder is.
bool PuedeBorrar(const std::string& archivo, const std::string& carpeta) {
    struct stat deCarpeta {};
    struct stat deArchivo {};
    if (stat(carpeta.c_str(), &deCarpeta) != 0 || !(deCarpeta.st_mode & S_ISVTX)) return true;
    const uid_t yo = geteuid();
    return yo == deCarpeta.st_uid || (stat(archivo.c_str(), &deArchivo) == 0 && yo == deArchivo.st_uid) ||
           PuedeBorrarLoAjeno();
}

}  // namespace

bool DiarioPorDeshacer(const std::string& ruta) {
    const std::string diario = ruta + "-journal";
    const Lectura leida = Leer(diario);
    if (!PorDeshacer(leida)) return false;
    if (TrasLeer()) std::exchange(TrasLeer(), {})(ruta);
    // A save that ended between the read and the look for its lock has deleted (or cleared) its
    // journal, and another may have begun since: the answer holds for the journal read only when
    // no save holds the lock and that journal is still there, unchanged.
    return !OtroGuarda(ruta) && Leer(diario) == leida;
}

bool PuedeDeshacerDiario(const std::string& ruta) {
    std::error_code error;
    const std::string carpeta = std::filesystem::absolute(ruta, error).parent_path().string();
    const std::string diario = ruta + "-journal";
    return Permite(ruta, R_OK | W_OK) && Permite(diario, R_OK | W_OK) && Permite(carpeta, W_OK | X_OK) &&
           PuedeBorrar(diario, carpeta);
}

bool DiarioSinPoderDeshacer(const std::string& ruta) { return DiarioPorDeshacer(ruta) && !PuedeDeshacerDiario(ruta); }

bool WalSinPoderEscribir(const std::string& ruta) {
    // The header: a signature of 16 bytes, then at 18 and 19 the versions to write and to read,
    // 2 in write-ahead-log mode.
    constexpr char kFirmaBase[] = "SQLite format 3";
    unsigned char cabecera[20]{};
    const int fd = open(ruta.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool leida = read(fd, cabecera, sizeof cabecera) == sizeof cabecera;
    close(fd);
    if (!leida || std::memcmp(cabecera, kFirmaBase, sizeof kFirmaBase) != 0 || (cabecera[18] != 2 && cabecera[19] != 2))
        return false;
    std::error_code error;
    const std::string carpeta = std::filesystem::absolute(ruta, error).parent_path().string();
    auto escribible = [](const std::string& archivo) {
        return access(archivo.c_str(), F_OK) != 0 || Permite(archivo, R_OK | W_OK);
    };
    return !Permite(ruta, R_OK | W_OK) || !Permite(carpeta, W_OK | X_OK) || !escribible(ruta + "-wal") ||
           !escribible(ruta + "-shm");
}

void EstablecerTrasLeerDiario(std::function<void(const std::string&)> accion) { TrasLeer() = std::move(accion); }

}  // namespace dao
