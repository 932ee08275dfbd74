#include "compartido/importe.h"

#include <string>

#include "compartido/procedimientos.h"
#include "vb/formato.h"

namespace oxalde {

double RedondearCentimos(double centimos) { return RedondearDecimales(centimos, 0); }

vb::Single RedondearDosDecimales(vb::Single v) {
    return static_cast<vb::Single>(RedondearDecimales(static_cast<double>(v), 2));
}

QString TextoImporte(std::int64_t centimos) {
    // The magnitude unsigned, so that the most negative amount has one too.
    const auto sinSigno = static_cast<std::uint64_t>(centimos);
    const std::uint64_t magnitud = centimos < 0 ? 0 - sinSigno : sinSigno;
    std::string digitos = std::to_string(magnitud);
    if (digitos.size() < 3) digitos.insert(0, 3 - digitos.size(), '0');
    const size_t unidades = digitos.size() - 2;
    const vb::Decimal importe{centimos < 0, digitos.substr(0, unidades), digitos.substr(unidades)};
    return QString::fromStdString(vb::Format(importe, kFormatoImporte));
}

}  // namespace oxalde
