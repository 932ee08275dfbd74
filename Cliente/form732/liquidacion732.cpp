#include "form732/liquidacion732.h"

#include "compartido/claves_declaracion.h"
#include "compartido/cDecResumen.h"
#include "compartido/tipos_iva.h"

namespace oxalde {
namespace {

// The surcharge applies only to a trader under that regime declaring an intra-community
// acquisition, a forced execution or another case.
void RegimenRecargo(cDatos732& d) {
    const bool hecho = !d.HECHO1().isEmpty() || !d.HECHO3().isEmpty() || !d.HECHO6().isEmpty();
    if (!d.SITTIB2().isEmpty() && hecho) return;
    d.BAEQ4(0);
    d.CUEQ4(0);
    d.BAEQ175(0);
    d.BAEQ1(0);
    d.CUEQ1(0);
    d.BAEQ05(0);
}

// A new means of transport is taxed at the general rate only.
void MedioNuevo(cDatos732& d) {
    if (d.HECHO2() != QLatin1String("X")) return;
    d.BASE4(0);
    d.BASE7(0);
    d.CUOTA7(0);
}

// Each surcharge base follows the taxable base it belongs to.
void RecargosSiguenBases(cDatos732& d) {
    if (d.BASE16() == 0) {
        d.BAEQ4(0);
        d.CUEQ4(0);
        d.BAEQ175(0);
        d.CUEQ175(0);
    }
    if (d.BASE7() == 0) {
        d.BAEQ1(0);
        d.CUEQ1(0);
    }
    if (d.BASE4() == 0) {
        d.BAEQ05(0);
        d.CUEQ05(0);
    }
}

// The quotas whose rate depends on the date, unless the user types them (quarterly
// declarations of the period when the rates changed).
void CuotasPorFecha(cDatos732& d, vb::Long fecha) {
    if (d.MODOP() != kModoTransporte && tipos::EnVentanaCuotasTecleadas(fecha)) return;
    const tipos::TiposIva t = tipos::TiposEn(fecha);
    d.CUOTA16(tipos::Cuota(d.BASE16(), t.general));
    d.CUOTA7(tipos::Cuota(d.BASE7(), t.reducido));
    d.CUEQ4(tipos::Cuota(d.BAEQ4(), t.recargo));
    d.CUEQ1(tipos::Cuota(d.BAEQ1(), t.recargoReducido));
}

void CuotasFijas(cDatos732& d) {
    d.CUOTA4(tipos::Cuota(d.BASE4(), tipos::kTipo4));
    d.CUEQ175(tipos::Cuota(d.BAEQ175(), tipos::kTipo175));
    d.CUEQ05(tipos::Cuota(d.BAEQ05(), tipos::kTipo05));
}

}  // namespace

void CalcularLiquidacion(cDatos732& d, vb::Long fecha) {
    RegimenRecargo(d);
    MedioNuevo(d);
    RecargosSiguenBases(d);
    CuotasPorFecha(d, fecha);
    CuotasFijas(d);
    d.TOTAL(d.CUOTA7() + d.CUOTA16() + d.CUOTA4() + d.CUEQ4() + d.CUEQ175() + d.CUEQ1() + d.CUEQ05());
}

void CalcularLiquidacion() { CalcularLiquidacion(cDatos732::Instancia(), cDecResumen::Instancia().FECHA()); }

}  // namespace oxalde
