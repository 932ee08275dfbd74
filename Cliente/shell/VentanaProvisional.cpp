#include "shell/VentanaProvisional.h"

#include "shell/menu_principal.h"

namespace oxalde {

VentanaProvisional::VentanaProvisional(const QString& nombre, const QString& titulo, std::function<void()> alCerrar,
                                       QWidget* parent)
    : VentanaHija(nombre, parent), titulo_(titulo), alCerrar_(std::move(alCerrar)) {}

void VentanaProvisional::Form_Load() {
    setWindowTitle(titulo_);
    DeshabilitarMenus();
}

void VentanaProvisional::Form_Activate() { DeshabilitarMenus(); }

void VentanaProvisional::Form_Unload() {
    RefrescarMenuPrincipal();
    if (alCerrar_) alCerrar_();
}

}  // namespace oxalde
