#pragma once
// The language window of a first run: Spanish or Basque, and whether to look for updates at
// every start. Modal; it keeps the main menus off while it is open.
#include <QDialog>

class QCheckBox;
class QGroupBox;
class QPushButton;

namespace oxalde {

class FrmIdioma : public QDialog {
    Q_OBJECT
public:
    explicit FrmIdioma(QWidget* parent = nullptr);

    void Anadir_captions();

    QPushButton* cmdcastellano() const { return cmdcastellano_; }
    QPushButton* cmdeuskera() const { return cmdeuskera_; }
    QCheckBox* chkActOnline() const { return chkActOnline_; }

protected:
    bool event(QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QGroupBox* Frame1_;
    QPushButton* cmdcastellano_;
    QPushButton* cmdeuskera_;
    QCheckBox* chkActOnline_;

    void Form_Load();
    void Colocar();
    void Form_Activate();
    void chkActOnline_Click();
    void Elegir(const QString& letra);
};

}  // namespace oxalde
