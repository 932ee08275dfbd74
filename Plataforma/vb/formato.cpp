#include "vb/formato.h"

#include <algorithm>

#include "vb/decimal.h"

namespace vb {

std::string Format(double valor, const std::string& patron) { return Format(DecimalDe(valor), patron); }

std::string Format(const Decimal& valor, const std::string& patron) {
    const size_t punto = patron.find('.');
    const std::string entera = patron.substr(0, punto);
    const std::string decimal = punto == std::string::npos ? "" : patron.substr(punto + 1);
    const bool agrupar = entera.find(',') != std::string::npos;
    const int minEnteros = int(std::count(entera.begin(), entera.end(), '0'));
    const int maxDecimales = int(std::count(decimal.begin(), decimal.end(), '0') +
                                 std::count(decimal.begin(), decimal.end(), '#'));
    const int minDecimales = int(std::count(decimal.begin(), decimal.end(), '0'));

    const Decimal redondeado = Redondear(valor, maxDecimales);
    std::string ent = redondeado.entera;
    std::string dec = redondeado.fraccion;

    while (int(dec.size()) > minDecimales && dec.back() == '0') dec.pop_back();
    ent.erase(0, std::min(ent.find_first_not_of('0'), ent.size()));
    if (int(ent.size()) < minEnteros) ent.insert(0, size_t(minEnteros - int(ent.size())), '0');
    if (agrupar)
        for (int i = int(ent.size()) - 3; i > 0; i -= 3) ent.insert(size_t(i), 1, '.');

    std::string r = ent;
    if (!dec.empty()) r += "," + dec;
    if (redondeado.negativo && !EsCero(redondeado)) r.insert(0, 1, '-');
    return r;
}

}  // namespace vb
