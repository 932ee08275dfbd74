#pragma once
// Numbers written with a display pattern of "#" (optional digit), "0" (digit always written),
// "," (thousands grouping, anywhere before the point) and "." (decimal point), in the program's
// one number layout: "." groups thousands and "," marks the decimals. Halves round away from
// zero. "####" writes 0 as the empty text; "#,##0.00" writes 1234.5 as "1.234,50".
#include <string>

namespace vb {

std::string Format(double valor, const std::string& patron);

}  // namespace vb
