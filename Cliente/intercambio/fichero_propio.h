#pragma once
// Opening a file to be emptied and written without ever writing through a link: a folder the
// user did not make (an unpacked archive, a shared folder) may hold, under the name the program
// writes, a symbolic link or a hard link to another file that must stay as it is.
#include <QString>

namespace oxalde {

// Opens the file at `ruta` for writing, empty. A plain file is emptied; anything else under the
// name (a symbolic link, a name with other hard links, a pipe...) is removed, and a new file takes
// its place, so that no file but the one named is ever changed. The descriptor, or -1 with errno
// set when the file cannot be opened or replaced (a folder that cannot be written).
int AbrirVacioPropio(const QString& ruta);

}  // namespace oxalde
