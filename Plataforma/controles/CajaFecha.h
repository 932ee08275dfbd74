#pragma once
// Our masked date box. What the program reads is the text as shown, blanks of the mask
// included ("__/__/____" when empty, "15/03/____" half typed): QLineEdit::text() would drop
// them, so the box reads only through Text(). Given the focus by code, by Tab or by an access
// key, the box puts the cursor on its first blank, or on its first place when it has none, so
// that digits typed at once are taken (after the last blank they would be dropped). A key or a
// paste the mask refuses whole, or one with no digit that would take digits away, leaves the
// date and its selection as they were.
#include <QLineEdit>

namespace oxalde {

class CajaFecha : public QLineEdit {
    Q_OBJECT
public:
    explicit CajaFecha(QWidget* parent = nullptr);

    // The text with the mask's blanks as "_".
    QString Text() const { return displayText(); }
    // Blanks may be written as "_".
    void Text(const QString& texto) { setText(texto); }

    // Read through Text(): the bare text has lost the blanks.
    QString text() const = delete;

protected:
    void focusInEvent(QFocusEvent* evento) override;
};

}  // namespace oxalde
