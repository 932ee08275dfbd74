#pragma once
// Text in the system's ANSI code page (Windows-1252) to and from the UTF-8 the program works in.
// Files that other programs read or write byte by byte (the version file, the temporary page)
// are in that code page.
#include <string>
#include <string_view>

namespace vb {

// Every byte is one character; the five bytes 1252 leaves undefined pass as the control
// characters of the same number.
std::string AnsiAUtf8(std::string_view ansi);
// A character the code page lacks becomes "?", and so does each byte of a malformed UTF-8
// sequence (one byte each, so fixed widths hold).
std::string Utf8AAnsi(std::string_view utf8);

}  // namespace vb
