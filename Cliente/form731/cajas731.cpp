#include "form731/FrmDatos731.h"

#include "form731/cDatos731.h"

namespace oxalde {

namespace {

using Registro = cDatos731;

const CajaTexto<cDatos731> kTextos[] = {
    OXALDE_CAJA_TEXTO("txtadqnif", 12, Texto, ADQNIF),
    OXALDE_CAJA_TEXTO("txtadqnom", 40, Texto, ADQNOM),
    OXALDE_CAJA_TEXTO("txtadqpais", 15, Texto, ADQPAIS),
    OXALDE_CAJA_TEXTO("txtmarcav", 20, Texto, MARCAV),
    OXALDE_CAJA_TEXTO("txttipov", 20, Texto, TIPOV),
    OXALDE_CAJA_TEXTO("txtmodelov", 20, Texto, MODELOV),
    OXALDE_CAJA_TEXTO("txtnbastidor", 20, Texto, NBASTIDOR),
    OXALDE_CAJA_TEXTO("txtfabricb", 30, Texto, FABRICB),
    OXALDE_CAJA_TEXTO("txtmarcab", 20, Texto, MARCAB),
    OXALDE_CAJA_TEXTO("txttipob", 20, Texto, TIPOB),
    OXALDE_CAJA_TEXTO("txtmodelob", 20, Texto, MODELOB),
    OXALDE_CAJA_TEXTO("txtnconstruc", 20, Texto, NCONSTRUC),
    OXALDE_CAJA_TEXTO("txtfabrica", 30, Texto, FABRICA),
    OXALDE_CAJA_TEXTO("txtmarcaa", 20, Texto, MARCAA),
    OXALDE_CAJA_TEXTO("txttipoa", 20, Texto, TIPOA),
    OXALDE_CAJA_TEXTO("txtmodeloa", 20, Texto, MODELOA),
    OXALDE_CAJA_TEXTO("txtnserie", 12, Texto, NSERIE),
};

// Short names for the table below.
constexpr auto P = Foco::Pasar;
constexpr auto Nunca = Cambio::Nunca;
constexpr auto X = Almacen::Ninguno;

// The technical numbers come first (NumerosTecnicos).
const CajaNumero<cDatos731> kNumeros[] = {
    // Quarterly kind.
    OXALDE_CAJA_IMPORTE("txtbase16", Seleccionar, Siempre, Importe, kSinFondo, BASE16),
    OXALDE_CAJA_IMPORTE("txtcuota16", FechaCuotasSinSeleccion, Nunca, Cuota, kFondoBloqueado, CUOTA16),
    OXALDE_CAJA_IMPORTE("txtbase7", Seleccionar, Siempre, Importe, kSinFondo, BASE7),
    OXALDE_CAJA_IMPORTE("txtcuota7", FechaCuotasSinSeleccion, Nunca, Cuota, kFondoBloqueado, CUOTA7),
    OXALDE_CAJA_IMPORTE("txtbase4", Seleccionar, Siempre, Importe, kSinFondo, BASE4),
    OXALDE_CAJA_IMPORTE("txtcuota4", Pasar, Nunca, Ninguno, kFondoBloqueado, CUOTA4),
    OXALDE_CAJA_IMPORTE("txtivadev2", Pasar, Nunca, Ninguno, kFondoResultado, IVADEV2),
    // Transport kind: liquidation.
    OXALDE_CAJA_IMPORTE("txtpreadq", Seleccionar, Siempre, Importe, kSinFondo, PREADQ),
    {{"txttipoadq", Pindaro::Decimal, kFormatoTipo, 2, 2, P, Nunca, X, false, kFondoBloqueado},
     [](const cDatos731& d) -> double { return d.TIPOADQ(); },
     nullptr},
    OXALDE_CAJA_IMPORTE("txtivasop", Pasar, Nunca, Ninguno, kFondoBloqueado, IVASOP),
    OXALDE_CAJA_IMPORTE("txtpreven", Seleccionar, Siempre, Importe, kSinFondo, PREVEN),
    {{"txttipoven", Pindaro::Decimal, kFormatoTipo, 2, 2, P, Nunca, X, false, kFondoBloqueado},
     [](const cDatos731& d) -> double { return d.TIPOVEN(); },
     nullptr},
    OXALDE_CAJA_IMPORTE("txtmaxdev", Pasar, Nunca, Ninguno, kFondoBloqueado, MAXDEV),
    OXALDE_CAJA_IMPORTE("txtivadev1", Pasar, Nunca, Ninguno, kFondoResultado, IVADEV1),
};

}  // namespace

const TablasCajas<cDatos731> kCajas731{kTextos, kNumeros};

}  // namespace oxalde
