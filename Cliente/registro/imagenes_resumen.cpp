#include "registro/imagenes_resumen.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace oxalde {

QPixmap ImagenNueva(bool trimestral) {
    QPixmap p(40, 40);
    p.fill(Qt::transparent);
    QPainter d(&p);
    d.setRenderHint(QPainter::Antialiasing);
    d.setPen(QPen(QColor(40, 60, 110), 2));
    if (trimestral) {
        d.setBrush(Qt::white);
        d.drawRect(6, 8, 28, 26);
        d.fillRect(7, 9, 27, 7, QColor(200, 60, 50));
        for (int f = 0; f < 3; ++f)
            for (int c = 0; c < 4; ++c) d.fillRect(10 + c * 6, 19 + f * 5, 3, 3, QColor(40, 60, 110));
    } else {
        d.setBrush(QColor(60, 130, 200));
        d.drawRoundedRect(4, 18, 32, 10, 3, 3);
        d.drawRoundedRect(11, 11, 17, 9, 3, 3);
        d.setBrush(QColor(40, 40, 40));
        d.drawEllipse(8, 25, 8, 8);
        d.drawEllipse(24, 25, 8, 8);
    }
    return p;
}

QPixmap ImgLista(int indice) {
    const auto icono = indice == 2 ? QStyle::SP_DialogCancelButton : QStyle::SP_DialogOkButton;
    return QApplication::style()->standardIcon(icono).pixmap(28, 28);
}

}  // namespace oxalde
