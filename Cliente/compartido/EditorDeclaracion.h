#pragma once
// What the editors of both forms share: their frames, boxes and buttons, the boxes created and
// connected from the rows of their box tables through the entry-window filter, their locks, the
// repaint and the one error guard every handler runs through, whether the declaration is on
// screen and modified, and the one way out: Accept (store the box being edited, check, save when
// modified) or Cancel, back to the declarations window.
#include <QFrame>
#include <QHash>
#include <array>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "compartido/VentanaHija.h"
#include "compartido/cajas.h"
#include "vb/variant.h"

class QAbstractButton;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace oxalde {

class CajaFecha;
class EntradaVentana;
class TiraPestanas;

// A label of an editor's design: its name, its place in twips, how it shows and, when no caption
// sets it, its text.
enum AspectoEtiqueta : unsigned { kLlano = 0, kResaltado = 1, kCentrado = 2, kHundido = 4 };
struct RotuloEditor {
    const char* nombre;
    int x;
    int y;
    int ancho;
    unsigned aspecto = kLlano;
    const char* texto = nullptr;
};

// The declaration's header of an editor: the declarant's labels and the header's title in the
// window, then a frame per kind at one place, the quarterly FraDeclaP with the year's last two
// digits (txtejer), the period's two characters (txtper) and the period's name, the transport
// FraDeclaT with the date (txtfecha). Places in twips.
struct DisenoCabecera {
    int altoEtiqueta;
    int estiloMarco;                           // the two frames' border
    std::span<const RotuloEditor> ventana;     // Label2, Label3, Label4, lbldni, lblnombre, Label1
    std::span<const RotuloEditor> trimestral;  // Label5, Label6, Label7, lblperiodo
    std::span<const RotuloEditor> transporte;  // Label21, Label20
    QPoint ejercicio;                          // txtejer(0); element 1 `paso` to its right
    QPoint periodo;                            // txtper(0); likewise
    int paso;
    int ancho;  // of the four one-character boxes
    QPoint fecha;
};

class EditorDeclaracion : public VentanaHija {
    Q_OBJECT
public:
    EditorDeclaracion(const QString& nombre, QWidget* parent);

    bool DatosModificados() const { return datosModificados_; }
    // Repaints the current kind and tab from the record (MostrarRegistro). While it runs the
    // declaration is not on screen, so that the handlers of what it sets leave them alone; the
    // flag is back as it was afterwards, whatever happens.
    void RefrescarDatos();

    // The library's check: true when it passes; otherwise its message, tab and box are shown.
    virtual bool ValidarCampos() = 0;
    // Saves the declaration; answers its key (below 1: nothing was written).
    virtual vb::Long GuardarDeclaracion() = 0;

    void cmdAceptar_Click();
    void cmdCancelar_Click();

    TiraPestanas* TabTra() const { return tabTra_; }

    // A control by its name; element i of a control array by the array's name and the index, as
    // "OptTmedio(0)" is named.
    template <class T = QWidget>
    T* Control(const QString& nombre, int elemento = -1) const {
        return findChild<T*>(elemento < 0 ? nombre : Elemento(nombre, elemento));
    }
    static QString Elemento(const QString& nombre, int elemento);

protected:
    // The record's mode is kModoNueva; the record's key.
    virtual bool Nueva() const = 0;
    virtual vb::Long Clave() const = 0;
    // Recomputes the record's amounts; the editor's own repaint, run by RefrescarDatos.
    virtual void CalcularLiquidacion() = 0;
    virtual void MostrarRegistro() = 0;

    // The opening every editor shares; the editor's own steps run in PasosDeCarga. A window that
    // cannot open throws: the window that opens it stays and says why.
    void Form_Load() override;
    virtual void PasosDeCarga() = 0;
    // Each activation locks the main menu again, as the opening did.
    void Form_Activate() override;
    void Form_Unload() override;
    // A repaint rule has cleared something in the record: Accept must save it, also when the
    // rule ran while the window was loading.
    void RegistroCorregido() { datosModificados_ = corregido_ = true; }
    // The declaration's date (cDecResumen's) falls where the quarterly taxes are typed.
    static bool FechaConCuotasTecleadas();
    // A check that failed: its message over the editor, then its tab (from 1) and the control
    // to mend. Answers false, as the check did.
    bool Rechazar(const QString& texto, int pestana, QWidget* control);
    // The focus to a control only while it can take it.
    static void PonerFoco(QWidget* control);
    // Closes the editor and shows the declarations window. Without a save, the editor closes only
    // once that window has loaded; one that cannot load leaves the editor as it was and throws.
    // After a save (`guardada`), the editor closes first, and a window that cannot open is said as
    // such, with the declaration said to be saved, lest the user type it again.
    void VolverADeclaraciones(bool guardada = false);

