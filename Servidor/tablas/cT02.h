#pragma once
// One row of T02_COMUNDECLA (the part every declaration has, whatever its form) and the
// statements on that table, with the checks of the common data. The caller opens the modifiable
// database on the shared connection before any operation that reads or writes it.
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "tablas/columnas.h"
#include "vb/variant.h"

namespace brunsel {

// The table's columns in table order; the key first.
inline constexpr Columna kColumnasT02[] = {
    {"T02_CSDE", TipoCampo::Long},       {"T02_CSCO", TipoCampo::Long},
    {"T02_MODELO", TipoCampo::Texto},    {"T02_LETRADNI", TipoCampo::Texto},
    {"T02_MODO", TipoCampo::Texto},      {"T02_FECHA", TipoCampo::Long},
    {"T02_EJERCICIO", TipoCampo::Integer}, {"T02_PERIODO", TipoCampo::Texto},
    {"T02_TIPOLOGIA", TipoCampo::Byte},
};

consteval size_t ColT02(std::string_view nombre) { return PosicionColumna(kColumnasT02, nombre); }

class cT02 {
public:
    cT02();

    void PrimeraLetra(std::string v) { primeraLetra_ = std::move(v); }
    std::string PrimeraLetra() const { return primeraLetra_; }
    void FECHAMIN(vb::Long v) { fechaMin_ = v; }
    void FECHAMAX(vb::Long v) { fechaMax_ = v; }
    void KeyT02_CSDE(vb::Long v) { valores_[ColT02("T02_CSDE")] = v; }
    vb::Long KeyT02_CSDE() const { return valores_[ColT02("T02_CSDE")].CLng(); }
    BRUNSEL_COLUMNA(vb::Long, T02, T02_CSCO, CLng)
    BRUNSEL_COLUMNA(vb::Integer, T02, T02_EJERCICIO, CInt)
    BRUNSEL_COLUMNA(std::string, T02, T02_PERIODO, CStr)
    BRUNSEL_COLUMNA(std::string, T02, T02_MODELO, CStr)
    BRUNSEL_COLUMNA(std::string, T02, T02_LETRADNI, CStr)
    BRUNSEL_COLUMNA(std::string, T02, T02_MODO, CStr)
    BRUNSEL_COLUMNA(vb::Long, T02, T02_FECHA, CLng)
    BRUNSEL_COLUMNA(vb::Byte, T02, T02_TIPOLOGIA, CByte)

    // Key below 1: False without asking.
    bool Existe();
    // A quarterly declaration with the same date, form and owner is already stored.
    bool ExisteDeclaracionAlta();
    // Writes a new row and answers the key the database gave it; KeyT02_CSDE is left alone.
    vb::Long Insertar();
    bool Borrar();
    bool Modificar();
    // Loads the row of the key; with no such row the eight columns are reset and the key kept.
    bool Seleccionar();
    // The highest key in the table (0 when it is empty).
    vb::Long UltimoCSDE();
    // Keys of every declaration of datT02_CSCO, ascending, from index 0 of a one-dimensional array.
    bool ObtenerDeclaracionesDeclarante(vb::Variant& vBufferResultado);
    // The text of the declarations list (1) or of the latest-of-one-kind query; runs nothing.
    std::string SQLDeclaracionesDeclarante(vb::Integer iorden, const std::string& smodo) const;
    // 0 when the common data are acceptable, else the code of the first rule that fails.
    vb::Integer ValidarDatosComunes();
    // The declaration's date lies in FECHAMIN..FECHAMAX, both included.
    bool EjerPerValidos() const;

private:
    std::vector<vb::Variant> valores_;  // one per column of kColumnasT02
    std::string primeraLetra_;
    vb::Long fechaMin_ = 0;
    vb::Long fechaMax_ = 0;
};

}  // namespace brunsel
