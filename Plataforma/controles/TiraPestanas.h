#pragma once
// Our tab strip: tabs of one fixed width, as the windows lay them out, whatever their captions.
// It takes the focus before it changes tab, by a click, a tab's access key or the mouse wheel:
// the box being edited is left first, so its lost-focus handler stores what was typed (with its
// checks and messages) before the tab handler repaints and hides it. A handler that refuses the
// value takes the focus back to its box; the strip then does not hold the focus and leaves the
// tab as it was.
#include <QTabBar>

namespace oxalde {

class TiraPestanas : public QTabBar {
public:
    explicit TiraPestanas(QWidget* parent = nullptr);

    // Width of every tab in pixels; 0 sizes each tab by its caption.
    int TabFixedWidth() const { return ancho_; }
    void TabFixedWidth(int pixeles);

protected:
    QSize tabSizeHint(int indice) const override;
    bool event(QEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
#if QT_CONFIG(wheelevent)
    void wheelEvent(QWheelEvent* evento) override;
#endif

private:
    // Takes the focus from the control being edited; false when that control kept it.
    bool TomarFoco(Qt::FocusReason razon);

    int ancho_ = 0;
};

}  // namespace oxalde
