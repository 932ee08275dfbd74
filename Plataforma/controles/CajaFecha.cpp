#include "controles/CajaFecha.h"

#include <QFocusEvent>

namespace oxalde {

void CajaFecha::focusInEvent(QFocusEvent* evento) {
    QLineEdit::focusInEvent(evento);
    // A click places the cursor itself; a window or popup giving the focus back leaves it be.
    const auto razon = evento->reason();
    if (inputMask().isEmpty() || razon == Qt::MouseFocusReason || razon == Qt::ActiveWindowFocusReason ||
        razon == Qt::PopupFocusReason)
        return;
    // The mask's blank character follows its last ';' (a space when none is given).
    const qsizetype separador = inputMask().lastIndexOf(u';');
    const QChar blanco = separador >= 0 && separador + 1 < inputMask().size() ? inputMask().at(separador + 1) : u' ';
    const qsizetype primero = displayText().indexOf(blanco);
    setCursorPosition(primero >= 0 ? int(primero) : 0);
}

}  // namespace oxalde
