#pragma once
// The program's emblem, our own design: a round seal in deep teal with a white sheet of a return,
// three ruled lines and a gold tick. Drawn as vectors, so it is the same at any size and on
// paper: the splash, the window icons and the printed letterhead all come from here.
#include <QIcon>
#include <QPixmap>
#include <QRectF>

class QPainter;

namespace oxalde {

// Draws the emblem centred in the rectangle, as large as its shorter side allows. Leaves the
// painter's state as it was.
void DibujarEmblema(QPainter& pintor, const QRectF& rect);

// The emblem on a transparent square of `lado` pixels.
QPixmap PixmapEmblema(int lado);
// The emblem as a window icon, in the usual icon sizes.
QIcon IconoEmblema();

// The emblem's printed height, at its own width.
inline constexpr double kAltoEmblemaMm = 16;

}  // namespace oxalde
