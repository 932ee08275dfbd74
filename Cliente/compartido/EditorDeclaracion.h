#pragma once
// What the editors of both forms share: the entry-window filter of their boxes, whether the
// declaration is on screen and modified, and the one way out: Accept (store the box being
// edited, check, save when modified) or Cancel, back to the declarations window.
#include "compartido/VentanaHija.h"
#include "vb/variant.h"

class QPushButton;

namespace oxalde {

class EntradaVentana;

class EditorDeclaracion : public VentanaHija {
    Q_OBJECT
public:
    EditorDeclaracion(const QString& nombre, QWidget* parent);

    bool DatosPresentados() const { return datosPresentados_; }
    bool DatosModificados() const { return datosModificados_; }

    // The library's check: true when it passes; otherwise its message, tab and box are shown.
    virtual bool ValidarCampos() = 0;
    // Saves the declaration; answers its key (below 1: nothing was written).
    virtual vb::Long GuardarDeclaracion() = 0;

    void cmdAceptar_Click();
    void cmdCancelar_Click();

protected:
    // The record's mode is kModoNueva; the record's key.
    virtual bool Nueva() const = 0;
    virtual vb::Long Clave() const = 0;

    void Form_Unload() override;
    // The declaration's date (cDecResumen's) falls where the quarterly taxes are typed.
    static bool FechaConCuotasTecleadas();
    // The focus to a control only while it can take it.
    static void PonerFoco(QWidget* control);
    // Closes the editor and shows the declarations window.
    void VolverADeclaraciones();

    EntradaVentana* entrada_;
    QPushButton* cmdAceptar_ = nullptr;
    QPushButton* cmdCancelar_ = nullptr;
    bool datosPresentados_ = false;
    bool datosModificados_ = false;
};

}  // namespace oxalde
