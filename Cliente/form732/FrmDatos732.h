#pragma once
// The editor of one form-732 declaration, quarterly ("P") or for one new means of transport
// ("T"). The record cDatos732 is the one source of what it shows: every click and box handler
// stores into the record, recomputes the liquidation where amounts are concerned and repaints
// the current tab from the record. It opens from the declarations window and goes back to it.
#include <array>

#include "controles/TiraPestanas.h"
#include "compartido/editor_de.h"
#include "form732/cDatos732.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;

namespace oxalde {

class CajaFecha;
class Pindaro;
class TiraPestanas;

class FrmDatos732 : public EditorDe<cDatos732> {
    Q_OBJECT
public:
    explicit FrmDatos732(QWidget* parent = nullptr);

    // Every caption in the current language, set at load in their fixed order, and the rate
    // labels of the declaration's date.
    void Anadir_captions();
    bool ValidarCampos() override;
    vb::Long GuardarDeclaracion() override;

    // Clicks (tab 1 to 5, element index from 0).
    void chksittib_Click(int i);
    void chkhecho_Click(int i);
    void TabTra_Click(int pestana) override;

    bool HechosMarcados() const { return hechosMarcados_; }

protected:
    void PrepararPantalla() override;
    void PasosDeCarga() override;

private:
    // Layout (diseno732.cpp).
    void CrearControles();
    void CrearTransmitente(QFrame* datos);
    void CrearCasillas(QFrame* datos, const char* nombre, const char* etiqueta, const QString& titulo,
                       const std::array<const char*, 6>& marcos, const char* casillas,
                       void (FrmDatos732::*alPulsar)(int));
    void CrearTecnicos(QFrame* datos);
    void CrearLiquidacion(QFrame* datos);
    void AnchoPestanas(int ancho);

    // Repaint (repintado732.cpp).
    void MostrarRegistro() override;
    void CalcularLiquidacion() override;
    void MostrarMarcosPestana();
    void MostrarTransmitente();
    void MostrarSituacionTributaria();
    void MostrarHechos();
    void MostrarDatosTecnicos();
    void MostrarLiquidacion();
    void BloquearDatosTecnicos();
    void DesbloquearDatosTecnicos();
    void BloquearTecnicas(bool bloqueadas);
    // Check box i of a tab (chksittib or chkhecho), and whether it and its inner frame can be used.
    QCheckBox* Casilla(const char* nombre, int i) const;
    static void Usable(QCheckBox* casilla, bool usable);

    bool hechosMarcados_ = false;
};

// The window's boxes, one row per box (compartido/cajas.h); no box has a handler of its own. The
// transmitter's free-text boxes come first, in their tab order, and pass the focus on while locked;
// the numbers end with the fifteen amounts in the liquidation's order.
extern const TablasCajas<cDatos732> kCajas732;

}  // namespace oxalde
