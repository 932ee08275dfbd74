#pragma once
// A row class's columns written once: each table lists its columns with the type its property
// holds, and the statements, the reading of a row and the values bound are derived from the list.
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "dao/dao.h"
#include "vb/variant.h"

// The Get/Let pair of a stored column, named datCOLUMN, over the row class's values_ and its
// column finder ColTABLE (a misspelt column does not compile).
#define BRUNSEL_COLUMNA(Tipo, Tabla, Columna, Leer)                                  \
    void dat##Columna(Tipo v) { valores_[Col##Tabla(#Columna)] = std::move(v); } \
    Tipo dat##Columna() const { return valores_[Col##Tabla(#Columna)].Leer(); }

namespace brunsel {

enum class TipoCampo {
    Texto,
    Long,
    Integer,
    Byte,
    Single,
    Double,
    CodigoTexto,  // held as text, stored as the number the text begins with (0 when none)
};

struct Columna {
    const char* nombre;
    TipoCampo tipo;
};

// The place of a column in a table's list; a misspelt name does not compile.
template <size_t N>
consteval size_t PosicionColumna(const Columna (&columnas)[N], std::string_view nombre) {
    for (size_t i = 0; i < N; ++i)
        if (nombre == columnas[i].nombre) return i;
    throw "unknown column";
}

// The value a new row object holds: "" for texts, a typed 0 for numbers.
vb::Variant ValorInicial(TipoCampo tipo);
// A stored value as its property holds it; a Null in an old row reads as "" or 0.
vb::Variant LeerCampo(const dao::Recordset& rs, const Columna& columna);
// A property's value as it is stored (bound as a parameter, never written into the SQL).
vb::Variant ValorAlmacenado(const vb::Variant& valor, TipoCampo tipo);
// A property value converted to the type of its column (text form, rounded whole numbers).
vb::Variant Convertir(const vb::Variant& valor, TipoCampo tipo);

// "INSERT INTO tabla (c1,c2,...) VALUES (?,?,...)"
std::string SqlInsertar(const std::string& tabla, std::span<const Columna> columnas);
// "UPDATE tabla SET c1=?,c2=?,... WHERE clave=?"
std::string SqlModificar(const std::string& tabla, std::span<const Columna> columnas, const std::string& clave);

// The values of `valores` (one per column) as they are stored, in column order.
dao::Parametros ValoresAlmacenados(std::span<const Columna> columnas, const std::vector<vb::Variant>& valores);
// Every column read from the current row of `rs`, by name.
std::vector<vb::Variant> LeerFila(const dao::Recordset& rs, std::span<const Columna> columnas);
std::vector<vb::Variant> FilaInicial(std::span<const Columna> columnas);

}  // namespace brunsel
