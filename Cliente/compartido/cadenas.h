#pragma once
// The string table: every caption and message in both languages, Spanish ids as given and
// Basque ids the same plus 10000, read once from the program's data file.
#include <QString>

namespace oxalde {

// The text of an id; an unknown id raises error 326 (resource not found), so a missing caption
// shows at once instead of leaving a blank.
QString LoadResString(int id);

// The text of an id in the language in force (DesplIdioma).
QString Cadena(int id);

}  // namespace oxalde
