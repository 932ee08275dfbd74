#pragma once
// The editor of one form-732 declaration, quarterly ("P") or for one new means of transport
// ("T"). The record cDatos732 is the one source of what it shows: every click and box handler
// stores into the record, recomputes the liquidation where amounts are concerned and repaints
// the current tab from the record. It opens from the declarations window and goes back to it.
#include <array>

#include "controles/TiraPestanas.h"
#include "compartido/EditorDeclaracion.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;

namespace oxalde {

class CajaFecha;
class Pindaro;
class TiraPestanas;
class cDatos732;

class FrmDatos732 : public EditorDeclaracion {
    Q_OBJECT
public:
    explicit FrmDatos732(QWidget* parent = nullptr);

    // Captions are set at load; present as in every window.
    void Anadir_captions() {}
    bool ValidarCampos() override;
    vb::Long GuardarDeclaracion() override;

    // Clicks (tab 1 to 5, element index from 0).
    void chksittib_Click(int i);
    void chkhecho_Click(int i);
    void OptTmedio_Click();
    void TabTra_Click(int pestana);

    bool HechosMarcados() const { return hechosMarcados_; }

    // A control by its name; an element of a control array by its name and index.
    QWidget* Control(const QString& nombre, int elemento = -1) const;

protected:
    bool Nueva() const override;
    vb::Long Clave() const override;
    void PasosDeCarga() override;
    void Form_Activate() override;

private:
    // Layout (diseno732.cpp).
    void CrearControles();
    void CrearCabecera();
    void CrearTransmitente();
    QFrame* CrearCasillas(const char* nombre, const char* etiqueta, const QString& titulo,
                          const std::array<const char*, 6>& marcos, const char* casillas,
                          std::array<QFrame*, 6>& interiores, std::array<QCheckBox*, 6>& cajas,
                          void (FrmDatos732::*alPulsar)(int));
    void CrearTecnicos();
    void CrearLiquidacion();
    QLabel* NuevaEtiqueta(QWidget* padre, const char* nombre, const QString& texto, int x, int y, int ancho);

    void InicializarFormulario();
    void PrepararPantalla();
    void PonerCaptions();
    void AnchoPestanas(int ancho);
    void MostrarCabecera();
    void MostrarMedioTransporte();

    // The record, and whether it is a transport declaration.
    static cDatos732& Datos();
    static bool Transporte();

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
    void Usable(QFrame* marco, QCheckBox* casilla, bool usable);
    void Rellenar(const CajaNumero<cDatos732>& fila);

    void ConectarCajas();

    bool hechosMarcados_ = false;

    QFrame* FraDeclaT_ = nullptr;
    QFrame* FraDeclaP_ = nullptr;
    QFrame* FraDatosT_ = nullptr;
    QFrame* FraDatosP_ = nullptr;
    QFrame* FraAdq_ = nullptr;
    QFrame* FraSitTib_ = nullptr;
    QFrame* FraHecho_ = nullptr;
    QFrame* FraTec_ = nullptr;
    QFrame* FraLiq_ = nullptr;
    QFrame* FraTMedio_ = nullptr;
    QFrame* FraVeh_ = nullptr;
    QFrame* FraBar_ = nullptr;
    QFrame* FraAer_ = nullptr;
    std::array<QFrame*, 6> fraSitTib_{};
    std::array<QFrame*, 6> fraHecho_{};
    std::array<QCheckBox*, 6> chksittib_{};
    std::array<QCheckBox*, 6> chkhecho_{};
    std::array<Pindaro*, 2> txtejer_{};
    std::array<QLineEdit*, 2> txtper_{};
    CajaFecha* txtfecha_ = nullptr;
    QLabel* lbldni_ = nullptr;
    QLabel* lblnombre_ = nullptr;
    QLabel* lblperiodo_ = nullptr;
    QLabel* lblTipo16_ = nullptr;
    QLabel* lblTipo7_ = nullptr;
    QLabel* lblTipo4_ = nullptr;
    QLabel* lblTipo1_ = nullptr;
};

}  // namespace oxalde
