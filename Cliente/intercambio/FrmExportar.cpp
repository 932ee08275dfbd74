#include "intercambio/FrmExportar.h"

#include "shell/cadenas.h"
#include "shell/general.h"
#include "shell/menu_principal.h"

namespace oxalde {

FrmExportar::FrmExportar(QWidget* parent) : VentanaHija(QStringLiteral("FrmExportar"), parent) {}

void FrmExportar::Form_Load() { setWindowTitle(LoadResString(107 + DesplIdioma).remove(u'&')); }

void FrmExportar::Form_Activate() { DeshabilitarMenus(); }

void FrmExportar::Form_Unload() { RefrescarMenuPrincipal(); }

}  // namespace oxalde
