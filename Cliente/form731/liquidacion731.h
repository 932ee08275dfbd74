#pragma once
// The form-731 amounts and the date rules of its window, as plain functions over the record and
// the declaration header: no widget is read or written here.
#include <QString>

namespace oxalde {

class cDatos731;
class cDecResumen;

// Recomputes the VAT borne, the maximum refundable, the refund of each kind, the quarterly taxes
// at the rates of the declaration's date and the result. Each amount is rounded as the record
// stores it, and later steps read the rounded value. In the third quarter of 2012 the two taxes
// are the user's and are kept.
void CalcularLiquidacion(cDatos731& datos, const cDecResumen& cabecera);

// The quarterly bank-account row: something to refund for a quarter that ends after the first
// rate change (the quarter's last day as yyyymmdd).
bool CuentaPeriodoVisible(double ivadev2, long finTrimestre);
// The transport bank-account row: something to refund on a date after the first rate change.
bool CuentaTransporteVisible(double ivadev1, long fecha);
// The two quarterly taxes are typed, and their boxes editable, on this date.
bool CuotasTecleadas(long fecha);

// The labels of the general and of the reduced rate of the quarterly liquidation ("21%", "10%").
struct EtiquetasTipo {
    QString general;
    QString reducido;
};
EtiquetasTipo EtiquetasTipoEn(long fecha);

}  // namespace oxalde