    // A frame at its place in twips; `estilo` is QFrame's frame style (none unless given).
    static QFrame* NuevoMarco(QWidget* padre, const char* nombre, const QRect& sitio, int estilo = QFrame::NoFrame);
    // Where an editor lays its Accept and Cancel buttons, in twips: in `padre`, `ancho` wide, at
    // `x` and the heights `yAceptar` and `yCancelar`; each button's mark `margen` in from its left.
    struct SitioBotones {
        QWidget* padre;
        int x;
        int yAceptar;
        int yCancelar;
        int ancho;
        int margen;
    };
    // The Accept and Cancel buttons (cmdAceptar, cmdCancelar), each with its mark (PicAce,
    // Piccan), run through Seguro.
    void NuevosBotones(const SitioBotones& sitio);
    // A box the user may type in or not: locked, it is read-only, in the locked background and out
    // of the Tab order (a click still reaches it); unlocked, white and in the Tab order again.
    static void Editable(QLineEdit* caja, bool editable);
    // As Editable, but the box keeps its place in the Tab order.
    static void SoloLectura(QLineEdit* caja, bool soloLectura);

    // The box of a table row, by its name (null when there is none).
    QLineEdit* Caja(const char* nombre) const;
    Pindaro* Numerica(const char* nombre) const;
    // A new box of a table row, kept by its name, at its place in twips, kAltoCaja high.
    static constexpr int kAltoCaja = 300;
    QLineEdit* NuevaCaja(QWidget* padre, const char* nombre, int x, int y, int ancho);
    Pindaro* NuevaNumerica(QWidget* padre, const char* nombre, int x, int y, int ancho);

    // Connects the boxes of the window's box tables; every other read-only box, the header's,
    // passes the focus on.
    template <class Registro>
    void ConectarTablas(const TablasCajas<Registro>& cajas, Registro& registro) {
        for (const CajaTexto<Registro>& fila : cajas.textos) ConectarTexto(fila, registro);
        for (const CajaNumero<Registro>& fila : cajas.numeros) ConectarNumero(fila, registro);
        PasarCabecera();
    }
    // Connects the box of a row: its keys, focus, change notification and the store when it is
    // left, then the recomputation and repaint. Computed and typed-quota boxes start locked until
    // the repaint decides otherwise; a header row, with no member behind it, is the window's to set.
    template <class Registro>
    void ConectarTexto(const CajaTexto<Registro>& fila, Registro& registro) {
        QLineEdit* caja = Caja(fila.nombre);
        pintores_.push_back({caja, [caja, &fila, &registro] { caja->setText((registro.*fila.leer)()); }});
        ConectarTexto(fila.nombre, fila.maxLength, fila.almacen, [&fila, &registro](const QString& texto) {
            if (texto == (registro.*fila.leer)()) return false;
            (registro.*fila.escribir)(texto);
            return true;
        });
    }
    template <class Registro>
    void ConectarNumero(const CajaNumero<Registro>& fila, Registro& registro) {
        Pindaro* caja = Numerica(fila.nombre);
        if (fila.leer)
            pintores_.push_back({caja, [caja, &fila, &registro] { MostrarNumero(caja, fila.leer(registro)); }});
        if (fila.leer && (fila.almacen == Almacen::Ninguno || fila.almacen == Almacen::Cuota)) Editable(caja, false);
        ConectarNumero(fila, [&fila, &registro](const QString& valor) {
            return AlmacenarNumero(fila, registro, valor);
        });
    }
    // The means the options mark: its code, or the aircraft's when neither other is marked.
    QString MedioMarcado() const;
    // Where the technical data of a means start: its option while the declaration is new, else
    // its first box; null for no means.
    QWidget* InicioDelMedio(const QString& tmedio) const;

    // ---- The layout both editors share (diseno_editor.cpp): each form gives its places, captions
    // and names as data.

