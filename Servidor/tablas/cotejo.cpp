#include "tablas/cotejo.h"

#include <sqlite3.h>
#include <unicode/ucol.h>

#include "vb/error.h"

namespace brunsel {
namespace {

int Comparar(void* cotejador, int largoA, const void* a, int largoB, const void* b) {
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
