#include "tablas/cotejo.h"

#include <sqlite3.h>
#include <unicode/ucol.h>

#include <algorithm>
#include <array>
#include <optional>

#include "vb/error.h"

namespace brunsel {
namespace {

// The place of a character in the collation's order when the text is made of blanks, digits and
// unaccented letters only (most NIFs and many names): blank, then digits, then letters with case
// ignored, each a single weight; 0 for any other byte, which the full collation takes.
constexpr std::array<unsigned char, 256> kRangos = [] {
    std::array<unsigned char, 256> r{};
    r[' '] = 1;
    for (int c = '0'; c <= '9'; ++c) r[size_t(c)] = static_cast<unsigned char>(2 + c - '0');
    for (int c = 'A'; c <= 'Z'; ++c) r[size_t(c)] = r[size_t(c - 'A' + 'a')] = static_cast<unsigned char>(12 + c - 'A');
    return r;
}();

// Both texts within that alphabet: their order from the weights alone, as the collation gives it
// (the shorter of two texts that agree so far comes first). Empty when either is outside it.
std::optional<int> CompararSencillo(const unsigned char* a, int largoA, const unsigned char* b, int largoB) {
    const int n = std::min(largoA, largoB);
    std::optional<int> orden;
    for (int i = 0; i < n; ++i) {
        const unsigned char x = kRangos[a[i]];
        const unsigned char y = kRangos[b[i]];
        if (x == 0 || y == 0) return std::nullopt;
        if (x != y && !orden) orden = x < y ? -1 : 1;
    }
    for (int i = n; i < largoA; ++i)
        if (kRangos[a[i]] == 0) return std::nullopt;
    for (int i = n; i < largoB; ++i)
        if (kRangos[b[i]] == 0) return std::nullopt;
    return orden ? *orden : largoA == largoB ? 0 : largoA < largoB ? -1 : 1;
}

int Comparar(void* cotejador, int largoA, const void* a, int largoB, const void* b) {
    if (auto r = CompararSencillo(static_cast<const unsigned char*>(a), largoA, static_cast<const unsigned char*>(b),
                                  largoB))
        return *r;
    UErrorCode estado = U_ZERO_ERROR;
    const UCollationResult r = ucol_strcollUTF8(static_cast<UCollator*>(cotejador), static_cast<const char*>(a),
                                                largoA, static_cast<const char*>(b), largoB, &estado);
    return r == UCOL_LESS ? -1 : r == UCOL_GREATER ? 1 : 0;
}

void Liberar(void* cotejador) { ucol_close(static_cast<UCollator*>(cotejador)); }

}  // namespace

void RegistrarCotejo(sqlite3* db) {
    UErrorCode estado = U_ZERO_ERROR;
    UCollator* cotejador = ucol_open("es", &estado);
    if (U_FAILURE(estado)) throw vb::Error(vb::errBaseDatos, "Brunsel", u_errorName(estado));
    // Secondary strength: accents count, letter case does not.
    ucol_setStrength(cotejador, UCOL_SECONDARY);
    const int rc = sqlite3_create_collation_v2(db, kCotejo, SQLITE_UTF8, cotejador, Comparar, Liberar);
    if (rc == SQLITE_OK) return;
    Liberar(cotejador);  // the engine frees it only once registered
    throw vb::Error(vb::errBaseDatos + (rc & 0xFF), "Brunsel", sqlite3_errstr(rc));
}

}  // namespace brunsel
