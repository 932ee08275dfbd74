#pragma once
// Puts the component's classes under their ProgIDs. The library does this itself when it is
// loaded; calling it again does nothing more.
void GarobelLib_Registrar();
