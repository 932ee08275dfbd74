#pragma once
// One row of T04_732DECLA (the boxes of a form-732 declaration) and the statements on that
// table, with the check of a form-732 declaration, which needs no database. The row's key is the
// key of its header row.
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "tablas/columnas.h"
#include "vb/variant.h"

namespace brunsel {

// The table's columns in table order; the key first.
inline constexpr Columna kColumnasT04[] = {
    {"T04_CSDE", TipoCampo::Long},
    {"T04_TRANIF", TipoCampo::Texto},
    {"T04_TRANOM", TipoCampo::Texto},
    {"T04_TRADIRECC", TipoCampo::Texto},
    {"T04_TRAPROV", TipoCampo::Texto},
    {"T04_TRAPAIS", TipoCampo::Texto},
    {"T04_SITTIB1", TipoCampo::Texto},
    {"T04_SITTIB2", TipoCampo::Texto},
    {"T04_SITTIB3", TipoCampo::Texto},
    {"T04_SITTIB4", TipoCampo::Texto},
    {"T04_SITTIB5", TipoCampo::Texto},
    {"T04_SITTIB6", TipoCampo::Texto},
    {"T04_HECHO1", TipoCampo::Texto},
    {"T04_HECHO2", TipoCampo::Texto},
    {"T04_HECHO3", TipoCampo::Texto},
    {"T04_HECHO4", TipoCampo::Texto},
    {"T04_HECHO5", TipoCampo::Texto},
    {"T04_HECHO6", TipoCampo::Texto},
    {"T04_TMEDIO", TipoCampo::Texto},
    {"T04_MARCAV", TipoCampo::Texto},
    {"T04_TIPOV", TipoCampo::Texto},
    {"T04_MODELOV", TipoCampo::Texto},
    {"T04_NBASTIDOR", TipoCampo::Texto},
    {"T04_CLASIF", TipoCampo::Integer},
    {"T04_FABRICB", TipoCampo::Texto},
    {"T04_ESLORAMAX", TipoCampo::Single},
    {"T04_NCONSTRUC", TipoCampo::Texto},
    {"T04_MODELOB", TipoCampo::Texto},
    {"T04_FABRICA", TipoCampo::Texto},
    {"T04_PESOMAX", TipoCampo::Long},
    {"T04_NSERIE", TipoCampo::Texto},
    {"T04_ANOFAB", TipoCampo::Integer},
    {"T04_MODELOA", TipoCampo::Texto},
    {"T04_BASE16", TipoCampo::Double},
    {"T04_CUOTA16", TipoCampo::Double},
    {"T04_BASE7", TipoCampo::Double},
    {"T04_CUOTA7", TipoCampo::Double},
    {"T04_BASE4", TipoCampo::Double},
    {"T04_CUOTA4", TipoCampo::Double},
    {"T04_BAEQ4", TipoCampo::Double},
    {"T04_CUEQ4", TipoCampo::Double},
    {"T04_BAEQ175", TipoCampo::Double},
    {"T04_CUEQ175", TipoCampo::Double},
    {"T04_BAEQ1", TipoCampo::Double},
    {"T04_CUEQ1", TipoCampo::Double},
    {"T04_BAEQ05", TipoCampo::Double},
    {"T04_CUEQ05", TipoCampo::Double},
    {"T04_TOTAL", TipoCampo::Double},
};

consteval size_t ColT04(std::string_view nombre) { return PosicionColumna(kColumnasT04, nombre); }

class cT04 {
public:
    cT04();

