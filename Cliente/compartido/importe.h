#pragma once
// Amounts as the program shows and prints them: kept in whole cents, written in currency units
// with "." grouping thousands and "," before two decimals. Written from the digits of the cents,
// never through a fraction, so an amount of any width is exact.
#include <QString>
#include <cstdint>

#include "vb/variant.h"

namespace oxalde {

// The display format of the amounts: the amount boxes' own, and that of every text written here.
inline constexpr char kFormatoImporte[] = "#,###,###,###,##0.00";
// The other numbers' formats: a rate in percent, a length in metres, a count or weight up to seven
// digits, a year with its thousands grouped, and a code or year of four plain digits.
inline constexpr char kFormatoTipo[] = "#0.00";
inline constexpr char kFormatoLongitud[] = "##0.00";
inline constexpr char kFormatoMillones[] = "#,###,###";
inline constexpr char kFormatoMiles[] = "#,###";
inline constexpr char kFormatoCifras[] = "####";

// What a record stores: an amount rounded to whole cents, a rate or length to two decimals; halves
// away from zero (the two decimals of a Single as widened to a double).
double RedondearCentimos(double centimos);
vb::Single RedondearDosDecimales(vb::Single v);

// 123456 is "1.234,56", -1 is "-0,01", 0 is "0,00".
QString TextoImporte(std::int64_t centimos);

}  // namespace oxalde
