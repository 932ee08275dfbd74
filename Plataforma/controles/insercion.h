#pragma once
// A validator that sees each change of a box as the text inserted between what stayed before
// and after it, and may replace that text: the one road by which typing, pasting, dropping and
// writing from code all pass, so a key filter cannot be bypassed. An insertion the rule keeps
// nothing of leaves the box as it was, the text it would have replaced still selected; one it
// filters is one step to undo, which gives back what was there before.
#include <QValidator>
#include <functional>
#include <optional>

class QLineEdit;

namespace oxalde {

class VigiaInsercion;

class ValidadorInsercion : public QValidator {
public:
    // (text before, inserted text, text after) -> the text to insert instead.
    using Regla = std::function<QString(const QString& antes, const QString& insertado, const QString& despues)>;

    // Installs itself on the box.
    ValidadorInsercion(QLineEdit* caja, Regla regla);

    State validate(QString& texto, int& posicion) const override;

    // The box's length limit. The box would cut a pasted text to its length before the rule
    // sees it ("a2b0c1d2e" into a 4-digit box giving "20"): the validator takes the limit
    // over, lifts the box's own, and cuts only what the rule kept.
    int Limite();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    // Inserts what the rule kept of the user's insertion just undone.
    void InsertarFiltrado();

    QLineEdit* caja_;
    VigiaInsercion* vigia_;
    Regla regla_;
    QString anterior_;
    int limite_;
    mutable std::optional<QString> filtrado_;  // to insert once the user's insertion is over
    bool reinsertando_ = false;
};

// Each character through the filter; those it turns into 0 are dropped.
QString FiltrarTexto(const QString& texto, const std::function<char32_t(char32_t)>& filtro);

}  // namespace oxalde
