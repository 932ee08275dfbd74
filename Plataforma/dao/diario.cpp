#include "dao/diario.h"

#include <fcntl.h>
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

}  // namespace

bool DiarioPorDeshacer(const std::string& ruta) {
    const int fd = open((ruta + "-journal").c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno != ENOENT;
    unsigned char cabecera[kCabecera];
    const ssize_t leidos = read(fd, cabecera, sizeof cabecera);
    close(fd);
    return leidos < 0 || (leidos == kCabecera && CabeceraEntera(cabecera));
}

bool DiarioSinPoderDeshacer(const std::string& ruta) {
    if (!DiarioPorDeshacer(ruta)) return false;
    std::error_code error;
    const std::string carpeta = std::filesystem::absolute(ruta, error).parent_path().string();
    return !Permite(ruta, R_OK | W_OK) || !Permite(ruta + "-journal", R_OK | W_OK) || !Permite(carpeta, W_OK | X_OK);
}

}  // namespace dao
