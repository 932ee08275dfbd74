#pragma once
// The liquidation of a form-732 declaration: the bases and surcharges that its tax situation and
// taxable events exclude are zeroed, the quotas follow from the bases at the rates in force on
// the declaration's date, and the total adds the quotas. Every value goes through the record's
// Lets, so each is stored in whole cents.
#include "form732/cDatos732.h"
#include "vb/variant.h"

namespace oxalde {

// On the global record, dated by the declaration header's FECHA.
void CalcularLiquidacion();
// On a record, dated `fecha` (yyyymmdd).
void CalcularLiquidacion(cDatos732& d, vb::Long fecha);

}  // namespace oxalde
