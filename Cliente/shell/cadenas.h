#pragma once
// The string table: every caption and message in both languages, Spanish ids as given and
// Basque ids the same plus 10000, read once from the program's data file.
#include <QString>

namespace oxalde {

// The text of an id; an unknown id gives an empty text.
QString LoadResString(int id);

}  // namespace oxalde
