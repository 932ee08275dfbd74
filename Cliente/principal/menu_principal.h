#pragma once
// The main menu's state, as the main window sets it when the child windows ask for it (through
// DeshabilitarMenus and RefrescarMenuPrincipal of the shared pieces, declared here too).
#include <QString>

#include "compartido/ventana_principal.h"
#include "vb/variant.h"

class QAction;

namespace oxalde {

class MDI7312;

// Taxpayer and utility menus off, toolbar buttons 1, 2, 3 and 5 off, recent entries hidden.
void DeshabilitarMenus(MDI7312& v);

// Recounts the taxpayers, hides the print button, turns the menus and buttons back on as the
// count allows and fills one recent entry per latest taxpayer (at most four); an entry the
// reading does not fill is emptied, so none is left pointing at a taxpayer that is gone.
// A failure to read is shown and the rest goes on with the count and the entries as read last;
// without `leer` nothing is read (right after a failure to read, which would only wait again)
// and the menus come back as they were last read.
void RefrescarMenuPrincipal(MDI7312& v, bool leer = true);

// The four taxpayers with the highest keys (row 0..3, column 0 key | 1 NIF | 2 name).
void LeerUltimosDeclarantes(vb::Variant& buffer);

// The NIF and the name of the taxpayer a recent entry stands for, as stored.
QString ObtenerDNIMenu(const QAction* entrada);
QString ObtenerNombreMenu(const QAction* entrada);

}  // namespace oxalde
