#include "shell/imagenes.h"

#include <QApplication>
#include <QStyle>

namespace oxalde {
namespace {

// A picture drawn in the style's disabled look.
QIcon Apagada(const QIcon& icono) {
    const QSize tamano(16, 16);
    return QIcon(icono.pixmap(tamano, QIcon::Disabled));
}

}  // namespace

QIcon ImgBotones(int numero) {
    QStyle* estilo = QApplication::style();
    switch (numero) {
        case 9: return estilo->standardIcon(QStyle::SP_DialogCloseButton);
        case 11: return estilo->standardIcon(QStyle::SP_DialogApplyButton);
        case 12: return Apagada(estilo->standardIcon(QStyle::SP_DialogApplyButton));
        case 13: return estilo->standardIcon(QStyle::SP_DirOpenIcon);
        case 14: return Apagada(estilo->standardIcon(QStyle::SP_DirOpenIcon));
        default: return {};
    }
}

}  // namespace oxalde
