#pragma once
// One row of T01_DECLARANTES (the taxpayers) and the statements on that table. The caller opens
// the modifiable database on the shared connection before running any operation.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dao/dao.h"
#include "tablas/columnas.h"
#include "vb/variant.h"

namespace brunsel {

// The columns in table order, the key first; the taxpayer export relies on this order.
inline constexpr Columna kColumnasT01[] = {
    {"T01_CSCO", TipoCampo::Long},
    {"T01_DNI", TipoCampo::Texto},
    {"T01_NOMBRE", TipoCampo::Texto},
    {"T01_VIA", TipoCampo::Texto},
    {"T01_DOMICILIO", TipoCampo::Texto},
    {"T01_NUMERO", TipoCampo::Long},
    {"T01_LETRA", TipoCampo::Texto},
    {"T01_ESCALERA", TipoCampo::Texto},
    {"T01_PISO", TipoCampo::Texto},
    {"T01_MANO", TipoCampo::Texto},
    {"T01_CODPROV", TipoCampo::CodigoTexto},
    {"T01_CODPOS", TipoCampo::CodigoTexto},
    {"T01_CODMUN", TipoCampo::CodigoTexto},
    {"T01_NOMMUN", TipoCampo::Texto},
    {"T01_TELEFONO", TipoCampo::CodigoTexto},
    {"T01_NUM731", TipoCampo::Double},
    {"T01_NUM732", TipoCampo::Double},
};

consteval size_t ColT01(std::string_view nombre) { return PosicionColumna(kColumnasT01, nombre); }

class cT01 {
public:
    cT01();

    void KeyT01_CSCO(vb::Long v);
    vb::Long KeyT01_CSCO() const;
    BRUNSEL_COLUMNA(std::string, T01, T01_DOMICILIO, CStr)
    BRUNSEL_COLUMNA(std::string, T01, T01_DNI, CStr)
    BRUNSEL_COLUMNA(std::string, T01, T01_NOMBRE, CStr)
    BRUNSEL_COLUMNA(std::string, T01, T01_VIA, CStr)
    BRUNSEL_COLUMNA(vb::Long, T01, T01_NUMERO, CLng)
    BRUNSEL_COLUMNA(std::string, T01, T01_LETRA, CStr)
    BRUNSEL_COLUMNA(std::string, T01, T01_ESCALERA, CStr)
    BRUNSEL_COLUMNA(std::string, T01, T01_PISO, CStr)
    BRUNSEL_COLUMNA(std::string, T01, T01_MANO, CStr)
    // The four codes are held as text and stored as the number they begin with.
    BRUNSEL_COLUMNA(std::string, T01, T01_CODPROV, CStr)
    BRUNSEL_COLUMNA(std::string, T01, T01_CODPOS, CStr)
    BRUNSEL_COLUMNA(std::string, T01, T01_CODMUN, CStr)
    BRUNSEL_COLUMNA(std::string, T01, T01_NOMMUN, CStr)
    // "" when the held text is "0" (no telephone).
    std::string datT01_TELEFONO() const;
    void datT01_TELEFONO(std::string v);
    BRUNSEL_COLUMNA(double, T01, T01_NUM731, CDbl)
    BRUNSEL_COLUMNA(double, T01, T01_NUM732, CDbl)

    // A row with this key and this NIF (key below 1: False without asking).
    bool Existe();
    // Another taxpayer holds this NIF (empty NIF: False).
    bool DniDuplicado();
    // Writes a new row (empty NIF: False, nothing written); the new key is not read back.
    bool Insertar();
    // Rewrites every column of the row of the key (key below 1: False).
    bool Modificar();
    // Loads the row of the key; with no such row every property is reset, the key included.
    bool Seleccionar();
    bool Borrar();
    // 0 when the data are acceptable, else the code of the first rule that fails (1 to 12).
    vb::Integer ValidarDatosDeclarante();
    // Look-ups by NIF (empty NIF: False / 0).
    bool ExisteDeclaranteAlta();
    vb::Long ExisteDeclaranteAltaCSCO();
    vb::Long ObtenerCodigoDeclarante();
    // The text of the taxpayer list query, ordered by NIF (1) or name (2); runs nothing.
    std::string SQLBusqueda(vb::Integer orden, bool exportar) const;

private:
    std::vector<vb::Variant> valores_;  // one per column of the table, the key first
    std::string sql_;                   // the last statement run
    std::shared_ptr<dao::Recordset> rs_;

    // Opens a query as the last statement; the caller closes it (Cierre) before returning.
    dao::Recordset& Consultar(std::string sql, const dao::Parametros& parametros);
    void Ejecutar(std::string sql, const dao::Parametros& parametros);
    std::optional<vb::Long> PrimeraClavePorNif();  // key of the first row with this NIF
};

}  // namespace brunsel
