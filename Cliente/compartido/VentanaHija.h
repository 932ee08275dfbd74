#pragma once
// A child window of the main window's frame. The main window runs its load steps before it
// shows it and its activation steps each time it becomes the active child; closing it runs its
// unload steps once. The registry and exchange windows keep the main menu's protocol through
// these steps: DeshabilitarMenus on load or activation, RefrescarMenuPrincipal on unload.
#include <QWidget>
#include <functional>

namespace oxalde {

class VentanaPrincipal;

class VentanaHija : public QWidget {
    Q_OBJECT
public:
    // `nombre` is the window's name: one window of a name is open at a time.
    explicit VentanaHija(const QString& nombre, QWidget* parent = nullptr);

    QSize sizeHint() const override { return {480, 320}; }

    void Cargar();
    void Activar();
    // Closes the window (with its place in the frame), running its unload steps.
    void Descargar();
    // Opens, through the main window, the window that takes this one's place; `abrir` names this
    // window as the one replaced, which closes only once the new one has loaded. One that cannot
    // load leaves this window as it was and says why once, under this window's caption.
    void DarPasoA(const std::function<void(VentanaPrincipal&)>& abrir);

signals:
    // After the unload steps.
    void descargada();

protected:
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Unload() {}
    void closeEvent(QCloseEvent* evento) override;

private:
    bool descargada_ = false;
};

}  // namespace oxalde
