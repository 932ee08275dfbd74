#include "impresion/primitivas.h"

#include "impresion/Impresora.h"

namespace oxalde {

void DibujarLinea(double x1, double y1, double x2, double y2) { Printer().Line(x1, y1, x2, y2); }

void DibujarRecuadro(double x1, double y1, double x2, double y2) { Printer().LineBox(x1, y1, x2, y2, 0); }

void DibujarSombreado(double x1, double y1, double x2, double y2) {
    Printer().LineBoxFilled(x1, y1, x2, y2, kGris);
}

void ImprimirCentrado(double x, double y, double ancho, const QString& texto) {
    Impresora& p = Printer();
    p.CurrentX(x + ancho / 2 - p.TextWidth(texto) / 2);
    p.CurrentY(y);
    p.Print(texto);
}

void ImprimirTexto(double x, double y, const QString& texto) {
    Impresora& p = Printer();
    p.CurrentX(x);
    p.CurrentY(y - 0.35 * p.TextHeight(texto));
    p.Print(texto);
}

void ImprimirDerecha(double x, double y, const QString& texto) {
    Impresora& p = Printer();
    p.CurrentX(x - p.TextWidth(texto));
    p.CurrentY(y);
    p.Print(texto);
}

void ImprimirBilingueCentrado(double x, double y, const QString& euskera, const QString& castellano) {
    Impresora& p = Printer();
    p.FontBold(false);
    const QString separado = QStringLiteral(" / ") + castellano;
    const double ancho = p.TextWidth(euskera + separado);
    const double alto = p.TextHeight(euskera + separado);
    p.CurrentX(x - ancho / 2);
    p.CurrentY(y - alto / 2);
    p.FontItalic(true);
    p.Print(euskera);
    p.CurrentX(x - ancho / 2 + p.TextWidth(euskera));
    p.CurrentY(y - alto / 2);
    p.FontItalic(false);
    p.Print(separado);
}

void RestablecerFuente() { PonerFuente(QStringLiteral("arial"), 8, true, false); }

void PonerFuente(const QString& nombre, double tamano, bool negrita, bool cursiva) {
    Impresora& p = Printer();
    p.FontName(nombre);
    p.FontSize(tamano);
    p.FontBold(negrita);
    p.FontItalic(cursiva);
}

TrabajoImpresion::TrabajoImpresion() {
    Impresora& p = Printer();
    p.KillDoc();
    escala_ = p.ScaleMode();
    p.ScaleMode(kModoMilimetros);
}

TrabajoImpresion::~TrabajoImpresion() {
    if (terminado_) return;
    Impresora& p = Printer();
    p.KillDoc();
    p.ScaleMode(static_cast<vb::Integer>(escala_));
}

void TrabajoImpresion::Terminar() {
    Impresora& p = Printer();
    p.ScaleMode(static_cast<vb::Integer>(escala_));
    terminado_ = true;
    p.EndDoc();
}

void ImprimirImagenEjemplar(const QString& imagen) { Printer().PaintPicture(imagen, 193, 108); }

void ImprimirEjemplar(const QString& copia) {
    struct Sello {
        const char* copia;
        const char* imagen;
    };
    static const Sello kSellos[] = {{"BO", "Borrador"}, {"AD", "Administracion"}, {"IF", "Informatica"}};
    for (const Sello& s : kSellos)
        if (copia == QLatin1String(s.copia)) ImprimirImagenEjemplar(QString::fromLatin1(s.imagen));
}

}  // namespace oxalde
