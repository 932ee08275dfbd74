#pragma once
// The boxes of the form-732 window, one row per box (compartido/cajas.h); no box has a handler
// of its own.
#include <span>

#include "compartido/cajas.h"

namespace oxalde {

class cDatos732;

// Transmitter boxes first (in their tab order), then the technical ones; a transmitter box passes
// the focus on while it is locked.
std::span<const CajaTexto<cDatos732>> CajasTexto732();

// The technical numbers, then the fifteen amounts in the liquidation's order.
std::span<const CajaNumero<cDatos732>> CajasNumero732();

}  // namespace oxalde
