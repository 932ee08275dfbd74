#pragma once
// The outcome of a version check that read the version file: the installed and the available
// version, the program file, the download address and the description, in both languages at
// once, with the offer to open the download page.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace oxalde {

class FrmVersionCheck : public QDialog {
    Q_OBJECT
public:
    explicit FrmVersionCheck(QWidget* parent = nullptr);

    // The window's boxes from cActOnline; no download offered when the versions are the same.
    void PresentaDatosVersion();

    QLabel* LblActual() const { return lblActual_; }
    QLabel* LblDisponible() const { return lblDisponible_; }
    QLineEdit* TxtPath() const { return txtPath_; }
    QLineEdit* TxtUrl() const { return txtUrl_; }
    QPlainTextEdit* TxtInfo() const { return txtInfo_; }
    QPushButton* CmdActualizar() const { return cmdActualizar_; }
    QPushButton* CmdContinuar() const { return cmdContinuar_; }

    // True once a click in the address box asked to end the program before the main window was
    // up (the check at start): start-up then ends instead of going on.
    static bool SalidaPedida();
    static void SalidaPedida(bool pedida);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QLabel* lblActual_;
    QLabel* lblDisponible_;
    QLineEdit* txtPath_;
    QLineEdit* txtUrl_;
    QPlainTextEdit* txtInfo_;
    QPushButton* cmdActualizar_;
    QPushButton* cmdContinuar_;

    void CmdActualizar_Click();
    void TxtUrl_Click();
};

}  // namespace oxalde
