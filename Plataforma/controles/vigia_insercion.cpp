#include "controles/vigia_insercion.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPointer>

namespace oxalde {

namespace {

// A key the box takes as text: printable, and no Ctrl shortcut (Ctrl+Alt is AltGr).
bool EsTexto(const QKeyEvent& tecla) {
    if (tecla.text().isEmpty()) return false;
    const QChar c = tecla.text().front();
    if (c.category() == QChar::Other_Format) return true;
    const auto mod = tecla.modifiers() & ~Qt::KeypadModifier;
    if (mod == Qt::ControlModifier || mod == (Qt::ControlModifier | Qt::ShiftModifier)) return false;
    return c.isPrint() || c.category() == QChar::Other_PrivateUse || c.isHighSurrogate();
}

// The text an event inserts into the box, if it inserts any.
std::optional<QString> TextoInsertado(QEvent* evento) {
    QClipboard* portapapeles = QGuiApplication::clipboard();
    switch (evento->type()) {
        case QEvent::KeyPress: {
            const auto* tecla = static_cast<QKeyEvent*>(evento);
            if (tecla->matches(QKeySequence::Paste)) return portapapeles->text();
            if (EsTexto(*tecla)) return tecla->text();
            break;
        }
        case QEvent::InputMethod: {
            const QString texto = static_cast<QInputMethodEvent*>(evento)->commitString();
            if (!texto.isEmpty()) return texto;
            break;
        }
        case QEvent::Drop: {
            const QMimeData* datos = static_cast<QDropEvent*>(evento)->mimeData();
            if (datos && datos->hasText()) return datos->text();
            break;
        }
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(evento)->button() == Qt::MiddleButton && portapapeles->supportsSelection())
                return portapapeles->text(QClipboard::Selection);
            break;
        default: break;
    }
    return std::nullopt;
}

}  // namespace

VigiaInsercion::VigiaInsercion(QLineEdit* caja, std::function<void()> despues)
    : QObject(caja), caja_(caja), despues_(std::move(despues)) {
    caja->installEventFilter(this);
}

bool VigiaInsercion::eventFilter(QObject*, QEvent* evento) {
    // The box is looked at only for these: it hears others while it is being destroyed.
    // A box whose menu is not the standard one keeps its own handling.
    const bool menu = evento->type() == QEvent::ContextMenu && caja_->contextMenuPolicy() == Qt::DefaultContextMenu;
    const auto texto = menu ? std::nullopt : TextoInsertado(evento);
    if ((!menu && !texto) || texto_ || caja_->isReadOnly()) return false;
    if (menu) {
        Menu(static_cast<QContextMenuEvent*>(evento)->globalPos());
        return true;
    }
    bool atendido = false;
    // QObject::event is public: the box handles the event as it would have, inside the span.
    Insertar(*texto, [&] { atendido = static_cast<QObject*>(caja_)->event(evento); });
    return atendido;
}

void VigiaInsercion::Insertar(const QString& texto, const std::function<void()>& hacer) {
    const QPointer<VigiaInsercion> vivo(this);
    texto_ = texto;
    hacer();
    if (!vivo) return;
    texto_.reset();
    if (despues_) despues_();
}

void VigiaInsercion::Menu(QPoint donde) {
    // The box's own menu, its Paste run inside a span.
    QMenu* menu = caja_->createStandardContextMenu();
    for (QAction* accion : menu->actions()) {
        // Paste is the action that calls the box's paste(), whichever way the toolkit connects it.
        if (!disconnect(accion, &QAction::triggered, caja_, &QLineEdit::paste) &&
            !disconnect(accion, nullptr, caja_, SLOT(paste())))
            continue;
        connect(accion, &QAction::triggered, caja_,
                [this] { Insertar(QGuiApplication::clipboard()->text(), [this] { caja_->paste(); }); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(donde);
}

}  // namespace oxalde
