#pragma once
// Numbers as their decimal digits, exact: the one road by which the program rounds what it
// shows and reads back what it showed, so no binary fraction ever moves a shown amount.
#include <optional>
#include <string>

namespace vb {

struct Decimal {
    bool negativo = false;
    std::string entera;    // digits before the point, never empty ("0" for none)
    std::string fraccion;  // digits after it, possibly empty
};

// The shortest decimal text that reads back as the same double (2.675 is "2.675", not the
// binary 2.67499999…): what the user wrote, for every number of up to 15 significant digits.
Decimal DecimalDe(double valor);

// Rounded half away from zero to exactly `decimales` digits after the point.
Decimal Redondear(Decimal d, int decimales);

// Digits with an optional leading "-" and an optional "." ("-1234.5"); nothing for other text.
std::optional<Decimal> LeerDecimal(const std::string& texto);

// "-1234.50": the decimal written back with a point, no "-" on zero.
std::string Texto(const Decimal& d);

// True when every digit is 0.
bool EsCero(const Decimal& d);

}  // namespace vb
