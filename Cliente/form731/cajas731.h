#pragma once
// The boxes of the form-731 window, one row per box (compartido/cajas.h); no box has a handler
// of its own.
#include <span>

#include "compartido/cajas.h"

namespace oxalde {

class cDatos731;

// Free-text boxes: shown as stored, upper-case key filter, stored as typed when left.
std::span<const CajaTexto<cDatos731>> CajasTexto731();

// The numbers: the amounts of either kind and the technical data.
std::span<const CajaNumero<cDatos731>> CajasNumero731();

}  // namespace oxalde
