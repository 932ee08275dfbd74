#include "compartido/etiqueta_ruta.h"

#include <QPainter>
#include <QStyle>

namespace oxalde {

EtiquetaRuta::EtiquetaRuta(QWidget* padre) : QLabel(padre) {
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
}

QString EtiquetaRuta::TextoMostrado() const {
    return fontMetrics().elidedText(text(), Qt::ElideLeft, contentsRect().width());
}

// Room for the ellipsis and a short name: a long path never widens its window.
QSize EtiquetaRuta::minimumSizeHint() const {
    constexpr int kCaracteres = 20;
    const QSize completo = QLabel::minimumSizeHint();
    return {qMin(completo.width(), fontMetrics().averageCharWidth() * kCaracteres), completo.height()};
}

void EtiquetaRuta::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    style()->drawItemText(&pintor, contentsRect(), QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                          isEnabled(), TextoMostrado(), foregroundRole());
}

}  // namespace oxalde
