#include "servicios/cDatosGeneral.h"

#include "dao/esquema.h"
#include "general.h"
#include "tablas/cT00.h"
#include "tablas/columnas.h"

namespace brunsel {
namespace {

const char* const kOrigen = "Brunsel.cDatosGeneral";

// The caller's list query must read and only read: a second statement, a write or a schema
// change is refused before anything runs.
void ExigirConsulta(const std::string& sql) {
    if (dao::Clasificar(ConexionDAO().BD(), sql) == dao::ClaseSentencia::Otra)
        throw vb::Error(vb::errBaseDatos + 1, kOrigen, "Only a single SELECT query is accepted: " + sql);
}

}  // namespace

vb::Long cDatosGeneral::NumeroDeclarantes() {
    BaseAbierta base(mdbname_);
    auto rs = ConexionDAO().openRecordset("Select count(*) From T01_DECLARANTES");
    vb::Long n = Requerir(rs).Fields(0).CLng();
    rs->Close();
    return n;
}

void cDatosGeneral::DameFechaMinMax(vb::Variant& vBufferResultado) {
    BaseAbierta base(mdbname_);
    vBufferResultado = vb::Variant::Array1(0, 1);
    auto rs = ConexionDAO().openRecordset("select T08_FECHAMIN,T08_FECHAMAX from T08_GENERAL");
    if (!Requerir(rs).Eof()) {
        vBufferResultado(0) = rs->Fields(0);
        vBufferResultado(1) = rs->Fields(1);
    }
    rs->Close();
}

void cDatosGeneral::CargarLista(const std::string& scadena, vb::Variant& buffer, Clave clave, Nombre nombre) {
    BaseAbierta base(mdbname_);
    buffer = vb::Variant::Array2(0, 1, 0, 0);
    ExigirConsulta(scadena);
    auto rs = ConexionDAO().openRecordset(scadena);
    vb::Long p = 0;
    for (Requerir(rs); !rs->Eof(); rs->MoveNext(), ++p) {
        buffer.RedimPreserve(p);
        const vb::Variant& codigo = rs->Fields(0);
        buffer(0, p) = clave == Clave::TalCual ? codigo : vb::Variant("c" + NuloAVacio(codigo));
        buffer(1, p) = nombre == Nombre::TalCual ? rs->Fields(1) : vb::Variant(vb::UCase(rs->Fields(1).CStr()));
    }
    rs->Close();
}

void cDatosGeneral::CargarVias(std::string& scadena, vb::Variant& vBufferResultado) {
    CargarLista(scadena, vBufferResultado, Clave::TalCual, Nombre::TalCual);
}

void cDatosGeneral::CargarProvincias(std::string& scadena, vb::Variant& vBufferResultado) {
    CargarLista(scadena, vBufferResultado, Clave::ConPrefijo, Nombre::Mayusculas);
}

void cDatosGeneral::CargarMunicipios(std::string& scadena, vb::Variant& vBufferResultado) {
    CargarLista(scadena, vBufferResultado, Clave::ConPrefijo, Nombre::TalCual);
}

std::string cDatosGeneral::NombreDeCodigo(const std::string& sql, const vb::Variant& codigo, Nombre nombre) {
    BaseAbierta base(mdbname_);
    auto rs = ConexionDAO().openRecordset(sql, 0, {codigo});
    std::string texto;
    if (!Requerir(rs).Eof()) texto = rs->Fields(0).CStr();
    rs->Close();
    return nombre == Nombre::Mayusculas ? vb::UCase(texto) : texto;
}

void cDatosGeneral::ObtenerDescriVia(std::string& scod, std::string& snombre) {
    snombre = NombreDeCodigo("SELECT T07_CAS FROM T07_SIGLASVIA WHERE T07_CODIGO=?", scod, Nombre::Mayusculas);
}

// Province and municipality codes are numbers: "020" asks for 20, a code without digits for 0.
void cDatosGeneral::ObtenerNombreProvincia(std::string& scod, std::string& snombre, vb::Integer& iidioma) {
    std::string sql = iidioma != 0 ? "SELECT T05_PRO_EUS FROM T05_PROVINCIAS WHERE T05_PRO_ID=?"
                                   : "SELECT T05_PRO_CAS FROM T05_PROVINCIAS WHERE T05_PRO_ID=?";
    snombre = NombreDeCodigo(sql, ValorAlmacenado(scod, TipoCampo::CodigoTexto), Nombre::Mayusculas);
}

void cDatosGeneral::ObtenerNombreMunicipio(std::string& scod, std::string& snombre) {
    snombre = NombreDeCodigo("SELECT T06_NOMMUN FROM T06_MUNICIPIOS WHERE T06_CODMUN=?",
                             ValorAlmacenado(scod, TipoCampo::CodigoTexto), Nombre::TalCual);
}

std::string cDatosGeneral::URLAct() {
    BaseAbierta base(mdbname_);
    auto rs = ConexionDAO().openRecordset("select T08_URLAct from T08_GENERAL");
    std::string url = Requerir(rs).Eof() ? "" : rs->Fields(0).CStr();
    rs->Close();
    return url;
}

std::string cDatosGeneral::ObtenerIdioma() {
    BaseAbierta base(mdbname_);
    return cT00().ObtenerIdioma();
}

vb::Integer cDatosGeneral::ObtenerActOnline() {
    BaseAbierta base(mdbname_);
    return cT00().ObtenerActOnline();
}

void cDatosGeneral::CambiarIdioma(std::string& sidioma) {
    BaseAbierta base(mdbname_);
    cT00 fila;
    fila.Idioma(sidioma);
    fila.GuardarIdioma();
}

vb::Variant cDatosGeneral::GuardarActOnline(vb::Integer& intActOnline) {
    BaseAbierta base(mdbname_);
    cT00 fila;
    fila.ActOnline(intActOnline);
    fila.GuardarActOnline();
    return {};
}

}  // namespace brunsel
