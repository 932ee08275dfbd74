#pragma once
// What the form-731 window does with each rule the library's check reports: the message, the
// tab of the transport kind that holds the box, and the box that gets the focus.
#include <optional>

namespace oxalde {

struct Codigo731 {
    int codigo;
    int id;              // message of the string table
    int pestana;         // 1 to 3; 0 selects no tab
    const char* caja;    // nullptr: the focus stays where it is
};

// The row of a failed rule; nothing for a code the table does not know.
std::optional<Codigo731> BuscarCodigo731(int codigo);

}  // namespace oxalde
