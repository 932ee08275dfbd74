#include "registro/FrmDecLista.h"

#include "registro/cDecLista.h"
#include "shell/cadenas.h"
#include "shell/general.h"
#include "shell/menu_principal.h"

namespace oxalde {

FrmDecLista::FrmDecLista(QWidget* parent) : VentanaHija(QStringLiteral("FrmDecLista"), parent) {}

void FrmDecLista::Form_Load() {
    const int id = cDecLista::Instancia().MODO() == QStringLiteral("E") ? 115 : 114;
    setWindowTitle(LoadResString(id + DesplIdioma));
}

void FrmDecLista::Form_Activate() { DeshabilitarMenus(); }

void FrmDecLista::Form_Unload() { RefrescarMenuPrincipal(); }

}  // namespace oxalde