    // Whether the record is a transport declaration (its MODOP).
    virtual bool Transporte() const = 0;
    // The record's means of transport chosen with the options (TMEDIO's Let).
    virtual void ElegirMedio(const QString& tmedio) = 0;
    // The form's own screen for the record's kind, before the header is shown (InicializarFormulario).
    virtual void PrepararPantalla() = 0;
    // Loads the stored declaration into the record when it is of one (MODO kModoExistente);
    // false when it is not.
    virtual bool CargarGuardada() = 0;
    // A click on a tab (from 1).
    virtual void TabTra_Click(int pestana) = 0;

    // Labels `alto` twips high in `padre`, in the rows' order.
    static void NuevasEtiquetas(QWidget* padre, std::span<const RotuloEditor> rotulos, int alto);
    void CrearCabecera(const DisenoCabecera& diseno);
    // The tab strip TabTra in `padre`, with its tabs' design texts; a click runs TabTra_Click.
    void CrearPestanas(QWidget* padre, const QRect& sitio, std::initializer_list<const char*> textos);
    // The means-of-transport options OptTmedio(0) to (2) in their frame FraTMedio, each at height
    // `y` in it; a click stores the means chosen and repaints.
    void CrearOpcionesMedio(QWidget* padre, const QRect& marco, int estilo, int y);

    // Opening: the declarant, the date's mask, the form's screen, the header, then the stored
    // declaration loaded or the new one computed.
    void InicializarFormulario();
    // The data frame and the header frame of the record's kind, the other hidden.
    void MostrarMarcoDatos();
    void MostrarCabecera();
    // The frame of the means of transport (FraVeh, FraBar, FraAer) with its option marked and its
    // boxes shown, the other two frames hidden; nothing changes for an unknown means.
    void MostrarMedioTransporte(const QString& tmedio);
    // The text of an option or a check box black while it can be used, white (greyed out) when not.
    static void TextoUsable(QWidget* boton, bool usable);
    // Shows every table box inside `marco` from its row's record member (RepintarCaja).
    void RepintarCajas(const QWidget* marco) const;

    // Every handler runs through here: an error is shown and the window stays as it was. False
    // when it failed.
    bool Seguro(const std::function<void()>& manejador);
    // A click on an option or a check box, or a change of tab (its number from 1), runs its handler
    // through Seguro, and only while the declaration is on screen.
    void AlPulsar(QAbstractButton* boton, std::function<void()> manejador);
    void AlCambiarPestana(std::function<void(int)> manejador);
    // The box's lost-focus handler, run through Seguro; a box whose value could not be stored
    // keeps the focus, with what was typed.
    void AlPerder(QLineEdit* caja, const std::function<void()>& manejador);
    // How the box takes the focus, read from its row.
    void FocoAlEntrar(QLineEdit* caja, Foco foco);

    EntradaVentana* entrada_;
    QPushButton* cmdAceptar_ = nullptr;
    QPushButton* cmdCancelar_ = nullptr;
    bool datosPresentados_ = false;
    bool datosModificados_ = false;
    bool corregido_ = false;
    bool volverGuardada_ = false;  // closing after a save (VolverADeclaraciones)
    QHash<QString, QLineEdit*> cajas_;  // every text and numeric box of the tables, by name
    std::array<QRadioButton*, 3> OptTmedio_{};  // vehicle, boat, aircraft
    TiraPestanas* tabTra_ = nullptr;
    // The header.
    QLabel* lbldni_ = nullptr;
    QLabel* lblnombre_ = nullptr;
    QLabel* lblperiodo_ = nullptr;
    QFrame* fraDeclaP_ = nullptr;
    QFrame* fraDeclaT_ = nullptr;
    std::array<Pindaro*, 2> txtejer_{};
    std::array<QLineEdit*, 2> txtper_{};
    CajaFecha* txtfecha_ = nullptr;

private:
    void OptTmedio_Click();

    // How each table box is shown from its row's member, in the tables' order.
    struct Pintor {
        const QWidget* caja;
        std::function<void()> pintar;
    };
    std::vector<Pintor> pintores_;

    template <class T>
    T* Registrada(T* caja, const char* nombre, int x, int y, int ancho);
    void ConectarTexto(const char* nombre, int maxLength, Almacen almacen,
                       std::function<bool(const QString&)> almacenar);
    void ConectarNumero(const FilaNumero& fila, std::function<std::optional<bool>(const QString&)> almacenar);
    void PasarCabecera();
};

}  // namespace oxalde
