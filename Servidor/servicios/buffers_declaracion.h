#pragma once
// The record buffers of the declaration service: which slot feeds which row property, and back.
// A slot read into a property is converted to the property's type (text form; whole numbers
// rounded, halves to even; Empty gives "" or 0); a missing slot raises 9, a text that is not a
// number 13, a value outside the type's range 6.
#include <functional>
#include <vector>

#include "tablas/cT02.h"
#include "tablas/cT03.h"
#include "tablas/cT04.h"
#include "vb/variant.h"

namespace brunsel {

// One slot and the row property behind it.
template <class Fila>
struct Casilla {
    std::function<void(Fila&, const vb::Variant&)> Poner;  // slot -> property
    std::function<vb::Variant(const Fila&)> Tomar;         // property -> slot (empty for let-only)
};

template <class Fila>
using Casillas = std::vector<Casilla<Fila>>;

// The header slots 0 to 8 of both save buffers (slot 0 is the declaration key).
const Casillas<cT02>& CasillasCabecera();
// The detail columns in table order: the load buffer from slot 0, the save buffer from its
// first detail slot (slot 9 of the form-731 save buffer is never read).
const Casillas<cT03>& CasillasDetalle731();
const Casillas<cT04>& CasillasDetalle732();
inline constexpr vb::Long kPrimerDetalle731 = 10;
inline constexpr vb::Long kPrimerDetalle732 = 9;

// The buffers of the checks.
const Casillas<cT02>& CasillasEjerPer();
const Casillas<cT02>& CasillasDatosComunes();
const Casillas<cT03>& CasillasValidacion731();
const Casillas<cT04>& CasillasValidacion732();

// Slots desde, desde + 1, ... of the buffer into the row, in slot order.
template <class Fila>
void LeerCasillas(const vb::Variant& buffer, vb::Long desde, const Casillas<Fila>& casillas, Fila& fila) {
    for (size_t i = 0; i < casillas.size(); ++i) casillas[i].Poner(fila, buffer(desde + static_cast<vb::Long>(i)));
}

// The buffer becomes a new array from 0 holding the row's properties with their own types.
template <class Fila>
void VolcarCasillas(const Casillas<Fila>& casillas, const Fila& fila, vb::Variant& buffer) {
    buffer = vb::Variant::Array1(0, static_cast<vb::Long>(casillas.size()) - 1);
    for (size_t i = 0; i < casillas.size(); ++i) buffer(static_cast<vb::Long>(i)) = casillas[i].Tomar(fila);
}

}  // namespace brunsel
