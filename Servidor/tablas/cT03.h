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

// The place of a column in kColumnasT03; a misspelt name does not compile.
consteval size_t ColT03(std::string_view nombre) {
    for (size_t i = 0; i < std::size(kColumnasT03); ++i)
        if (nombre == kColumnasT03[i].nombre) return i;
    throw "unknown column";
}

class cT03 {
public:
    cT03();

    // The declaration kind the check follows: "T" transport, anything else quarterly.
    void MODOP(std::string v) { modop_ = std::move(v); }
    std::string MODOP() const { return modop_; }
    void datT03_RESUL(double v) { valores_[ColT03("T03_RESUL")] = v; }
    double datT03_RESUL() const { return valores_[ColT03("T03_RESUL")].CDbl(); }
    void datT03_CC(std::string v) { valores_[ColT03("T03_CC")] = std::move(v); }
    std::string datT03_CC() const { return valores_[ColT03("T03_CC")].CStr(); }
    void datT03_IVADEV2(double v) { valores_[ColT03("T03_IVADEV2")] = v; }
    double datT03_IVADEV2() const { return valores_[ColT03("T03_IVADEV2")].CDbl(); }
    void datT03_CUOTA4(double v) { valores_[ColT03("T03_CUOTA4")] = v; }
    double datT03_CUOTA4() const { return valores_[ColT03("T03_CUOTA4")].CDbl(); }
    void datT03_BASE4(double v) { valores_[ColT03("T03_BASE4")] = v; }
    double datT03_BASE4() const { return valores_[ColT03("T03_BASE4")].CDbl(); }
    void datT03_CUOTA7(double v) { valores_[ColT03("T03_CUOTA7")] = v; }
    double datT03_CUOTA7() const { return valores_[ColT03("T03_CUOTA7")].CDbl(); }
    void datT03_BASE7(double v) { valores_[ColT03("T03_BASE7")] = v; }
    double datT03_BASE7() const { return valores_[ColT03("T03_BASE7")].CDbl(); }
    void datT03_CUOTA16(double v) { valores_[ColT03("T03_CUOTA16")] = v; }
    double datT03_CUOTA16() const { return valores_[ColT03("T03_CUOTA16")].CDbl(); }
    void datT03_BASE16(double v) { valores_[ColT03("T03_BASE16")] = v; }
    double datT03_BASE16() const { return valores_[ColT03("T03_BASE16")].CDbl(); }
    void datT03_IVADEV1(double v) { valores_[ColT03("T03_IVADEV1")] = v; }
    double datT03_IVADEV1() const { return valores_[ColT03("T03_IVADEV1")].CDbl(); }
    void datT03_MAXDEV(double v) { valores_[ColT03("T03_MAXDEV")] = v; }
    double datT03_MAXDEV() const { return valores_[ColT03("T03_MAXDEV")].CDbl(); }
    void datT03_TIPOVEN(vb::Single v) { valores_[ColT03("T03_TIPOVEN")] = v; }
    vb::Single datT03_TIPOVEN() const { return valores_[ColT03("T03_TIPOVEN")].CSng(); }
    void datT03_PREVEN(double v) { valores_[ColT03("T03_PREVEN")] = v; }
    double datT03_PREVEN() const { return valores_[ColT03("T03_PREVEN")].CDbl(); }
    void datT03_IVASOP(double v) { valores_[ColT03("T03_IVASOP")] = v; }
    double datT03_IVASOP() const { return valores_[ColT03("T03_IVASOP")].CDbl(); }
    void datT03_TIPOADQ(vb::Single v) { valores_[ColT03("T03_TIPOADQ")] = v; }
    vb::Single datT03_TIPOADQ() const { return valores_[ColT03("T03_TIPOADQ")].CSng(); }
    void datT03_PREADQ(double v) { valores_[ColT03("T03_PREADQ")] = v; }
    double datT03_PREADQ() const { return valores_[ColT03("T03_PREADQ")].CDbl(); }
    void datT03_MODELOA(std::string v) { valores_[ColT03("T03_MODELOA")] = std::move(v); }
    std::string datT03_MODELOA() const { return valores_[ColT03("T03_MODELOA")].CStr(); }
    void datT03_TIPOA(std::string v) { valores_[ColT03("T03_TIPOA")] = std::move(v); }
    std::string datT03_TIPOA() const { return valores_[ColT03("T03_TIPOA")].CStr(); }
    void datT03_MARCAA(std::string v) { valores_[ColT03("T03_MARCAA")] = std::move(v); }
    std::string datT03_MARCAA() const { return valores_[ColT03("T03_MARCAA")].CStr(); }
    void datT03_ANOFAB(vb::Integer v) { valores_[ColT03("T03_ANOFAB")] = v; }
    vb::Integer datT03_ANOFAB() const { return valores_[ColT03("T03_ANOFAB")].CInt(); }
    void datT03_NSERIE(std::string v) { valores_[ColT03("T03_NSERIE")] = std::move(v); }
    std::string datT03_NSERIE() const { return valores_[ColT03("T03_NSERIE")].CStr(); }
    void datT03_PESOMAX(vb::Long v) { valores_[ColT03("T03_PESOMAX")] = v; }
    vb::Long datT03_PESOMAX() const { return valores_[ColT03("T03_PESOMAX")].CLng(); }
    void datT03_FABRICA(std::string v) { valores_[ColT03("T03_FABRICA")] = std::move(v); }
    std::string datT03_FABRICA() const { return valores_[ColT03("T03_FABRICA")].CStr(); }
    void datT03_MODELOB(std::string v) { valores_[ColT03("T03_MODELOB")] = std::move(v); }
    std::string datT03_MODELOB() const { return valores_[ColT03("T03_MODELOB")].CStr(); }
    void datT03_TIPOB(std::string v) { valores_[ColT03("T03_TIPOB")] = std::move(v); }
    std::string datT03_TIPOB() const { return valores_[ColT03("T03_TIPOB")].CStr(); }
    void datT03_MARCAB(std::string v) { valores_[ColT03("T03_MARCAB")] = std::move(v); }
    std::string datT03_MARCAB() const { return valores_[ColT03("T03_MARCAB")].CStr(); }
    void datT03_NCONSTRUC(std::string v) { valores_[ColT03("T03_NCONSTRUC")] = std::move(v); }
    std::string datT03_NCONSTRUC() const { return valores_[ColT03("T03_NCONSTRUC")].CStr(); }
    void datT03_ESLORAMAX(vb::Single v) { valores_[ColT03("T03_ESLORAMAX")] = v; }
    vb::Single datT03_ESLORAMAX() const { return valores_[ColT03("T03_ESLORAMAX")].CSng(); }
    void datT03_FABRICB(std::string v) { valores_[ColT03("T03_FABRICB")] = std::move(v); }
    std::string datT03_FABRICB() const { return valores_[ColT03("T03_FABRICB")].CStr(); }
    void datT03_CLASIF(vb::Integer v) { valores_[ColT03("T03_CLASIF")] = v; }
    vb::Integer datT03_CLASIF() const { return valores_[ColT03("T03_CLASIF")].CInt(); }
    void datT03_NBASTIDOR(std::string v) { valores_[ColT03("T03_NBASTIDOR")] = std::move(v); }
    std::string datT03_NBASTIDOR() const { return valores_[ColT03("T03_NBASTIDOR")].CStr(); }
    void datT03_MODELOV(std::string v) { valores_[ColT03("T03_MODELOV")] = std::move(v); }
    std::string datT03_MODELOV() const { return valores_[ColT03("T03_MODELOV")].CStr(); }
    void datT03_TIPOV(std::string v) { valores_[ColT03("T03_TIPOV")] = std::move(v); }
    std::string datT03_TIPOV() const { return valores_[ColT03("T03_TIPOV")].CStr(); }
    void datT03_MARCAV(std::string v) { valores_[ColT03("T03_MARCAV")] = std::move(v); }
    std::string datT03_MARCAV() const { return valores_[ColT03("T03_MARCAV")].CStr(); }
    void datT03_TMEDIO(std::string v) { valores_[ColT03("T03_TMEDIO")] = std::move(v); }
    std::string datT03_TMEDIO() const { return valores_[ColT03("T03_TMEDIO")].CStr(); }
    void datT03_ADQPAIS(std::string v) { valores_[ColT03("T03_ADQPAIS")] = std::move(v); }
    std::string datT03_ADQPAIS() const { return valores_[ColT03("T03_ADQPAIS")].CStr(); }
    void datT03_ADQNOM(std::string v) { valores_[ColT03("T03_ADQNOM")] = std::move(v); }
    std::string datT03_ADQNOM() const { return valores_[ColT03("T03_ADQNOM")].CStr(); }
    void datT03_ADQNIF(std::string v) { valores_[ColT03("T03_ADQNIF")] = std::move(v); }
    std::string datT03_ADQNIF() const { return valores_[ColT03("T03_ADQNIF")].CStr(); }
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
