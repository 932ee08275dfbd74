#pragma once
// The entry window of one form-731 declaration, quarterly or for one new means of transport.
// It opens on the declaration that cDatos731 and cDecResumen hold, stores each box into the
// record as it is left, recomputes and repaints, and hands control back to the declarations
// window on Accept or Cancel.
#include <array>

#include "compartido/editor_de.h"
#include "form731/cDatos731.h"

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace oxalde {

class Pindaro;
class TiraPestanas;

class FrmDatos731 : public EditorDe<cDatos731> {
    Q_OBJECT
public:
    explicit FrmDatos731(QWidget* parent = nullptr);

    QSize sizeHint() const override;

    // Every caption and tooltip in the current language, and the rate labels of the date.
    void Anadir_captions();

    void SeleccionarActividad();
    void MostrarCuentaPeriodo();
    // Also the quarterly kind's bank-account row.
    void CalcularLiquidacion() override;

    bool ValidarCampos() override;
    vb::Long GuardarDeclaracion() override;

protected:
    void PrepararPantalla() override;
    void PasosDeCarga() override;
    void Form_Activate() override;

private:
    // Construction: the frames, boxes, labels and buttons as designed.
    void CrearControles();
    void CrearDatosP();
    void CrearDatosT();
    void CrearAdquirente(QFrame* padre);
    void CrearTecnicos(QFrame* padre);
    void CrearLiquidacion(QFrame* padre);
    // A bank-account frame, titled "IBAN".
    QGroupBox* NuevoGrupo(QWidget* padre, const char* nombre, int x, int y, int ancho, int alto);
    // The six boxes of a bank account, named prefijo, prefijo1 .. prefijo5.
    void NuevaFilaCuenta(QGroupBox* marco, const char* prefijo, const std::array<int, 6>& izquierdas, int arriba);
    void ConectarCajas();

    // Opening. Inside the typed-quota period the two quotas are typed: unlocked and white.
    void AbrirCuotasTecleadas();

    // Repaint.
    void MostrarRegistro() override;
    void MostrarDatosPeriodicos();
    void MostrarMarcosPestana();
    void MostrarDatosPestana();
    void MostrarAdquirente();
    void MostrarDatosTecnicos();
    void MostrarLiquidacion();
    void MostrarCuenta(const char* prefijo);
    // Box k (0 to 5) of an account row.
    QLineEdit* CajaCuenta(const char* prefijo, int k) const;

    // Handlers.
    void SalirCajaCuenta(const char* prefijo, int k);
    void optActividad_Click();
    void optEntregas_Click();
    void TabTra_Click(int pestana) override;

    QRadioButton* optActividad_ = nullptr;
    QRadioButton* optEntregas_ = nullptr;
};

// The window's boxes, one row per box (compartido/cajas.h); no box has a handler of its own. The
// free-text boxes are shown as stored, filtered to upper-case keys and stored as typed when left;
// the numbers are the amounts of either kind and the technical data.
extern const TablasCajas<cDatos731> kCajas731;

}  // namespace oxalde
