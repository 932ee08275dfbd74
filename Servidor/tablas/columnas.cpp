#include "tablas/columnas.h"

#include <cmath>

namespace brunsel {

vb::Variant ValorInicial(TipoCampo tipo) {
    switch (tipo) {
        case TipoCampo::Texto:
        case TipoCampo::CodigoTexto: return std::string();
        case TipoCampo::Long: return vb::Long{0};
        case TipoCampo::Integer: return vb::Integer{0};
        case TipoCampo::Byte: return vb::Byte{0};
        case TipoCampo::Single: return vb::Single{0};
        case TipoCampo::Double: return 0.0;
    }
    return {};
}

vb::Variant Convertir(const vb::Variant& valor, TipoCampo tipo) {
    switch (tipo) {
        case TipoCampo::Texto:
        case TipoCampo::CodigoTexto: return valor.CStr();
        case TipoCampo::Long: return valor.CLng();
        case TipoCampo::Integer: return valor.CInt();
        case TipoCampo::Byte: return valor.CByte();
        case TipoCampo::Single: return valor.CSng();
        case TipoCampo::Double: return valor.CDbl();
    }
    return valor;
}

vb::Variant LeerCampo(const dao::Recordset& rs, const Columna& columna) {
    const vb::Variant& v = rs.Fields(columna.nombre);
    if (v.IsNull()) return columna.tipo == TipoCampo::CodigoTexto ? vb::Variant("0") : ValorInicial(columna.tipo);
    return Convertir(v, columna.tipo);
}

vb::Variant ValorAlmacenado(const vb::Variant& valor, TipoCampo tipo) {
    if (tipo == TipoCampo::CodigoTexto) {
        double n = vb::Val(valor.CStr());
        if (n == std::trunc(n) && std::fabs(n) < 2147483648.0) return static_cast<vb::Long>(n);
        return n;
    }
    return Convertir(valor, tipo);
}

std::string SqlInsertar(const std::string& tabla, std::span<const Columna> columnas) {
    std::string nombres;
    std::string marcas;
    for (const auto& c : columnas) {
        if (!nombres.empty()) nombres += ",", marcas += ",";
        nombres += c.nombre;
        marcas += "?";
    }
    return "INSERT INTO " + tabla + " (" + nombres + ") VALUES (" + marcas + ")";
}

std::string SqlModificar(const std::string& tabla, std::span<const Columna> columnas, const std::string& clave) {
    std::string asignaciones;
    for (const auto& c : columnas) {
        if (!asignaciones.empty()) asignaciones += ",";
        asignaciones += std::string(c.nombre) + "=?";
    }
    return "UPDATE " + tabla + " SET " + asignaciones + " WHERE " + clave + "=?";
}

dao::Parametros ValoresAlmacenados(std::span<const Columna> columnas, const std::vector<vb::Variant>& valores) {
    dao::Parametros p;
    p.reserve(columnas.size());
    for (size_t i = 0; i < columnas.size(); ++i) p.push_back(ValorAlmacenado(valores[i], columnas[i].tipo));
    return p;
}

std::vector<vb::Variant> LeerFila(const dao::Recordset& rs, std::span<const Columna> columnas) {
    std::vector<vb::Variant> fila;
    fila.reserve(columnas.size());
    for (const auto& c : columnas) fila.push_back(LeerCampo(rs, c));
    return fila;
}

std::vector<vb::Variant> FilaInicial(std::span<const Columna> columnas) {
    std::vector<vb::Variant> fila;
    fila.reserve(columnas.size());
    for (const auto& c : columnas) fila.push_back(ValorInicial(c.tipo));
    return fila;
}

}  // namespace brunsel
