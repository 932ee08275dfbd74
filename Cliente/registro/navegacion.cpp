#include "registro/navegacion.h"

#include <QPointer>
#include <QTimer>

#include "compartido/ventana_principal.h"
#include "compartido/VentanaHija.h"

namespace oxalde {

void MostrarSiguiente(std::function<VentanaHija*()> crear) {
    VentanaPrincipal* principal = VentanaPrincipal::Actual();
    if (!principal) return;
    // The widget tells whether the main window is still there when the timer fires.
    QPointer<QWidget> ventana = principal->Ventana();
    QTimer::singleShot(0, ventana, [principal, ventana, crear = std::move(crear)] {
        if (ventana && ventana->isVisible()) principal->MostrarHija(crear());
    });
}

}  // namespace oxalde
