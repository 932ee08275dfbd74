#include "controles/Pindaro.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionFrame>

#include "controles/controles.h"
#include "controles/insercion.h"
#include "vb/formato.h"

namespace oxalde {

std::optional<vb::Decimal> LeerNumero(const QString& texto) {
    QString t = texto.trimmed();
    const qsizetype coma = t.indexOf(u',');
    QString entera = coma < 0 ? t : t.left(coma);
    entera.remove(u'.');
    if (coma >= 0) entera += u'.' + t.mid(coma + 1);
    return vb::LeerDecimal(entera.toStdString());
}

int AnchoTextoCaja(const QLineEdit& caja) {
    QStyleOptionFrame panel;
    panel.initFrom(&caja);
    panel.lineWidth = caja.hasFrame() ? caja.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &panel, &caja) : 0;
    panel.features = QStyleOptionFrame::None;
    const QRect r =
        caja.style()->subElementRect(QStyle::SE_LineEditContents, &panel, &caja).marginsRemoved(caja.textMargins());
    // The box keeps two pixels on each side of its text, one after it for the cursor, and room
    // for the letters' overhang.
    return r.width() - 2 * 2 - 1 - 2;
}

Pindaro::Pindaro(QWidget* parent) : QLineEdit(parent), letraDiseno_(font()) {
    setAlignment(Qt::AlignRight);
    connect(this, &QLineEdit::textChanged, this, &Pindaro::AjustarLetra);
    validador_ = new ValidadorInsercion(this, [this](const QString& a, const QString& i, const QString& d) {
        return escribiendo_ ? i : Insertar(a, i, d);
    });
    connect(this, &QLineEdit::textChanged, this, [this] {
        const auto n = Numero();
        if (n == ultimo_) return;
        ultimo_ = n;
        emit cambio();
    });
}

// The box shows its integer digits grouped in thousands.
bool Pindaro::Agrupa() const { return formato_.left(formato_.indexOf(u'.')).contains(u','); }

QString Pindaro::Insertar(const QString& antes, const QString& insertado, const QString& despues) {
    QString r;
    bool coma = antes.contains(u',') || despues.contains(u',');
    // Where the box groups thousands a point groups the integer digits, as the box shows them, and
    // only a comma starts the decimals; elsewhere a point is the decimal comma too.
    const bool agrupa = Agrupa();
    const bool punto = agrupa && !antes.contains(u',');
    for (char32_t c : insertado.toUcs4()) {
        if (KeyPress) KeyPress(c);
        if ((c == U',' || (c == U'.' && !agrupa)) && decimales_ > 0 && !coma) {
            r += u',';
            coma = true;
        } else if (c == U'.' && punto && !coma) {
            r += u'.';
        } else if (c >= U'0' && c <= U'9') {
            r += QChar(c);
        }
    }
    // Never more integer digits or decimals than the box allows.
    const QString todo = antes + r + despues;
    const qsizetype p = todo.indexOf(u',');
    const QString ent = p < 0 ? todo : todo.left(p);
    const QString dec = p < 0 ? QString() : todo.mid(p + 1);
    auto digitos = [](const QString& s) {
        return std::count_if(s.begin(), s.end(), [](QChar c) { return c.isDigit(); });
    };
    if (digitos(ent) > enteros_ || digitos(dec) > decimales_) return QString();
    return r;
}

std::optional<double> Pindaro::Numero() const {
    const auto n = LeerNumero(text());
    if (!n) return std::nullopt;
    return QString::fromStdString(vb::Texto(*n)).toDouble();
}

QString Pindaro::valor() const {
    const auto n = LeerNumero(text());
    if (!n) return QString();
    switch (modo_) {
        case Importe: {
            const vb::Decimal d = vb::Redondear(*n, 2);
            const auto centimos = vb::LeerDecimal((d.negativo ? "-" : "") + d.entera + d.fraccion);
            return QString::fromStdString(vb::Texto(*centimos));
        }
        case Decimal: return QString::fromStdString(vb::Texto(vb::Redondear(*n, decimales_)));
        case Entero: {
            const vb::Decimal v = vb::Redondear(*n, 0);
            const QString s = QString::fromStdString(v.entera).rightJustified(formato_.count(u'0'), u'0');
            return v.negativo && !vb::EsCero(v) ? u'-' + s : s;
        }
    }
    return QString();
}

void Pindaro::valor(const QString& t) { Mostrar(LeerNumero(t)); }

void Pindaro::texto(const QString& t) {
    texto_ = t;
    Mostrar(LeerNumero(text()));
}

void Pindaro::Mostrar(const std::optional<vb::Decimal>& numero) {
    const QString shown =
        numero ? QString::fromStdString(vb::Format(*numero, formato_.isEmpty() ? "0" : formato_.toStdString()))
               : QString();
    escribiendo_ = true;
    if (shown != text()) setText(shown);
    escribiendo_ = false;
}

int Pindaro::maxlength() const { return validador_->Limite(); }

void Pindaro::maxlength(int n) {
    setMaxLength(n);
    validador_->Limite();
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
        Mostrar(LeerNumero(text()));
}

void Pindaro::AjustarLetra() {
    const QFont letra = LetraQueCabe(letraDiseno_, text(), AnchoTextoCaja(*this), kLetraMinimaImporte);
    if (letra == font()) return;
    ajustandoLetra_ = true;
    setFont(letra);
    ajustandoLetra_ = false;
}

void Pindaro::resizeEvent(QResizeEvent* evento) {
    QLineEdit::resizeEvent(evento);
    AjustarLetra();
}

void Pindaro::changeEvent(QEvent* evento) {
    QLineEdit::changeEvent(evento);
    if (evento->type() != QEvent::FontChange || ajustandoLetra_) return;
    letraDiseno_ = font();
    AjustarLetra();
}

void Pindaro::keyPressEvent(QKeyEvent* evento) {
    // The keypad's decimal key types the decimal comma, whatever the keyboard layout sends.
    const bool decimalTeclado = (evento->modifiers() & Qt::KeypadModifier) &&
                                (evento->key() == Qt::Key_Period || evento->key() == Qt::Key_Comma);
    if (!decimalTeclado) return QLineEdit::keyPressEvent(evento);
    QKeyEvent coma(evento->type(), Qt::Key_Comma, evento->modifiers(), QStringLiteral(","), evento->isAutoRepeat());
    QLineEdit::keyPressEvent(&coma);
    evento->setAccepted(coma.isAccepted());
}

}  // namespace oxalde
