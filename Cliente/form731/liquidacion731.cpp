#include "form731/liquidacion731.h"

#include "form731/cDatos731.h"
#include "compartido/cDecResumen.h"
#include "compartido/procedimientos.h"
#include "compartido/tipos_iva.h"

namespace oxalde {

namespace {

// (amount × rate) / 100, in that order: 50 × 21 / 100 is 10.5 and rounds to 11 on store.
double Producto(double importe, double tipoPorCiento) { return importe * tipoPorCiento / 100; }

double PorCiento(int tipoCentesimas) { return tipoCentesimas / 100.0; }

}  // namespace

void CalcularLiquidacion(cDatos731& d, const cDecResumen& cabecera) {
    d.IVASOP(Producto(d.PREADQ(), d.TIPOADQ()));
    d.MAXDEV(Producto(d.PREVEN(), d.TIPOVEN()));
    const bool carretera = d.ACTIVIDAD() != 0;
    d.IVADEV1(!carretera && d.MAXDEV() > 0 ? Minimo(d.IVASOP(), d.MAXDEV()) : d.IVASOP());

    const long fecha = cabecera.FECHA();
    if (!CuotasTecleadas(fecha)) {
        const tipos::TiposIva tipos = tipos::TiposEn(fecha);
        d.CUOTA16(Producto(d.BASE16(), PorCiento(tipos.general)));
        d.CUOTA7(Producto(d.BASE7(), PorCiento(tipos.reducido)));
    }
    d.CUOTA4(Producto(d.BASE4(), PorCiento(tipos::kTipo4)));
    d.IVADEV2(d.CUOTA7() + d.CUOTA16() + d.CUOTA4());
    d.resul(d.MODOP() == QLatin1String("T") ? d.IVADEV1() : d.IVADEV2());
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
