#include "form732/cDatos732.h"

#include <array>

#include "form732/buffers732.h"
#include "compartido/claves_declaracion.h"
#include "compartido/cDecResumen.h"
#include "compartido/biblioteca.h"
#include "compartido/general.h"
#include "compartido/miembros_registro.h"

namespace oxalde {

namespace {

using Bandera = QString Campos732::*;
constexpr std::array<Bandera, 6> kSituaciones = {&Campos732::SITTIB1, &Campos732::SITTIB2, &Campos732::SITTIB3,
                                                 &Campos732::SITTIB4, &Campos732::SITTIB5, &Campos732::SITTIB6};
constexpr std::array<Bandera, 6> kHechos = {&Campos732::HECHO1, &Campos732::HECHO2, &Campos732::HECHO3,
                                            &Campos732::HECHO4, &Campos732::HECHO5, &Campos732::HECHO6};

}  // namespace

void cDatos732::MODO(const QString& v) {
    c_.MODO = v;
    if (v == kModoNueva) VaciarSalvo(c_, &C::MODO, &C::MODOP, &C::PESTANA);
}

void cDatos732::MODOP(const QString& v) {
    c_.MODOP = v;
    if (v == kModoPeriodica) {
        VaciarTransporte(c_);
        Vaciar(c_, {&C::SITTIB5, &C::HECHO2});
    } else if (v == kModoTransporte) {
        if (c_.MODO == kModoNueva) c_.TMEDIO = kMedios.front();  // a vehicle
        Vaciar(c_, {&C::SITTIB1, &C::SITTIB2, &C::SITTIB3, &C::SITTIB4, &C::SITTIB6, &C::HECHO1, &C::HECHO2, &C::HECHO3,
                    &C::HECHO4,  &C::HECHO5,  &C::HECHO6,  &C::BASE7,   &C::CUOTA7,  &C::BASE4,  &C::CUOTA4, &C::BAEQ4,
                    &C::CUEQ4,   &C::BAEQ175, &C::CUEQ175, &C::BAEQ1,   &C::CUEQ1,   &C::BAEQ05, &C::CUEQ05});
        c_.SITTIB5 = QStringLiteral("X");
    }
}

QString cDatos732::Situacion(int i) const { return c_.*kSituaciones.at(i); }

void cDatos732::Situacion(int i, const QString& v) { c_.*kSituaciones.at(i) = v; }

QString cDatos732::Hecho(int i) const { return c_.*kHechos.at(i); }

void cDatos732::Hecho(int i, const QString& v) { c_.*kHechos.at(i) = v; }

void cDatos732::CargarDeclaracion(vb::Long csde) {
    vb::Variant buffer;
    Declaracion(RutaBDModificable)->Cargar732(csde, buffer);
    LeerBufferCarga732(buffer, c_);
}

vb::Integer cDatos732::ValidarDatos732(vb::Variant& vBufferResultado) {
    // The check opens no database: no path is given.
    std::string fecha = FechaComprobacion();
    return Declaracion(QString())->ValidarDatos732(vBufferResultado, fecha);
}

vb::Long cDatos732::GuardarDeclaracion(vb::Variant& vBufferResultado) {
    return Declaracion(RutaBDModificable)->Guardar732(vBufferResultado);
}

}  // namespace oxalde
