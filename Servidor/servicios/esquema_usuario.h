#pragma once
// What a file must hold to stand for one of the program's databases: every table and every
// column the library reads. A file that lacks one would fail on every start, so the program
// checks a file before it takes it (at start and before a restore).
#include <string>
#include <vector>

#include "vb/error.h"

namespace brunsel {

// A file left in the middle of a save whose journal cannot be rolled back, because the file, its
// folder or the journal may not be written: the engine's "read-only" answer (SQLITE_READONLY),
// which is also what a read-only connection meets on such a file.
constexpr int errGuardadoSinTerminar = vb::errBaseDatos + 8;

enum class Traspasado { No, Si };

// The missing tables ("T01_DECLARANTES") and columns ("T01_DECLARANTES.T01_NOMBRE") of the
// user's database, and the columns of its own that no save could fill (NOT NULL without a
// default: "T01_DECLARANTES.OTRA (NOT NULL)"); empty when the file is fit. Before the in-place
// upgrade (Traspasado::No) the columns it adds are not asked for. Opens the file on a connection
// of its own as the library opens it, so that the engine first rolls back a save cut short (a
// journal it cannot roll back for want of write permission raises errGuardadoSinTerminar before
// the file is opened, so nothing is written); then only reads. A file that is not a database,
// is shorter than its own header says (a cut copy), has a damaged page or an index that disagrees
// with its table (the engine's integrity check) raises the engine's error, and one that another
// program keeps locked beyond the busy wait raises 3005.
std::vector<std::string> FaltasBaseUsuario(const std::string& ruta, Traspasado traspasado);

// The same for the reference database: its five tables and the columns the library reads.
std::vector<std::string> FaltasBaseLectura(const std::string& ruta);

}  // namespace brunsel
