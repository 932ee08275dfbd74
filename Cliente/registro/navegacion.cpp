#include "registro/navegacion.h"

#include <QPointer>
#include <QTimer>

#include "compartido/ventana_principal.h"
#include "compartido/VentanaHija.h"

namespace oxalde {

void MostrarSiguiente(std::function<VentanaHija*()> crear, std::function<void(std::exception_ptr)> siFalla) {
    VentanaPrincipal* principal = VentanaPrincipal::Actual();
    if (!principal) return;
    // The widget tells whether the main window is still there when the timer fires.
    QPointer<QWidget> ventana = principal->Ventana();
    QTimer::singleShot(0, ventana, [principal, ventana, crear = std::move(crear), siFalla = std::move(siFalla)] {
        if (!ventana || !ventana->isVisible()) return;
        try {
            principal->MostrarHija(crear());
        } catch (...) {
            if (!siFalla) throw;
            siFalla(std::current_exception());
        }
    });
}

}  // namespace oxalde
