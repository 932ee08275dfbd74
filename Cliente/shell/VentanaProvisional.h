#pragma once
// The window that stands where a window of the program is not built yet: it opens in the frame
// under the missing window's name and caption, keeps the main menus off while it is open, does
// nothing else, and on closing hands back to whoever opened it.
#include <functional>

#include "shell/VentanaHija.h"


namespace oxalde {

class VentanaProvisional : public VentanaHija {
    Q_OBJECT
public:
    // alCerrar runs after the menus are refreshed, when the window has closed.
    VentanaProvisional(const QString& nombre, const QString& titulo, std::function<void()> alCerrar = {},
                       QWidget* parent = nullptr);

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;

private:
    QString titulo_;
    std::function<void()> alCerrar_;
};

}  // namespace oxalde
