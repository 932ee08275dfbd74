#pragma once
// A home and configuration folders of the test run's own, so that nothing a test does (the file
// dialog's history, the print system's options, font caches) reaches the real user's home.

namespace prueba {

// Points HOME and the XDG folders at a new folder in the temporary folder, removed when this
// process ends. A child started by a test inherits its parent's through the environment.
void HogarPropio();

}  // namespace prueba
