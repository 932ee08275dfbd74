#include "controles/ComboLista.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QSignalBlocker>

namespace oxalde {

ComboLista::ComboLista(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // The list that opens while typing: the entries beginning with the typed text.
    auto* lista = new QCompleter(model(), this);
    lista->setCompletionMode(QCompleter::PopupCompletion);
    lista->setCaseSensitivity(Qt::CaseInsensitive);
    lista->setFilterMode(Qt::MatchStartsWith);
    setCompleter(lista);
    connect(lista, qOverload<const QString&>(&QCompleter::activated), this,
            [this](const QString& texto) { ListIndex(findText(texto, Qt::MatchFixedString)); });
    // The first entry added to an empty list is not selected (the box selects it by itself).
    connect(model(), &QAbstractItemModel::rowsAboutToBeInserted, this, [this] { llenando_ = currentIndex() < 0; });
    connect(model(), &QAbstractItemModel::rowsInserted, this, [this] {
        if (!llenando_) return;
        llenando_ = false;
        if (currentIndex() < 0) return;
        const QSignalBlocker bloqueo(this);
        setCurrentIndex(-1);
        setEditText(QString());
    });
    // A text written while the user is elsewhere shows from its start.
    connect(this, &QComboBox::editTextChanged, this, [this] {
        if (!hasFocus()) lineEdit()->setCursorPosition(0);
    });
    connect(this, &QComboBox::currentIndexChanged, this, [this](int indice) {
        if (indice >= 0 && !llenando_) emit Click();
    });
}

void ComboLista::ListIndex(int indice) {
    setCurrentIndex(indice);
    setEditText(indice >= 0 ? itemText(indice) : QString());
}

bool ComboLista::Locked() const { return lineEdit()->isReadOnly(); }

void ComboLista::Locked(bool bloqueado) { lineEdit()->setReadOnly(bloqueado); }

QColor ComboLista::BackColor() const { return palette().color(QPalette::Base); }

void ComboLista::BackColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::Base, color);
    setPalette(p);
}

void ComboLista::Desplegar() {
    if (Locked() || count() == 0) return;
    completer()->setCompletionPrefix(currentText());
    completer()->complete();
}

}  // namespace oxalde
