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
    // Runs when the control loses the focus to another control of this window.
    void AlPerderFoco(QWidget* control, std::function<void()> manejador);
    // A display-only box: when it gets the focus (and `cuando` allows, if given) it passes it on
    // with a queued Tab, or a Backtab when the focus came backwards, so it never keeps it.
    void PasarAlEntrar(QWidget* control, std::function<bool()> cuando = {});

    // Marks the window as unloading: no lost-focus handler runs from then on.
    void Descargando() { descargando_ = true; }

    // Stores the control being edited (the last one given the focus or typed into whose
    // lost-focus handler has not run since) through that handler, as leaving it would. Where
    // no focus event says so (a window left inactive after a message box, where a focus move
    // sends no event), the handler runs at the window's next key, click or access key that
    // finds the focus elsewhere; an action that reads the record with the focus still in the
    // box (an access key, a picture) calls this first. The handler runs once per edit.
    void TerminarEdicion();
    // The same for the entry window that holds `control`, if any.
    static void TerminarEdicion(QWidget* control);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    struct Manejadores;
    Manejadores& De(QWidget* control);

    // Whether the control that holds the window's focus is no longer the one being edited.
    bool EdicionDejada() const;

    QPointer<QWidget> ventana_;
    QPointer<QWidget> editando_;
    bool enterComoTab_ = true;
    bool descargando_ = false;
};

}  // namespace oxalde
