#include "vb/ansi.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

#include "vb/error.h"

namespace vb {
namespace {

// The length of the well-formed UTF-8 sequence that starts `s`, or 0 when it is malformed.
size_t LargoUtf8(std::string_view s) {
    const auto b = static_cast<uint8_t>(s[0]);
    if (b < 0x80) return 1;
    const size_t largo = b >= 0xF5 ? 0 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 ? 2 : 0;
    if (largo == 0 || largo > s.size()) return 0;
    // The second byte's range excludes overlong forms, surrogates and code points past U+10FFFF.
    const auto m = static_cast<uint8_t>(s[1]);
    const uint8_t minimo = b == 0xE0 ? 0xA0 : b == 0xF0 ? 0x90 : 0x80;
    const uint8_t maximo = b == 0xED ? 0x9F : b == 0xF4 ? 0x8F : 0xBF;
    if (m < minimo || m > maximo) return 0;
    for (size_t k = 2; k < largo; ++k)
        if ((static_cast<uint8_t>(s[k]) & 0xC0) != 0x80) return 0;
    return largo;
}

// One conversion descriptor per direction and thread, opened on first use.
class Conversor {
public:
    Conversor(const char* destino, const char* origen) : cd_(iconv_open(destino, origen)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            Lanzar(errTipos, "Oxalde", std::string("iconv: ") + origen + " -> " + destino);
    }
    ~Conversor() { iconv_close(cd_); }
    Conversor(const Conversor&) = delete;
    Conversor& operator=(const Conversor&) = delete;

    // Converts `texto`; what cannot be converted becomes one "?" per unit that `Unidad` measures.
    template <class Unidad>
    std::string Convertir(std::string_view texto, Unidad unidad) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::string salida;
        char bloque[4096];
        char* entrada = const_cast<char*>(texto.data());
        size_t quedan = texto.size();
        while (quedan > 0) {
            char* destino = bloque;
            size_t libre = sizeof bloque;
            const size_t r = iconv(cd_, &entrada, &quedan, &destino, &libre);
            salida.append(bloque, static_cast<size_t>(destino - bloque));
            if (r != static_cast<size_t>(-1) || errno == E2BIG) continue;
            // EILSEQ or EINVAL: one unit that has no counterpart.
            salida += '?';
            const size_t salto = unidad(std::string_view(entrada, quedan));
            entrada += salto;
            quedan -= salto;
        }
        return salida;
    }

private:
    iconv_t cd_;
};

}  // namespace

std::string AnsiAUtf8(std::string_view ansi) {
    thread_local Conversor conversor("UTF-8", "WINDOWS-1252");
    return conversor.Convertir(ansi, [](std::string_view) { return size_t{1}; });
}

std::string Utf8AAnsi(std::string_view utf8) {
    thread_local Conversor conversor("WINDOWS-1252", "UTF-8");
    // A well-formed character the code page lacks is skipped whole, a malformed byte alone.
    return conversor.Convertir(utf8, [](std::string_view resto) { return std::max<size_t>(LargoUtf8(resto), 1); });
}

}  // namespace vb
