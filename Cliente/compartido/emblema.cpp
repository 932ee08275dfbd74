#include "compartido/emblema.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace oxalde {
namespace {

// Every measure in hundredths of the emblem's side, drawn on a 100 x 100 square.
const QColor kVerdeOscuro(0x0E, 0x4D, 0x5C);
const QColor kVerdeClaro(0x2A, 0x8C, 0x8C);
const QColor kOro(0xE0, 0xA8, 0x2E);

void Sello(QPainter& p) {
    QRadialGradient degradado(QPointF(40, 35), 70);
    degradado.setColorAt(0, kVerdeClaro);
    degradado.setColorAt(1, kVerdeOscuro);
    p.setPen(QPen(kOro, 3));
    p.setBrush(degradado);
    p.drawEllipse(QPointF(50, 50), 47, 47);
    p.setPen(QPen(QColor(255, 255, 255, 90), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(50, 50), 41, 41);
}

// A sheet with its top right corner folded over.
void Hoja(QPainter& p) {
    QPainterPath hoja;
    hoja.moveTo(31, 22);
    hoja.lineTo(59, 22);
    hoja.lineTo(71, 34);
    hoja.lineTo(71, 78);
    hoja.lineTo(31, 78);
    hoja.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(hoja);
    QPainterPath doblez;
    doblez.moveTo(59, 22);
    doblez.lineTo(59, 34);
    doblez.lineTo(71, 34);
    doblez.closeSubpath();
    p.setBrush(QColor(0xC9, 0xDD, 0xDD));
    p.drawPath(doblez);
    p.setPen(QPen(kVerdeOscuro, 2.6, Qt::SolidLine, Qt::RoundCap));
    for (double y : {40.0, 48.0, 56.0}) p.drawLine(QPointF(37, y), QPointF(y == 40.0 ? 54 : 65, y));
}

void Marca(QPainter& p) {
    QPainterPath marca;
    marca.moveTo(47, 66);
    marca.lineTo(54, 73);
    marca.lineTo(68, 58);
    p.setPen(QPen(kOro, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(marca);
}

}  // namespace

void DibujarEmblema(QPainter& pintor, const QRectF& rect) {
    const double lado = std::min(rect.width(), rect.height());
    if (lado <= 0) return;
    pintor.save();
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.translate(rect.center() - QPointF(lado / 2, lado / 2));
    pintor.scale(lado / 100, lado / 100);
    Sello(pintor);
    Hoja(pintor);
    Marca(pintor);
    pintor.restore();
}

QPixmap PixmapEmblema(int lado) {
    QPixmap imagen(lado, lado);
    imagen.fill(Qt::transparent);
    QPainter pintor(&imagen);
    DibujarEmblema(pintor, QRectF(0, 0, lado, lado));
    return imagen;
}

QIcon IconoEmblema() {
    QIcon icono;
    for (int lado : {16, 24, 32, 48, 64, 128, 256}) icono.addPixmap(PixmapEmblema(lado));
    return icono;
}

}  // namespace oxalde
