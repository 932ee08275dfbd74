#pragma once
// The taxpayer export window, as far as the main window needs it for now: it opens in the frame
// and keeps the main menus off while it is open.
#include "shell/VentanaHija.h"

namespace oxalde {

class FrmExportar : public VentanaHija {
    Q_OBJECT
public:
    explicit FrmExportar(QWidget* parent = nullptr);

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;
};

}  // namespace oxalde
