#pragma once
// The string table: every caption and message in both languages, read once from the program's
// data file. A Basque text has the id of its Spanish one plus 10000, so one id and the language
// find either.
#include <QString>

namespace oxalde {

// The text of an id; an unknown id raises error 326 (resource not found), so a missing caption
// shows at once instead of leaving a blank.
QString LoadResString(int id);

}  // namespace oxalde
