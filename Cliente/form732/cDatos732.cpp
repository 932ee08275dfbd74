#include "form732/cDatos732.h"

#include "form732/buffers732.h"
#include "compartido/claves_declaracion.h"
#include "compartido/cDecResumen.h"
#include "compartido/biblioteca.h"
#include "compartido/general.h"
#include "compartido/procedimientos.h"

namespace oxalde {
namespace {

// Empties the texts and zeroes the numbers given.
template <class... Numeros>
void Vaciar(std::initializer_list<QString*> textos, Numeros&... numeros) {
    for (QString* t : textos) t->clear();
    ((numeros = 0), ...);
}

void LimpiarVehiculo(Campos732& c) { Vaciar({&c.MARCAV, &c.TIPOV, &c.MODELOV, &c.NBASTIDOR}, c.CLASIF); }
void LimpiarBarco(Campos732& c) { Vaciar({&c.FABRICB, &c.NCONSTRUC, &c.MARCAB, &c.TIPOB, &c.MODELOB}, c.ESLORAMAX); }
void LimpiarAeronave(Campos732& c) {
    Vaciar({&c.FABRICA, &c.NSERIE, &c.MARCAA, &c.TIPOA, &c.MODELOA}, c.PESOMAX, c.ANOFAB);
}

}  // namespace

cDatos732& cDatos732::Instancia() {
    static cDatos732 instancia;
    return instancia;
}

void cDatos732::MODO(const QString& v) {
    c_.MODO = v;
    if (v != kModoNueva) return;
    Campos732 vacio;
    vacio.MODO = v;
    vacio.MODOP = c_.MODOP;
    vacio.PESTANA = c_.PESTANA;
    c_ = vacio;
}

void cDatos732::MODOP(const QString& v) {
    c_.MODOP = v;
    if (v == kModoPeriodica) {
        Vaciar({&c_.SITTIB5, &c_.HECHO2, &c_.TMEDIO});
        LimpiarVehiculo(c_);
        LimpiarBarco(c_);
        LimpiarAeronave(c_);
    } else if (v == kModoTransporte) {
        if (c_.MODO == kModoNueva) c_.TMEDIO = QStringLiteral("V");
        Vaciar({&c_.SITTIB1, &c_.SITTIB2, &c_.SITTIB3, &c_.SITTIB4, &c_.SITTIB5, &c_.SITTIB6, &c_.HECHO1,
                &c_.HECHO2, &c_.HECHO3, &c_.HECHO4, &c_.HECHO5, &c_.HECHO6},
               c_.BASE7, c_.CUOTA7, c_.BASE4, c_.CUOTA4, c_.BAEQ4, c_.CUEQ4, c_.BAEQ175, c_.CUEQ175, c_.BAEQ1,
               c_.CUEQ1, c_.BAEQ05, c_.CUEQ05);
        c_.SITTIB5 = QStringLiteral("X");
    }
}

void cDatos732::TMEDIO(const QString& v) {
    c_.TMEDIO = v;
    const bool vehiculo = v == QLatin1String("V"), barco = v == QLatin1String("B"), aeronave = v == QLatin1String("A");
    if (!vehiculo && !barco && !aeronave) return;
    if (!vehiculo) LimpiarVehiculo(c_);
    if (!barco) LimpiarBarco(c_);
    if (!aeronave) LimpiarAeronave(c_);
}

void cDatos732::CargarDeclaracion(vb::Long csde) {
    vb::Variant buffer;
    Declaracion(RutaBDModificable)->Cargar732(csde, buffer);
    Campos732 cargado = c_;
    LeerBufferCarga732(buffer, cargado);
    c_ = cargado;
}

vb::Integer cDatos732::ValidarDatos732(vb::Variant& vBufferResultado) {
    const auto& cabecera = cDecResumen::Instancia();
    std::string fecha = strFecha(c_.MODOP, cabecera.FECHA(), cabecera.Ejercicio(), cabecera.PERIODO());
    // The check opens no database: no path is given.
    return Declaracion(QString())->ValidarDatos732(vBufferResultado, fecha);
}

vb::Long cDatos732::GuardarDeclaracion(vb::Variant& vBufferResultado) {
    return Declaracion(RutaBDModificable)->Guardar732(vBufferResultado);
}

std::string strFecha(const QString& modop, vb::Long fecha, vb::Integer ejercicio, const QString& periodo) {
    return std::to_string(modop == kModoTransporte ? fecha : FechaFinTrimestre(ejercicio, periodo));
}

}  // namespace oxalde
