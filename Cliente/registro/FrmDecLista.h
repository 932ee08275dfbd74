#pragma once
// The taxpayer list: every stored taxpayer in a grid sorted by DNI or by name (a click on either
// header), to open one (cDecLista.MODO "C", its declarations window follows) or to delete one with
// all its declarations after a question ("E"). The highlighted row is the chosen taxpayer.
#include <QLabel>
#include <QPushButton>

#include "compartido/VentanaHija.h"
#include "compartido/cUtilidadesGrid.h"

namespace oxalde {

class EtiquetaEnlace;
class FlexGrid;

class FrmDecLista : public VentanaHija {
    Q_OBJECT
public:
    explicit FrmDecLista(QWidget* parent = nullptr);

    QSize sizeHint() const override;

    // The window's captions in the current language.
    void Anadir_captions();

    FlexGrid* flxDeclarantes() const { return flx_; }

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;

private:
    void FormatearflxDeclarantes();
    void InicializarLista();
    void LimpiarflxDeclarantes();
    void PresentaDatos();
    void CargarflxDeclarantes();
    void PosicionarFlecha();
    void PresentaModo();
    void Resaltar(int fila);

    void flx_MouseDown();
    void flx_Click();
    void flx_EnterCell();
    void flx_DblClick();
    void flx_KeyPress(char32_t& codigo);
    void cmdAceptar_Click();
    void cmdCancelar_Click();

    FlexGrid* flx_;
    QLabel* lblayuda_;
    QLabel* lblResultado_;
    QLabel* picasc_;
    QPushButton* cmdAceptar_;
    QPushButton* cmdCancelar_;
    EtiquetaEnlace* PicAce_;
    EtiquetaEnlace* PicEli_;
    EtiquetaEnlace* Piccan_;
    cUtilidadesGrid utilidades_;
    bool clickEnCabecera_ = false;
    bool seleccionActiva_ = false;
};

}  // namespace oxalde
