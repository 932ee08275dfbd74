#include "compartido/campos_comunes.h"

#include <array>
#include <vector>

#include "compartido/cDecResumen.h"
#include "compartido/claves_declaracion.h"
#include "compartido/miembros_registro.h"
#include "compartido/procedimientos.h"

namespace oxalde {
namespace {

using C = CamposComunes;

// The technical data of each means, in the order of kMedios.
const std::array<std::vector<Miembro<C>>, 3>& DatosTecnicos() {
    static const std::array<std::vector<Miembro<C>>, 3> datos = {{
        {&C::MARCAV, &C::TIPOV, &C::MODELOV, &C::NBASTIDOR, &C::CLASIF},
        {&C::FABRICB, &C::ESLORAMAX, &C::NCONSTRUC, &C::MARCAB, &C::TIPOB, &C::MODELOB},
        {&C::FABRICA, &C::PESOMAX, &C::NSERIE, &C::ANOFAB, &C::MARCAA, &C::TIPOA, &C::MODELOA},
    }};
    return datos;
}

}  // namespace

void ElegirMedio(CamposComunes& c, const QString& medio) {
    c.TMEDIO = medio;
    const int elegido = IndiceMedio(medio);
    if (elegido < 0) return;
    for (int m = 0; m < int(DatosTecnicos().size()); ++m)
        if (m != elegido) Vaciar(c, DatosTecnicos()[m]);
}

void VaciarDatosTecnicos(CamposComunes& c) {
    for (const auto& datos : DatosTecnicos()) Vaciar(c, datos);
}

void VaciarTransporte(CamposComunes& c) {
    c.TMEDIO.clear();
    VaciarDatosTecnicos(c);
}

vb::Variant BufferGuardado(vb::Long casillas, vb::Long csde, const QString& modop, const cDecResumen& c) {
    const vb::Variant cabecera[] = {csde,      c.CSCO(),      Valor(c.Modelo()),  Valor(c.DNI().left(1)), Valor(modop),
                                    c.FECHA(), c.Ejercicio(), Valor(c.PERIODO()), c.TIPOLOGIA()};
    vb::Variant buffer = vb::Variant::Array1(0, casillas - 1);
    for (vb::Long i = 0; i < vb::Long(std::size(cabecera)); ++i) buffer(i) = cabecera[i];
    return buffer;
}

std::string strFecha(const QString& modop, vb::Long fecha, vb::Integer ejercicio, const QString& periodo) {
    return std::to_string(modop == kModoTransporte ? fecha : FechaFinTrimestre(ejercicio, periodo));
}

}  // namespace oxalde
