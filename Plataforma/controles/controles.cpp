#include "controles/controles.h"

#include <QCheckBox>
#include <QMouseEvent>
#include <QRadioButton>

namespace oxalde {

void EstablecerCasilla(QCheckBox* casilla, bool marcada) {
    if (casilla->isChecked() == marcada) return;
    casilla->setChecked(marcada);
    emit casilla->clicked(marcada);
}

void EstablecerOpcion(QRadioButton* opcion) {
    opcion->setChecked(true);
    emit opcion->clicked(true);
}

int TwipsAPixeles(const QWidget* widget, int twips) { return twips * widget->logicalDpiX() / 1440; }

EtiquetaEnlace::EtiquetaEnlace(QWidget* parent) : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
    QPalette paleta = palette();
    paleta.setColor(QPalette::WindowText, Qt::blue);
    setPalette(paleta);
}

// The release is accepted before the click is reported: it goes no further (to a parent the
// click may have closed).
void EtiquetaEnlace::mouseReleaseEvent(QMouseEvent* evento) {
    const bool click = evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint());
    evento->accept();
    if (click) emit clicked();
}

void EtiquetaEnlace::mousePressEvent(QMouseEvent* evento) { evento->accept(); }

}  // namespace oxalde
