#pragma once
// The codes carried from window to window: how a window opens its record (MODO), a
// declaration's kind (MODOP), how the declarations window is entered (ENTRADA), what the
// taxpayer list is opened for, and a declaration's form (the header's TIPOLOGIA, as stored).
#include <QLatin1String>
#include <QString>

namespace oxalde {

// MODO of a record (a declaration's, a taxpayer's): a new one, or a stored one.
inline constexpr QLatin1String kModoNueva{"A"};
inline constexpr QLatin1String kModoExistente{"C"};
// MODOP: a quarterly declaration, or one for one new means of transport.
inline constexpr QLatin1String kModoPeriodica{"P"};
inline constexpr QLatin1String kModoTransporte{"T"};
// The declarations window's header MODO while it shows the list rather than one declaration.
inline constexpr QLatin1String kModoLista{"L"};
// ENTRADA: the declarations window opened afresh, or shown again when a child window closes.
inline constexpr QLatin1String kEntradaNueva{"A"};
inline constexpr QLatin1String kEntradaVuelta{"P"};

// The taxpayer list's MODO: to open the taxpayer chosen, or to delete it.
inline constexpr QLatin1String kListaAbrir{"C"};
inline constexpr QLatin1String kListaEliminar{"E"};

// TMEDIO: the means of transport, in the order of the editors' options: vehicle, boat, aircraft.
inline constexpr QLatin1String kMedios{"VBA"};
// The option of a means (0 to 2), or -1 for no means.
inline int IndiceMedio(const QString& tmedio) { return tmedio.size() == 1 ? int(kMedios.indexOf(tmedio[0])) : -1; }

// The forms' names, as the header's Modelo and the library hold them.
inline constexpr QLatin1String kModelo731{"731"};
inline constexpr QLatin1String kModelo732{"732"};

// TIPOLOGIA: the form of a declaration, and that of a form's name; kSinTipologia, the header's
// "no form yet", for any other name.
enum Tipologia : int { kSinTipologia = 0, kTipologia731 = 1, kTipologia732 = 2 };
inline Tipologia TipologiaDe(const QString& modelo) {
    return modelo == kModelo731 ? kTipologia731 : modelo == kModelo732 ? kTipologia732 : kSinTipologia;
}

}  // namespace oxalde
