#pragma once
// The taxpayer entry window: a new taxpayer or an existing one (cDecDatos.MODO "A" or "C"), its
// boxes copied into the record as they are left, look-up lists for street type, province and
// municipality, the library's checks on Accept, the save, and the hand-over to the declarations
// window. Every way out that is not a successful Accept counts as Cancel: a new taxpayer then
// leaves the user at the main window, an existing one goes back to its declarations.
#include <QPointer>

#include "compartido/VentanaHija.h"
#include "vb/variant.h"

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QKeyEvent;
class QPushButton;

namespace oxalde {

class EntradaVentana;
class Pindaro;

class frmDecDatos : public VentanaHija {
    Q_OBJECT
public:
    explicit frmDecDatos(QWidget* parent = nullptr);

    QSize sizeHint() const override { return QWidget::sizeHint(); }

    // Every caption in the current language.
    void Anadir_captions();
    // The library's check of the record: true when it passes, else its message and the focus on
    // the box to correct.
    bool ValidarCampos();
    // Saves the record: 0 saved; 1 and 2 (a DNI taken) are shown and keep the window open. A new
    // taxpayer, once saved, is the stored one in the record: its key, mode "C".
    vb::Integer GuardarDeclarante();

    bool DatosModificados() const { return datosModificados_; }

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload() override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

private:
    // One look-up list with its button and the boxes it fills.
    struct Lista {
        QListWidget* lista = nullptr;
        QPushButton* boton = nullptr;
        QLineEdit* nombre = nullptr;  // the name box
        QWidget* codigo = nullptr;    // the code box, focused again on Esc
        QWidget* siguiente = nullptr; // the box to fill after a choice
        int ancho = 0;                // twips
        int alto = 0;                 // twips
    };

    void CrearControles();
    void CrearCajas();
    void CrearBotones();
    QFrame* CrearMarcoDatos();
    QFrame* CrearMarcoBotones();
    void CrearListas();
    void ConectarCajas();
    void OrdenTabulacion();

    void CargarListas();
    void CargarDatosPantalla();
    void MostrarNombres();
    void PresentaDeclarante();
    void HabilitarBotones();
    void Repintar();

    void AbrirLista(Lista& l);
    void Elegir(Lista& l);
    void CerrarLista(Lista& l);
    bool TeclaLista(Lista& l, QKeyEvent* tecla);

    void BuscarAlSalir(QWidget* caja, void (frmDecDatos::*buscar)());
    // Passes the focus on from a box that only shows (never consumes the event).
    bool PasarFoco(QObject* objeto, QEvent* evento);
    void txtvia_LostFocus();
    void txtcodprov_LostFocus();
    void txtcodmun_LostFocus();

    void cmdAceptar_Click();
    void cmdCancelar_Click();

    EntradaVentana* entrada_ = nullptr;
    QFrame* fraDatos_ = nullptr;
    QFrame* fraBotones_ = nullptr;
    QLabel* Label2_ = nullptr;
    QLineEdit* txtdni_;
    QLineEdit* txtnombre_;
    QLineEdit* txtvia_;
    QLineEdit* txtviaaux_;
    QLineEdit* txtdomicilio_;
    QLineEdit* txtletra_;
    QLineEdit* txtescalera_;
    QLineEdit* txtpiso_;
    QLineEdit* txtmano_;
    QLineEdit* txtnomprov_;
    QLineEdit* txtnommun_;
    QLineEdit* txttelefono_;
    Pindaro* txtnumero_;
    Pindaro* txtcodprov_;
    Pindaro* txtcodpos_;
    Pindaro* txtcodmun_;
    Pindaro* txtnum731_;
    Pindaro* txtnum732_;
    QPushButton* cmdVia_;
    QPushButton* cmdProvincia_;
    QPushButton* cmdMunicipio_;
    QPushButton* cmdAceptar_;
    QPushButton* cmdCancelar_;
    Lista via_;
    Lista provincia_;
    Lista municipio_;

    bool datosModificados_ = false;
    bool cancelarPulsado_ = false;
    bool aceptado_ = false;
};

}  // namespace oxalde
