#pragma once
// The declarations window of the taxpayer held in cDecResumen, as far as the main window needs
// it for now: it shows who the taxpayer is and keeps the main menus off while it is open.
#include "shell/VentanaHija.h"

class QLabel;

namespace oxalde {

class FrmDecResumen : public VentanaHija {
    Q_OBJECT
public:
    explicit FrmDecResumen(QWidget* parent = nullptr);

    QLabel* lblDeclarante() const { return lblDeclarante_; }

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;

private:
    QLabel* lblDeclarante_;
};

}  // namespace oxalde
