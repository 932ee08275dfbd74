#pragma once
// The declarations window of the taxpayer held in cDecResumen: the list of every declaration
// of that taxpayer (mode "L"), and the header of a new quarterly ("P") or transport ("T")
// declaration; it opens, deletes and prints the selected declaration and shows the taxpayer.
#include <QColor>

#include "compartido/VentanaHija.h"
#include "compartido/cUtilidadesGrid.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace oxalde {

class CajaFecha;
class ComboLista;
class EntradaVentana;
class EtiquetaEnlace;
class FlexGrid;
class Pindaro;

class FrmDecResumen : public VentanaHija {
    Q_OBJECT
public:
    explicit FrmDecResumen(QWidget* parent = nullptr);

    QSize sizeHint() const override;

    // Checks the header of a new declaration through the library; false after its message.
    bool ValidarCampos();
    void PresentaDatos();
    void PresentaBotones();
    void CargarFlxDeclaraciones();
    void Anadir_captions();
    // The date box's text checked and stored in the header; false after message 321.
    bool ComprobarFecha();
    bool ValidarFecha(const QString& texto);

    // Commands (also the picture boxes beside the buttons).
    void cmdDatos_Click();
    void cmdDeclarante_Click();
    void cmdEliminar_Click();
    void cmdImprimir_Click();
    void cmdCerrar_Click();
    void ImgPer_Click();
    void ImgTra_Click();
    void ImgNueva_MouseUp(int indice);
    void ImgNueva_Click(int indice);

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;

private:
    void CrearControles();
    void CrearGrid();
    void CrearOpciones();
    void CrearCabecera();
    void CrearBotones();
    void ColocarCabecera(bool trimestral);
    void EmpezarDeclaracion(const QString& modo);
    void InicializarDatos();
    void FormatearFlxDeclaraciones();
    void LimpiarFlxDeclaraciones();
    void RellenarFlxDeclaraciones(const vb::Variant& lista);
    void CargarPeriodos();
    void CargarModelos();
    void PosicionarFlecha();
    void SeleccionarFila(int fila);
    // The grid row of the current declaration (column 0 equal to CSDE), 0 when none.
    int FilaActual() const;
    QStringList Fila(int fila) const;
    void Enfocar(QWidget* control);

    void flxDeclaraciones_Click();
    void flxDeclaraciones_EnterCell();
    void txtejer_LostFocus();
    void txtfecha_LostFocus();
    void cmbperiodo_Click();
    void cmbperiodo_LostFocus();
    void cmbmodelo_Click();
    void cmbmodelo_LostFocus();
    void GuardarPeriodo();
    void GuardarModelo(bool conTipologia);
    // A click on a list box: false (after the message when nothing is chosen) when it stores nothing.
    bool ClickLista(ComboLista* lista, int mensaje);
    // Completes the list box's typed text; false (after the message) when it matches no entry.
    bool CompletarLista(ComboLista* lista, int mensaje);

    EntradaVentana* entrada_;
    FlexGrid* flxDeclaraciones_ = nullptr;
    QLabel* lbldni_ = nullptr;
    QLabel* lblnombre_ = nullptr;
    QLabel* lblResultado_ = nullptr;
    QLabel* picasc_ = nullptr;
    QLabel* Label1_ = nullptr;
    QLabel* lblejer_ = nullptr;
    QLabel* lblper_ = nullptr;
    QLabel* lblmod_ = nullptr;
    QLabel* lblfecha_ = nullptr;
    QLabel* lblFormato_ = nullptr;
    QGroupBox* FraOpciones_ = nullptr;
    QGroupBox* FraNueva_ = nullptr;
    EtiquetaEnlace* ImgPer_ = nullptr;
    EtiquetaEnlace* ImgTra_ = nullptr;
    EtiquetaEnlace* ImgNueva_[2] = {};
    Pindaro* txtejer_ = nullptr;
    CajaFecha* txtfecha_ = nullptr;
    ComboLista* cmbperiodo_ = nullptr;
    ComboLista* cmbmodelo_ = nullptr;
    QPushButton* cmdDatos_ = nullptr;
    QPushButton* cmdEliminar_ = nullptr;
    QPushButton* cmdImprimir_ = nullptr;
    QPushButton* cmdDeclarante_ = nullptr;
    QPushButton* cmdCerrar_ = nullptr;
    EtiquetaEnlace* PicDatos_ = nullptr;
    EtiquetaEnlace* PicEli_ = nullptr;
    EtiquetaEnlace* PicImprimir_ = nullptr;
    EtiquetaEnlace* PicDeclarante_ = nullptr;
    EtiquetaEnlace* PicCerrar_ = nullptr;

    cUtilidadesGrid UtilidadesGrid;
    QColor ColorSeleccion;
    QColor ColorFondo;
    bool SeleccionActiva = false;
    bool IgnorarClickCombo = false;
    bool IgnorarPerdidaFoco = false;
    bool ClickEnCabecera = false;
};

}  // namespace oxalde
