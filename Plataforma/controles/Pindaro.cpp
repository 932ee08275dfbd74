#include "controles/Pindaro.h"

#include <QFocusEvent>
#include <cmath>

#include "controles/insercion.h"
#include "vb/formato.h"

namespace oxalde {

std::optional<double> LeerNumero(const QString& texto, int decimales) {
    QString t = texto.trimmed();
    if (t.isEmpty()) return std::nullopt;
    if (t.contains(u',')) {
        t.remove(u'.');
        t.replace(u',', u'.');
    } else {
        const qsizetype punto = t.indexOf(u'.');
        const qsizetype tras = t.size() - punto - 1;
        const bool decimal = punto >= 0 && t.count(u'.') == 1 && tras >= 1 && tras <= decimales;
        if (!decimal) t.remove(u'.');
    }
    bool ok = false;
    const double n = t.toDouble(&ok);
    return ok ? std::optional<double>(n) : std::nullopt;
}

Pindaro::Pindaro(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignRight);
    new ValidadorInsercion(this, [this](const QString& a, const QString& i, const QString& d) {
        return escribiendo_ ? i : Insertar(a, i, d);
    });
    connect(this, &QLineEdit::textChanged, this, [this] {
        const auto n = Numero();
        if (n == ultimo_) return;
        ultimo_ = n;
        emit cambio();
    });
}

QString Pindaro::Insertar(const QString& antes, const QString& insertado, const QString& despues) {
    QString r;
    bool coma = antes.contains(u',') || despues.contains(u',');
    for (char32_t c : insertado.toUcs4()) {
        if (KeyPress) KeyPress(c);
        if ((c == U'.' || c == U',') && decimales_ > 0 && !coma) {
            r += u',';
            coma = true;
        } else if (c >= U'0' && c <= U'9') {
            r += QChar(c);
        }
    }
    // Never more integer digits or decimals than the box allows.
    const QString todo = antes + r + despues;
    const qsizetype p = todo.indexOf(u',');
    const QString ent = p < 0 ? todo : todo.left(p), dec = p < 0 ? QString() : todo.mid(p + 1);
    auto digitos = [](const QString& s) { return std::count_if(s.begin(), s.end(), [](QChar c) { return c.isDigit(); }); };
    if (digitos(ent) > enteros_ || digitos(dec) > decimales_) return QString();
    return r;
}

std::optional<double> Pindaro::Numero() const { return LeerNumero(text(), decimales_); }

QString Pindaro::valor() const {
    const auto n = Numero();
    if (!n) return QString();
    switch (modo_) {
        case Importe: return QString::number(std::llround(*n * 100));
        case Decimal: return QString::number(*n, 'f', decimales_);
        case Entero: {
            const int ceros = int(formato_.count(u'0'));
            const long long v = std::llround(*n);
            QString s = QString::number(std::llabs(v)).rightJustified(ceros, u'0');
            return v < 0 ? u'-' + s : s;
        }
    }
    return QString();
}

void Pindaro::valor(const QString& t) { Mostrar(LeerNumero(t, std::max(decimales_, 2))); }

void Pindaro::texto(const QString& t) {
    texto_ = t;
    Mostrar(Numero());
}

void Pindaro::Mostrar(const std::optional<double>& numero) {
    const QString shown =
        numero ? QString::fromStdString(vb::Format(*numero, formato_.isEmpty() ? "0" : formato_.toStdString()))
               : QString();
    escribiendo_ = true;
    if (shown != text()) setText(shown);
    escribiendo_ = false;
}

QColor Pindaro::backcolor() const { return palette().color(QPalette::Base); }

void Pindaro::backcolor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::Base, color);
    setPalette(p);
}

int Pindaro::SelStart() const { return hasSelectedText() ? selectionStart() : cursorPosition(); }

void Pindaro::SelStart(int inicio) { setCursorPosition(inicio); }

void Pindaro::SelLength(int largo) { setSelection(SelStart(), largo); }

void Pindaro::focusOutEvent(QFocusEvent* evento) {
    QLineEdit::focusOutEvent(evento);
    // What was typed is shown in the display format once the box is left.
    if (evento->reason() != Qt::PopupFocusReason && evento->reason() != Qt::ActiveWindowFocusReason)
        Mostrar(Numero());
}

}  // namespace oxalde
