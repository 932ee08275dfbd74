#pragma once
// Watches the roads by which the user inserts text into a box: a typed character, a paste (by
// its keys, the context menu or the middle button), a drop, an input method's text. Each runs
// inside a span that tells the box's validator what is being inserted; deletions, undo and
// writes from code run outside any span.
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QLineEdit;

namespace oxalde {

class VigiaInsercion : public QObject {
public:
    // Install it before any other event filter of the box: it hands the insertion to the box
    // itself, past the filters installed before it. `despues` runs once each insertion is over.
    VigiaInsercion(QLineEdit* caja, std::function<void()> despues = {});

    // The text being inserted; nothing outside an insertion.
    const std::optional<QString>& Insertando() const { return texto_; }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void Insertar(const QString& texto, const std::function<void()>& hacer);
    void Menu(QPoint donde);

    QLineEdit* caja_;
    std::function<void()> despues_;
    std::optional<QString> texto_;
};

}  // namespace oxalde
