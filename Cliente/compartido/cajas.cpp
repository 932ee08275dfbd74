#include "compartido/cajas.h"

#include "vb/formato.h"

namespace oxalde {

void MostrarNumero(Pindaro* caja, double valor) {
    caja->valor(caja->modo() == Pindaro::Importe
                    ? ValorImporte(valor)
                    : QString::fromStdString(vb::Format(valor, caja->formato().toStdString())));
    caja->texto(caja->valor());
}

std::optional<double> ValorNumerico(const QString& valor) {
    const QString texto = valor.trimmed();
    if (texto.isEmpty()) return 0.0;
    bool ok = false;
    const double n = texto.toDouble(&ok);  // QString::toDouble reads the C layout only
    if (!ok || !std::isfinite(n)) return std::nullopt;
    return n;
}

}  // namespace oxalde
