#pragma once
// The form-731 page: one A4 page per copy, each copy its own print job, drawn from the form-731
// record, the declaration header and the print options. Every frame and label prints for both
// kinds; the transport section's values only for a transport declaration ("T"), the liquidation's
// only for a quarterly one ("P"). Each section has a frame procedure (outline, rules, band picture,
// labels) and a values procedure; y0 is the section's top.
#include <QString>

namespace oxalde {

// One complete copy: "BO" draft, "AD" administration, "IF" taxpayer (any other: no stamp).
// A failure while drawing discards the job and reaches the caller.
void ImprimirModelo731(const QString& copia);

// The transport section: title band, outline, and its three boxes.
void ImprimirApartadoTransporte(double y0, int ancho);
void ImprimirMarcoAdquirente(double y0, const QString& banda, int ancho);
void ImprimirDatosAdquirente(double y0);
void ImprimirMarcoTransporte731(double y0, const QString& banda, int ancho);
void ImprimirDatosTransporte731(double y0);
void ImprimirMarcoPrecios(double y0, const QString& banda, int ancho);
void ImprimirDatosPrecios(double y0);

// The equivalence-surcharge liquidation and the signature box with the presentation date.
void ImprimirMarcoRecargo(double y0, const QString& banda, int ancho);
void ImprimirDatosRecargo(double y0);
void ImprimirMarcoFirma731(double y0, const QString& banda, int ancho);

// The result box: the total to refund and the bank account (IBAN) one character per cell.
void ImprimirMarcoResultado(double y, int ancho);
void ImprimirDatosResultado(double y);

// Where character k (1 to 24) of the IBAN is printed.
double XCeldaIban(int k);

}  // namespace oxalde
