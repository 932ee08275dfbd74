#include "form731/cajas731.h"

#include "form731/cDatos731.h"
#include "vb/variant.h"

namespace oxalde {

namespace {

#define TEXTO(nombre, largo, Miembro) {nombre, largo, Almacen::Texto, &cDatos731::Miembro, &cDatos731::Miembro}

const CajaTexto<cDatos731> kTextos[] = {
    TEXTO("txtadqnif", 12, ADQNIF),
    TEXTO("txtadqnom", 40, ADQNOM),
    TEXTO("txtadqpais", 15, ADQPAIS),
    TEXTO("txtmarcav", 20, MARCAV),
    TEXTO("txttipov", 20, TIPOV),
    TEXTO("txtmodelov", 20, MODELOV),
    TEXTO("txtnbastidor", 20, NBASTIDOR),
    TEXTO("txtfabricb", 30, FABRICB),
    TEXTO("txtmarcab", 20, MARCAB),
    TEXTO("txttipob", 20, TIPOB),
    TEXTO("txtmodelob", 20, MODELOB),
    TEXTO("txtnconstruc", 20, NCONSTRUC),
    TEXTO("txtfabrica", 30, FABRICA),
    TEXTO("txtmarcaa", 20, MARCAA),
    TEXTO("txttipoa", 20, TIPOA),
    TEXTO("txtmodeloa", 20, MODELOA),
    TEXTO("txtnserie", 12, NSERIE),
};
#undef TEXTO

// Short names for the table below.
constexpr auto I = Almacen::Importe;
constexpr auto Q = Almacen::Cuota;
constexpr auto N = Almacen::Numero;
constexpr auto X = Almacen::Ninguno;
constexpr auto S = Foco::Seleccionar;
constexpr auto P = Foco::Pasar;
constexpr auto C = Foco::FechaCuotasSinSeleccion;
constexpr auto Siempre = Cambio::Siempre;
constexpr auto Nunca = Cambio::Nunca;
const QColor kEditable;  // invalid: the default background

// An amount box: typed or computed, stored as typed (the Let rounds to whole cents).
#define IMPORTE(nombre, almacen, foco, cambio, fondo, M)                                              \
    {{nombre, Pindaro::Importe, kFormatoImporte, 13, 2, foco, cambio, almacen, false, fondo},        \
     [](const cDatos731& d) -> double { return d.M(); }, [](cDatos731& d, double v) { d.M(v); }}
#define TECLEADO(nombre, M) IMPORTE(nombre, I, S, Siempre, kEditable, M)
#define CUOTA(nombre, M) IMPORTE(nombre, Q, C, Nunca, kFondoBloqueado, M)
#define CALCULADO(nombre, fondo, M) IMPORTE(nombre, X, P, Nunca, fondo, M)
// A technical number, stored in the member's type: whole numbers halve to the even neighbour.
#define NUMERO(nombre, modo, formato, enteros, decimales, soloNumeros, M, Valor)                     \
    {{nombre, Pindaro::modo, formato, enteros, decimales, S, Siempre, N, soloNumeros, kEditable},    \
     [](const cDatos731& d) -> double { return d.M(); }, [](cDatos731& d, double v) { d.M(Valor); }}

const CajaNumero<cDatos731> kNumeros[] = {
    // Quarterly kind.
    TECLEADO("txtbase16", BASE16),
    CUOTA("txtcuota16", CUOTA16),
    TECLEADO("txtbase7", BASE7),
    CUOTA("txtcuota7", CUOTA7),
    TECLEADO("txtbase4", BASE4),
    CALCULADO("txtcuota4", kFondoBloqueado, CUOTA4),
    CALCULADO("txtivadev2", kFondoResultado, IVADEV2),
    // Transport kind: technical data.
    NUMERO("txtclasif", Entero, kFormatoCifras, 4, 0, true, CLASIF, vb::Integer(vb::RedondeoBancario(v))),
    NUMERO("txtesloramax", Decimal, kFormatoLongitud, 3, 2, false, ESLORAMAX, vb::Single(v)),
    NUMERO("txtpesomax", Entero, kFormatoMillones, 7, 0, false, PESOMAX, vb::Variant(v).CLng()),
    NUMERO("txtanofab", Entero, kFormatoMiles, 4, 0, false, ANOFAB, vb::Variant(v).CInt()),
    // Transport kind: liquidation.
    TECLEADO("txtpreadq", PREADQ),
    {{"txttipoadq", Pindaro::Decimal, kFormatoTipo, 2, 2, P, Nunca, X, false, kFondoBloqueado},
     [](const cDatos731& d) -> double { return d.TIPOADQ(); }, nullptr},
    CALCULADO("txtivasop", kFondoBloqueado, IVASOP),
    TECLEADO("txtpreven", PREVEN),
    {{"txttipoven", Pindaro::Decimal, kFormatoTipo, 2, 2, P, Nunca, X, false, kFondoBloqueado},
     [](const cDatos731& d) -> double { return d.TIPOVEN(); }, nullptr},
    CALCULADO("txtmaxdev", kFondoBloqueado, MAXDEV),
    CALCULADO("txtivadev1", kFondoResultado, IVADEV1),
    // Quarterly header: the third and fourth digit of the year, filled by the window.
    {{"txtejer0", Pindaro::Entero, "0", 1, 0, P, Nunca, X, false, kEditable}, nullptr, nullptr},
    {{"txtejer1", Pindaro::Entero, "0", 1, 0, P, Nunca, X, false, kEditable}, nullptr, nullptr},
};

#undef IMPORTE
#undef TECLEADO
#undef CUOTA
#undef CALCULADO
#undef NUMERO

}  // namespace

std::span<const CajaTexto<cDatos731>> CajasTexto731() { return kTextos; }

std::span<const CajaNumero<cDatos731>> CajasNumero731() { return kNumeros; }

}  // namespace oxalde
