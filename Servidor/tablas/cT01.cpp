#include "tablas/cT01.h"

#include <algorithm>
#include <span>

#include "general.h"
#include "tablas/columnas.h"
#include "tablas/cotejo.h"

namespace brunsel {
namespace {

const char* const kTabla = "T01_DECLARANTES";

constexpr const auto& kColumnas = kColumnasT01;

// NIFs compare in Spanish order: "ñ1234567A" and "Ñ1234567A" are one taxpayer. For a NIF of
// plain ASCII the column's own comparison (ASCII case ignored) gives the same answer and uses
// the NIF index; only a NIF with other letters needs the collation, which reads every row.
std::string MismoNif(const std::string& nif) {
    const bool ascii = std::all_of(nif.begin(), nif.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    return ascii ? "T01_DNI=?" : std::string("T01_DNI=? COLLATE ") + kCotejo;
}

// Every column but the key: what an insert or an update writes.
constexpr std::span<const Columna> kDatos = std::span(kColumnas).subspan(1);

// Closes the query an operation opened, however the operation ends.
struct Cierre {
    std::shared_ptr<dao::Recordset>& rs;
    ~Cierre() {
        if (rs) rs->Close();
    }
};

}  // namespace

cT01::cT01() : valores_(FilaInicial(kColumnas)) {}

void cT01::KeyT01_CSCO(vb::Long v) { valores_[ColT01("T01_CSCO")] = v; }
vb::Long cT01::KeyT01_CSCO() const { return valores_[ColT01("T01_CSCO")].CLng(); }

std::string cT01::datT01_TELEFONO() const {
    std::string t = valores_[ColT01("T01_TELEFONO")].CStr();
    return t == "0" ? std::string() : t;
}

void cT01::datT01_TELEFONO(std::string v) { valores_[ColT01("T01_TELEFONO")] = std::move(v); }

// ---- statements ----

dao::Recordset& cT01::Consultar(std::string sql, const dao::Parametros& parametros) {
    sql_ = std::move(sql);
    rs_ = ConexionDAO().openRecordset(sql_, 0, parametros);
    return Requerir(rs_);
}

void cT01::Ejecutar(std::string sql, const dao::Parametros& parametros) {
    sql_ = std::move(sql);
    ConexionDAO().execute(sql_, 0, parametros);
}

bool cT01::Existe() {
    if (KeyT01_CSCO() < 1) return false;
    Cierre c{rs_};
    auto& rs = Consultar("Select count(*) From T01_DECLARANTES Where T01_CSCO=? And " + MismoNif(datT01_DNI()),
                         {KeyT01_CSCO(), datT01_DNI()});
    return !rs.Eof() && rs.Fields(0).CDbl() > 0;
}

bool cT01::DniDuplicado() {
    if (datT01_DNI().empty()) return false;
    Cierre c{rs_};
    auto& rs = Consultar("Select count(*) From T01_DECLARANTES Where T01_CSCO<>? And " + MismoNif(datT01_DNI()),
                         {KeyT01_CSCO(), datT01_DNI()});
    return !rs.Eof() && rs.Fields(0).CDbl() > 0;
}

bool cT01::Insertar() {
    if (datT01_DNI().empty()) return false;
    std::vector<vb::Variant> datos(valores_.begin() + 1, valores_.end());
    Ejecutar(SqlInsertar(kTabla, kDatos), ValoresAlmacenados(kDatos, datos));
    return true;
}

bool cT01::Modificar() {
    if (KeyT01_CSCO() < 1) return false;
    std::vector<vb::Variant> datos(valores_.begin() + 1, valores_.end());
    dao::Parametros parametros = ValoresAlmacenados(kDatos, datos);
    parametros.emplace_back(KeyT01_CSCO());
    Ejecutar(SqlModificar(kTabla, kDatos, "T01_CSCO"), parametros);
    return true;
}

bool cT01::Seleccionar() {
    Cierre c{rs_};
    auto& rs = Consultar("Select * From T01_DECLARANTES WHERE T01_CSCO=?", {KeyT01_CSCO()});
    if (rs.Eof()) {
        valores_ = FilaInicial(kColumnas);
        return false;
    }
    valores_ = LeerFila(rs, kColumnas);
    return true;
}

bool cT01::Borrar() {
    if (KeyT01_CSCO() < 1) return false;
    Ejecutar("Delete From T01_DECLARANTES Where T01_CSCO=?", {KeyT01_CSCO()});
    return true;
}

vb::Integer cT01::ValidarDatosDeclarante() {
    // The component is asked even for the two zero texts; it stays referenced when it refuses.
    std::string nif = datT01_DNI();
    const bool nifValido = NuevoComponente().ValidaNifCif(nif);
    if (datT01_DNI() == "000000" || datT01_DNI() == "0000000" || !nifValido) return 1;
    SoltarComponente();

    const std::string provincia = datT01_CODPROV();
    const std::string postal = datT01_CODPOS();
    const std::string telefono = datT01_TELEFONO();
    const double numProvincia = vb::Val(provincia);
    if (datT01_NOMBRE().empty()) return 2;
    if (datT01_DOMICILIO().empty()) return 3;
    if (numProvincia == 0) return 4;
    if (vb::Val(postal) == 0) return 8;
    if (vb::Left(postal, 2) != provincia) return 5;
    if (vb::Len(postal) != 5) return 6;
    if (vb::Right(postal, 3) == "000") return 7;
    // The home province needs a municipality code; any other province a municipality name.
    if (numProvincia == 20 && vb::Val(datT01_CODMUN()) == 0) return 9;
    if (numProvincia != 20 && datT01_NOMMUN().empty()) return 10;
    if (!telefono.empty() && vb::Len(telefono) != 9) return 11;
    if (!telefono.empty() && vb::Val(telefono) == 0) return 12;
    return 0;
}

std::optional<vb::Long> cT01::PrimeraClavePorNif() {
    Cierre c{rs_};
    auto& rs = Consultar("Select T01_CSCO From T01_DECLARANTES Where " + MismoNif(datT01_DNI()), {datT01_DNI()});
    if (rs.Eof()) return std::nullopt;
    return rs.Fields(0).CLng();
}

bool cT01::ExisteDeclaranteAlta() {
    if (datT01_DNI().empty()) return false;
    return PrimeraClavePorNif().has_value();
}

vb::Long cT01::ExisteDeclaranteAltaCSCO() {
    if (datT01_DNI().empty()) return 0;
    return PrimeraClavePorNif().value_or(0);
}

vb::Long cT01::ObtenerCodigoDeclarante() { return ExisteDeclaranteAltaCSCO(); }

std::string cT01::SQLBusqueda(vb::Integer orden, bool exportar) const {
    std::string sql = exportar ? "Select * From T01_DECLARANTES Where T01_CSCO >= 1 "
                               : "Select T01_CSCO,T01_DNI,T01_NOMBRE,T01_CODPROV,T01_CODMUN,T01_NOMMUN,"
                                 "T01_NUM731,T01_NUM732 From T01_DECLARANTES Where T01_CSCO >= 1 ";
    // Any order but the name's sorts by NIF, so the text is always a statement the engine runs.
    return sql + " Order by " + (orden == 2 ? "T01_NOMBRE" : "T01_DNI") + " COLLATE " + kCotejo;
}

}  // namespace brunsel
