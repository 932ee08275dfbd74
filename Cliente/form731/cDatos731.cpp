#include "form731/cDatos731.h"

#include "compartido/claves_declaracion.h"
#include "compartido/cDecResumen.h"
#include "compartido/biblioteca.h"
#include "compartido/general.h"
#include "compartido/procedimientos.h"
#include "compartido/tipos_iva.h"

namespace oxalde {
namespace {

// Ranges of the load order (the means of transport itself is field 3).
constexpr int kVehiculo = 4, kFinVehiculo = 8;
constexpr int kBarco = 9, kFinBarco = 14;
constexpr int kAeronave = 15, kFinAeronave = 21;
constexpr int kFinTransporte = 28;             // acquirer, means and their prices, rates, refund
constexpr int kTrimestral = 29, kFinTrimestral = 35;  // bases, taxes and refund of a quarter
constexpr int kCC = 37;

template <class... F>
struct Visitante : F... {
    using F::operator()...;
};
// Spelled out for compilers without deduction for aggregates (clang 14, the fuzz build).
template <class... F>
Visitante(F...) -> Visitante<F...>;

}  // namespace

cDatos731& cDatos731::Instancia() {
    static cDatos731 instancia;
    return instancia;
}

double cDatos731::Importe(double v) { return RedondearDecimales(v, 0); }

vb::Single cDatos731::DosDecimales(vb::Single v) {
    return static_cast<vb::Single>(RedondearDecimales(static_cast<double>(v), 2));
}

const std::array<cDatos731::Miembro, cDatos731::kAlmacenados>& cDatos731::Almacenados() {
    using D = cDatos731;
    static const std::array<Miembro, kAlmacenados> tabla = {
        &D::adqnif_,  &D::adqnom_,   &D::adqpais_, &D::tmedio_,  &D::marcav_,    &D::tipov_,   &D::modelov_,
        &D::nbastidor_, &D::clasif_, &D::fabricb_, &D::eslora_,  &D::nconstruc_, &D::marcab_,  &D::tipob_,
        &D::modelob_, &D::fabrica_,  &D::pesomax_, &D::nserie_,  &D::anofab_,    &D::marcaa_,  &D::tipoa_,
        &D::modeloa_, &D::preadq_,   &D::tipoadq_, &D::ivasop_,  &D::preven_,    &D::tipoven_, &D::maxdev_,
        &D::ivadev1_, &D::base16_,   &D::cuota16_, &D::base7_,   &D::cuota7_,    &D::base4_,   &D::cuota4_,
        &D::ivadev2_, &D::resul_,    &D::cc_,
    };
    return tabla;
}

vb::Variant cDatos731::Almacenado(int casilla) const {
    return std::visit(Visitante{[this](QString cDatos731::*m) { return vb::Variant((this->*m).toStdString()); },
                                [this](auto m) { return vb::Variant(this->*m); }},
                      Almacenados().at(casilla));
}

void cDatos731::Vaciar(int desde, int hasta) {
    for (int i = desde; i <= hasta; ++i)
        std::visit(Visitante{[this](QString cDatos731::*m) { (this->*m).clear(); },
                             [this](auto m) { this->*m = {}; }},
                   Almacenados()[i]);
}

void cDatos731::MODO(const QString& v) {
    modo_ = v;
    if (v != kModoNueva) return;
    Vaciar(0, kAlmacenados - 1);
    actividad_ = 0;
    csde_ = 0;
}

void cDatos731::MODOP(const QString& v) {
    modop_ = v;
    if (v == kModoPeriodica) {
        actividad_ = 0;
        Vaciar(0, kFinTransporte);
        Vaciar(kCC, kCC);
    } else if (v == kModoTransporte) {
        actividad_ = 0;
        if (modo_ == kModoNueva) tmedio_ = QStringLiteral("V");
        Vaciar(kTrimestral, kFinTrimestral);
        Vaciar(kCC, kCC);
        // Both prices at the general rate of the declaration's date.
        const auto general = static_cast<vb::Single>(tipos::TiposEn(cDecResumen::Instancia().FECHA()).general / 100.0);
        tipoadq_ = general;
        tipoven_ = general;
    }
}

void cDatos731::TMEDIO(const QString& v) {
    tmedio_ = v;
    const bool vehiculo = v == QStringLiteral("V"), barco = v == QStringLiteral("B"), aeronave = v == QStringLiteral("A");
    if (!vehiculo && !barco && !aeronave) return;
    if (!vehiculo) Vaciar(kVehiculo, kFinVehiculo);
    if (!barco) Vaciar(kBarco, kFinBarco);
    if (!aeronave) Vaciar(kAeronave, kFinAeronave);
}

void cDatos731::CargarDeclaracion(vb::Long& csde) {
    vb::Variant buffer;
    Declaracion(RutaBDModificable)->Cargar731(csde, buffer);
    for (int i = 0; i < kAlmacenados; ++i) {
        const vb::Variant& valor = buffer(i);
        std::visit(Visitante{[&](QString cDatos731::*m) { this->*m = Texto(valor); },
                             [&](vb::Integer cDatos731::*m) { this->*m = valor.CInt(); },
                             [&](vb::Long cDatos731::*m) { this->*m = valor.CLng(); },
                             [&](vb::Single cDatos731::*m) { this->*m = valor.CSng(); },
                             [&](double cDatos731::*m) { this->*m = valor.CDbl(); }},
                   Almacenados()[i]);
    }
}

vb::Integer cDatos731::ValidarDatos731(vb::Variant& vBufferResultado, bool& blnValPreven) {
    const auto& resumen = cDecResumen::Instancia();
    const vb::Long fecha = modop_ == kModoTransporte ? resumen.FECHA()
                                                         : FechaFinTrimestre(resumen.Ejercicio(), resumen.PERIODO());
    std::string strFecha = std::to_string(fecha);
    return Declaracion(RutaBDLectura)->ValidarDatos731(vBufferResultado, blnValPreven, strFecha);
}

vb::Long cDatos731::GuardarDeclaracion(vb::Variant& vBufferResultado) {
    return Declaracion(RutaBDModificable)->Guardar731(vBufferResultado);
}

}  // namespace oxalde
