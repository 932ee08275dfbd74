#pragma once
// What the taxpayer windows build from the record and the string table without a widget: the
// buffers handed to the library, the box to correct for each failed rule, and the question asked
// before a taxpayer is deleted.
#include <QString>

#include "vb/variant.h"

namespace oxalde {

class cDecDatos;

// The 8 fields the library checks: DNI, NOMBRE, DOMICILIO, CODPROV, CODPOS, CODMUN, NOMMUN,
// TELEFONO.
vb::Variant BufferValidacionDeclarante(const cDecDatos& d);
// The 17 slots of one stored taxpayer, CSCO first (0 for a new one).
vb::Variant BufferDeclarante(const cDecDatos& d);

// The name of the box that gets the focus after the message of a failed rule (1 to 12); empty
// for any other code.
QString CajaDeRegla(int codigo);

// The question asked before deleting a taxpayer: the short one when it has no declaration, the
// two-line one naming all its declarations otherwise; in the current language.
QString PreguntaBorrarDeclarante(const QString& dni, const QString& nombre, bool conDeclaraciones);

}  // namespace oxalde
