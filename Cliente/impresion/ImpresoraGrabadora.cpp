#include "impresion/ImpresoraGrabadora.h"

#include <QStringList>

namespace oxalde {

QString Llamada::Describir() const {
    auto n = [](double v) { return QString::number(v, 'f', 2); };
    QString s = op;
    if (op != QLatin1String("EndDoc") && op != QLatin1String("KillDoc"))
        s += u' ' + n(x1) + u' ' + n(y1) + u' ' + n(x2) + u' ' + n(y2);
    if (!texto.isEmpty()) s += QStringLiteral(" \"") + texto + u'"';
    if (op == QLatin1String("Print"))
        s += u' ' + fuente + u' ' + QString::number(tamano) + (negrita ? QStringLiteral(" B") : QString()) +
             (cursiva ? QStringLiteral(" I") : QString()) + (subrayado ? QStringLiteral(" U") : QString());
    if (op == QLatin1String("Line") || op == QLatin1String("Box"))
        s += QStringLiteral(" w") + QString::number(drawWidth);
    return s;
}

Llamada ImpresoraGrabadora::Nueva(const QString& op, const QRectF& caja) const {
    Llamada l;
    l.op = op;
    l.x1 = caja.left();
    l.y1 = caja.top();
    l.x2 = caja.right();
    l.y2 = caja.bottom();
    l.fuente = FontName();
    l.tamano = FontSize();
    l.negrita = FontBold();
    l.cursiva = FontItalic();
    l.subrayado = FontUnderline();
    l.color = ForeColor();
    l.ancho = AnchoLinea();
    l.drawWidth = DrawWidth();
    return l;
}

void ImpresoraGrabadora::Anotar(Llamada llamada) {
    if (alDibujar) alDibujar(llamada);
    abierto_ = true;
    llamadas.push_back(std::move(llamada));
}

void ImpresoraGrabadora::Trazar(const QLineF& linea, vb::Long color, double) {
    Llamada l = Nueva(QStringLiteral("Line"), QRectF(linea.p1(), linea.p2()));
    l.color = color;
    Anotar(l);
}

void ImpresoraGrabadora::Enmarcar(const QRectF& caja, vb::Long color, double) {
    Llamada l = Nueva(QStringLiteral("Box"), caja);
    l.color = color;
    Anotar(l);
}

void ImpresoraGrabadora::Rellenar(const QRectF& caja, vb::Long color) {
    Llamada l = Nueva(QStringLiteral("Fill"), caja);
    l.color = color;
    Anotar(l);
}

void ImpresoraGrabadora::Pintar(const QString& nombre, const QImage&, const QRectF& caja) {
    Llamada l = Nueva(QStringLiteral("Picture"), caja);
    l.texto = nombre;
    Anotar(l);
}

void ImpresoraGrabadora::Escribir(const QString& texto, const QPointF& arriba, double) {
    Llamada l = Nueva(QStringLiteral("Print"), QRectF(arriba, QSizeF(TextWidth(texto), TextHeight(texto))));
    l.texto = texto;
    Anotar(l);
}

void ImpresoraGrabadora::EndDoc() {
    if (!abierto_) return;
    abierto_ = false;
    llamadas.push_back(Nueva(QStringLiteral("EndDoc"), {}));
}

void ImpresoraGrabadora::KillDoc() {
    if (!abierto_) return;
    abierto_ = false;
    llamadas.push_back(Nueva(QStringLiteral("KillDoc"), {}));
}

std::vector<Llamada> ImpresoraGrabadora::De(const QString& op) const {
    std::vector<Llamada> r;
    for (const Llamada& l : llamadas)
        if (l.op == op) r.push_back(l);
    return r;
}

QStringList ImpresoraGrabadora::Textos() const {
    QStringList r;
    for (const Llamada& l : llamadas)
        if (l.op == QLatin1String("Print")) r << l.texto;
    return r;
}

QString ImpresoraGrabadora::Registro() const {
    QStringList r;
    for (const Llamada& l : llamadas) r << l.Describir();
    return r.join(u'\n');
}

}  // namespace oxalde
