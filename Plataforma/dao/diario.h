#pragma once
// The journal a save cut short (a kill, a power cut) leaves beside a database file, named after
// it with "-journal". The engine rolls it back at the first read of the file on a connection
// that may write: it writes the saved pages back into the file, then deletes the journal. Where
// the file, the journal or their folder may not be written, that roll-back fails, and half-way
// for a read-only folder (the file rewritten, the journal kept), so it is looked for before the
// file is opened.
#include <string>

namespace dao {

// Whether the journal beside `ruta` holds a save to roll back: present with a whole header. An
// empty journal, or one whose header a completed save cleared, holds nothing. A journal this
// process may not read counts as one to roll back: what it holds cannot be known. One beside a
// file another process holds the write lock of belongs to a save still going on: nothing to
// roll back.
bool DiarioPorDeshacer(const std::string& ruta);

// Whether such a journal lies beside `ruta` and this process (its effective user and groups)
// may not roll it back: the file, the journal or their folder may not be written, or the journal
// may not be deleted from a shared (sticky) folder.
bool DiarioSinPoderDeshacer(const std::string& ruta);

}  // namespace dao
