#pragma once
// One row of T03_731DECLA (the boxes of a form-731 refund request) and the statements on that
// table, with the check of a form-731 declaration. The row's key is the key of its header row.
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "tablas/columnas.h"
#include "vb/variant.h"

namespace brunsel {

// The table's columns in table order; the key first.
inline constexpr Columna kColumnasT03[] = {
    {"T03_CSDE", TipoCampo::Long},
    {"T03_ADQNIF", TipoCampo::Texto},
    {"T03_ADQNOM", TipoCampo::Texto},
    {"T03_ADQPAIS", TipoCampo::Texto},
    {"T03_TMEDIO", TipoCampo::Texto},
    {"T03_MARCAV", TipoCampo::Texto},
    {"T03_TIPOV", TipoCampo::Texto},
    {"T03_MODELOV", TipoCampo::Texto},
    {"T03_NBASTIDOR", TipoCampo::Texto},
    {"T03_CLASIF", TipoCampo::Integer},
    {"T03_FABRICB", TipoCampo::Texto},
    {"T03_ESLORAMAX", TipoCampo::Single},
    {"T03_NCONSTRUC", TipoCampo::Texto},
    {"T03_MARCAB", TipoCampo::Texto},
    {"T03_TIPOB", TipoCampo::Texto},
    {"T03_MODELOB", TipoCampo::Texto},
    {"T03_FABRICA", TipoCampo::Texto},
    {"T03_PESOMAX", TipoCampo::Long},
    {"T03_NSERIE", TipoCampo::Texto},
    {"T03_ANOFAB", TipoCampo::Integer},
    {"T03_MARCAA", TipoCampo::Texto},
    {"T03_TIPOA", TipoCampo::Texto},
    {"T03_MODELOA", TipoCampo::Texto},
    {"T03_PREADQ", TipoCampo::Double},
    {"T03_TIPOADQ", TipoCampo::Single},
    {"T03_IVASOP", TipoCampo::Double},
    {"T03_PREVEN", TipoCampo::Double},
    {"T03_TIPOVEN", TipoCampo::Single},
    {"T03_MAXDEV", TipoCampo::Double},
    {"T03_IVADEV1", TipoCampo::Double},
    {"T03_BASE16", TipoCampo::Double},
    {"T03_CUOTA16", TipoCampo::Double},
    {"T03_BASE7", TipoCampo::Double},
    {"T03_CUOTA7", TipoCampo::Double},
    {"T03_BASE4", TipoCampo::Double},
    {"T03_CUOTA4", TipoCampo::Double},
    {"T03_IVADEV2", TipoCampo::Double},
    {"T03_RESUL", TipoCampo::Double},
    {"T03_CC", TipoCampo::Texto},
};

consteval size_t ColT03(std::string_view nombre) { return PosicionColumna(kColumnasT03, nombre); }

class cT03 {
public:
    cT03();

    // The declaration kind the check follows: "T" transport, anything else quarterly.
    void MODOP(std::string v) { modop_ = std::move(v); }
    std::string MODOP() const { return modop_; }
    BRUNSEL_COLUMNA(double, T03, T03_RESUL, CDbl)
    BRUNSEL_COLUMNA(std::string, T03, T03_CC, CStr)
    BRUNSEL_COLUMNA(double, T03, T03_IVADEV2, CDbl)
    BRUNSEL_COLUMNA(double, T03, T03_CUOTA4, CDbl)
    BRUNSEL_COLUMNA(double, T03, T03_BASE4, CDbl)
    BRUNSEL_COLUMNA(double, T03, T03_CUOTA7, CDbl)
    BRUNSEL_COLUMNA(double, T03, T03_BASE7, CDbl)
    BRUNSEL_COLUMNA(double, T03, T03_CUOTA16, CDbl)
    BRUNSEL_COLUMNA(double, T03, T03_BASE16, CDbl)
    BRUNSEL_COLUMNA(double, T03, T03_IVADEV1, CDbl)
    BRUNSEL_COLUMNA(double, T03, T03_MAXDEV, CDbl)
    BRUNSEL_COLUMNA(vb::Single, T03, T03_TIPOVEN, CSng)
    BRUNSEL_COLUMNA(double, T03, T03_PREVEN, CDbl)
    BRUNSEL_COLUMNA(double, T03, T03_IVASOP, CDbl)
    BRUNSEL_COLUMNA(vb::Single, T03, T03_TIPOADQ, CSng)
    BRUNSEL_COLUMNA(double, T03, T03_PREADQ, CDbl)
    BRUNSEL_COLUMNA(std::string, T03, T03_MODELOA, CStr)
    BRUNSEL_COLUMNA(std::string, T03, T03_TIPOA, CStr)
    BRUNSEL_COLUMNA(std::string, T03, T03_MARCAA, CStr)
    BRUNSEL_COLUMNA(vb::Integer, T03, T03_ANOFAB, CInt)
    BRUNSEL_COLUMNA(std::string, T03, T03_NSERIE, CStr)
    BRUNSEL_COLUMNA(vb::Long, T03, T03_PESOMAX, CLng)
    BRUNSEL_COLUMNA(std::string, T03, T03_FABRICA, CStr)
    BRUNSEL_COLUMNA(std::string, T03, T03_MODELOB, CStr)
    BRUNSEL_COLUMNA(std::string, T03, T03_TIPOB, CStr)
    BRUNSEL_COLUMNA(std::string, T03, T03_MARCAB, CStr)
    BRUNSEL_COLUMNA(std::string, T03, T03_NCONSTRUC, CStr)
    BRUNSEL_COLUMNA(vb::Single, T03, T03_ESLORAMAX, CSng)
    BRUNSEL_COLUMNA(std::string, T03, T03_FABRICB, CStr)
    BRUNSEL_COLUMNA(vb::Integer, T03, T03_CLASIF, CInt)
    BRUNSEL_COLUMNA(std::string, T03, T03_NBASTIDOR, CStr)
    BRUNSEL_COLUMNA(std::string, T03, T03_MODELOV, CStr)
    BRUNSEL_COLUMNA(std::string, T03, T03_TIPOV, CStr)
    BRUNSEL_COLUMNA(std::string, T03, T03_MARCAV, CStr)
    BRUNSEL_COLUMNA(std::string, T03, T03_TMEDIO, CStr)
    BRUNSEL_COLUMNA(std::string, T03, T03_ADQPAIS, CStr)
    BRUNSEL_COLUMNA(std::string, T03, T03_ADQNOM, CStr)
    BRUNSEL_COLUMNA(std::string, T03, T03_ADQNIF, CStr)
    void KeyT03_CSDE(vb::Long v) { valores_[ColT03("T03_CSDE")] = v; }
    vb::Long KeyT03_CSDE() const { return valores_[ColT03("T03_CSDE")].CLng(); }
    // Key below 1: False without a statement.
    bool Existe();
    bool Insertar();
    bool Borrar();
    bool Modificar();
    // Loads the row of the key; with no such row every column but the key is reset.
    bool Seleccionar();
    // 0 when the data are acceptable, else the code of the first rule that fails. The bank
    // account is checked against the bank list of the database open on the shared connection
    // (the reference one), which is then closed. blnValPreven takes part in no rule.
    vb::Integer ValidarDatos731(bool blnValPreven, const std::string& strFecha);

private:
    std::vector<vb::Variant> valores_;  // one per column of kColumnasT03
    std::string modop_;

    vb::Integer ReglasTransporte() const;
    vb::Integer ReglasTrimestrales(const std::string& strFecha) const;
};

}  // namespace brunsel
