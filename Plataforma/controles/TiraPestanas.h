#pragma once
// Our tab strip: tabs of one fixed width, as the windows lay them out, whatever their captions.
#include <QTabBar>

namespace oxalde {

class TiraPestanas : public QTabBar {
public:
    explicit TiraPestanas(QWidget* parent = nullptr) : QTabBar(parent) {}

    // Width of every tab in pixels; 0 sizes each tab by its caption.
    int TabFixedWidth() const { return ancho_; }
    void TabFixedWidth(int pixeles) {
        ancho_ = pixeles;
        updateGeometry();
        update();
    }

protected:
    QSize tabSizeHint(int indice) const override {
        QSize tamano = QTabBar::tabSizeHint(indice);
        if (ancho_ > 0) tamano.setWidth(ancho_);
        return tamano;
    }

private:
    int ancho_ = 0;
};

}  // namespace oxalde
