#include "registro/navegacion.h"

#include <QPointer>
#include <QTimer>

#include "principal/MDI7312.h"
#include "compartido/VentanaHija.h"

namespace oxalde {

void MostrarSiguiente(std::function<VentanaHija*()> crear) {
    QPointer<MDI7312> principal = MDI7312::Actual();
    if (!principal) return;
    QTimer::singleShot(0, principal, [principal, crear = std::move(crear)] {
        if (principal && principal->isVisible()) principal->MostrarHija(crear());
    });
}

}  // namespace oxalde
