#pragma once
// Our numeric input box. Windows write its value as the text to show (an amount in currency
// units, a year, a length) and read it back locale-neutral: an amount box in whole cents
// ("123456", "-500"), an integer box as digits with the leading zeros of its format ("01" for
// "00"), a decimal box (lengths in metres) with a point ("12.35"); an empty box reads "". Only
// the shown text carries the display format: "." groups thousands, "," marks the decimals.
#include <QLineEdit>
#include <functional>

namespace oxalde {

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
    int maxlength() const { return maxLength(); }
    void maxlength(int n) { setMaxLength(n); }
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

private:
    QString Insertar(const QString& antes, const QString& insertado, const QString& despues);
    void Mostrar(const std::optional<double>& numero);

    Modo modo_ = Entero;
    QString formato_;
    QString texto_;
    int decimales_ = 0;
    int enteros_ = 13;
    bool escribiendo_ = false;  // our own writes pass the typing rules untouched
    std::optional<double> ultimo_;
};

// The number of a written value: "," is the decimal mark when there is one (and "." then
// groups thousands); without a comma a single "." followed by one to `decimales` digits is the
// decimal mark, any other "." groups thousands.
std::optional<double> LeerNumero(const QString& texto, int decimales);

}  // namespace oxalde
