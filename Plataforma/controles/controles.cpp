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

void EtiquetaEnlace::mouseReleaseEvent(QMouseEvent* evento) {
    QLabel::mouseReleaseEvent(evento);
    if (evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint())) emit clicked();
}

}  // namespace oxalde
