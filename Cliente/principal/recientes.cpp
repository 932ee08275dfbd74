#include "principal/recientes.h"

#include <algorithm>

namespace oxalde {
namespace {

constexpr vb::Long kEntradas = 4;

QString Texto(const vb::Variant& v) {
    return v.IsNull() || v.IsEmpty() ? QString() : QString::fromStdString(v.CStr());
}

}  // namespace

std::vector<DeclaranteReciente> DeclarantesRecientes(const vb::Variant& buffer, vb::Long numDecla) {
    std::vector<DeclaranteReciente> lista;
    const vb::Long n = std::min(numDecla, kEntradas);
    for (vb::Long r = 0; r < n; ++r) {
        const vb::Variant& clave = buffer(r, 0);
        if (clave.IsEmpty() || clave.IsNull()) break;
        lista.push_back({clave.CLng(), Texto(buffer(r, 1)), Texto(buffer(r, 2))});
    }
    return lista;
}

QString TituloReciente(const DeclaranteReciente& d) {
    return QString::number(d.clave) + QStringLiteral(" - ") + d.dni + QStringLiteral(" - ") + d.nombre;
}

}  // namespace oxalde
