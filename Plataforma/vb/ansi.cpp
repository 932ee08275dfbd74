#include "vb/ansi.h"

#include <cstdint>

namespace vb {
namespace {

// The characters of bytes 0x80 to 0x9F; elsewhere a byte is the code point of the same number.
constexpr char32_t kTramo80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void AnadirUtf8(std::string& s, char32_t c) {
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The next code point of `s` from `i` (moved past it); -1 for a malformed sequence, of which
// one byte is taken.
long SiguienteCodigo(std::string_view s, size_t& i) {
    const auto b = static_cast<uint8_t>(s[i++]);
    if (b < 0x80) return b;
    const int resto = b >= 0xF5 ? -1 : b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC2 ? 1 : -1;
    if (resto < 0 || i + resto > s.size()) return -1;
    long c = b & (0x3F >> resto);
    for (int k = 0; k < resto; ++k) {
        const auto m = static_cast<uint8_t>(s[i + k]);
        if ((m & 0xC0) != 0x80) return -1;
        c = (c << 6) | (m & 0x3F);
    }
    i += resto;
    return c;
}

char ByteAnsi(long c) {
    if (c >= 0 && (c < 0x80 || (c >= 0xA0 && c <= 0xFF))) return static_cast<char>(c);
    for (int k = 0; k < 32; ++k)
        if (kTramo80[k] == static_cast<char32_t>(c)) return static_cast<char>(0x80 + k);
    return '?';
}

}  // namespace

std::string AnsiAUtf8(std::string_view ansi) {
    std::string s;
    s.reserve(ansi.size() + ansi.size() / 4);
    for (char b : ansi) {
        const auto u = static_cast<uint8_t>(b);
        AnadirUtf8(s, u >= 0x80 && u < 0xA0 ? kTramo80[u - 0x80] : u);
    }
    return s;
}

std::string Utf8AAnsi(std::string_view utf8) {
    std::string s;
    s.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) s += ByteAnsi(SiguienteCodigo(utf8, i));
    return s;
}

}  // namespace vb
