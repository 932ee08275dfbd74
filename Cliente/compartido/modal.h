#pragma once
// Modal windows (language, preferences, about, printing, the version check's outcome) are shown
// through MostrarModal, so that tests can drive them: a modal window never returns in a headless
// run unless something closes it.
#include <QPointer>
#include <QWidget>
#include <functional>

class QDialog;

namespace oxalde {

// The window that opens a window over it: `dueno` when given, else the active window, else the
// main window (none while the program starts). Its activation goes back to it when the window
// over it closes, for as long as this lives: where nothing hands it back (a display without a
// window manager, one that does not refocus the owner), no window would be active, and the keys
// typed next would reach nothing, or a box that hears of no focus change and none of the
// window's access keys.
class VentanaQueAbre {
public:
    explicit VentanaQueAbre(QWidget* dueno);
    ~VentanaQueAbre();
    VentanaQueAbre(const VentanaQueAbre&) = delete;
    VentanaQueAbre& operator=(const VentanaQueAbre&) = delete;

    QWidget* Ventana() const { return ventana_; }

private:
    QPointer<QWidget> ventana_;
};

// Gives the activation back to `ventana`'s window, as a window over it closes.
void DevolverActivacion(QWidget* ventana);

// Shows the window modally and answers its result (QDialog::Accepted or Rejected); the window
// that opened it (its parent's, else the active one) is active again afterwards.
int MostrarModal(QDialog& ventana);

// Tests put a function here that plays the user's part instead; an empty one restores exec().
using ConductorModal = std::function<int(QDialog& ventana)>;
void EstablecerConductorModal(ConductorModal conductor);

}  // namespace oxalde
