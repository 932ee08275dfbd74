#include "controles/TiraPestanas.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWheelEvent>

#include "controles/entrada.h"

namespace oxalde {

TiraPestanas::TiraPestanas(QWidget* parent) : QTabBar(parent) { setFocusPolicy(Qt::StrongFocus); }

void TiraPestanas::TabFixedWidth(int pixeles) {
    ancho_ = pixeles;
    updateGeometry();
    update();
}

QSize TiraPestanas::tabSizeHint(int indice) const {
    QSize tamano = QTabBar::tabSizeHint(indice);
    if (ancho_ > 0) tamano.setWidth(ancho_);
    return tamano;
}

// The focus moves at once: the box left hears of it, and its handler has run, on return (in a
// window not active, where the move sends no event, the handler is run here). The window's own
// record of its focus is read, so that a window not yet active answers the same.
bool TiraPestanas::TomarFoco(Qt::FocusReason razon) {
    if (!(focusPolicy() & Qt::ClickFocus)) return true;
    QPointer<TiraPestanas> yo(this);
    setFocus(razon);
    if (yo && window()->focusWidget() == this) EntradaVentana::TerminarEdicion(this);
    return yo && window()->focusWidget() == this;
}

bool TiraPestanas::event(QEvent* evento) {
    if (evento->type() == QEvent::Shortcut && !TomarFoco(Qt::ShortcutFocusReason)) return true;
    return QTabBar::event(evento);
}

// A user's click has asked for the focus before it gets here; asking again would run the
// refusing handler a second time.
void TiraPestanas::mousePressEvent(QMouseEvent* evento) {
    if (evento->button() == Qt::LeftButton) {
        const bool enFoco = evento->spontaneous() ? !(focusPolicy() & Qt::ClickFocus) || window()->focusWidget() == this
                                                  : TomarFoco(Qt::MouseFocusReason);
        if (!enFoco) return;
    }
    QTabBar::mousePressEvent(evento);
}

#if QT_CONFIG(wheelevent)
void TiraPestanas::wheelEvent(QWheelEvent* evento) {
    if (!TomarFoco(Qt::OtherFocusReason)) return;
    QTabBar::wheelEvent(evento);
}
#endif

}  // namespace oxalde
