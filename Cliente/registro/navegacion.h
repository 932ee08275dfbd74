#pragma once
// How a registry window hands over to the next one: it closes itself and the next child window
// opens in the main window once the closing is over, never while the main window itself is
// closing (then every child closes and nothing opens).
#include <exception>
#include <functional>

namespace oxalde {

class VentanaHija;

// `crear` makes the window to show; it runs only when the window is shown. A window that cannot
// load goes to `siFalla` when given (the caller says what was done before), else on as an error.
void MostrarSiguiente(std::function<VentanaHija*()> crear, std::function<void(std::exception_ptr)> siFalla = {});

}  // namespace oxalde
