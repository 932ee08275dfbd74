#pragma once
// Numbers written with a display pattern of "#" (optional digit), "0" (digit always written),
// "," (thousands grouping, anywhere before the point) and "." (decimal point), in the program's
// one number layout: "." groups thousands and "," marks the decimals. Halves round away from
// zero. "####" writes 0 as the empty text; "#,##0.00" writes 1234.5 as "1.234,50".
#include <string>

#include "vb/decimal.h"

namespace vb {

// Rounded half away from zero on the decimal digits of the value: a double by the shortest text
// that reads back as it (2.675 with "0.00" is "2,68"), so every amount of up to 15 significant
// digits is written exactly.
std::string Format(double valor, const std::string& patron);
std::string Format(const Decimal& valor, const std::string& patron);

}  // namespace vb
