#include "dao/diario.h"

#include <fcntl.h>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <iterator>

namespace dao {
namespace {

// The journal's header: a signature, then big-endian 32-bit numbers, the sector size at byte 20
// and the page size at byte 24. A completed save that keeps the journal clears the header.
constexpr unsigned char kFirma[] = {0xd9, 0xd5, 0x05, 0xf9, 0x20, 0xa1, 0x63, 0xd7};
constexpr ssize_t kCabecera = 28;

uint32_t Numero(const unsigned char* p) {
    return uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | uint32_t{p[3]};
}

bool PotenciaDeDos(uint32_t n, uint32_t minimo, uint32_t maximo) {
    return n >= minimo && n <= maximo && (n & (n - 1)) == 0;
}

bool CabeceraEntera(const unsigned char* c) {
    return std::equal(std::begin(kFirma), std::end(kFirma), c) && PotenciaDeDos(Numero(c + 20), 32, 65536) &&
           PotenciaDeDos(Numero(c + 24), 512, 65536);
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
    const int fd = open((ruta + "-journal").c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno != ENOENT;
    unsigned char cabecera[kCabecera];
    const ssize_t leidos = read(fd, cabecera, sizeof cabecera);
    close(fd);
    return (leidos < 0 || (leidos == kCabecera && CabeceraEntera(cabecera))) && !OtroGuarda(ruta);
}

bool DiarioSinPoderDeshacer(const std::string& ruta) {
    if (!DiarioPorDeshacer(ruta)) return false;
    std::error_code error;
    const std::string carpeta = std::filesystem::absolute(ruta, error).parent_path().string();
    const std::string diario = ruta + "-journal";
    return !Permite(ruta, R_OK | W_OK) || !Permite(diario, R_OK | W_OK) || !Permite(carpeta, W_OK | X_OK) ||
           !PuedeBorrar(diario, carpeta);
}

}  // namespace dao
