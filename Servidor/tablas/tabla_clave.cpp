#include "tablas/tabla_clave.h"

#include <string>

#include "general.h"

namespace brunsel {
namespace {

std::string DondeClave(const TablaClave& t) { return std::string(" WHERE ") + t.columnas[0].nombre + " = ?"; }

}  // namespace

bool TablaClave::Existe(vb::Long clave) const {
    auto rs = ConexionDAO().openRecordset(std::string("SELECT count(*) FROM ") + nombre + DondeClave(*this), 0,
                                          {clave});
    auto& r = Requerir(rs);
    bool existe = !r.Eof() && r.Fields(0).CLng() > 0;
    r.Close();
    return existe;
}

void TablaClave::Insertar(const std::vector<vb::Variant>& valores, bool conClave) const {
    if (conClave) {
        ConexionDAO().execute(SqlInsertar(nombre, columnas), 0, ValoresAlmacenados(columnas, valores));
        return;
    }
    std::vector<vb::Variant> datos(valores.begin() + 1, valores.end());
    ConexionDAO().execute(SqlInsertar(nombre, Datos()), 0, ValoresAlmacenados(Datos(), datos));
}

void TablaClave::Modificar(const std::vector<vb::Variant>& valores) const {
    std::vector<vb::Variant> datos(valores.begin() + 1, valores.end());
    dao::Parametros parametros = ValoresAlmacenados(Datos(), datos);
    parametros.push_back(valores[0]);  // the key, for the WHERE clause
    ConexionDAO().execute(SqlModificar(nombre, Datos(), columnas[0].nombre), 0, parametros);
}

void TablaClave::Borrar(vb::Long clave) const {
    ConexionDAO().execute(std::string("DELETE FROM ") + nombre + DondeClave(*this), 0, {clave});
}

bool TablaClave::Seleccionar(std::vector<vb::Variant>& valores) const {
    auto rs = ConexionDAO().openRecordset(std::string("SELECT * FROM ") + nombre + DondeClave(*this), 0,
                                          {valores[0]});
    auto& r = Requerir(rs);
    bool hay = !r.Eof();
    auto fila = hay ? LeerFila(r, Datos()) : FilaInicial(Datos());  // a Null reads as "" or 0
    r.Close();
    std::move(fila.begin(), fila.end(), valores.begin() + 1);
    return hay;
}

}  // namespace brunsel
