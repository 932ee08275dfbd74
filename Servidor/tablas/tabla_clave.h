#pragma once
// The statements every declaration row class runs on its table, whose first column is the key.
// The row's values are held in column order, the key first.
#include <span>
#include <vector>

#include "tablas/columnas.h"

namespace brunsel {

struct TablaClave {
    const char* nombre;
    std::span<const Columna> columnas;  // the key first

    std::span<const Columna> Datos() const { return columnas.subspan(1); }

    bool Existe(vb::Long clave) const;
    // With the key, or without it where the database assigns it.
    void Insertar(const std::vector<vb::Variant>& valores, bool conClave) const;
    void Modificar(const std::vector<vb::Variant>& valores) const;
    void Borrar(vb::Long clave) const;
    // Reads the row of valores[0] into the other values (a missing row resets them to "" or 0).
    bool Seleccionar(std::vector<vb::Variant>& valores) const;
};

}  // namespace brunsel
