#pragma once
// Drawing on the program's printer object in millimetres, and the copy stamp. They keep no
// state: font, colour, line width and position are the printer's.
#include <QString>

namespace oxalde {

inline constexpr int kModoMilimetros = 6;
inline constexpr long kGris = 0xE0E0E0;
inline const QString kTimes = QStringLiteral("times new roman");

// A line in the foreground colour and the current width.
void DibujarLinea(double x1, double y1, double x2, double y2);
// A black box outline, transparent inside.
void DibujarRecuadro(double x1, double y1, double x2, double y2);
// A solid light grey box without border; it covers whatever lies under it.
void DibujarSombreado(double x1, double y1, double x2, double y2);
// The text centred in the band x .. x + ancho, its top at y.
void ImprimirCentrado(double x, double y, double ancho, const QString& texto);
// The text from x, its top raised by 0.35 of its height above y.
void ImprimirTexto(double x, double y, const QString& texto);
// The text ending at x, its top at y.
void ImprimirDerecha(double x, double y, const QString& texto);
// "Basque / Spanish" centred on (x, y), the Basque part italic; bold and italic end off.
void ImprimirBilingueCentrado(double x, double y, const QString& euskera, const QString& castellano);
// Arial 8 bold, not italic.
void RestablecerFuente();
// The picture down the right margin at (193, 108), at its own size.
void ImprimirImagenEjemplar(const QString& imagen);
// The stamp of a copy code: "BO" draft, "AD" administration, "IF" taxpayer; others print none.
void ImprimirEjemplar(const QString& copia);

// One copy as one print job. Opening it discards a job that an earlier failure left open (its half
// page must never reach the printer) and turns the scale to millimetres; Terminar restores the
// scale and sends the page. Left without Terminar (a failure while drawing), the job is discarded
// and the scale restored.
class TrabajoImpresion {
public:
    TrabajoImpresion();
    ~TrabajoImpresion();
    TrabajoImpresion(const TrabajoImpresion&) = delete;
    TrabajoImpresion& operator=(const TrabajoImpresion&) = delete;
    void Terminar();

private:
    int escala_;
    bool terminado_ = false;
};

// Sets the font in one call: family, size, bold, italic (underline left as it is).
void PonerFuente(const QString& nombre, double tamano, bool negrita, bool cursiva = false);

}  // namespace oxalde
