#include "compartido/VentanaHija.h"

#include <QCloseEvent>
#include <QMdiSubWindow>

#include "compartido/mostrar_error.h"
#include "compartido/ventana_principal.h"

namespace oxalde {

VentanaHija::VentanaHija(const QString& nombre, QWidget* parent) : QWidget(parent) {
    setObjectName(nombre);
}

void VentanaHija::Cargar() { Form_Load(); }

void VentanaHija::Activar() { Form_Activate(); }

// A window is never deleted while one of its own events is being handled: its frame (or the
// window itself) is deleted once control is back in the event loop. The window is not marked
// for deletion on close itself: its frame closes it from inside the frame's own close event, and
// a deletion asked from there would already run in any event processing of the handler that
// asked for the unload (a window opened next may let pending events run while it loads).
void VentanaHija::Descargar() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        sub->close();
    } else {
        close();
        deleteLater();
    }
}

void VentanaHija::DarPasoA(const std::function<void(VentanaPrincipal&)>& abrir) {
    VentanaPrincipal* principal = VentanaPrincipal::Actual();
    if (!principal) {
        Descargar();
        return;
    }
    try {
        abrir(*principal);
    } catch (...) {
        MostrarError(ErrorDe(std::current_exception()), this);
    }
}

void VentanaHija::closeEvent(QCloseEvent* evento) {
    evento->accept();
    if (descargada_) return;
    descargada_ = true;
    Form_Unload();
    emit descargada();
}

}  // namespace oxalde
