#include "form732/FrmDatos732.h"

#include <array>

#include "form732/cDatos732.h"

namespace oxalde {
namespace {

using Registro = cDatos732;

const std::array<CajaTexto<cDatos732>, 15> kTextos = {{
    OXALDE_CAJA_TEXTO("txttranif", 12, Transmisor, TRANIF),
    OXALDE_CAJA_TEXTO("txttranom", 40, Transmisor, TRANOM),
    OXALDE_CAJA_TEXTO("txttraDomicilio", 40, Transmisor, TRADIRECC),
    OXALDE_CAJA_TEXTO("txtTraProvincia", 15, Transmisor, TRAPROVINCIA),
    OXALDE_CAJA_TEXTO("txttrapais", 15, Transmisor, TRAPAIS),
    OXALDE_CAJA_TEXTO("txtmarcav", 20, Texto, MARCAV),
    OXALDE_CAJA_TEXTO("txttipov", 20, Texto, TIPOV),
    OXALDE_CAJA_TEXTO("txtmodelov", 20, Texto, MODELOV),
    OXALDE_CAJA_TEXTO("txtnbastidor", 20, Texto, NBASTIDOR),
    OXALDE_CAJA_TEXTO("txtfabricb", 30, Texto, FABRICB),
    OXALDE_CAJA_TEXTO("txtmodelob", 30, Texto, MODELOB),
    OXALDE_CAJA_TEXTO("txtnconstruc", 30, Texto, NCONSTRUC),
    OXALDE_CAJA_TEXTO("txtfabrica", 30, Texto, FABRICA),
    OXALDE_CAJA_TEXTO("txtmodeloa", 30, Texto, MODELOA),
    OXALDE_CAJA_TEXTO("txtnserie", 20, Texto, NSERIE),
}};

// The fifteen amounts, after the technical numbers (NumerosTecnicos).
const std::array<CajaNumero<cDatos732>, 15> kImportes = {{
    OXALDE_CAJA_IMPORTE("txtbase16", Seleccionar, Siempre, Importe, kSinFondo, BASE16),
    OXALDE_CAJA_IMPORTE("txtcuota16", FechaCuotas, Nunca, Cuota, kSinFondo, CUOTA16),
    OXALDE_CAJA_IMPORTE("txtbase7", PasarSiBloqueada, Siempre, Importe, kSinFondo, BASE7),
    OXALDE_CAJA_IMPORTE("txtcuota7", FechaCuotas, Nunca, Cuota, kSinFondo, CUOTA7),
    OXALDE_CAJA_IMPORTE("txtbase4", PasarSiBloqueada, Siempre, Importe, kSinFondo, BASE4),
    OXALDE_CAJA_IMPORTE("txtcuota4", Pasar, Nunca, Ninguno, kSinFondo, CUOTA4),
    OXALDE_CAJA_IMPORTE("txtbaeq4", PasarSiBloqueada, FueraCuotasTecleadas, Importe, kSinFondo, BAEQ4),
    OXALDE_CAJA_IMPORTE("txtcueq4", FechaCuotas, Nunca, Cuota, kSinFondo, CUEQ4),
    OXALDE_CAJA_IMPORTE("txtbaeq175", PasarSiBloqueada, Siempre, Importe, kSinFondo, BAEQ175),
    OXALDE_CAJA_IMPORTE("txtcueq175", Pasar, Nunca, Ninguno, kSinFondo, CUEQ175),
    OXALDE_CAJA_IMPORTE("txtbaeq1", PasarSiBloqueada, FueraCuotasTecleadas, Importe, kSinFondo, BAEQ1),
    OXALDE_CAJA_IMPORTE("txtcueq1", FechaCuotas, Nunca, Cuota, kSinFondo, CUEQ1),
    OXALDE_CAJA_IMPORTE("txtbaeq05", PasarSiBloqueada, Siempre, Importe, kSinFondo, BAEQ05),
    OXALDE_CAJA_IMPORTE("txtcueq05", Pasar, Nunca, Ninguno, kSinFondo, CUEQ05),
    OXALDE_CAJA_IMPORTE("txttotal", Pasar, Nunca, Ninguno, kFondoResultado, TOTAL),
}};

}  // namespace

const TablasCajas<cDatos732> kCajas732{kTextos, kImportes};

}  // namespace oxalde
