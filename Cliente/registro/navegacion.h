#pragma once
// How a registry window hands over to the next one: it closes itself and the next child window
// opens in the main window once the closing is over, never while the main window itself is
// closing (then every child closes and nothing opens).
#include <functional>

namespace oxalde {

class VentanaHija;

// `crear` makes the window to show; it runs only when the window is shown.
void MostrarSiguiente(std::function<VentanaHija*()> crear);

}  // namespace oxalde
