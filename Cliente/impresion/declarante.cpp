// The header's year and period and the declarant box, which read the registry's records.
#include "impresion/Impresora.h"
#include "impresion/cImOf.h"
#include "impresion/cabecera.h"
#include "impresion/primitivas.h"
#include "impresion/secciones.h"
#include "registro/cDecDatos.h"
#include "compartido/cDecResumen.h"
#include "compartido/procedimientos.h"

namespace oxalde {
namespace {

const Rotulo kCeldas[] = {
    {12, 1.3, 3.8, "NA/IFK", "D.N.I./C.I.F."},
    {39.36, 1.3, 3.8, "Deiturak eta izena / Enpresaren izena", "Apellidos y nombre / Razón social"},
};
const Rotulo kAnagrama[] = {{167.24, 1.3, 3.8, "Anagrama", "Anagrama"}};

}  // namespace

void ImprimirEjercicioPeriodo() {
    PonerFuente(QStringLiteral("arial"), 7, true, false);
    ImprimirTexto(64, 24.5, QString::number(cDecResumen::Instancia().Ejercicio()));
    const QString periodo = cImOf::Instancia().PERIODO();
    ImprimirTexto(125, 24.5, NombreTrimestre(periodo).isEmpty() ? QStringLiteral("OA") : periodo);
}

void ImprimirMarcoDeclarante(double y, const QString& banda, int ancho) {
    Impresora& p = Printer();
    p.DrawWidth(ancho);
    DibujarRecuadro(0.1, y, 190.5, y + 15);
    DibujarLinea(0.1, y + 15, 190.5, y + 15);
    DibujarLinea(38, y, 38, y + 15);
    // The band caption fills the free strip on the left, as the other sections' bands do.
    p.PaintPicture(banda, 0.5, y + 0.5, 9, 14);

    PonerFuente(kTimes, 7, false);
    ImprimirRotulos(y, kCeldas);
    DibujarLinea(165.24, y, 165.24, y + 15);
    ImprimirRotulos(y, kAnagrama);
}

void ImprimirDatosDeclarante(double y) {
    PonerFuente(QStringLiteral("arial"), 7, true, false);
    const cDecDatos& declarante = cDecDatos::Instancia();
    ImprimirCentrado(10, y + 6, 28, declarante.DNI());
    ImprimirCentrado(38, y + 6, 127.24, declarante.NOMBRE());
}

}  // namespace oxalde
