#pragma once
// The main window's image list of button pictures, by their one-based numbers: 9 exit,
// 11 and 12 an Accept picture enabled and disabled, 13 and 14 the file choice enabled and
// disabled. The pictures are the desktop style's own.
#include <QIcon>

namespace oxalde {

QIcon ImgBotones(int numero);

}  // namespace oxalde
