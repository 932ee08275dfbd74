#pragma once
// The journal a save cut short (a kill, a power cut) leaves beside a database file, named after
// it with "-journal". The engine rolls it back at the first read of the file on a connection
// that may write: it writes the saved pages back into the file, then deletes the journal. Where
// the file, the journal or their folder may not be written, that roll-back fails, and half-way
// for a read-only folder (the file rewritten, the journal kept), so it is looked for before the
// file is opened.
#include <functional>
#include <string>

namespace dao {

// Whether the journal beside `ruta` is one the engine will roll back: present with its first byte
// set (a header cut short or foreign included: the engine must still remove it). An empty journal,
// or one whose header a completed save cleared, holds nothing. A journal this process may not read
// counts as one to roll back: what it holds cannot be known. One beside a file another process
// holds the write lock of belongs to a save still going on, and one that changes or goes while it
// is looked at to a save that just ended: nothing to roll back.
bool DiarioPorDeshacer(const std::string& ruta);

// Whether this process (its effective user and groups) may roll back a journal beside `ruta`:
// the file, the journal and their folder may be written, and the journal deleted from a shared
// (sticky) folder. The journal itself is not read.
bool PuedeDeshacerDiario(const std::string& ruta);
// Whether a journal to roll back lies beside `ruta` and this process may not roll it back.
bool DiarioSinPoderDeshacer(const std::string& ruta);

// Whether `ruta` is a database in the write-ahead-log mode other tools leave files in (with its
// "-wal" and "-shm" files beside it, or not) and this process may not write the file, those files
// or their folder. The engine would then rewrite the file to leave that mode and keep files it
// cannot remove, or fail to open it at all.
bool WalSinPoderEscribir(const std::string& ruta);

// For tests: `accion` runs once, with the database's path, the next time a journal to roll back has
// been read and before the write lock is looked for: where another process's save may end.
void EstablecerTrasLeerDiario(std::function<void(const std::string&)> accion);

}  // namespace dao
