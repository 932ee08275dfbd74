#pragma once
// Spanish order and case folding for names and NIFs: accented letters sort with their base
// letter, Ñ after N, and letter case is ignored (accents are not). Registered on every
// connection the library opens and named in the queries that need it, never in the table
// definitions, so the files stay readable by any SQLite tool.
struct sqlite3;

namespace brunsel {

// The collation's name, as queries write it: "ORDER BY T01_NOMBRE COLLATE ESPANOL".
inline constexpr const char* kCotejo = "ESPANOL";

// Registers the collation on one connection; raises the engine's error when it cannot.
void RegistrarCotejo(sqlite3* db);

}  // namespace brunsel
