#include "controles/controles.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QRadioButton>

namespace oxalde {

void EstablecerCasilla(QCheckBox* casilla, bool marcada) {
    if (casilla->isChecked() == marcada) return;
    casilla->setChecked(marcada);
    emit casilla->clicked(marcada);
}

void EstablecerOpcion(QRadioButton* opcion) {
    opcion->setChecked(true);
    emit opcion->clicked(true);
}

bool CabeTexto(const QFont& letra, const QString& texto, int ancho) {
    return QFontMetrics(letra).horizontalAdvance(texto) <= ancho;
}

QFont LetraQueCabe(QFont letra, const QString& texto, int ancho, double minimo) {
    while (!CabeTexto(letra, texto, ancho) && letra.pointSizeF() > minimo)
        letra.setPointSizeF(letra.pointSizeF() - 0.5);
    return letra;
}

namespace {

void AjustarEtiqueta(QLabel* etiqueta) {
    const QString texto = QString(etiqueta->text()).remove(u'&');
    if (texto.isEmpty() || texto.count(u'.') == texto.size() || etiqueta->wordWrap() || !etiqueta->pixmap().isNull() ||
        etiqueta->textFormat() == Qt::RichText)
        return;
    const int ancho = etiqueta->contentsRect().width();
    const QFont letra = LetraQueCabe(etiqueta->font(), texto, ancho);
    if (letra != etiqueta->font()) etiqueta->setFont(letra);
    if (CabeTexto(letra, texto, ancho)) return;
    etiqueta->setWordWrap(true);
    const int alto = etiqueta->heightForWidth(etiqueta->width());
    if (alto <= etiqueta->height()) return;
    const QRect antes = etiqueta->geometry();
    etiqueta->setGeometry(antes.x(), antes.center().y() - alto / 2, antes.width(), alto);
}

}  // namespace

void AjustarEtiquetas(QWidget* ventana) {
    for (QLabel* etiqueta : ventana->findChildren<QLabel*>()) AjustarEtiqueta(etiqueta);
}

int TwipsAPixeles(const QWidget* widget, int twips) { return twips * widget->logicalDpiX() / 1440; }

void ColocarEnTwips(QWidget* control, int x, int y, int ancho, int alto) {
    control->setGeometry(TwipsAPixeles(control, x), TwipsAPixeles(control, y), TwipsAPixeles(control, ancho),
                         TwipsAPixeles(control, alto));
}

void Negrita(QWidget* control) {
    QFont letra = control->font();
    letra.setBold(true);
    control->setFont(letra);
}

QFrame* LineaHundida(QWidget* padre) {
    auto* linea = new QFrame(padre);
    linea->setFrameShape(QFrame::HLine);
    linea->setFrameShadow(QFrame::Sunken);
    return linea;
}

EtiquetaEnlace::EtiquetaEnlace(QWidget* parent) : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
    QPalette paleta = palette();
    paleta.setColor(QPalette::WindowText, Qt::blue);
    setPalette(paleta);
}

// The release is accepted before the click is reported: it goes no further (to a parent the
// click may have closed).
void EtiquetaEnlace::mouseReleaseEvent(QMouseEvent* evento) {
    const bool click = evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint());
    evento->accept();
    if (click) emit clicked();
}

void EtiquetaEnlace::mousePressEvent(QMouseEvent* evento) { evento->accept(); }

}  // namespace oxalde
