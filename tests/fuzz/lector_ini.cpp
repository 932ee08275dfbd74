// libFuzzer target for the version-file reader: any bytes as the file, any section and key.
// Checks what must hold whatever the service sends: no crash, the value is valid UTF-8 on one
// line and fits the buffer, and a key that is not there gives the default.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "actualizacion/lector_ini.h"

namespace {

std::size_t Caracteres(std::string_view s) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const std::size_t largo = b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 ? 2 : 0;
        if (largo == 0 || i + largo > s.size()) std::abort();
        for (std::size_t k = 1; k < largo; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) std::abort();
        i += largo;
        ++n;
    }
    return n;
}

void Comprobar(std::string_view ini, std::string_view seccion, std::string_view clave, std::size_t capacidad) {
    const std::string valor = oxalde::LeerValorIni(ini, seccion, clave, " ", capacidad);
    if (valor == " ") return;
    if (Caracteres(valor) + 1 > (capacidad == 0 ? 1 : capacidad)) std::abort();
    if (valor.find('\n') != std::string::npos) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t tamano) {
    const std::string_view todo(reinterpret_cast<const char*>(datos), tamano);
    Comprobar(todo, "informacion", "currentversion", 1024);
    Comprobar(todo, "informacion", "descripcion", 8);
    // The first bytes pick a section and a key of their own, the rest is the file.
    if (tamano >= 3) {
        const std::size_t largoSeccion = datos[0] % 8, largoClave = datos[1] % 8;
        const std::string_view resto = todo.substr(2);
        if (resto.size() >= largoSeccion + largoClave)
            Comprobar(resto.substr(largoSeccion + largoClave), resto.substr(0, largoSeccion),
                      resto.substr(largoSeccion, largoClave), 1 + datos[2] % 64);
    }
    return 0;
}
