#include "form731/liquidacion731.h"

#include <cmath>

#include "form731/cDatos731.h"
#include "compartido/claves_declaracion.h"
#include "compartido/cDecResumen.h"
#include "compartido/procedimientos.h"
#include "compartido/tipos_iva.h"

namespace oxalde {

namespace {

// A rate of the record (percent, two decimals) in hundredths of a percent.
int Centesimas(vb::Single tipoPorCiento) { return static_cast<int>(std::lround(double(tipoPorCiento) * 100)); }

}  // namespace

void CalcularLiquidacion(cDatos731& d, const cDecResumen& cabecera) {
    // Every quota (amount × rate) / 100 exactly, halves away from zero: 50 × 21 / 100 is 10.5 and
    // gives 11, and an amount of thirteen digits loses no cent to a binary product.
    d.IVASOP(tipos::Cuota(d.PREADQ(), Centesimas(d.TIPOADQ())));
    d.MAXDEV(tipos::Cuota(d.PREVEN(), Centesimas(d.TIPOVEN())));
    const bool carretera = d.ACTIVIDAD() != 0;
    d.IVADEV1(!carretera && d.MAXDEV() > 0 ? Minimo(d.IVASOP(), d.MAXDEV()) : d.IVASOP());

    const long fecha = cabecera.FECHA();
    if (!CuotasTecleadas(fecha)) {
        const tipos::TiposIva tipos = tipos::TiposEn(fecha);
        d.CUOTA16(tipos::Cuota(d.BASE16(), tipos.general));
        d.CUOTA7(tipos::Cuota(d.BASE7(), tipos.reducido));
    }
    d.CUOTA4(tipos::Cuota(d.BASE4(), tipos::kTipo4));
    d.IVADEV2(d.CUOTA7() + d.CUOTA16() + d.CUOTA4());
    d.resul(d.MODOP() == kModoTransporte ? d.IVADEV1() : d.IVADEV2());
}

bool CuentaPeriodoVisible(double ivadev2, long finTrimestre) {
    return ivadev2 > 0 && finTrimestre > tipos::kFinTipos2010;
}

bool CuentaTransporteVisible(double ivadev1, long fecha) { return ivadev1 > 0 && fecha > tipos::kFinTipos2010; }

bool CuotasTecleadas(long fecha) { return tipos::EnVentanaCuotasTecleadas(fecha); }

EtiquetasTipo EtiquetasTipoEn(long fecha) {
    const tipos::TiposIva tipos = tipos::TiposEn(fecha);
    return {QString::fromStdString(tipos::EtiquetaTipo(tipos.general)),
            QString::fromStdString(tipos::EtiquetaTipo(tipos.reducido))};
}

}  // namespace oxalde
