#pragma once
// Everything that is neither a taxpayer nor a declaration: the number of taxpayers, the accepted
// date range, the code lists and names of the reference tables, the update-service address and
// the two user settings. Each member opens `mdbname` at its start and closes it at its end.
#include <string>

#include "com/com.h"
#include "vb/variant.h"

namespace brunsel {

class cDatosGeneral : public com::Object {
public:
    void mdbname(std::string v) { mdbname_ = std::move(v); }

    vb::Long NumeroDeclarantes();
    // vBufferResultado: (0) first date, (1) last date; both Empty when T08_GENERAL has no row.
    void DameFechaMinMax(vb::Variant& vBufferResultado);
    // The code lists: (0 key | 1 name, row from 0); one all-Empty row when the query gives none.
    // `scadena` must be one query; anything else raises an error and runs nothing.
    void CargarVias(std::string& scadena, vb::Variant& vBufferResultado);
    void CargarProvincias(std::string& scadena, vb::Variant& vBufferResultado);
    // Names: "" when the code is not in the table.
    void ObtenerDescriVia(std::string& scod, std::string& snombre);
    void ObtenerNombreProvincia(std::string& scod, std::string& snombre, vb::Integer& iidioma);
    void ObtenerNombreMunicipio(std::string& scod, std::string& snombre);
    void CargarMunicipios(std::string& scadena, vb::Variant& vBufferResultado);
    std::string URLAct();
    std::string ObtenerIdioma();
    vb::Integer ObtenerActOnline();
    void CambiarIdioma(std::string& sidioma);
    vb::Variant GuardarActOnline(vb::Integer& intActOnline);

private:
    std::string mdbname_;
    enum class Clave { TalCual, ConPrefijo };
    enum class Nombre { TalCual, Mayusculas };
    void CargarLista(const std::string& scadena, vb::Variant& buffer, Clave clave, Nombre nombre);
    std::string NombreDeCodigo(const std::string& sql, const vb::Variant& codigo, Nombre nombre);
};

}  // namespace brunsel
