#pragma once
// One value of an INI-style text in the system's ANSI code page, read by the rules the version
// file is written for: "[section]" lines open a section, "key=value" lines give values
// (split at the first "="), names match regardless of letter case, name and value are trimmed
// of blanks, one pair of matching quotes around the value is dropped, the first occurrence wins
// and the value is cut to what a buffer of `capacidad` characters holds (one goes to the end mark).
// Plain C++, no files: the caller reads the file.
#include <cstddef>
#include <string>
#include <string_view>

namespace oxalde {

// The value as UTF-8, or `porDefecto` when the section or the key is missing.
std::string LeerValorIni(std::string_view contenidoAnsi, std::string_view seccion, std::string_view clave,
                         std::string_view porDefecto, std::size_t capacidad);

}  // namespace oxalde
