#pragma once
// The name of the library's Spanish collation, for the queries a caller hands to the library:
// accented letters sort with their base letter, Ñ after N, and letter case is ignored. Every
// connection the library opens has it ("ORDER BY T06_NOMMUN COLLATE ESPANOL").

namespace brunsel {

inline constexpr const char* kCotejo = "ESPANOL";

}  // namespace brunsel
