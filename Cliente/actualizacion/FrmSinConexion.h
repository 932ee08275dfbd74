#pragma once
// The notice that the version check could not fetch or read the version file, in both
// languages, with the choice of not checking at start any more. Stays above other windows.
#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace oxalde {

class FrmSinConexion : public QDialog {
    Q_OBJECT
public:
    explicit FrmSinConexion(QWidget* parent = nullptr);

    // Caption and texts by the outcome of the last check (no download, or unusable data).
    void PresentaMensaje();

    QLabel* lblTituloC() const { return lblTituloC_; }
    QLabel* lblTituloE() const { return lblTituloE_; }
    QCheckBox* ChkNoPreg() const { return chkNoPreg_; }
    QPushButton* CmdContinuar() const { return cmdContinuar_; }

private:
    QLabel* lblTituloC_;
    QLabel* lblTituloE_;
    QCheckBox* chkNoPreg_;
    QPushButton* cmdContinuar_;

    void ChkNoPreg_Click();
    void Centrar();
};

}  // namespace oxalde
