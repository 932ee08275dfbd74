#include "form731/cDatos731.h"

#include "form731/buffers731.h"

#include "compartido/claves_declaracion.h"
#include "compartido/cDecResumen.h"
#include "compartido/biblioteca.h"
#include "compartido/general.h"
#include "compartido/miembros_registro.h"
#include "compartido/tipos_iva.h"

namespace oxalde {

void cDatos731::MODO(const QString& v) {
    c_.MODO = v;
    if (v == kModoNueva) VaciarSalvo(c_, &C::MODO, &C::MODOP, &C::PESTAÑA);
}

void cDatos731::MODOP(const QString& v) {
    c_.MODOP = v;
    if (v == kModoPeriodica) {
        VaciarTransporte(c_);
        Vaciar(c_, {&C::ACTIVIDAD, &C::ADQNIF, &C::ADQNOM, &C::ADQPAIS, &C::PREADQ, &C::TIPOADQ, &C::IVASOP, &C::PREVEN,
                    &C::TIPOVEN, &C::MAXDEV, &C::IVADEV1, &C::CC});
    } else if (v == kModoTransporte) {
        if (c_.MODO == kModoNueva) c_.TMEDIO = kMedios.front();  // a vehicle
        Vaciar(c_, {&C::ACTIVIDAD, &C::BASE16, &C::CUOTA16, &C::BASE7, &C::CUOTA7, &C::BASE4, &C::CUOTA4, &C::IVADEV2,
                    &C::CC});
        // Both prices at the general rate of the declaration's date.
        const auto general = static_cast<vb::Single>(tipos::TiposEn(cDecResumen::Instancia().FECHA()).general / 100.0);
        c_.TIPOADQ = general;
        c_.TIPOVEN = general;
    }
}

void cDatos731::CargarDeclaracion(vb::Long csde) {
    vb::Variant buffer;
    Declaracion(RutaBDModificable)->Cargar731(csde, buffer);
    LeerBufferCarga731(buffer, c_);
}

vb::Integer cDatos731::ValidarDatos731(vb::Variant& vBufferResultado, bool& blnValPreven) {
    std::string fecha = FechaComprobacion();
    return Declaracion(RutaBDLectura)->ValidarDatos731(vBufferResultado, blnValPreven, fecha);
}

vb::Long cDatos731::GuardarDeclaracion(vb::Variant& vBufferResultado) {
    return Declaracion(RutaBDModificable)->Guardar731(vBufferResultado);
}

}  // namespace oxalde