    // Not stored: the first character of the declarant's NIF and the declaration kind ("P"
    // quarterly, "T" transport), read by the check alone.
    void PrimeraLetra(std::string v) { primeraLetra_ = std::move(v); }
    std::string PrimeraLetra() const { return primeraLetra_; }
    void MODOP(std::string v) { modop_ = std::move(v); }
    std::string MODOP() const { return modop_; }
    BRUNSEL_COLUMNA(double, T04, T04_TOTAL, CDbl)
    BRUNSEL_COLUMNA(double, T04, T04_CUEQ05, CDbl)
    BRUNSEL_COLUMNA(double, T04, T04_BAEQ05, CDbl)
    BRUNSEL_COLUMNA(double, T04, T04_CUEQ1, CDbl)
    BRUNSEL_COLUMNA(double, T04, T04_BAEQ1, CDbl)
    BRUNSEL_COLUMNA(double, T04, T04_CUEQ4, CDbl)
    BRUNSEL_COLUMNA(double, T04, T04_CUEQ175, CDbl)
    BRUNSEL_COLUMNA(double, T04, T04_BAEQ175, CDbl)
    BRUNSEL_COLUMNA(double, T04, T04_BAEQ4, CDbl)
    BRUNSEL_COLUMNA(double, T04, T04_CUOTA4, CDbl)
    BRUNSEL_COLUMNA(double, T04, T04_BASE4, CDbl)
    BRUNSEL_COLUMNA(double, T04, T04_CUOTA7, CDbl)
    BRUNSEL_COLUMNA(double, T04, T04_BASE7, CDbl)
    BRUNSEL_COLUMNA(double, T04, T04_CUOTA16, CDbl)
    BRUNSEL_COLUMNA(double, T04, T04_BASE16, CDbl)
    BRUNSEL_COLUMNA(std::string, T04, T04_MODELOA, CStr)
    BRUNSEL_COLUMNA(vb::Integer, T04, T04_ANOFAB, CInt)
    BRUNSEL_COLUMNA(std::string, T04, T04_NSERIE, CStr)
    BRUNSEL_COLUMNA(vb::Long, T04, T04_PESOMAX, CLng)
    BRUNSEL_COLUMNA(std::string, T04, T04_FABRICA, CStr)
    BRUNSEL_COLUMNA(std::string, T04, T04_MODELOB, CStr)
    BRUNSEL_COLUMNA(std::string, T04, T04_NCONSTRUC, CStr)
    BRUNSEL_COLUMNA(vb::Single, T04, T04_ESLORAMAX, CSng)
    BRUNSEL_COLUMNA(std::string, T04, T04_FABRICB, CStr)
    BRUNSEL_COLUMNA(vb::Integer, T04, T04_CLASIF, CInt)
    BRUNSEL_COLUMNA(std::string, T04, T04_NBASTIDOR, CStr)
    BRUNSEL_COLUMNA(std::string, T04, T04_MODELOV, CStr)
    BRUNSEL_COLUMNA(std::string, T04, T04_TIPOV, CStr)
    BRUNSEL_COLUMNA(std::string, T04, T04_MARCAV, CStr)
    BRUNSEL_COLUMNA(std::string, T04, T04_TMEDIO, CStr)
    BRUNSEL_COLUMNA(std::string, T04, T04_HECHO6, CStr)
    BRUNSEL_COLUMNA(std::string, T04, T04_HECHO5, CStr)
    BRUNSEL_COLUMNA(std::string, T04, T04_HECHO4, CStr)
    BRUNSEL_COLUMNA(std::string, T04, T04_HECHO3, CStr)
    BRUNSEL_COLUMNA(std::string, T04, T04_HECHO2, CStr)
    BRUNSEL_COLUMNA(std::string, T04, T04_HECHO1, CStr)
    BRUNSEL_COLUMNA(std::string, T04, T04_SITTIB6, CStr)
    BRUNSEL_COLUMNA(std::string, T04, T04_SITTIB5, CStr)
    BRUNSEL_COLUMNA(std::string, T04, T04_SITTIB4, CStr)
    BRUNSEL_COLUMNA(std::string, T04, T04_SITTIB3, CStr)
    BRUNSEL_COLUMNA(std::string, T04, T04_SITTIB2, CStr)
    BRUNSEL_COLUMNA(std::string, T04, T04_SITTIB1, CStr)
    BRUNSEL_COLUMNA(std::string, T04, T04_TRAPROV, CStr)
    BRUNSEL_COLUMNA(std::string, T04, T04_TRAPAIS, CStr)
    BRUNSEL_COLUMNA(std::string, T04, T04_TRANOM, CStr)
    BRUNSEL_COLUMNA(std::string, T04, T04_TRADIRECC, CStr)
    BRUNSEL_COLUMNA(std::string, T04, T04_TRANIF, CStr)
    void keyT04_CSDE(vb::Long v) { valores_[ColT04("T04_CSDE")] = v; }
    vb::Long keyT04_CSDE() const { return valores_[ColT04("T04_CSDE")].CLng(); }
    // Key below 1: False without a statement.
    bool Existe();
    bool Insertar();
    bool Borrar();
    bool Modificar();
    // Loads the row of the key; with no such row every column but the key is reset.
    bool Seleccionar();
    // 0 when the data are acceptable, else the code of the first rule that fails.
    vb::Integer ValidarDatos732(std::string& strFecha) const;

private:
    std::vector<vb::Variant> valores_;  // one per column of kColumnasT04
    std::string modop_;
    std::string primeraLetra_;

    vb::Integer ReglasTransporte(const std::string& strFecha) const;
    vb::Integer ReglasComunes(const std::string& strFecha) const;
};

}  // namespace brunsel
