#include "registro/frmDecDatos.h"

#include "shell/cadenas.h"
#include "shell/general.h"
#include "shell/menu_principal.h"

namespace oxalde {

frmDecDatos::frmDecDatos(QWidget* parent) : VentanaHija(QStringLiteral("frmDecDatos"), parent) {}

void frmDecDatos::Form_Load() {
    setWindowTitle(LoadResString(113 + DesplIdioma));
    DeshabilitarMenus();
}

void frmDecDatos::Form_Unload() { RefrescarMenuPrincipal(); }

}  // namespace oxalde
