#pragma once
// The print dialog: an official printout (the administration's copy, the taxpayer's, or both) or a
// draft, and the presentation date. Accept loads the taxpayer and prints one page per copy, each
// copy its own print job; a failure is shown and the dialog stays open for another try.
#include <QDialog>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace oxalde {

class VentanaHija;

class CajaFecha;

class FrmImOf : public QDialog {
    Q_OBJECT
public:
    // Its load: captions, menus off, the declaration loaded, the options shown.
    explicit FrmImOf(QWidget* parent = nullptr);

    void Anadir_captions();
    // True when the presentation date is refused (with its message); otherwise the date goes into
    // the print options.
    bool ValidarFechaPresentacion();
    void btnAceptar_Click();
    void btnCancelar_Click();

    QRadioButton* optTipoImpreso(int indice) const { return optTipoImpreso_[indice]; }
    QCheckBox* chkCopiaAdministracion() const { return chkCopiaAdministracion_; }
    QCheckBox* chkCopiaInformatica() const { return chkCopiaInformatica_; }
    CajaFecha* txtFechaPresentacion() const { return txtFechaPresentacion_; }
    QPushButton* btnAceptar() const { return btnAceptar_; }
    QPushButton* btnCancelar() const { return btnCancelar_; }
    QToolButton* PicAce() const { return PicAce_; }
    QToolButton* Piccan() const { return Piccan_; }

private:
    QGroupBox* frameTipoImpreso_;
    QGroupBox* fraDestinatario_;
    QGroupBox* fraFechaPresentacion_;
    QRadioButton* optTipoImpreso_[2];
    QCheckBox* chkCopiaAdministracion_;
    QCheckBox* chkCopiaInformatica_;
    CajaFecha* txtFechaPresentacion_;
    QPushButton* btnAceptar_;
    QPushButton* btnCancelar_;
    QToolButton* PicAce_;
    QToolButton* Piccan_;
    bool OpcionesPresentadas = false;

    void Disponer();
    void InicializarOpciones();
    void MostrarOpciones();
    void ActualizarBotonAceptar();
    void CargarDatosDeclarante();
    void optTipoImpreso_Click(int indice);
    void chkCopiaAdministracion_Click();
    void chkCopiaInformatica_Click();
    // The copy codes of the choice, the administration's first.
    QStringList Copias() const;
};

// The declarations window's Print command, once it has put the declaration into the print
// options: the dialog, modal; then, however it ended, the main menus back and the declarations
// window again with the printed declaration selected. The declarations window (`declaraciones`)
// closes only once the dialog has read the declaration: one it cannot read leaves that window
// as it was, and the failure goes on to the caller.
void MostrarFrmImOf(VentanaHija* declaraciones = nullptr);

}  // namespace oxalde
