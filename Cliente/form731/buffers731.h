#pragma once
// The record buffers of a form-731 declaration exchanged with the library, in their fixed slot
// orders: the load buffer (the 38 stored values in the library's load order), the check buffer
// (25 slots) and the save buffer (the 9 header slots, an empty one, then the load buffer).
#include "form731/cDatos731.h"
#include "vb/variant.h"

namespace oxalde {

class cDecResumen;

inline constexpr vb::Long kCasillasCarga731 = 38;
inline constexpr vb::Long kCasillasValidacion731 = 25;
inline constexpr vb::Long kCasillasDeclaracion731 = 48;

// The 38 stored values as a load buffer (0 ADQNIF ... 36 resul, 37 CC), each slot with its
// member's kind.
vb::Variant BufferCarga731(const Campos731& campos);
// Slots 0 to 37 of a load buffer into the stored values, each converted to its member's kind.
// All or nothing: a slot that is missing or does not convert raises its error, the values as
// they were.
void LeerBufferCarga731(const vb::Variant& buffer, Campos731& campos);

// Slots 0 to 24: the kind, the acquirer, the means of transport, the prices, the refunds, the
// account and the quarterly bases and taxes, each with its member's own kind.
vb::Variant BufferValidacion731(const cDatos731& datos);
// Slot 0 the declaration's key (0 new), 1 to 8 the header, 9 Empty, 10 to 47 the stored values.
vb::Variant BufferDeclaracion731(const cDatos731& datos, const cDecResumen& cabecera);

}  // namespace oxalde
