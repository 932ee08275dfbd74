#include "servicios/cTraspaso.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "GarobelLib/algoritmos.h"
#include "dao/esquema.h"
#include "general.h"

namespace brunsel {
namespace {

const char* const kTabla = "T03_731DECLA";
const char* const kCampo = "T03_CC";
constexpr int kTamanoAntiguo = 20;  // a domestic account
constexpr int kTamanoIban = 24;
constexpr size_t kCambiosPorSentencia = 500;

// The IBAN to store for an account the component rejected, or "" to leave it as it is. Only an
// old 20-digit domestic account is converted, and only into an IBAN of that same account whose
// check digits are right: anything else (a half-typed IBAN, a foreign or damaged value) is the
// user's data and stays untouched.
std::string IbanDeCuentaAntigua(GarobelLib::cMiscelaneos& componente, const std::string& cuenta) {
    const std::string digitos = vb::Trim(cuenta);
    if (digitos.size() != kTamanoAntiguo || !GarobelLib::SoloDigitos(digitos)) return "";
    std::string iban = componente.calcularIban(cuenta);
    bool valido = iban.size() == kTamanoIban && iban.compare(0, 2, "ES") == 0 && iban.substr(4) == digitos &&
                  GarobelLib::IbanValido(iban);
    return valido ? iban : "";
}

using Cambios = std::vector<std::pair<vb::Variant, std::string>>;  // (T03_CSDE, IBAN)

// All accounts or none: one transaction, and none at all when nothing changes. Several rows go
// in each statement, as a file may hold a hundred thousand declarations.
void GuardarIbanes(dao::Database& db, const Cambios& cambios) {
    if (cambios.empty()) return;
    dao::Transaccion t(db);
    for (size_t inicio = 0; inicio < cambios.size(); inicio += kCambiosPorSentencia) {
        size_t fin = std::min(cambios.size(), inicio + kCambiosPorSentencia);
        std::string valores;
        dao::Parametros p;
        for (size_t i = inicio; i < fin; ++i) {
            valores += i == inicio ? "(?,?)" : ",(?,?)";
            p.push_back(cambios[i].first);
            p.push_back(cambios[i].second);
        }
        db.Execute("update T03_731DECLA set T03_CC=v.column2 from (values " + valores +
                       ") as v where T03_CSDE = v.column1",
                   0, p);
    }
    t.Confirmar();
}

}  // namespace

bool cTraspaso::Traspaso() {
    // Both connections are closed however the run ends, and none is kept for later operations:
    // the file upgraded may be a scratch copy about to be deleted.
    struct Cierre {
        std::shared_ptr<dao::Database>& db;
        ~Cierre() {
            if (db) db->Close();
            db.reset();
            ConexionDAO().Cerrar();
            ConexionDAO().Soltar();
        }
    } cierre{db_};
    db_ = dao::DBEngine::Instancia().OpenDatabase(mdbmod_, false, false, "");
    VerificarCampo(kCampo);
    ConvertirCuentasIban();
    return false;
}

void cTraspaso::VerificarCampo(const std::string& nombre) {
    for (const auto& campo : dao::Fields(*db_, kTabla))
        if (campo.Name == nombre) return;
    if (nombre == kCampo) CrearCampoCuenta();
}

void cTraspaso::CrearCampoCuenta() {
    // Existing rows read the default "" (no account). The result amounts are not touched.
    try {
        dao::AnadirCampoTexto(*db_, kTabla, kCampo, kTamanoAntiguo);
    } catch (const vb::Error& e) {
        throw e.ConDescripcion("Se ha producido un error la creación de los campos de la tabla tDeclaraciones: " +
                               e.Description());
    }
}

void cTraspaso::AmpliarCampoCuenta() {
    if (dao::FieldDe(*db_, kTabla, kCampo).Size != kTamanoIban)
        dao::AmpliarCampoTexto(*db_, kTabla, kCampo, kTamanoIban);
}

void cTraspaso::ConvertirCuentasIban() {
    if (dao::FieldDe(*db_, kTabla, kCampo).Size == kTamanoAntiguo) AmpliarCampoCuenta();

    auto& cn = ConexionDAO();
    cn.InicializaBD(mdblec_);
    vb::Variant bancos = RellenarBancos();
    cn.InicializaBD(mdbmod_);
    // Only a trimmed 20-digit account can ever be rewritten, so only those rows are read:
    // this runs at every start, on every stored declaration.
    auto rs = cn.openRecordset(
        "Select T03_CSDE, T03_CC From T03_731DECLA "
        "Where length(trim(T03_CC)) = 20 And trim(T03_CC) Not Glob '*[^0-9]*'");
    Requerir(rs);
    auto& componente = NuevoComponente();

    Cambios cambios;
    for (; !rs->Eof(); rs->MoveNext()) {
        const vb::Variant& cc = rs->Fields(1);
        if (cc.IsNull()) continue;
        std::string cuenta = cc.CStr();
        std::string comprobada = cuenta;
        if (componente.validarIbanYCta(bancos, comprobada, false, false) || vb::Trim(cuenta).empty()) continue;
        std::string iban = IbanDeCuentaAntigua(componente, cuenta);
        if (!iban.empty()) cambios.emplace_back(rs->Fields(0), iban);
    }
    rs->Close();
    cn.Cerrar();

    GuardarIbanes(*db_, cambios);
}

}  // namespace brunsel
