#pragma once
// What the editors of both forms share: their boxes, created and connected from the rows of
// their box tables through the entry-window filter, whether the declaration is on screen and
// modified, and the one way out: Accept (store the box being edited, check, save when
// modified) or Cancel, back to the declarations window.
#include <QHash>
#include <array>
#include <functional>
#include <optional>

#include "compartido/VentanaHija.h"
#include "compartido/cajas.h"
#include "vb/variant.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace oxalde {

class EntradaVentana;
class TiraPestanas;

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

    TiraPestanas* TabTra() const { return tabTra_; }

protected:
    // The record's mode is kModoNueva; the record's key.
    virtual bool Nueva() const = 0;
    virtual vb::Long Clave() const = 0;
    // Recomputes the record's amounts; repaints the current kind and tab from the record.
    virtual void CalcularLiquidacion() = 0;
    virtual void RefrescarDatos() = 0;

    // The opening every editor shares; the editor's own steps run in PasosDeCarga. A window that
    // cannot open shows why and gives way to the declarations window.
    void Form_Load() override;
    virtual void PasosDeCarga() = 0;
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
    // Closes the editor and shows the declarations window. After a save (`guardada`), a window
    // that cannot open is said as such, with the declaration said to be saved, lest the user type
    // it again.
    void VolverADeclaraciones(bool guardada = false);

    // The box of a table row, by its name (null when there is none).
    QLineEdit* Caja(const char* nombre) const;
    Pindaro* Numerica(const char* nombre) const;
    // A new box of a table row, kept by its name.
    QLineEdit* NuevaCaja(QWidget* padre, const char* nombre);
    Pindaro* NuevaNumerica(QWidget* padre, const char* nombre);

    // Connects the box of a row: its keys, focus, change notification and the store when it is
    // left, then the recomputation and repaint.
    template <class Registro>
    void ConectarTexto(const CajaTexto<Registro>& fila, Registro& registro) {
        ConectarTexto(fila.nombre, fila.maxLength, fila.almacen, [&fila, &registro](const QString& texto) {
            if (texto == (registro.*fila.leer)()) return false;
            (registro.*fila.escribir)(texto);
            return true;
        });
    }
    template <class Registro>
    void ConectarNumero(const CajaNumero<Registro>& fila, Registro& registro) {
        ConectarNumero(fila, [&fila, &registro](const QString& valor) {
            return AlmacenarNumero(fila, registro, valor);
        });
    }
    // The means the options mark: its code, or the aircraft's when neither other is marked.
    QString MedioMarcado() const;
    // Where the technical data of a means start: its option while the declaration is new, else
    // its first box; null for no means.
    QWidget* InicioDelMedio(const QString& tmedio) const;

    // Every box handler runs through here: an error is shown and the window stays as it was.
    // False when it failed.
    bool Seguro(const std::function<void()>& manejador);
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
    bool cargado_ = false;  // the load steps have run to their end
    bool corregido_ = false;
    bool volverGuardada_ = false;  // closing after a save (VolverADeclaraciones)
    QHash<QString, QLineEdit*> cajas_;  // every text and numeric box of the tables, by name
    std::array<QRadioButton*, 3> OptTmedio_{};  // vehicle, boat, aircraft
    TiraPestanas* tabTra_ = nullptr;

private:
    void ConectarTexto(const char* nombre, int maxLength, Almacen almacen,
                       std::function<bool(const QString&)> almacenar);
    void ConectarNumero(const FilaNumero& fila, std::function<std::optional<bool>(const QString&)> almacenar);
};

}  // namespace oxalde
