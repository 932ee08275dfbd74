#include "compartido/modal.h"

#include <QDialog>

namespace oxalde {
namespace {

ConductorModal& conductor() {
    static ConductorModal c;
    return c;
}

}  // namespace

int MostrarModal(QDialog& ventana) {
    if (conductor()) return conductor()(ventana);
    return ventana.exec();
}

void EstablecerConductorModal(ConductorModal c) { conductor() = std::move(c); }

}  // namespace oxalde
