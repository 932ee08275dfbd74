#include "controles/CajaFecha.h"

#include <QFocusEvent>
#include <QValidator>
#include <algorithm>
#include <utility>

#include "controles/vigia_insercion.h"

namespace oxalde {

namespace {

qsizetype Digitos(const QString& texto) {
    return std::count_if(texto.begin(), texto.end(), [](QChar c) { return c.isDigit(); });
}

// The mask blanks the selected text before it looks at what replaces it. An insertion it refuses
// whole, or one that brings no digit and would leave fewer digits (the mask takes "--/--/----" as
// its own separators), is undone by the box, which gives back the date and its selection.
// Deletions take digits on purpose: they are no insertion.
class DeshacerRechazo : public QValidator {
public:
    explicit DeshacerRechazo(QLineEdit* caja) : QValidator(caja), caja_(caja), vigia_(new VigiaInsercion(caja)) {
        caja->setValidator(this);
        connect(caja, &QLineEdit::inputRejected, this, [this] {
            // Our own refusal is announced too. Without a mask the box announces only a text cut
            // at its length, of which it has taken a part.
            if (!std::exchange(propio_, false)) rechazado_ = !caja_->inputMask().isEmpty();
        });
        connect(caja, &QLineEdit::textChanged, this, [this](const QString& t) { digitos_ = Digitos(t); });
        digitos_ = Digitos(caja->displayText());
    }

    State validate(QString& texto, int&) const override {
        const auto& insertado = vigia_->Insertando();
        const bool pierde = insertado && Digitos(*insertado) == 0 && Digitos(texto) < digitos_;
        propio_ = (std::exchange(rechazado_, false) || pierde) && caja_->isUndoAvailable();
        return propio_ ? Invalid : Acceptable;
    }

private:
    QLineEdit* caja_;
    VigiaInsercion* vigia_;
    qsizetype digitos_ = 0;           // the digits the box shows
    mutable bool rechazado_ = false;  // the mask has just refused all that was inserted
    mutable bool propio_ = false;     // this validator has refused the change
};

}  // namespace

CajaFecha::CajaFecha(QWidget* parent) : QLineEdit(parent) { new DeshacerRechazo(this); }

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
