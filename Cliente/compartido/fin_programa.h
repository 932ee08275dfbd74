#pragma once
// Ending the program from a menu or the main window's unload. Tests put a function here that
// records the request instead: the test program has to go on.
#include <functional>

namespace oxalde {

// Leaves the application's event loop; without a running loop it does nothing (asking the
// application to end then would make every later event loop return at once).
void FinalizarPrograma();

// An empty function restores the real ending.
void EstablecerFinalizador(std::function<void()> finalizador);

}  // namespace oxalde
