#pragma once
// What a path names, followed through links, for the exchange files: only a regular file is read
// or replaced. A pipe or a device would hang an import or never end it, and an export would put
// a file in its place; a folder cannot be either.
#include <QString>

namespace oxalde {

enum class ClaseFichero { Ausente, Regular, Carpeta, Dispositivo, Tuberia, Socket };

// What is at the path, through any links; Ausente when nothing can be looked at there (nothing
// under the name, a link to nothing, a folder on the way that cannot be passed through).
ClaseFichero ClaseDe(const QString& ruta);
// The same for a file's mode (st_mode).
ClaseFichero ClaseDeModo(unsigned modo);

// Whether something other than a regular file is there.
inline bool NoEsFichero(ClaseFichero clase) { return clase != ClaseFichero::Ausente && clase != ClaseFichero::Regular; }

// The refusal of a path that names no regular file, in the user's words: `id` is the text
// (9170 nothing exported, 9171 nothing imported), naming the path and what is there instead.
QString TextoNoEsFichero(int id, const QString& ruta, ClaseFichero clase);

}  // namespace oxalde
