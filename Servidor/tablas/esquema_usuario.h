#pragma once
// What a file must hold to stand for the user's database: every table and every column the
// library reads. A file that lacks one would fail on every start, so the program checks a file
// before it takes it (at start and before a restore).
#include <string>
#include <vector>

namespace brunsel {

enum class Traspasado { No, Si };

// The missing tables ("T01_DECLARANTES") and columns ("T01_DECLARANTES.T01_NOMBRE"); empty
// when the file holds them all. Before the in-place upgrade (Traspasado::No) the columns it
// adds are not asked for. Opens the file read-only on a connection of its own; a file that is
// not a database, or is shorter than its own header says (a cut copy), raises the engine's error.
std::vector<std::string> FaltasBaseUsuario(const std::string& ruta, Traspasado traspasado);

}  // namespace brunsel
