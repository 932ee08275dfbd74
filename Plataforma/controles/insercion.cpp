#include "controles/insercion.h"

#include <QEvent>
#include <QLineEdit>
#include <utility>

#include "controles/vigia_insercion.h"

namespace oxalde {

namespace {
constexpr int kSinLimite = 32767;  // a box's length when none is set
}

ValidadorInsercion::ValidadorInsercion(QLineEdit* caja, Regla regla)
    : QValidator(caja),
      caja_(caja),
      vigia_(new VigiaInsercion(caja, [this] { InsertarFiltrado(); })),
      regla_(std::move(regla)),
      anterior_(caja->text()),
      limite_(kSinLimite) {
    caja->setValidator(this);
    // After the watcher's, so that it runs first: the limit is taken over before an insertion.
    caja->installEventFilter(this);
    connect(caja, &QLineEdit::textChanged, this, [this](const QString& t) { anterior_ = t; });
}

int ValidadorInsercion::Limite() {
    // A length set on the box since the last look becomes ours.
    if (caja_->maxLength() != kSinLimite) {
        limite_ = caja_->maxLength();
        const int cursor = caja_->cursorPosition();
        const int inicio = caja_->selectionStart();
        const int largo = int(caja_->selectedText().size());
        caja_->setMaxLength(kSinLimite);
        if (inicio >= 0) caja_->setSelection(inicio, largo);
        else caja_->setCursorPosition(cursor);
    }
    return limite_;
}

bool ValidadorInsercion::eventFilter(QObject*, QEvent* evento) {
    // Every road by which the user inserts text starts with one of these.
    switch (evento->type()) {
        case QEvent::KeyPress:
        case QEvent::InputMethod:
        case QEvent::MouseButtonPress:
        case QEvent::ContextMenu:
        case QEvent::DragEnter:
        case QEvent::Drop:
        case QEvent::FocusIn:
        case QEvent::Show: Limite(); break;
        default: break;
    }
    return false;
}

void ValidadorInsercion::InsertarFiltrado() {
    if (!filtrado_) return;
    const QString texto = *std::exchange(filtrado_, std::nullopt);
    reinsertando_ = true;
    caja_->insert(texto);
    reinsertando_ = false;
}

QValidator::State ValidadorInsercion::validate(QString& texto, int& posicion) const {
    if (reinsertando_) return Acceptable;
    // The box has already changed its text when it asks: compare with the last text it showed.
    const QString& antes = anterior_;
    qsizetype prefijo = 0;
    const qsizetype comun = std::min(antes.size(), texto.size());
    while (prefijo < comun && antes[prefijo] == texto[prefijo]) ++prefijo;
    qsizetype sufijo = 0;
    while (sufijo < comun - prefijo && antes[antes.size() - 1 - sufijo] == texto[texto.size() - 1 - sufijo])
        ++sufijo;
    const QString insertado = texto.mid(prefijo, texto.size() - prefijo - sufijo);
    if (insertado.isEmpty()) return Acceptable;
    const QString cabeza = texto.left(prefijo);
    const QString cola = texto.right(sufijo);
    // Filtered first, then cut to the room the box has left.
    const qsizetype sitio = std::max<qsizetype>(0, std::min<qsizetype>(limite_, caja_->maxLength()) - prefijo - sufijo);
    const QString nuevo = regla_(cabeza, insertado, cola).left(sitio);
    // Input refused whole is undone by the box itself, which gives back the text it replaced and
    // its selection (head and tail alone would erase the selected text). A text written by code
    // has no undo history: it is filtered like the rest.
    if (nuevo.isEmpty() && caja_->isUndoAvailable()) return Invalid;
    // A text changed here would wipe the box's undo history: the user's insertion is undone
    // instead, and the filtered text inserted once it is over, one step to undo.
    if (nuevo != insertado && vigia_->Insertando() && caja_->isUndoAvailable()) {
        filtrado_ = nuevo;
        return Invalid;
    }
    if (nuevo != insertado) {
        texto = cabeza + nuevo + cola;
        posicion = int(prefijo + nuevo.size());
    }
    return Acceptable;
}

QString FiltrarTexto(const QString& texto, const std::function<char32_t(char32_t)>& filtro) {
    QString r;
    for (char32_t c : texto.toUcs4()) {
        const char32_t f = filtro(c);
        if (f != 0) r += QString::fromUcs4(&f, 1);
    }
    return r;
}

}  // namespace oxalde
