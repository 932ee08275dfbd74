#pragma once
// Our numeric input box. The entry windows write its value as the text to show (an amount in currency
// units, a year, a length) and read it back locale-neutral: an amount box in whole cents
// ("123456", "-500"), an integer box as digits with the leading zeros of its format ("01" for
// "00"), a decimal box (lengths in metres) with a point ("12.35"); an empty box reads "". Only
// the shown text carries the display format: "." groups thousands, "," marks the decimals.
// Values are read and shown by their decimal digits, so reading back what the box shows gives
// exactly the value it was given. A value wider than the box is shown in a smaller letter, down
// to 5 points, rather than scrolled; the box's own letter comes back once the value fits it.
#include <QLineEdit>
#include <functional>
#include <optional>

#include "vb/decimal.h"

namespace oxalde {

class ValidadorInsercion;

class Pindaro : public QLineEdit {
    Q_OBJECT
public:
    enum Modo { Importe, Entero, Decimal };

    explicit Pindaro(QWidget* parent = nullptr);

    // What the box reads as (see above); set it first.
    Modo modo() const { return modo_; }
    void modo(Modo m) { modo_ = m; }

    // The value: written as the text to show, read back locale-neutral.
    QString valor() const;
    void valor(const QString& texto);
    // Written after each write of the value: shows the value in the display format.
    QString texto() const { return texto_; }
    void texto(const QString& t);

    QString formato() const { return formato_; }
    void formato(const QString& f) { formato_ = f; }
    int decimales() const { return decimales_; }
    void decimales(int n) { decimales_ = n; }
    int enteros() const { return enteros_; }
    void enteros(int n) { enteros_ = n; }
    bool locked() const { return isReadOnly(); }
    void locked(bool l) { setReadOnly(l); }
    QColor backcolor() const;
    void backcolor(const QColor& color);
    // The length of the shown text; a pasted text is filtered first, then cut to it.
    int maxlength() const;
    void maxlength(int n);
    bool Enabled() const { return isEnabled(); }
    void Enabled(bool e) { setEnabled(e); }

    QString Text() const { return text(); }
    int SelStart() const;
    void SelStart(int inicio);
    int SelLength() const { return int(selectedText().size()); }
    void SelLength(int largo);

    // Key notification: each typed or pasted character, before it is taken; set it to 0 to
    // refuse it.
    std::function<void(char32_t& codigo)> KeyPress;

    // The number the shown text holds, or nothing when it is empty or no number.
    std::optional<double> Numero() const;

signals:
    // The shown value has changed, by typing or by a write of the value.
    void cambio();

protected:
    void focusOutEvent(QFocusEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void changeEvent(QEvent* evento) override;

private:
    QString Insertar(const QString& antes, const QString& insertado, const QString& despues);
    void Mostrar(const std::optional<vb::Decimal>& numero);
    bool Agrupa() const;
    void AjustarLetra();

    Modo modo_ = Entero;
    QString formato_;
    QString texto_;
    int decimales_ = 0;
    int enteros_ = 13;
    bool escribiendo_ = false;  // our own writes pass the typing rules untouched
    std::optional<double> ultimo_;
    ValidadorInsercion* validador_;
    QFont letraDiseno_;            // the letter the box was given; shrunk only while the text needs it
    bool ajustandoLetra_ = false;  // our own change of letter is not a new design letter
};

// The number of a shown, typed or written text, in the display layout: "." groups the integer
// digits, the first "," is the decimal point ("1.234,5" is 1234.5); nothing when the text is
// empty or no number.
std::optional<vb::Decimal> LeerNumero(const QString& texto);

// The width in pixels that a line box has for its text without scrolling it.
int AnchoTextoCaja(const QLineEdit& caja);

}  // namespace oxalde
