#pragma once
// The program's main window: a frame whose child windows open inside it, with the taxpayer,
// utility, online-assistance and help menus, the four recent-taxpayer entries and the toolbar.
// Constructing it is its load: captions, then the first menu refresh. Its first activation
// asks for the language on a first run; closing it unloads every other window first.
#include <QMainWindow>

#include "compartido/ventana_principal.h"

class QAction;
class QMdiArea;
class QMenu;

namespace oxalde {

class MDI7312 : public QMainWindow, public VentanaPrincipal {
    Q_OBJECT
public:
    explicit MDI7312(QWidget* parent = nullptr);
    ~MDI7312() override;

    // The program's main window (the one made last), or nullptr.
    static MDI7312* Actual();

    QMdiArea* Area() const { return area_; }
    QWidget* Ventana() override { return this; }

    // Window caption, tooltips of buttons 1 to 5 and every menu caption in the current language.
    void Anadir_captions();
    // Unloads every open window whose name differs from the given one.
    void DescargarFormularios(const QString& nombreVentana);
    // Runs the child's load steps and shows it in the frame (ventana_principal.h).
    void MostrarHija(VentanaHija* hija, VentanaHija* sustituida = nullptr) override;
    void CerrarParaOtra(VentanaHija* hija) override;
    void MostrarDeclaraciones(VentanaHija* sustituida = nullptr) override;
    void MostrarEditor(int tipologia, const QString& modo, const QString& modop, int csde,
                       VentanaHija* sustituida = nullptr) override;
    void MostrarImpresion(VentanaHija* sustituida = nullptr) override;

    // A menu entry or separator by its name ("mnuDeclarante", "d1", "separa2", ...).
    QAction* Entrada(const QString& nombre) const;
    // Toolbar button 1 to 6 ("nuedec", "abrdec", "elidec", "ayu", "salir", "imprimir").
    QAction* Boton(int numero) const override;
    // Recent-taxpayer entry 1 to 4 (d1 to d4).
    QAction* Reciente(int numero) const;
    QMenu* MenuDeclarante() const { return mnuDeclarante_; }
    QMenu* MenuUtilidades() const { return mnuUtilidades_; }
    // The main menu's state as the child windows ask for it (menu_principal.h).
    void ApagarMenus() override;
    void RefrescarMenus() override;

    // The commands of the menus and the toolbar.
    void mnuNuevoDeclarante_Click();
    void mnuAbrirDeclarante_Click();
    void mnuEliminarDeclarante_Click();
    void Reciente_Click(QAction* entrada);
    void mnuSalir_Click();
    void mnuExport_Click();
    void mnuImport_Click();
    void mnuBackup_Click();
    void mnuRestore_Click();
    void mnuPreferencias_Click();
    void mnuAsisOnline_Click();
    void mnuDescripAsisOnline_Click();
    void mnucontind_Click();
    void mnuacerca_Click();
    // Opening of the taxpayer and utility menus: entries that need a taxpayer follow the count.
    void mnuDeclarante_Click();
    void mnuUtilidades_Click();

protected:
    void changeEvent(QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    QMdiArea* area_;
    QMenu* mnuDeclarante_ = nullptr;
    QMenu* mnuUtilidades_ = nullptr;
    QMenu* mnuAsistenciaOnline_ = nullptr;
    QMenu* mnuAyuda_ = nullptr;
    bool primeraActivacion_ = false;
    bool relevo_ = false;  // a child closes for another (CerrarParaOtra)

    void CrearMenus();
    void CrearBarra();
    QAction* NuevaEntrada(QMenu* menu, const char* nombre, void (MDI7312::*alPulsar)());
    QAction* NuevoSeparador(QMenu* menu, const char* nombre);
    void Form_Activate();
};

}  // namespace oxalde
