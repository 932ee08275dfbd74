#pragma once
// The preferences window: the language and the update check at start, and a link that checks
// for updates now. Modal; nothing is stored until Accept.
#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace oxalde {

class EtiquetaEnlace;

class frmPreferencias : public QDialog {
    Q_OBJECT
public:
    explicit frmPreferencias(QWidget* parent = nullptr);

    // The window's controls from the stored settings.
    void CargarPreferencias();
    void PonerCaptions();

    // The language letter chosen in the window.
    QString IdiomaElegido() const { return idiomaElegido_; }

    QRadioButton* optCast() const { return optCast_; }
    QRadioButton* optEusk() const { return optEusk_; }
    QCheckBox* chkActOnline() const { return chkActOnline_; }
    EtiquetaEnlace* lblActAhora() const { return lblActAhora_; }
    QPushButton* cmdAceptar() const { return cmdAceptar_; }
    QPushButton* cmdCancelar() const { return cmdCancelar_; }

protected:
    bool event(QEvent* evento) override;

private:
    QRadioButton* optCast_;
    QRadioButton* optEusk_;
    QCheckBox* chkActOnline_;
    EtiquetaEnlace* lblActAhora_;
    QLabel* lblActualizaciones_;
    QLabel* lblIdioma_;
    QPushButton* cmdAceptar_;
    QPushButton* cmdCancelar_;
    QString idiomaElegido_;

    void Form_Activate();
    void lblActAhora_Click();
    void cmdAceptar_Click();
};

}  // namespace oxalde
