#pragma once
// The boxes of the form-732 window, one row per box: the record member it shows, how it takes
// the focus, what its change notification does and how it stores itself when left. The window
// creates and connects every box from these rows; no box has a handler of its own.
#include <QString>
#include <optional>
#include <span>

#include "compartido/cajas.h"
#include "controles/Pindaro.h"

namespace oxalde {

class cDatos732;

// Whether the change notification marks the declaration modified.
enum class Cambio732 { Siempre, FueraCuotasTecleadas, Nunca };

// Transmitter boxes first (in their tab order), then the technical ones; a transmitter box passes
// the focus on while it is locked.
std::span<const CajaTexto<cDatos732>> CajasTexto732();

struct CajaNumero732 {
    const char* nombre;
    Pindaro::Modo modo;
    const char* formato;
    int enteros, decimales;
    Foco foco;
    Cambio732 cambio;
    Almacen almacen;
    bool soloNumeros;  // digits and backspace only
    double (*leer)(const cDatos732&);
    void (*escribir)(cDatos732&, double);
};
// The technical numbers, then the fifteen amounts in the liquidation's order.
std::span<const CajaNumero732> CajasNumero732();

// The number a numeric box's value text (locale-neutral: "123456", "12.35", "0042", "") stands
// for: an empty text is 0; a text that is no number gives nothing.
std::optional<double> ValorNumerico(const QString& valor);

}  // namespace oxalde
