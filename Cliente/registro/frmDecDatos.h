#pragma once
// The taxpayer entry window, as far as the main window needs it for now: it opens in the frame
// for the mode of cDecDatos and keeps the main menus off while it is open.
#include "shell/VentanaHija.h"

namespace oxalde {

class frmDecDatos : public VentanaHija {
    Q_OBJECT
public:
    explicit frmDecDatos(QWidget* parent = nullptr);

protected:
    void Form_Load() override;
    void Form_Unload() override;
};

}  // namespace oxalde
