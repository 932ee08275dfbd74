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
constexpr int kVehiculo = 4;
constexpr int kFinVehiculo = 8;
constexpr int kBarco = 9;
constexpr int kFinBarco = 14;
constexpr int kAeronave = 15;
constexpr int kFinAeronave = 21;
constexpr int kFinTransporte = 28;  // acquirer, means and their prices, rates, refund
constexpr int kTrimestral = 29;  // bases, taxes and refund of a quarter
constexpr int kFinTrimestral = 35;
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

const std::array<cDatos731::Miembro, cDatos731::kAlmacenados>& cDatos731::Almacenados() {
    static const std::array<Miembro, kAlmacenados> tabla = {
        &C::ADQNIF,  &C::ADQNOM,  &C::ADQPAIS,   &C::TMEDIO,    &C::MARCAV,  &C::TIPOV,   &C::MODELOV, &C::NBASTIDOR,
        &C::CLASIF,  &C::FABRICB, &C::ESLORAMAX, &C::NCONSTRUC, &C::MARCAB,  &C::TIPOB,   &C::MODELOB, &C::FABRICA,
        &C::PESOMAX, &C::NSERIE,  &C::ANOFAB,    &C::MARCAA,    &C::TIPOA,   &C::MODELOA, &C::PREADQ,  &C::TIPOADQ,
        &C::IVASOP,  &C::PREVEN,  &C::TIPOVEN,   &C::MAXDEV,    &C::IVADEV1, &C::BASE16,  &C::CUOTA16, &C::BASE7,
        &C::CUOTA7,  &C::BASE4,   &C::CUOTA4,    &C::IVADEV2,   &C::resul,   &C::CC,
    };
    return tabla;
}

vb::Variant cDatos731::Almacenado(int casilla) const {
    return std::visit(Visitante{[this](QString C::*m) { return vb::Variant((c_.*m).toStdString()); },
                                [this](auto m) { return vb::Variant(c_.*m); }},
                      Almacenados().at(casilla));
}

void cDatos731::Vaciar(int desde, int hasta) {
    for (int i = desde; i <= hasta; ++i)
        std::visit(Visitante{[this](QString C::*m) { (c_.*m).clear(); }, [this](auto m) { c_.*m = {}; }},
                   Almacenados()[i]);
}

void cDatos731::MODO(const QString& v) {
    c_.MODO = v;
    if (v != kModoNueva) return;
    Vaciar(0, kAlmacenados - 1);
    c_.ACTIVIDAD = 0;
    c_.CSDE = 0;
}

void cDatos731::MODOP(const QString& v) {
    c_.MODOP = v;
    if (v == kModoPeriodica) {
        c_.ACTIVIDAD = 0;
        Vaciar(0, kFinTransporte);
        Vaciar(kCC, kCC);
    } else if (v == kModoTransporte) {
        c_.ACTIVIDAD = 0;
        if (c_.MODO == kModoNueva) c_.TMEDIO = QStringLiteral("V");
        Vaciar(kTrimestral, kFinTrimestral);
        Vaciar(kCC, kCC);
        // Both prices at the general rate of the declaration's date.
        const auto general = static_cast<vb::Single>(tipos::TiposEn(cDecResumen::Instancia().FECHA()).general / 100.0);
        c_.TIPOADQ = general;
        c_.TIPOVEN = general;
    }
}

void cDatos731::TMEDIO(const QString& v) {
    c_.TMEDIO = v;
    const bool vehiculo = v == QStringLiteral("V"), barco = v == QStringLiteral("B"),
               aeronave = v == QStringLiteral("A");
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
        std::visit(
            Visitante{[&](QString C::*m) { c_.*m = Texto(valor); }, [&](vb::Integer C::*m) { c_.*m = valor.CInt(); },
                      [&](vb::Long C::*m) { c_.*m = valor.CLng(); }, [&](vb::Single C::*m) { c_.*m = valor.CSng(); },
                      [&](double C::*m) { c_.*m = valor.CDbl(); }},
            Almacenados()[i]);
    }
}

vb::Integer cDatos731::ValidarDatos731(vb::Variant& vBufferResultado, bool& blnValPreven) {
    const auto& resumen = cDecResumen::Instancia();
    const vb::Long fecha =
        c_.MODOP == kModoTransporte ? resumen.FECHA() : FechaFinTrimestre(resumen.Ejercicio(), resumen.PERIODO());
    std::string strFecha = std::to_string(fecha);
    return Declaracion(RutaBDLectura)->ValidarDatos731(vBufferResultado, blnValPreven, strFecha);
}

vb::Long cDatos731::GuardarDeclaracion(vb::Variant& vBufferResultado) {
    return Declaracion(RutaBDModificable)->Guardar731(vBufferResultado);
}

}  // namespace oxalde
