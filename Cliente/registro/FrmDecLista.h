#pragma once
// The taxpayer list window, as far as the main window needs it for now: it opens in the frame
// to open or to delete a taxpayer (cDecLista.MODO) and keeps the main menus off while open.
#include "shell/VentanaHija.h"

namespace oxalde {

class FrmDecLista : public VentanaHija {
    Q_OBJECT
public:
    explicit FrmDecLista(QWidget* parent = nullptr);

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;
};

}  // namespace oxalde
