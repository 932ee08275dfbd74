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

// The place of a column in kColumnasT04; a misspelt name does not compile.
consteval size_t ColT04(std::string_view nombre) {
    for (size_t i = 0; i < std::size(kColumnasT04); ++i)
        if (nombre == kColumnasT04[i].nombre) return i;
    throw "unknown column";
}

class cT04 {
public:
    cT04();

    // Not stored: the first character of the declarant's NIF and the declaration kind ("P"
    // quarterly, "T" transport), read by the check alone.
    void PrimeraLetra(std::string v) { primeraLetra_ = std::move(v); }
    std::string PrimeraLetra() const { return primeraLetra_; }
    void MODOP(std::string v) { modop_ = std::move(v); }
    std::string MODOP() const { return modop_; }
    void datT04_TOTAL(double v) { valores_[ColT04("T04_TOTAL")] = v; }
    double datT04_TOTAL() const { return valores_[ColT04("T04_TOTAL")].CDbl(); }
    void datT04_CUEQ05(double v) { valores_[ColT04("T04_CUEQ05")] = v; }
    double datT04_CUEQ05() const { return valores_[ColT04("T04_CUEQ05")].CDbl(); }
    void datT04_BAEQ05(double v) { valores_[ColT04("T04_BAEQ05")] = v; }
    double datT04_BAEQ05() const { return valores_[ColT04("T04_BAEQ05")].CDbl(); }
    void datT04_CUEQ1(double v) { valores_[ColT04("T04_CUEQ1")] = v; }
    double datT04_CUEQ1() const { return valores_[ColT04("T04_CUEQ1")].CDbl(); }
    void datT04_BAEQ1(double v) { valores_[ColT04("T04_BAEQ1")] = v; }
    double datT04_BAEQ1() const { return valores_[ColT04("T04_BAEQ1")].CDbl(); }
    void datT04_CUEQ4(double v) { valores_[ColT04("T04_CUEQ4")] = v; }
    double datT04_CUEQ4() const { return valores_[ColT04("T04_CUEQ4")].CDbl(); }
    void datT04_CUEQ175(double v) { valores_[ColT04("T04_CUEQ175")] = v; }
    double datT04_CUEQ175() const { return valores_[ColT04("T04_CUEQ175")].CDbl(); }
    void datT04_BAEQ4(double v) { valores_[ColT04("T04_BAEQ4")] = v; }
    double datT04_BAEQ175() const { return valores_[ColT04("T04_BAEQ175")].CDbl(); }
    void datT04_BAEQ175(double v) { valores_[ColT04("T04_BAEQ175")] = v; }
    double datT04_BAEQ4() const { return valores_[ColT04("T04_BAEQ4")].CDbl(); }
    void datT04_CUOTA4(double v) { valores_[ColT04("T04_CUOTA4")] = v; }
    double datT04_CUOTA4() const { return valores_[ColT04("T04_CUOTA4")].CDbl(); }
    void datT04_BASE4(double v) { valores_[ColT04("T04_BASE4")] = v; }
    double datT04_BASE4() const { return valores_[ColT04("T04_BASE4")].CDbl(); }
    void datT04_CUOTA7(double v) { valores_[ColT04("T04_CUOTA7")] = v; }
    double datT04_CUOTA7() const { return valores_[ColT04("T04_CUOTA7")].CDbl(); }
    void datT04_BASE7(double v) { valores_[ColT04("T04_BASE7")] = v; }
    double datT04_BASE7() const { return valores_[ColT04("T04_BASE7")].CDbl(); }
    void datT04_CUOTA16(double v) { valores_[ColT04("T04_CUOTA16")] = v; }
    double datT04_CUOTA16() const { return valores_[ColT04("T04_CUOTA16")].CDbl(); }
    void datT04_BASE16(double v) { valores_[ColT04("T04_BASE16")] = v; }
    double datT04_BASE16() const { return valores_[ColT04("T04_BASE16")].CDbl(); }
    void datT04_MODELOA(std::string v) { valores_[ColT04("T04_MODELOA")] = std::move(v); }
    std::string datT04_MODELOA() const { return valores_[ColT04("T04_MODELOA")].CStr(); }
    void datT04_ANOFAB(vb::Integer v) { valores_[ColT04("T04_ANOFAB")] = v; }
    vb::Integer datT04_ANOFAB() const { return valores_[ColT04("T04_ANOFAB")].CInt(); }
    void datT04_NSERIE(std::string v) { valores_[ColT04("T04_NSERIE")] = std::move(v); }
    std::string datT04_NSERIE() const { return valores_[ColT04("T04_NSERIE")].CStr(); }
    void datT04_PESOMAX(vb::Long v) { valores_[ColT04("T04_PESOMAX")] = v; }
    vb::Long datT04_PESOMAX() const { return valores_[ColT04("T04_PESOMAX")].CLng(); }
    void datT04_FABRICA(std::string v) { valores_[ColT04("T04_FABRICA")] = std::move(v); }
    std::string datT04_FABRICA() const { return valores_[ColT04("T04_FABRICA")].CStr(); }
    void datT04_MODELOB(std::string v) { valores_[ColT04("T04_MODELOB")] = std::move(v); }
    std::string datT04_MODELOB() const { return valores_[ColT04("T04_MODELOB")].CStr(); }
    void datT04_NCONSTRUC(std::string v) { valores_[ColT04("T04_NCONSTRUC")] = std::move(v); }
    std::string datT04_NCONSTRUC() const { return valores_[ColT04("T04_NCONSTRUC")].CStr(); }
    void datT04_ESLORAMAX(vb::Single v) { valores_[ColT04("T04_ESLORAMAX")] = v; }
    vb::Single datT04_ESLORAMAX() const { return valores_[ColT04("T04_ESLORAMAX")].CSng(); }
    void datT04_FABRICB(std::string v) { valores_[ColT04("T04_FABRICB")] = std::move(v); }
    std::string datT04_FABRICB() const { return valores_[ColT04("T04_FABRICB")].CStr(); }
    void datT04_CLASIF(vb::Integer v) { valores_[ColT04("T04_CLASIF")] = v; }
    vb::Integer datT04_CLASIF() const { return valores_[ColT04("T04_CLASIF")].CInt(); }
    void datT04_NBASTIDOR(std::string v) { valores_[ColT04("T04_NBASTIDOR")] = std::move(v); }
    std::string datT04_NBASTIDOR() const { return valores_[ColT04("T04_NBASTIDOR")].CStr(); }
    void datT04_MODELOV(std::string v) { valores_[ColT04("T04_MODELOV")] = std::move(v); }
    std::string datT04_MODELOV() const { return valores_[ColT04("T04_MODELOV")].CStr(); }
    void datT04_TIPOV(std::string v) { valores_[ColT04("T04_TIPOV")] = std::move(v); }
    std::string datT04_TIPOV() const { return valores_[ColT04("T04_TIPOV")].CStr(); }
    void datT04_MARCAV(std::string v) { valores_[ColT04("T04_MARCAV")] = std::move(v); }
    std::string datT04_MARCAV() const { return valores_[ColT04("T04_MARCAV")].CStr(); }
    void datT04_TMEDIO(std::string v) { valores_[ColT04("T04_TMEDIO")] = std::move(v); }
    std::string datT04_TMEDIO() const { return valores_[ColT04("T04_TMEDIO")].CStr(); }
    void datT04_HECHO6(std::string v) { valores_[ColT04("T04_HECHO6")] = std::move(v); }
    std::string datT04_HECHO6() const { return valores_[ColT04("T04_HECHO6")].CStr(); }
    void datT04_HECHO5(std::string v) { valores_[ColT04("T04_HECHO5")] = std::move(v); }
    std::string datT04_HECHO5() const { return valores_[ColT04("T04_HECHO5")].CStr(); }
    void datT04_HECHO4(std::string v) { valores_[ColT04("T04_HECHO4")] = std::move(v); }
    std::string datT04_HECHO4() const { return valores_[ColT04("T04_HECHO4")].CStr(); }
    void datT04_HECHO3(std::string v) { valores_[ColT04("T04_HECHO3")] = std::move(v); }
    std::string datT04_HECHO3() const { return valores_[ColT04("T04_HECHO3")].CStr(); }
    void datT04_HECHO2(std::string v) { valores_[ColT04("T04_HECHO2")] = std::move(v); }
    std::string datT04_HECHO2() const { return valores_[ColT04("T04_HECHO2")].CStr(); }
    void datT04_HECHO1(std::string v) { valores_[ColT04("T04_HECHO1")] = std::move(v); }
    std::string datT04_HECHO1() const { return valores_[ColT04("T04_HECHO1")].CStr(); }
    void datT04_SITTIB6(std::string v) { valores_[ColT04("T04_SITTIB6")] = std::move(v); }
    std::string datT04_SITTIB6() const { return valores_[ColT04("T04_SITTIB6")].CStr(); }
    void datT04_SITTIB5(std::string v) { valores_[ColT04("T04_SITTIB5")] = std::move(v); }
    std::string datT04_SITTIB5() const { return valores_[ColT04("T04_SITTIB5")].CStr(); }
    void datT04_SITTIB4(std::string v) { valores_[ColT04("T04_SITTIB4")] = std::move(v); }
    std::string datT04_SITTIB4() const { return valores_[ColT04("T04_SITTIB4")].CStr(); }
    void datT04_SITTIB3(std::string v) { valores_[ColT04("T04_SITTIB3")] = std::move(v); }
    std::string datT04_SITTIB3() const { return valores_[ColT04("T04_SITTIB3")].CStr(); }
    void datT04_SITTIB2(std::string v) { valores_[ColT04("T04_SITTIB2")] = std::move(v); }
    std::string datT04_SITTIB2() const { return valores_[ColT04("T04_SITTIB2")].CStr(); }
    void datT04_SITTIB1(std::string v) { valores_[ColT04("T04_SITTIB1")] = std::move(v); }
    std::string datT04_SITTIB1() const { return valores_[ColT04("T04_SITTIB1")].CStr(); }
    void datT04_TRAPROV(std::string v) { valores_[ColT04("T04_TRAPROV")] = std::move(v); }
    std::string datT04_TRAPROV() const { return valores_[ColT04("T04_TRAPROV")].CStr(); }
    void datT04_TRAPAIS(std::string v) { valores_[ColT04("T04_TRAPAIS")] = std::move(v); }
    std::string datT04_TRAPAIS() const { return valores_[ColT04("T04_TRAPAIS")].CStr(); }
    void datT04_TRANOM(std::string v) { valores_[ColT04("T04_TRANOM")] = std::move(v); }
    std::string datT04_TRANOM() const { return valores_[ColT04("T04_TRANOM")].CStr(); }
    void datT04_TRADIRECC(std::string v) { valores_[ColT04("T04_TRADIRECC")] = std::move(v); }
    std::string datT04_TRADIRECC() const { return valores_[ColT04("T04_TRADIRECC")].CStr(); }
    void datT04_TRANIF(std::string v) { valores_[ColT04("T04_TRANIF")] = std::move(v); }
    std::string datT04_TRANIF() const { return valores_[ColT04("T04_TRANIF")].CStr(); }
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
