#pragma once
// The current taxpayer handed to the declarations window, one instance for the whole run.
#include <QString>

#include "vb/variant.h"

namespace oxalde {

class cDecResumen {
public:
    static cDecResumen& Instancia();

    // "A": the declarations window is entered fresh; "P": a return from a child window.
    QString ENTRADA() const { return entrada_; }
    void ENTRADA(const QString& v) { entrada_ = v; }
    // Key, NIF and name of the taxpayer whose declarations the window lists.
    vb::Long CSCO() const { return csco_; }
    void CSCO(vb::Long v) { csco_ = v; }
    QString DNI() const { return dni_; }
    void DNI(const QString& v) { dni_ = v; }
    QString NOMBRE() const { return nombre_; }
    void NOMBRE(const QString& v) { nombre_ = v; }

private:
    cDecResumen() = default;
    QString entrada_, dni_, nombre_;
    vb::Long csco_ = 0;
};

}  // namespace oxalde
