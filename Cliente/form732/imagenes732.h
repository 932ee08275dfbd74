#pragma once
// The pictures of the form-732 window, drawn by the program itself: the header banner, the
// badge of each header frame and the marks on the Accept and Cancel buttons.
#include <QPixmap>

namespace oxalde {

QPixmap ImagenCabecera732(QSize tamano);
// The header badge: the form number over the kind's word.
QPixmap ImagenDeclaracion732(QSize tamano, const QString& palabra);
// A green tick (aceptar) or a red cross.
QPixmap ImagenBoton(QSize tamano, bool aceptar);

}  // namespace oxalde
