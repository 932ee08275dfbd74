#pragma once
// The form-732 page: one A4 page per copy, each copy its own print job, drawn from the form-732
// record, the declaration header and the print options. Each section has a frame procedure
// (outline, rules, band picture, labels) and most a values procedure; y0 is the section's top.
#include <QString>

namespace oxalde {

// One complete copy: "BO" draft, "AD" administration, "IF" taxpayer (any other: no stamp).
// A failure while drawing discards the job and reaches the caller.
void ImprimirModelo732(const QString& copia);

// A section's outline down to y0 + alto, its band picture at its own size yBanda below the top,
// and the rule between the band column and the content.
void MarcoConBanda732(double y0, double alto, const QString& banda, double yBanda, int ancho);

void ImprimirMarcoTransmitente(double y0, const QString& banda, int ancho);
void ImprimirDatosTransmitente(double y0);
void ImprimirMarcoSituacion(double y0, const QString& banda, int ancho);
void ImprimirDatosSituacion(double y0);
void ImprimirMarcoHechoImponible(double y0, const QString& banda, int ancho);
void ImprimirDatosHechoImponible(double y0);

void ImprimirMarcoTecnico732(double y0, const QString& banda, int ancho);
void ImprimirDatosTecnicos732(double y0);
void ImprimirMarcoLiquidacion732(double y0, const QString& banda, int ancho);
void ImprimirDatosLiquidacion732(double y0);
void ImprimirMarcoJustificante(double y0, const QString& banda, int ancho);

// The rate labels of rows 1, 2, 4 and 6 of the liquidation, chosen by the quarter's end and the
// declaration's date.
struct Tasas732 {
    QString general;
    QString reducido;
    QString recargo;
    QString recargoReducido;
};
Tasas732 TasasLiquidacion732();

}  // namespace oxalde
