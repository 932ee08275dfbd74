#include "vb/formato.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vb {

std::string Format(double valor, const std::string& patron) {
    const size_t punto = patron.find('.');
    const std::string entera = patron.substr(0, punto);
    const std::string decimal = punto == std::string::npos ? "" : patron.substr(punto + 1);
    const bool agrupar = entera.find(',') != std::string::npos;
    const int minEnteros = int(std::count(entera.begin(), entera.end(), '0'));
    const int maxDecimales = int(std::count(decimal.begin(), decimal.end(), '0') +
                                 std::count(decimal.begin(), decimal.end(), '#'));
    const int minDecimales = int(std::count(decimal.begin(), decimal.end(), '0'));

    // Rounded half away from zero on the decimal digits the pattern keeps.
    const double escala = std::pow(10.0, maxDecimales);
    // The tiny bump lets a half that binary fractions store just below it round up (2.675).
    const double escalado = std::fabs(valor) * escala;
    const double redondeado = std::floor(escalado + 0.5 + 1e-13 * escalado);
    char digitos[64];
    std::snprintf(digitos, sizeof digitos, "%.0f", redondeado);
    std::string todos(digitos);
    if (int(todos.size()) <= maxDecimales) todos.insert(0, size_t(maxDecimales + 1 - int(todos.size())), '0');
    std::string ent = todos.substr(0, todos.size() - size_t(maxDecimales));
    std::string dec = todos.substr(todos.size() - size_t(maxDecimales));

    while (int(dec.size()) > minDecimales && dec.back() == '0') dec.pop_back();
    ent.erase(0, std::min(ent.find_first_not_of('0'), ent.size()));
    if (int(ent.size()) < minEnteros) ent.insert(0, size_t(minEnteros - int(ent.size())), '0');
    if (agrupar)
        for (int i = int(ent.size()) - 3; i > 0; i -= 3) ent.insert(size_t(i), 1, '.');

    std::string r = ent;
    if (!dec.empty()) r += "," + dec;
    const bool cero = redondeado == 0;
    if (valor < 0 && !cero) r.insert(0, 1, '-');
    return r;
}

}  // namespace vb
