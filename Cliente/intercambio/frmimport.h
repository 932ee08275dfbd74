#pragma once
// The taxpayer import window, as far as the main window needs it for now: it opens in the frame,
// keeps the main menus off while it is open, and its cancel button gives them back.
#include "shell/VentanaHija.h"

class QPushButton;

namespace oxalde {

class frmimport : public VentanaHija {
    Q_OBJECT
public:
    explicit frmimport(QWidget* parent = nullptr);

    QPushButton* cmdCancelar() const { return cmdCancelar_; }

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    QPushButton* cmdCancelar_;
};

}  // namespace oxalde
