#pragma once
// Spanish order and case folding for names and NIFs: accented letters sort with their base
// letter, Ñ after N, and letter case is ignored (accents are not). Registered on every
// connection the library opens and named in the queries that need it, never in the table
// definitions, so the files stay readable by any SQLite tool.
// Its name, kCotejo, is public: callers write it in the queries they hand over.
#include "servicios/cotejo.h"

struct sqlite3;

namespace brunsel {

// Registers the collation on one connection; raises the engine's error when it cannot.
void RegistrarCotejo(sqlite3* db);

}  // namespace brunsel
