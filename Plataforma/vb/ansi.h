#pragma once
// Text in the system's ANSI code page (Windows-1252) to and from the UTF-8 the program works in,
// through the C library's iconv. Files that other programs read or write byte by byte (the
// version file, the temporary page, the taxpayer exchange file) are in that code page. One
// character is always one byte, so that fixed-width columns hold.
#include <string>
#include <string_view>

namespace vb {

// Every byte is one character; the five bytes the code page leaves undefined read as "?".
std::string AnsiAUtf8(std::string_view ansi);
// A character the code page lacks becomes "?", and so does each byte of a malformed UTF-8
// sequence (one byte each).
std::string Utf8AAnsi(std::string_view utf8);

}  // namespace vb
