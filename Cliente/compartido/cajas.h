#pragma once
// What the box tables of both form editors share: how a box takes the focus, what it does when
// it is left, the rows of the text boxes, the backgrounds, and the value an amount box is given.
#include <QColor>
#include <QString>
#include <cmath>

#include "compartido/importe.h"

namespace oxalde {

// How a box takes the focus.
enum class Foco {
    Seleccionar,       // selects its whole text
    PasarSiBloqueada,  // passes the focus on while locked, else selects
    FechaCuotas,       // selects inside the typed-quota period of the declaration's date, else passes on
    Pasar,             // computed or header box: always passes on
};

// What a box does when it is left.
enum class Almacen {
    Texto,       // technical text: stored when it differs from the member
    Transmisor,  // transmitter text: as Texto, but only while the box is unlocked
    Importe,     // amount: stored, recomputed and repainted only when it changed (and is unlocked)
    Cuota,       // typed quota: marks the declaration modified, stores, recomputes, repaints
    Numero,      // whole number or length: stored and repainted when it changed
    Ninguno,     // computed or header box: stores nothing
};

// A free-text box of a record's editor: shown as stored, stored as typed.
template <class Registro>
struct CajaTexto {
    const char* nombre;
    int maxLength;
    Almacen almacen;  // Texto or Transmisor
    QString (Registro::*leer)() const;
    void (Registro::*escribir)(const QString&);
};

// Backgrounds: an editable box, a locked or computed one, and the result of the declaration.
inline const QColor kFondoEditable{255, 255, 255};
inline const QColor kFondoBloqueado{255, 255, 206};
inline const QColor kFondoResultado{255, 224, 192};

// What an amount box is given for an amount in whole cents: the amount, or nothing for 0.
inline QString ValorImporte(double centimos) {
    return centimos != 0 ? TextoImporte(std::llround(centimos)) : QString();
}

}  // namespace oxalde
