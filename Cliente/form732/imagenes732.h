#pragma once
// The pictures of the form-732 window, drawn by the program itself: the header banner and the
// badge of each header frame.
#include <QPixmap>

namespace oxalde {

QPixmap ImagenCabecera732(QSize tamano);
// The header badge: the form number over the kind's word.
QPixmap ImagenDeclaracion732(QSize tamano, const QString& palabra);

}  // namespace oxalde
