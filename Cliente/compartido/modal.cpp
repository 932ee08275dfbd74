#include "compartido/modal.h"

#include <QApplication>
#include <QDialog>

#include "compartido/ventana_principal.h"

namespace oxalde {
namespace {

ConductorModal& conductor() {
    static ConductorModal c;
    return c;
}

QWidget* Abridor(QWidget* dueno) {
    if (dueno) return dueno;
    if (QWidget* activa = QApplication::activeWindow()) return activa;
    VentanaPrincipal* principal = VentanaPrincipal::Actual();
    QWidget* ventana = principal ? principal->Ventana() : nullptr;
    return ventana && ventana->isVisible() ? ventana : nullptr;
}

}  // namespace

VentanaQueAbre::VentanaQueAbre(QWidget* dueno) : ventana_(Abridor(dueno)) {}

VentanaQueAbre::~VentanaQueAbre() { DevolverActivacion(ventana_); }

void DevolverActivacion(QWidget* ventana) {
    if (ventana && ventana->window()->isVisible()) ventana->window()->activateWindow();
}

int MostrarModal(QDialog& ventana) {
    if (conductor()) return conductor()(ventana);
    const VentanaQueAbre abridor(ventana.parentWidget());
    return ventana.exec();
}

void EstablecerConductorModal(ConductorModal c) { conductor() = std::move(c); }

}  // namespace oxalde
