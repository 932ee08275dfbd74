#include "compartido/EditorDeclaracion.h"

#include <QPushButton>

#include "compartido/avisos.h"
#include "compartido/cDecResumen.h"
#include "compartido/cadenas.h"
#include "compartido/claves_declaracion.h"
#include "compartido/general.h"
#include "compartido/tipos_iva.h"
#include "compartido/ventana_principal.h"
#include "controles/entrada.h"

namespace oxalde {

EditorDeclaracion::EditorDeclaracion(const QString& nombre, QWidget* parent)
    : VentanaHija(nombre, parent), entrada_(new EntradaVentana(this)) {}

bool EditorDeclaracion::FechaConCuotasTecleadas() {
    return tipos::EnVentanaCuotasTecleadas(cDecResumen::Instancia().FECHA());
}

void EditorDeclaracion::PonerFoco(QWidget* control) {
    if (control && control->isVisible() && control->isEnabled()) control->setFocus(Qt::OtherFocusReason);
}

void EditorDeclaracion::cmdAceptar_Click() {
    // An access key presses the button without moving the focus: the box being edited is stored
    // first, so that what it holds reaches the record.
    entrada_->TerminarEdicion();
    PonerFoco(cmdAceptar_);
    if (!ValidarCampos()) return;
    if (datosModificados_) {
        const vb::Long clave = GuardarDeclaracion();
        if (clave < 1) {
            // Nothing was written: the declaration stays on screen to be cancelled or retried.
            Advertencia(Cadena(kIdMsgDeclaracionNoGuardada), windowTitle(), this);
            return;
        }
        if (Nueva()) cDecResumen::Instancia().CSDE(clave);
    }
    VolverADeclaraciones();
}

void EditorDeclaracion::cmdCancelar_Click() {
    cDecResumen::Instancia().CSDE(Clave());
    VolverADeclaraciones();
}

void EditorDeclaracion::VolverADeclaraciones() {
    entrada_->Descargando();
    Descargar();
    cDecResumen::Instancia().ENTRADA(kEntradaVuelta);
    if (VentanaPrincipal* principal = VentanaPrincipal::Actual()) principal->MostrarDeclaraciones();
}

void EditorDeclaracion::Form_Unload() {
    entrada_->Descargando();
    RefrescarMenuPrincipal();
}

}  // namespace oxalde
