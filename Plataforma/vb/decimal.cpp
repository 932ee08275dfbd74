#include "vb/decimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace vb {

namespace {

bool SoloDigitos(const std::string& s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Adds one to a run of digits, carrying to the left ("199" gives "200", "99" gives "100").
std::string MasUno(std::string digitos) {
    for (size_t i = digitos.size(); i-- > 0;) {
        if (digitos[i] != '9') {
            ++digitos[i];
            return digitos;
        }
        digitos[i] = '0';
    }
    return "1" + digitos;
}

}  // namespace

Decimal DecimalDe(double valor) {
    // Fixed notation of the largest double has 309 integer digits.
    char texto[400];
    const auto [fin, error] = std::to_chars(texto, texto + sizeof texto, std::fabs(valor), std::chars_format::fixed);
    Decimal d = LeerDecimal(error == std::errc() && std::isfinite(valor) ? std::string(texto, fin) : "0").value();
    d.negativo = std::signbit(valor);
    return d;
}

Decimal Redondear(Decimal d, int decimales) {
    const size_t n = size_t(std::max(decimales, 0));
    if (d.fraccion.size() <= n) {
        d.fraccion.append(n - d.fraccion.size(), '0');
        return d;
    }
    // Half away from zero: the magnitude goes up when the first dropped digit is 5 or more.
    const bool subir = d.fraccion[n] >= '5';
    d.fraccion.resize(n);
    if (subir) {
        const std::string todo = MasUno(d.entera + d.fraccion);
        d.entera = todo.substr(0, todo.size() - n);
        d.fraccion = todo.substr(todo.size() - n);
    }
    return d;
}

std::optional<Decimal> LeerDecimal(const std::string& texto) {
    Decimal d;
    std::string resto = texto;
    if (!resto.empty() && resto[0] == '-') {
        d.negativo = true;
        resto.erase(0, 1);
    }
    const size_t punto = resto.find('.');
    d.entera = resto.substr(0, punto);
    if (punto != std::string::npos) d.fraccion = resto.substr(punto + 1);
    if (d.entera.empty() && d.fraccion.empty()) return std::nullopt;
    if (!SoloDigitos(d.entera) || !SoloDigitos(d.fraccion)) return std::nullopt;
    d.entera.erase(0, std::min(d.entera.find_first_not_of('0'), d.entera.size()));
    if (d.entera.empty()) d.entera.push_back('0');
    return d;
}

std::string Texto(const Decimal& d) {
    std::string r = d.entera;
    if (!d.fraccion.empty()) r += "." + d.fraccion;
    return d.negativo && !EsCero(d) ? "-" + r : r;
}

bool EsCero(const Decimal& d) {
    return d.entera.find_first_not_of('0') == std::string::npos &&
           d.fraccion.find_first_not_of('0') == std::string::npos;
}

}  // namespace vb
