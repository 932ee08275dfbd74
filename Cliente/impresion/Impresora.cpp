#include "impresion/Impresora.h"

#include <QColor>
#include <QFontMetricsF>
#include <QImage>

#include "impresion/ImpresoraQt.h"
#include "compartido/imagenes.h"

namespace oxalde {
namespace {

constexpr double kMmPorPulgada = 25.4;
// Text is measured at this resolution on every device, so that a recorded page and a printed
// one place their texts alike.
constexpr int kPuntosMedida = 1200;
// A line width counts printer pixels of a 600 dpi printer; a picture's own size, screen
// pixels of 96 to the inch.
constexpr double kPuntosLinea = 600;
constexpr double kPuntosImagen = 96;

const QImage& Referencia() {
    static const QImage imagen = [] {
        QImage i(1, 1, QImage::Format_RGB32);
        const int puntosPorMetro = qRound(kPuntosMedida / kMmPorPulgada * 1000);
        i.setDotsPerMeterX(puntosPorMetro);
        i.setDotsPerMeterY(puntosPorMetro);
        return i;
    }();
    return imagen;
}

QFontMetricsF Metrica(const QFont& fuente) { return QFontMetricsF(fuente, &Referencia()); }

double AMm(double puntos) { return puntos * kMmPorPulgada / kPuntosMedida; }

std::shared_ptr<Impresora>& EnUso() {
    static std::shared_ptr<Impresora> impresora;
    return impresora;
}

}  // namespace

QColor ColorVB(vb::Long color) { return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF); }

QFont Impresora::Fuente() const {
    QFont fuente(fontName_);
    fuente.setPointSizeF(fontSize_);
    fuente.setBold(fontBold_);
    fuente.setItalic(fontItalic_);
    fuente.setUnderline(fontUnderline_);
    fuente.setHintingPreference(QFont::PreferNoHinting);
    return fuente;
}

double Impresora::TextWidth(const QString& texto) const { return AMm(Metrica(Fuente()).horizontalAdvance(texto)); }

double Impresora::TextHeight(const QString&) const {
    const QFontMetricsF m = Metrica(Fuente());
    return AMm(m.ascent() + m.descent());
}

double Impresora::AnchoLinea() const { return drawWidth_ * kMmPorPulgada / kPuntosLinea; }

void Impresora::Line(double x1, double y1, double x2, double y2) {
    Trazar(QLineF(x1, y1, x2, y2), foreColor_, AnchoLinea());
}

void Impresora::LineBox(double x1, double y1, double x2, double y2, vb::Long color) {
    Enmarcar(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized(), color, AnchoLinea());
}

void Impresora::LineBoxFilled(double x1, double y1, double x2, double y2, vb::Long color) {
    Rellenar(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized(), color);
}

void Impresora::PaintPicture(const QString& imagen, double x, double y, std::optional<double> ancho,
                             std::optional<double> alto) {
    const QImage& dibujo = Imagen(imagen);
    const QSizeF propio = dibujo.deviceIndependentSize() * (kMmPorPulgada / kPuntosImagen);
    Pintar(imagen, dibujo, QRectF(x, y, ancho.value_or(propio.width()), alto.value_or(propio.height())));
}

void Impresora::Print(const QString& texto) {
    Escribir(texto, QPointF(currentX_, currentY_), AMm(Metrica(Fuente()).ascent()));
    currentX_ += TextWidth(texto);
}

Impresora& Printer() {
    std::shared_ptr<Impresora>& impresora = EnUso();
    if (!impresora) impresora = ImpresoraPorEntorno();
    return *impresora;
}

void EstablecerImpresora(std::shared_ptr<Impresora> impresora) { EnUso() = std::move(impresora); }

std::shared_ptr<Impresora> ImpresoraPorEntorno() {
    const QString eleccion = qEnvironmentVariable("OXALDE_IMPRESORA");
    if (eleccion.startsWith(QLatin1String("pdf:")))
        return std::make_shared<ImpresoraQt>(ImpresoraQt::Pdf, eleccion.mid(4));
    if (eleccion == QLatin1String("ninguna")) return std::make_shared<ImpresoraQt>(ImpresoraQt::Ninguna);
    return std::make_shared<ImpresoraQt>(ImpresoraQt::Sistema);
}

}  // namespace oxalde
