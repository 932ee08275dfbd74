#include "compartido/ventana_principal.h"

namespace oxalde {
namespace {

VentanaPrincipal*& actual() {
    static VentanaPrincipal* ventana = nullptr;
    return ventana;
}

}  // namespace

VentanaPrincipal* VentanaPrincipal::Actual() { return actual(); }

void VentanaPrincipal::Registrar() { actual() = this; }

void VentanaPrincipal::Retirar() {
    if (actual() == this) actual() = nullptr;
}

void DeshabilitarMenus() {
    if (VentanaPrincipal* v = VentanaPrincipal::Actual()) v->ApagarMenus();
}

void RefrescarMenuPrincipal() {
    if (VentanaPrincipal* v = VentanaPrincipal::Actual()) v->RefrescarMenus();
}

}  // namespace oxalde
