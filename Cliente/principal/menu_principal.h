#pragma once
// The main menu's state as the child windows drive it: off while a child window is open, back on
// (with the four latest taxpayers as entries) when it closes. They act on the program's main
// window and do nothing when there is none.
#include <QString>

#include "vb/variant.h"

class QAction;

namespace oxalde {

// Taxpayer and utility menus off, toolbar buttons 1, 2, 3 and 5 off, recent entries hidden.
void DeshabilitarMenus();

// Recounts the taxpayers, hides the print button, turns the menus and buttons back on as the
// count allows and fills one recent entry per latest taxpayer (at most four). The recent entries
// are hidden before they are filled, so none is left pointing at a taxpayer that is gone.
void RefrescarMenuPrincipal();

// The four taxpayers with the highest keys (row 0..3, column 0 key | 1 NIF | 2 name).
void LeerUltimosDeclarantes(vb::Variant& buffer);

// The NIF and the name of the taxpayer a recent entry stands for, as stored.
QString ObtenerDNIMenu(const QAction* entrada);
QString ObtenerNombreMenu(const QAction* entrada);

}  // namespace oxalde
