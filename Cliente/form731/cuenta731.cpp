#include "form731/cuenta731.h"

namespace oxalde {

QString CuentaIban::Grupo(const QString& cc, int k) { return cc.mid((k - 1) * kLargoGrupo, kLargoGrupo); }

std::array<QString, CuentaIban::kGrupos> CuentaIban::Grupos(const QString& cc) {
    std::array<QString, kGrupos> grupos;
    for (int k = 1; k <= kGrupos; ++k) grupos[k - 1] = Grupo(cc, k).trimmed();
    return grupos;
}

QString CuentaIban::Unir(const std::array<QString, kGrupos>& cajas,
                         const std::function<QString(const QString&, int)>& rellenar) {
    QString cc;
    for (const QString& caja : cajas) cc += rellenar(caja, kLargoGrupo);
    return cc;
}

}  // namespace oxalde
