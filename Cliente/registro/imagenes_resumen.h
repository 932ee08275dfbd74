#pragma once
// The declarations window's own pictures: those of the two kinds of new declaration, and those of
// its image list that the new declaration's frame shows.
#include <QPixmap>

namespace oxalde {

// Drawn here: a calendar page for a quarterly declaration, a car for a transport one.
QPixmap ImagenNueva(bool trimestral);
// The window's own image list: 2 cancel, 3 accept.
QPixmap ImgLista(int indice);

}  // namespace oxalde
