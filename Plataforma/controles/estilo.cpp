#include "controles/estilo.h"

#include <QApplication>
#include <QHash>
#include <QStyleOption>

namespace oxalde {

namespace {

// The palette's brushes, colour and pattern one after another: equal texts, equal palettes
// for drawing. Empty for a palette with a picture or gradient brush, which stays its own.
QByteArray Pinceles(const QPalette& p) {
    QByteArray r;
    for (int g = 0; g < QPalette::NColorGroups; ++g)
        for (int c = 0; c < QPalette::NColorRoles; ++c) {
            const QBrush& pincel = p.brush(QPalette::ColorGroup(g), QPalette::ColorRole(c));
            if (pincel.gradient() || pincel.style() == Qt::TexturePattern) return {};
            const QRgb rgb = pincel.color().rgba();
            r.append(reinterpret_cast<const char*>(&rgb), sizeof rgb).append(char(pincel.style()));
        }
    const quint64 mascara = p.resolveMask();
    return r.append(reinterpret_cast<const char*>(&mascara), sizeof mascara);
}

// The shared palette with the brushes of `p`.
QPalette Compartida(const QPalette& p) {
    static QHash<QByteArray, QPalette> porPinceles;
    static QHash<qint64, QPalette> recientes;  // by the palette's identity, emptied when large
    if (auto it = recientes.constFind(p.cacheKey()); it != recientes.cend()) return *it;
    const QByteArray clave = Pinceles(p);
    if (clave.isEmpty()) return p;
    auto it = porPinceles.constFind(clave);
    if (it == porPinceles.cend()) it = porPinceles.insert(clave, p);
    if (recientes.size() > 256) recientes.clear();
    recientes.insert(p.cacheKey(), *it);
    return *it;
}

// Draws with the shared palette in the option, then gives the option its own back.
template <class Dibujo>
void ConPaletaCompartida(const QStyleOption* opcion, Dibujo dibujo) {
    if (!opcion) return dibujo();
    auto* o = const_cast<QStyleOption*>(opcion);
    const QPalette propia = o->palette;
    o->palette = Compartida(propia);
    o->palette.setCurrentColorGroup(propia.currentColorGroup());
    dibujo();
    o->palette = propia;
}

}  // namespace

void EstiloCompartido::drawPrimitive(PrimitiveElement elemento, const QStyleOption* opcion, QPainter* pintor,
                                     const QWidget* widget) const {
    ConPaletaCompartida(opcion, [&] { QProxyStyle::drawPrimitive(elemento, opcion, pintor, widget); });
}

void EstiloCompartido::drawControl(ControlElement elemento, const QStyleOption* opcion, QPainter* pintor,
                                   const QWidget* widget) const {
    ConPaletaCompartida(opcion, [&] { QProxyStyle::drawControl(elemento, opcion, pintor, widget); });
}

void EstiloCompartido::drawComplexControl(ComplexControl control, const QStyleOptionComplex* opcion, QPainter* pintor,
                                          const QWidget* widget) const {
    ConPaletaCompartida(opcion, [&] { QProxyStyle::drawComplexControl(control, opcion, pintor, widget); });
}

void InstalarEstiloCompartido() {
    if (dynamic_cast<EstiloCompartido*>(QApplication::style())) return;
    QApplication::setStyle(new EstiloCompartido(QApplication::style()->name()));
}

QIcon EstiloCompartido::standardIcon(StandardPixmap dibujo, const QStyleOption* opcion, const QWidget* widget) const {
    // The pictures depend on the picture asked for and the direction of writing only.
    const bool derecha = opcion ? opcion->direction == Qt::RightToLeft : QGuiApplication::isRightToLeft();
    const int clave = int(dibujo) * 2 + derecha;
    auto it = iconos_.constFind(clave);
    if (it == iconos_.cend()) it = iconos_.insert(clave, QProxyStyle::standardIcon(dibujo, opcion, widget));
    return *it;
}

}  // namespace oxalde
