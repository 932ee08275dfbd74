#pragma once
// The data boxes of the form-731 window, one row per box: the record member it shows and edits,
// how it shows it, and which family of handlers it answers with. The window creates, fills and
// connects every box from these tables; no box has a handler of its own.
#include <QColor>
#include <QString>
#include <span>

namespace oxalde {

class cDatos731;

// Free-text boxes: shown as stored, upper-case key filter, stored as typed when left.
struct CajaTexto {
    const char* nombre;
    int maxLength;
    QString (cDatos731::*leer)() const;
    void (cDatos731::*escribir)(const QString&);
};
std::span<const CajaTexto> CajasTexto();

// How a numeric box stores what it holds when it is left.
enum class Salida {
    Importe,   // an amount: stored, recomputed and repainted only when it changed
    Cuota,     // a typed tax: always marks the declaration modified, stores and recomputes
    Numero,    // a whole number or the boat length: stored and repainted when it changed
    Ninguna,   // computed or header box: stores nothing
};

// How a numeric box takes the focus.
enum class Foco { Seleccionar, Pasar, FechaCuotas };

struct CajaNumero {
    const char* nombre;
    Salida salida;
    Foco foco;
    bool importe;        // shown as cents / 100, empty for 0; else the number in its own format
    const char* formato;
    int enteros, decimales;
    QColor fondo;        // invalid: the box's default (editable) background
    // Reads the member; null for the header boxes, which show the declaration header.
    double (*leer)(const cDatos731&);
    // Stores the box's value text (locale-neutral) into the member; null for boxes that store
    // nothing.
    void (*escribir)(cDatos731&, const QString& valor);
};
std::span<const CajaNumero> CajasNumero();

// Background colours of the computed and of the refund boxes.
inline const QColor kColorCalculada{255, 255, 206};
inline const QColor kColorResultado{255, 224, 192};

// The amount format of every amount box.
inline constexpr char kFormatoImporte[] = "#,###,###,###,##0.00";

// Leaving a numeric box whose member reads `miembro`: whether the value text differs from it, by
// the comparison of the box's family (amounts in cents, whole numbers by their leading number,
// the boat length as a two-decimal single).
bool ValorCambiado(const CajaNumero& caja, double miembro, const QString& valor);

}  // namespace oxalde
