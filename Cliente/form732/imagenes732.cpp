#include "form732/imagenes732.h"

#include <QLinearGradient>
#include <QPainter>

namespace oxalde {
namespace {

QPixmap Lienzo(QSize tamano) {
    QPixmap p(tamano);
    p.fill(Qt::transparent);
    return p;
}

void Fondo(QPainter& pintor, const QRectF& r, QColor arriba, QColor abajo) {
    QLinearGradient degradado(r.topLeft(), r.bottomLeft());
    degradado.setColorAt(0, arriba);
    degradado.setColorAt(1, abajo);
    pintor.setPen(Qt::NoPen);
    pintor.setBrush(degradado);
    pintor.drawRoundedRect(r, 6, 6);
}

}  // namespace

// A rounded badge with the form number large, and a smaller word placed by `sitio`.
static QPixmap Insignia(QSize tamano, QColor arriba, QColor abajo, QColor tinta, Qt::Alignment numero,
                        const QString& palabra, Qt::Alignment sitio) {
    QPixmap p = Lienzo(tamano);
    QPainter pintor(&p);
    pintor.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0.5, 0.5, tamano.width() - 1, tamano.height() - 1);
    Fondo(pintor, r, arriba, abajo);
    QFont letra(QStringLiteral("Arial"));
    letra.setBold(true);
    letra.setPixelSize(int(tamano.height() * 0.5));
    pintor.setFont(letra);
    pintor.setPen(tinta);
    pintor.drawText(r.adjusted(8, 0, -8, -tamano.height() * 0.1), numero, QStringLiteral("732"));
    letra.setPixelSize(std::max(9, int(tamano.height() * 0.24)));
    pintor.setFont(letra);
    pintor.drawText(r.adjusted(8, 0, -8, -3), sitio, palabra);
    return p;
}

QPixmap ImagenCabecera732(QSize tamano) {
    return Insignia(tamano, QColor(40, 96, 140), QColor(18, 52, 86), Qt::white, Qt::AlignCenter,
                    QStringLiteral("IVA · BEZ"), Qt::AlignHCenter | Qt::AlignBottom);
}

QPixmap ImagenDeclaracion732(QSize tamano, const QString& palabra) {
    return Insignia(tamano, QColor(226, 236, 246), QColor(190, 208, 228), QColor(18, 52, 86),
                    Qt::AlignLeft | Qt::AlignVCenter, palabra, Qt::AlignRight | Qt::AlignVCenter);
}

}  // namespace oxalde
