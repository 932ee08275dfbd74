#include "compartido/tipos_iva.h"

#include <cmath>

namespace oxalde::tipos {

TiposIva TiposEn(long fecha) {
    if (fecha <= kFinTipos2010) return {1600, 700, 400, 100};
    if (fecha <= kFinTipos2012) return {1800, 800, 400, 100};
    return {2100, 1000, 520, 140};
}

std::int64_t Cuota(std::int64_t baseCentimos, int tipoCentesimas) {
    // Wide enough for any rate on the largest amounts.
    const __int128 producto = static_cast<__int128>(baseCentimos) * tipoCentesimas;
    const __int128 mitad = producto >= 0 ? 5000 : -5000;
    return static_cast<std::int64_t>((producto + mitad) / 10000);
}

double Cuota(double baseCentimos, int tipoCentesimas) {
    return static_cast<double>(Cuota(static_cast<std::int64_t>(std::llround(baseCentimos)), tipoCentesimas));
}

std::string EtiquetaTipo(int tipoCentesimas, char separadorDecimal) {
    std::string texto = std::to_string(tipoCentesimas / 100);
    int fraccion = tipoCentesimas % 100;
    if (fraccion != 0) {
        texto += separadorDecimal;
        texto += static_cast<char>('0' + fraccion / 10);
        if (fraccion % 10 != 0) texto += static_cast<char>('0' + fraccion % 10);
    }
    return texto + "%";
}

}  // namespace oxalde::tipos
