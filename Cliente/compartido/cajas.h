#pragma once
// The box tables of both form editors: one row per box, naming the record member it shows and
// edits, how it takes the focus, what its change notification does and how it stores itself
// when left. The editors create, fill and connect every box from these rows.
#include <QColor>
#include <QString>
#include <array>
#include <cmath>
#include <optional>
#include <span>
#include <vector>

#include "compartido/importe.h"
#include "controles/Pindaro.h"
#include "vb/variant.h"

namespace oxalde {

// How a box takes the focus.
enum class Foco {
    Seleccionar,              // selects its whole text
    PasarSiBloqueada,         // passes the focus on while locked, else selects
    FechaCuotas,              // selects inside the typed-quota period of the declaration's date, else passes on
    FechaCuotasSinSeleccion,  // as FechaCuotas, but inside the period its text is left unselected
    Pasar,                    // computed or header box: always passes on
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

// Whether a numeric box's change notification marks the declaration modified.
enum class Cambio { Siempre, FueraCuotasTecleadas, Nunca };

// A free-text box: shown as stored, stored as typed.
template <class Registro>
struct CajaTexto {
    const char* nombre;
    int maxLength;
    Almacen almacen;  // Texto or Transmisor
    QString (Registro::*leer)() const;
    void (Registro::*escribir)(const QString&);
};

// What a numeric box is, apart from the record member behind it.
struct FilaNumero {
    const char* nombre;
    Pindaro::Modo modo;
    const char* formato;
    int enteros;
    int decimales;
    Foco foco;
    Cambio cambio;
    Almacen almacen;
    bool soloNumeros;  // digits and backspace only
    QColor fondo;      // invalid: the background the editor gives it
};

// A numeric box: the member read as a double, and a double stored through the member's Let in
// the member's own type and rounding. Header boxes, which show the declaration header, have
// neither.
template <class Registro>
struct CajaNumero : FilaNumero {
    double (*leer)(const Registro&);
    void (*escribir)(Registro&, double);
};

// Backgrounds: an editable box, a locked or computed one, and the result of the declaration; a
// row without one leaves the box the background the editor gives it.
inline const QColor kFondoEditable{255, 255, 255};
inline const QColor kFondoBloqueado{255, 255, 206};
inline const QColor kFondoResultado{255, 224, 192};
inline const QColor kSinFondo;

// The rows of the box tables, in one order: the box's name, what it is, then the record member.
// They name the record's class `Registro`, which each table declares.
#define OXALDE_CAJA_TEXTO(nombre, largo, almacen, M) {nombre, largo, Almacen::almacen, &Registro::M, &Registro::M}
// An amount box; the member's Let rounds to whole cents.
#define OXALDE_CAJA_IMPORTE(nombre, foco, cambio, almacen, fondo, M)                                              \
    {{nombre, Pindaro::Importe, kFormatoImporte, 13, 2, Foco::foco, Cambio::cambio, Almacen::almacen, false, fondo}, \
     [](const Registro& d) -> double { return d.M(); }, [](Registro& d, double v) { d.M(v); }}
// A technical number (below): selected on entry, always notified, stored as Convertir(v).
#define OXALDE_CAJA_NUMERO(nombre, modo, formato, enteros, decimales, soloNumeros, M, Convertir)                    \
    {{nombre, Pindaro::modo, formato, enteros, decimales, Foco::Seleccionar, Cambio::Siempre, Almacen::Numero,      \
      soloNumeros, kSinFondo},                                                                                      \
     [](const Registro& d) -> double { return d.M(); }, [](Registro& d, double v) { d.M(Convertir); }}

// The numbers of the technical data, alike in both forms (compartido/campos_comunes.h). A whole
// number halves to the even neighbour, though its box hands over whole numbers only; the length's
// Let rounds to two decimals.
template <class Registro>
const std::array<CajaNumero<Registro>, 4>& NumerosTecnicos() {
    static const std::array<CajaNumero<Registro>, 4> filas = {{
        OXALDE_CAJA_NUMERO("txtclasif", Entero, kFormatoCifras, 4, 0, true, CLASIF, vb::Variant(v).CInt()),
        OXALDE_CAJA_NUMERO("txtesloramax", Decimal, kFormatoLongitud, 3, 2, false, ESLORAMAX, vb::Single(v)),
        OXALDE_CAJA_NUMERO("txtpesomax", Entero, kFormatoMillones, 7, 0, false, PESOMAX, vb::Variant(v).CLng()),
        OXALDE_CAJA_NUMERO("txtanofab", Entero, kFormatoMiles, 4, 0, false, ANOFAB, vb::Variant(v).CInt()),
    }};
    return filas;
}
#undef OXALDE_CAJA_NUMERO

// A form's boxes, one row per box: its free-text boxes, and its numbers, the technical ones
// (NumerosTecnicos) first, then the form's own.
template <class Registro>
struct TablasCajas {
    TablasCajas(std::span<const CajaTexto<Registro>> t, std::span<const CajaNumero<Registro>> propias)
        : textos(t), numeros(NumerosTecnicos<Registro>().begin(), NumerosTecnicos<Registro>().end()) {
        numeros.insert(numeros.end(), propias.begin(), propias.end());
    }

    std::span<const CajaTexto<Registro>> textos;
    std::vector<CajaNumero<Registro>> numeros;
};

// What an amount box is given for an amount in whole cents: the amount, or nothing for 0.
inline QString ValorImporte(double centimos) {
    return centimos != 0 ? TextoImporte(std::llround(centimos)) : QString();
}

// Shows a member's value in the box: an amount in the amount format and empty for 0, any other
// number in the box's own format.
void MostrarNumero(Pindaro* caja, double valor);

// The number a numeric box's value text (locale-neutral: "123456", "12.35", "0042", "") stands
// for: an empty text is 0; a text that is no number gives nothing.
std::optional<double> ValorNumerico(const QString& valor);

// Stores a box's value text into the record through its row: whether the member changed, or
// nothing when the text is no number (the member keeps its value).
template <class Registro>
std::optional<bool> AlmacenarNumero(const CajaNumero<Registro>& fila, Registro& registro, const QString& valor) {
    const std::optional<double> numero = ValorNumerico(valor);
    if (!numero) return std::nullopt;
    const double antes = fila.leer(registro);
    fila.escribir(registro, *numero);
    return fila.leer(registro) != antes;
}

}  // namespace oxalde
