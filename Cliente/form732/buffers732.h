#pragma once
// The record buffers of a form-732 declaration exchanged with the library, in their fixed slot
// orders: the load buffer (the 47 stored fields, the detail table's column order), the
// validation buffer (42 slots) and the save buffer (the 9 header slots, then the load buffer).
#include "form732/cDatos732.h"
#include "compartido/cDecResumen.h"
#include "vb/variant.h"

namespace oxalde {

inline constexpr vb::Long kCasillasCarga732 = 47;
inline constexpr vb::Long kCasillasValidacion732 = 42;
inline constexpr vb::Long kCasillasDeclaracion732 = 56;

// The 47 stored fields as a load buffer (0 to 46), each slot with its field's type.
vb::Variant BufferCarga732(const Campos732& campos);
// Slots 0 to 46 of a load buffer into the fields, each converted to its field's type. All or
// nothing: a slot that is missing or does not convert raises its error, the fields as they were.
void LeerBufferCarga732(const vb::Variant& buffer, Campos732& campos);

// The validation buffer of the record, with the first character of the taxpayer's DNI.
vb::Variant BufferValidacion732(const cDatos732& datos, const cDecResumen& cabecera);
// The save buffer: the record's key, the header of the declaration, then its 47 stored fields.
vb::Variant BufferDeclaracion732(const cDatos732& datos, const cDecResumen& cabecera);

// What the form-732 editor's Accept runs on the current record and header: the library's check
// (0, or the first failed rule) and the save (the declaration's key; below 1: nothing saved).
vb::Integer ComprobarDeclaracion732();
vb::Long GuardarDeclaracion732();

}  // namespace oxalde
