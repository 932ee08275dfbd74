#pragma once
// The library's shared module: its one connection, the last instance of the outside
// component that a check created, and the procedures the row classes share.
#include <memory>
#include <string>

#include "GarobelLib/cMiscelaneos.h"
#include "tablas/cConexionDAO.h"
#include "vb/variant.h"

namespace brunsel {

cConexionDAO& ConexionDAO();

// The databases of one call: opened at its start, closed however the call ends, so a failed
// call leaves no file open behind it.
class BaseAbierta {
public:
    explicit BaseAbierta(const std::string& ruta) { ConexionDAO().InicializaBD(ruta); }
    BaseAbierta(const std::string& ruta, const std::string& rutaAux) : BaseAbierta(ruta) {
        ConexionDAO().AbrirBDAux(rutaAux);
    }
    ~BaseAbierta() {
        ConexionDAO().Cerrar();
        ConexionDAO().CerrarAux();
    }
    BaseAbierta(const BaseAbierta&) = delete;
    BaseAbierta& operator=(const BaseAbierta&) = delete;
};

// A fresh "GarobelLib.cMiscelaneos", kept as the module's component until the next one.
GarobelLib::cMiscelaneos& NuevoComponente();
void SoltarComponente();

// The result set a query gave, or the "object not set" error carrying the engine's message.
dao::Recordset& Requerir(const std::shared_ptr<dao::Recordset>& rs);

vb::Variant CambiarComaPorPunto(const vb::Variant& valor);
vb::Long FechaFinPeriodo(vb::Integer anio, const std::string& periodo);
bool EsNifTipo3(const std::string& texto);
bool EsNifTipo0(const std::string& texto);
bool EsNifTipo2(const std::string& texto);
std::string NuloAVacio(const vb::Variant& valor);
bool CuotaValida(double tipo, double base, double cuota);
vb::Variant VolcarRecordset(dao::Recordset* rs, vb::Long modo);
vb::Variant RellenarBancos();

}  // namespace brunsel
