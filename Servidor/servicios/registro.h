#pragma once
#include <string>
#include <utility>
#include <vector>

#include "com/com.h"

namespace brunsel {

// Every public class with its ProgID ("Brunsel.cDeclarante", ...).
std::vector<std::pair<std::string, com::Fabrica>> ClasesPublicas();
// Idempotent; also runs when the library is loaded.
void RegistrarClases();

}  // namespace brunsel
