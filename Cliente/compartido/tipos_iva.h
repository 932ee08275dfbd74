#pragma once
// VAT rates by date and the exact quota arithmetic, shared by both forms' records, their editors'
// rate labels and both printouts: the two rate changes live here and nowhere else.
#include <cstdint>
#include <string>

namespace oxalde::tipos {

// Last day of each rate period (dates as yyyymmdd; 0, an empty date, falls in the first).
constexpr long kFinTipos2010 = 20100630;
constexpr long kFinTipos2012 = 20120831;

// Rates in hundredths of a percent, so 5.2 % and 1.4 % stay exact.
struct TiposIva {
    int general;        // 16, 18, 21 %
    int reducido;       // 7, 8, 10 %
    int recargo;        // surcharge on the general rate: 4, 4, 5.2 %
    int recargoReducido;// surcharge on the reduced rate: 1, 1, 1.4 %
};

// The rates in force on `fecha`.
TiposIva TiposEn(long fecha);

// The third quarter of 2012, when the rate change fell inside a quarter: a quarterly declaration
// of that period carries the quotas the user typed instead of computed ones.
constexpr long kAntesCuotasTecleadas = 20120630;
constexpr long kDespuesCuotasTecleadas = 20121001;
constexpr bool EnVentanaCuotasTecleadas(long fecha) {
    return fecha > kAntesCuotasTecleadas && fecha < kDespuesCuotasTecleadas;
}

// Fixed rates, the same on every date.
constexpr int kTipo4 = 400;     // 4 %
constexpr int kTipo175 = 175;   // 1.75 %
constexpr int kTipo05 = 50;     // 0.5 %

// The quota of a base in whole cents at a rate in hundredths of a percent, computed exactly in
// integers and rounded half away from zero: 2750 at 1.4 % gives 39.
std::int64_t Cuota(std::int64_t baseCentimos, int tipoCentesimas);
// The same for a base held as a Double of whole cents (the records' amounts); a fraction of a
// cent in the base is rounded half away from zero first.
double Cuota(double baseCentimos, int tipoCentesimas);

// The label of a rate: 1600 gives "16%", 520 gives "5,2%", 175 gives "1,75%". The editors' own
// rate labels write the date-dependent rates with a point ("5.2%", "1.4%").
std::string EtiquetaTipo(int tipoCentesimas, char separadorDecimal = ',');

}  // namespace oxalde::tipos
