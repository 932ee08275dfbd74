#include "form731/cajas731.h"

#include "form731/cDatos731.h"
#include "compartido/procedimientos.h"
#include "vb/variant.h"

namespace oxalde {

namespace {

vb::Variant Texto(const QString& valor) { return vb::Variant(valor.toStdString()); }

// The amount typed into a box: the first comma as the decimal point, empty as 0.
double ImporteTecleado(const QString& valor) { return VacioACero(ComaAPunto(Texto(valor))).CDbl(); }

// A whole number: empty as 0, halves to the even neighbour.
vb::Variant Entero(const QString& valor) { return ComaAPunto(VacioACero(Texto(valor))); }

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
constexpr auto I = Almacen::Importe, Q = Almacen::Cuota, N = Almacen::Numero, X = Almacen::Ninguno;
constexpr auto S = Foco::Seleccionar, P = Foco::Pasar, C = Foco::FechaCuotas;
const QColor kEditable;  // invalid: the default background

#define LEER(M) [](const cDatos731& d) -> double { return d.M(); }
#define IMPORTE(M) [](cDatos731& d, const QString& v) { d.M(ImporteTecleado(v)); }

const CajaNumero kNumeros[] = {
    // Quarterly kind.
    {"txtbase16", I, S, true, kFormatoImporte, 13, 2, kEditable, LEER(BASE16), IMPORTE(BASE16)},
    {"txtcuota16", Q, C, true, kFormatoImporte, 13, 2, kFondoBloqueado, LEER(CUOTA16), IMPORTE(CUOTA16)},
    {"txtbase7", I, S, true, kFormatoImporte, 13, 2, kEditable, LEER(BASE7), IMPORTE(BASE7)},
    {"txtcuota7", Q, C, true, kFormatoImporte, 13, 2, kFondoBloqueado, LEER(CUOTA7), IMPORTE(CUOTA7)},
    {"txtbase4", I, S, true, kFormatoImporte, 13, 2, kEditable, LEER(BASE4), IMPORTE(BASE4)},
    {"txtcuota4", X, P, true, kFormatoImporte, 13, 2, kFondoBloqueado, LEER(CUOTA4), nullptr},
    {"txtivadev2", X, P, true, kFormatoImporte, 13, 2, kFondoResultado, LEER(IVADEV2), nullptr},
    // Transport kind: technical data.
    {"txtclasif", N, S, false, kFormatoCifras, 4, 0, kEditable, LEER(CLASIF),
     [](cDatos731& d, const QString& v) {
         d.CLASIF(static_cast<vb::Integer>(vb::RedondeoBancario(vb::Val(v.toStdString()))));
     }},
    {"txtesloramax", N, S, false, kFormatoLongitud, 3, 2, kEditable, LEER(ESLORAMAX),
     [](cDatos731& d, const QString& v) { d.ESLORAMAX(VacioACero(Texto(v)).CSng()); }},
    {"txtpesomax", N, S, false, kFormatoMillones, 7, 0, kEditable, LEER(PESOMAX),
     [](cDatos731& d, const QString& v) { d.PESOMAX(Entero(v).CLng()); }},
    {"txtanofab", N, S, false, kFormatoMiles, 4, 0, kEditable, LEER(ANOFAB),
     [](cDatos731& d, const QString& v) { d.ANOFAB(Entero(v).CInt()); }},
    // Transport kind: liquidation.
    {"txtpreadq", I, S, true, kFormatoImporte, 13, 2, kEditable, LEER(PREADQ), IMPORTE(PREADQ)},
    {"txttipoadq", X, P, false, kFormatoTipo, 2, 2, kFondoBloqueado, LEER(TIPOADQ), nullptr},
    {"txtivasop", X, P, true, kFormatoImporte, 13, 2, kFondoBloqueado, LEER(IVASOP), nullptr},
    {"txtpreven", I, S, true, kFormatoImporte, 13, 2, kEditable, LEER(PREVEN), IMPORTE(PREVEN)},
    {"txttipoven", X, P, false, kFormatoTipo, 2, 2, kFondoBloqueado, LEER(TIPOVEN), nullptr},
    {"txtmaxdev", X, P, true, kFormatoImporte, 13, 2, kFondoBloqueado, LEER(MAXDEV), nullptr},
    {"txtivadev1", X, P, true, kFormatoImporte, 13, 2, kFondoResultado, LEER(IVADEV1), nullptr},
    // Quarterly header: the third and fourth digit of the year, filled by the window.
    {"txtejer0", X, P, false, "0", 1, 0, kEditable, nullptr, nullptr},
    {"txtejer1", X, P, false, "0", 1, 0, kEditable, nullptr, nullptr},
};

#undef LEER
#undef IMPORTE

}  // namespace

std::span<const CajaTexto<cDatos731>> CajasTexto() { return kTextos; }

std::span<const CajaNumero> CajasNumero() { return kNumeros; }

bool ValorCambiado(const CajaNumero& caja, double miembro, const QString& valor) {
    if (caja.importe) return ComaAPunto(Texto(QStringLiteral("0") + valor)).CDbl() != miembro;
    const double numero = vb::Val(valor.toStdString());
    if (caja.decimales > 0) return static_cast<vb::Single>(numero) != static_cast<vb::Single>(miembro);
    return numero != miembro;
}

}  // namespace oxalde
