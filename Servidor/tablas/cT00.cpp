#include "tablas/cT00.h"

#include "general.h"

namespace brunsel {
namespace {

// The values of a settings row that nobody has chosen yet.
constexpr vb::Integer kActOnlineInicial = -1;
const char* const kIdiomaInicial = "C";

}  // namespace

void cT00::Guardar(const std::string& columna, const vb::Variant& valor) {
    auto& cn = ConexionDAO();
    dao::Transaccion t(cn.BD());
    cn.execute("Update T00_GENERAL Set " + columna + " =?", 0, {valor});
    if (cn.BD().RecordsAffected() == 0) {
        bool esIdioma = columna == "T00_Idioma";
        cn.execute("INSERT INTO T00_GENERAL (T00_ActOnline, T00_Idioma) VALUES (?, ?)", 0,
                   {esIdioma ? vb::Variant(kActOnlineInicial) : valor, esIdioma ? valor : vb::Variant(kIdiomaInicial)});
    }
    t.Confirmar();
}

vb::Variant cT00::Leer(const std::string& columna) {
    auto rs = ConexionDAO().openRecordset("select " + columna + " from T00_GENERAL");
    auto& filas = Requerir(rs);
    vb::Variant valor = filas.Eof() ? vb::Variant() : filas.Fields(0);
    filas.Close();
    return valor;
}

vb::Variant cT00::GuardarActOnline() {
    Guardar("T00_ActOnline", actOnline_);
    return {};
}

vb::Integer cT00::ObtenerActOnline() {
    vb::Variant valor = Leer("T00_ActOnline");
    if (valor.IsEmpty() || valor.IsNull()) return 0;
    return vb::Variant(vb::Trim(valor.CStr())).CInt();
}

std::string cT00::ObtenerIdioma() {
    vb::Variant valor = Leer("T00_Idioma");
    if (valor.IsEmpty() || valor.IsNull()) return kIdiomaInicial;
    return vb::Trim(valor.CStr());
}

vb::Variant cT00::GuardarIdioma() {
    Guardar("T00_Idioma", idioma_);
    return {};
}

}  // namespace brunsel
