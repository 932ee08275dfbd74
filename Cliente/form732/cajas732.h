#pragma once
// The boxes of the form-732 window, one row per box: the record member it shows, how it takes
// the focus, what its change notification does and how it stores itself when left. The window
// creates and connects every box from these rows; no box has a handler of its own.
#include <QColor>
#include <QString>
#include <span>

#include "controles/Pindaro.h"

namespace oxalde {

class cDatos732;

// How a box takes the focus.
enum class Foco732 {
    Seleccionar,       // selects its whole text
    PasarSiBloqueada,  // passes the focus on while locked, else selects
    FechaCuotas,       // selects inside the typed-quota period of the declaration's date, else passes on
    Pasar,             // computed or header box: always passes on
};

// What a box does when it is left.
enum class Almacen732 {
    Texto,        // technical text: stored when it differs from the member
    Transmisor,   // transmitter text: as Texto, but only while the box is unlocked
    Importe,      // amount: only when unlocked and changed; stored, recomputed, repainted
    Cuota,        // typed quota: marks the declaration modified, stores, recomputes, repaints
    Numero,       // whole number or length: stored and repainted when it changed
    Ninguno,
};

// Whether the change notification marks the declaration modified.
enum class Cambio732 { Siempre, FueraCuotasTecleadas, Nunca };

struct CajaTexto732 {
    const char* nombre;
    int maxLength;
    Almacen732 almacen;  // Texto or Transmisor (which also decides the focus)
    QString (cDatos732::*leer)() const;
    void (cDatos732::*escribir)(QString);
};
// Transmitter boxes first (in their tab order), then the technical ones.
std::span<const CajaTexto732> CajasTexto732();

struct CajaNumero732 {
    const char* nombre;
    Pindaro::Modo modo;
    const char* formato;
    int enteros, decimales;
    Foco732 foco;
    Cambio732 cambio;
    Almacen732 almacen;
    bool soloNumeros;  // digits and backspace only
    double (*leer)(const cDatos732&);
    void (*escribir)(cDatos732&, double);
};
// The technical numbers, then the fifteen amounts in the liquidation's order.
std::span<const CajaNumero732> CajasNumero732();

// The display format of the amount boxes.
inline constexpr char kFormatoImporte732[] = "#,###,###,###,##0.00";

// Backgrounds: editable, locked or computed, and the total.
inline const QColor kFondoEditable732{255, 255, 255};
inline const QColor kFondoBloqueado732{255, 255, 206};
inline const QColor kFondoTotal732{255, 224, 192};

// The number a numeric box's value text (locale-neutral: "123456", "12.35", "0042", "") stands
// for: an empty text is 0; a text that is no number gives nothing.
std::optional<double> ValorNumerico(const QString& valor);

}  // namespace oxalde
