#pragma once
// The application's style, sharing its cached drawings between windows. The style caches the
// pictures of buttons, headers and frames under the identity of the palette they were drawn
// with, and every widget whose palette is set (or whose parent's is) gets a palette of its own:
// each window opened would add pictures nobody can find again, up to the cache's limit. This
// style draws with one palette per set of colours instead. Standard icons are cached the same
// way under the identity of their pictures: it makes each one once.
#include <QHash>
#include <QIcon>
#include <QProxyStyle>

namespace oxalde {

class EstiloCompartido : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement elemento, const QStyleOption* opcion, QPainter* pintor,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement elemento, const QStyleOption* opcion, QPainter* pintor,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* opcion, QPainter* pintor,
                            const QWidget* widget = nullptr) const override;
    QIcon standardIcon(StandardPixmap dibujo, const QStyleOption* opcion = nullptr,
                       const QWidget* widget = nullptr) const override;

private:
    mutable QHash<int, QIcon> iconos_;
};

// Puts the style over the application's current one.
void InstalarEstiloCompartido();

}  // namespace oxalde
