#include "form732/cajas732.h"

#include <array>
#include <cmath>

#include "form732/cDatos732.h"

namespace oxalde {
namespace {

using A = Almacen;
using F = Foco;
using C = Cambio;

#define TEXTO(nombre, largo, almacen, Miembro) {nombre, largo, A::almacen, &cDatos732::Miembro, &cDatos732::Miembro}

const std::array<CajaTexto<cDatos732>, 15> kTextos = {{
    TEXTO("txttranif", 12, Transmisor, TRANIF),
    TEXTO("txttranom", 40, Transmisor, TRANOM),
    TEXTO("txttraDomicilio", 40, Transmisor, TRADIRECC),
    TEXTO("txtTraProvincia", 15, Transmisor, TRAPROVINCIA),
    TEXTO("txttrapais", 15, Transmisor, TRAPAIS),
    TEXTO("txtmarcav", 20, Texto, MARCAV),
    TEXTO("txttipov", 20, Texto, TIPOV),
    TEXTO("txtmodelov", 20, Texto, MODELOV),
    TEXTO("txtnbastidor", 20, Texto, NBASTIDOR),
    TEXTO("txtfabricb", 30, Texto, FABRICB),
    TEXTO("txtmodelob", 30, Texto, MODELOB),
    TEXTO("txtnconstruc", 30, Texto, NCONSTRUC),
    TEXTO("txtfabrica", 30, Texto, FABRICA),
    TEXTO("txtmodeloa", 30, Texto, MODELOA),
    TEXTO("txtnserie", 20, Texto, NSERIE),
}};
#undef TEXTO

// The member as a double, and a double stored through the member's Let in the member's type
// (whole numbers halve away from zero).
#define MIEMBRO(Tipo, Miembro)                               \
    [](const cDatos732& d) { return double(d.Miembro()); }, \
    [](cDatos732& d, double v) { d.Miembro(Tipo(std::llround(v))); }
#define LONGITUD(Miembro)                                    \
    [](const cDatos732& d) { return double(d.Miembro()); }, \
    [](cDatos732& d, double v) { d.Miembro(vb::Single(v)); }
// A technical number: selected on entry, always recomputed, stored as a number.
#define NUMERO(nombre, modo, formato, enteros, decimales, soloNumeros, Acceso)                                   \
    {{nombre, Pindaro::modo, formato, enteros, decimales, F::Seleccionar, C::Siempre, A::Numero, soloNumeros, {}}, \
     Acceso}
#define IMPORTE_EN(fondo, nombre, foco, cambio, almacen, Miembro)                                 \
    {{nombre, Pindaro::Importe, kFormatoImporte, 13, 2, F::foco, C::cambio, A::almacen, false, fondo}, \
     [](const cDatos732& d) { return d.Miembro(); }, [](cDatos732& d, double v) { d.Miembro(v); }}
#define IMPORTE(...) IMPORTE_EN(QColor(), __VA_ARGS__)

const std::array<CajaNumero<cDatos732>, 19> kNumeros = {{
    NUMERO("txtclasif", Entero, kFormatoCifras, 4, 0, true, MIEMBRO(vb::Integer, CLASIF)),
    NUMERO("txtesloramax", Decimal, kFormatoLongitud, 3, 2, false, LONGITUD(ESLORAMAX)),
    NUMERO("txtpesomax", Entero, kFormatoMillones, 7, 0, false, MIEMBRO(vb::Long, PESOMAX)),
    NUMERO("txtanofab", Entero, kFormatoMiles, 4, 0, false, MIEMBRO(vb::Integer, ANOFAB)),
    IMPORTE("txtbase16", Seleccionar, Siempre, Importe, BASE16),
    IMPORTE("txtcuota16", FechaCuotas, Nunca, Cuota, CUOTA16),
    IMPORTE("txtbase7", PasarSiBloqueada, Siempre, Importe, BASE7),
    IMPORTE("txtcuota7", FechaCuotas, Nunca, Cuota, CUOTA7),
    IMPORTE("txtbase4", PasarSiBloqueada, Siempre, Importe, BASE4),
    IMPORTE("txtcuota4", Pasar, Nunca, Ninguno, CUOTA4),
    IMPORTE("txtbaeq4", PasarSiBloqueada, FueraCuotasTecleadas, Importe, BAEQ4),
    IMPORTE("txtcueq4", FechaCuotas, Nunca, Cuota, CUEQ4),
    IMPORTE("txtbaeq175", PasarSiBloqueada, Siempre, Importe, BAEQ175),
    IMPORTE("txtcueq175", Pasar, Nunca, Ninguno, CUEQ175),
    IMPORTE("txtbaeq1", PasarSiBloqueada, FueraCuotasTecleadas, Importe, BAEQ1),
    IMPORTE("txtcueq1", FechaCuotas, Nunca, Cuota, CUEQ1),
    IMPORTE("txtbaeq05", PasarSiBloqueada, Siempre, Importe, BAEQ05),
    IMPORTE("txtcueq05", Pasar, Nunca, Ninguno, CUEQ05),
    IMPORTE_EN(kFondoResultado, "txttotal", Pasar, Nunca, Ninguno, TOTAL),
}};
#undef MIEMBRO
#undef LONGITUD
#undef NUMERO
#undef IMPORTE_EN
#undef IMPORTE

}  // namespace

std::span<const CajaTexto<cDatos732>> CajasTexto732() { return kTextos; }
std::span<const CajaNumero<cDatos732>> CajasNumero732() { return kNumeros; }

}  // namespace oxalde
