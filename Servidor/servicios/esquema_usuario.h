#pragma once
// What a file must hold to stand for one of the program's databases: every table and every
// column the library reads. A file that lacks one would fail on every start, so the program
// checks a file before it takes it (at start and before a restore).
#include <string>
#include <vector>

namespace brunsel {

enum class Traspasado { No, Si };

// The missing tables ("T01_DECLARANTES") and columns ("T01_DECLARANTES.T01_NOMBRE") of the
// user's database, and the columns of its own that no save could fill (NOT NULL without a
// default: "T01_DECLARANTES.OTRA (NOT NULL)"); empty when the file is fit. Before the in-place
// upgrade (Traspasado::No) the columns it adds are not asked for. Opens the file read-only on a
// connection of its own; a file that is not a database, is shorter than its own header says (a
// cut copy) or has a damaged page (the engine's quick check) raises the engine's error, and one
// that another program keeps locked beyond the busy wait raises 3005.
std::vector<std::string> FaltasBaseUsuario(const std::string& ruta, Traspasado traspasado);

// The same for the reference database: its five tables and the columns the library reads.
std::vector<std::string> FaltasBaseLectura(const std::string& ruta);

}  // namespace brunsel
