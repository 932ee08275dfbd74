#pragma once
// The record buffers the form-731 window hands to the library: the 25-item check buffer and the
// 48-item save buffer, filled from the record and the declaration header.
#include "vb/variant.h"

namespace oxalde {

class cDatos731;
class cDecResumen;

// Items 0 to 24: the kind, the acquirer, the means of transport, the prices, the refunds, the
// account and the quarterly bases and taxes, each with its member's own kind.
vb::Variant BufferValidacion731(const cDatos731& datos);
// Item 0 the declaration's key (0 new), 1 to 8 the header, 9 Empty, 10 to 47 the stored members.
vb::Variant BufferDeclaracion731(const cDatos731& datos, const cDecResumen& cabecera);

}  // namespace oxalde
