#pragma once
// The keyboard and focus conventions every entry window shares: Enter moves to the next
// control (and still reaches the control it was pressed in), an editable box selects its text
// when it gets the focus, key filters also apply to text pasted or dropped into a box, and
// lost-focus handlers run only for focus moves inside the window, never when the window loses
// the activation, a popup opens, the control is being hidden, or the window is being unloaded.
#include <QObject>
#include <QPointer>
#include <functional>

class QLineEdit;
class QWidget;

namespace oxalde {

// A key filter: the character to keep (possibly another one), or 0 to drop it.
using FiltroTecla = std::function<char32_t(char32_t)>;

// Every character that reaches the box, typed, pasted, dropped or written by code, passes
// through the filter first.
void FiltrarTeclas(QLineEdit* caja, FiltroTecla filtro);

class EntradaVentana : public QObject {
    Q_OBJECT
public:
    // Belongs to the window; Enter as Tab is on from the start.
    explicit EntradaVentana(QWidget* ventana);

    // Suspends Enter as Tab (a window does while one of its look-up lists is open).
    void EnterComoTab(bool activo) { enterComoTab_ = activo; }
    bool EnterComoTab() const { return enterComoTab_; }

    // The box selects its whole text each time it gets the focus.
    void SeleccionarAlEntrar(QWidget* caja);
    // Runs when the control gets the focus / loses it to another control of this window.
    void AlRecibirFoco(QWidget* control, std::function<void()> manejador);
    void AlPerderFoco(QWidget* control, std::function<void()> manejador);

    // Marks the window as unloading: no lost-focus handler runs from then on.
    void Descargando() { descargando_ = true; }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    struct Manejadores;
    Manejadores& De(QWidget* control);

    QPointer<QWidget> ventana_;
    bool enterComoTab_ = true;
    bool descargando_ = false;
};

}  // namespace oxalde
