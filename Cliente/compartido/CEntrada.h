#pragma once
// The run settings, one instance for the whole run: the language, the accepted range of
// declaration dates and the number of taxpayers. Each read or write asks the library's settings
// service on the database it belongs to; errors of the library reach the caller.
#include <QString>

#include "vb/variant.h"

namespace oxalde {

// The language letters: Spanish and Basque.
inline constexpr QLatin1String kCastellano{"C"};
inline constexpr QLatin1String kEuskera{"E"};

class CEntrada {
public:
    static CEntrada& Instancia();

    // NUMDECLA = the number of taxpayers in the modifiable database.
    void InicializarContadores();
    // Stores the language letter in the settings of the modifiable database.
    void ModificarIdioma(QString& letra);
    // IDI = the stored language letter; anything but "E" is taken as "C", so that the texts,
    // the date masks and the date checks all follow one language.
    void LeerIdioma();
    // FECHAMIN and FECHAMAX from the reference database (0 when it holds none).
    void LeerFechaMinMax();

    // Language letter: "C" Spanish, "E" Basque. Setting it stores it and puts it in force.
    QString IDI() const { return idi_; }
    void IDI(const QString& letra);
    // Puts IDI in force without storing it: the string table's offset, the date layout and the
    // toolkit's own texts.
    void AplicarIdioma() const;

    vb::Long FECHAMIN() const { return fechaMin_; }
    void FECHAMIN(vb::Long v) { fechaMin_ = v; }
    vb::Long FECHAMAX() const { return fechaMax_; }
    void FECHAMAX(vb::Long v) { fechaMax_ = v; }
    vb::Long NUMDECLA() const { return numDecla_; }
    void NUMDECLA(vb::Long v) { numDecla_ = v; }

private:
    CEntrada() = default;
    QString idi_;
    vb::Long fechaMin_ = 0;
    vb::Long fechaMax_ = 0;
    vb::Long numDecla_ = 0;
};

// The language letter a stored value stands for: "E" stays Basque, anything else is Spanish.
QString NormalizarIdioma(const QString& almacenada);

// The string-table offset of a language letter: kDesplEuskera for exactly "E", otherwise 0.
int DesplazamientoIdioma(const QString& letra);

}  // namespace oxalde
