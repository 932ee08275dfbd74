#pragma once
// All that a child window knows of the program's main window: it shows other child windows in
// its frame, it is the parent of the dialogs a child opens, it lends its toolbar buttons, and
// its main menu is off while a child is open. The main window implements it; the windows it
// opens reach it only through here, so they never depend on the main window itself.
class QAction;
class QString;
class QWidget;

namespace oxalde {

class VentanaHija;

class VentanaPrincipal {
public:
    virtual ~VentanaPrincipal() = default;

    // The program's main window (the one made last), or nullptr.
    static VentanaPrincipal* Actual();

    // The main window as a widget: the parent of a child's dialogs; closing it ends the program.
    virtual QWidget* Ventana() = 0;
    // Runs the child's load steps and shows it in the frame; when a window of that name is open
    // already, that one is brought forward instead. A window given as `sustituida` gives way to
    // it: it closes only once the new one has loaded (CerrarParaOtra), and stays as it was when
    // the new one cannot load.
    virtual void MostrarHija(VentanaHija* hija, VentanaHija* sustituida = nullptr) = 0;
    // Closes a child for the window that follows it, which sets the menus: they are not read
    // again on its unload.
    virtual void CerrarParaOtra(VentanaHija* hija) = 0;
    // Toolbar button 1 to 6 ("nuedec", "abrdec", "elidec", "ayu", "salir", "imprimir").
    virtual QAction* Boton(int numero) const = 0;
    // What DeshabilitarMenus and RefrescarMenuPrincipal below do to this window.
    virtual void ApagarMenus() = 0;
    virtual void RefrescarMenus() = 0;

    // The windows one window folder opens in another, made by the main window, which knows them
    // all, so that no window folder includes another's windows. The caller fills the record the
    // window reads first (cDecResumen, cImOf) and may name the window it replaces (as MostrarHija).
    // The declarations window of the taxpayer in cDecResumen.
    virtual void MostrarDeclaraciones(VentanaHija* sustituida = nullptr) = 0;
    // The editor of a form (Tipologia) in a mode (kModoNueva or kModoExistente), for a declaration
    // of a kind (kModoPeriodica or kModoTransporte) and, when it exists, a key.
    virtual void MostrarEditor(int tipologia, const QString& modo, const QString& modop, int csde,
                               VentanaHija* sustituida = nullptr) = 0;
    // The print options, modal; afterwards the declarations window again.
    virtual void MostrarImpresion(VentanaHija* sustituida = nullptr) = 0;

protected:
    // The main window names itself the program's main window once it is built, and gives the
    // place up when it goes (if no later one has taken it).
    void Registrar();
    void Retirar();
};

// The main menu's state as the child windows drive it: off while a child window is open, back on
// (with the four latest taxpayers as entries) when it closes. They act on the program's main
// window and do nothing when there is none.
void DeshabilitarMenus();
void RefrescarMenuPrincipal();

}  // namespace oxalde
