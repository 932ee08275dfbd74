#pragma once
// The taxpayer list window's state, one instance for the whole run: what it is opened for, the
// sort column, the taxpayers listed and the one highlighted. Plain stores.
#include <QString>

#include "vb/variant.h"

namespace oxalde {

class cDecLista {
public:
    static cDecLista& Instancia();

    // Key of the highlighted taxpayer; 0 none chosen yet.
    vb::Long CSCO() const { return csco_; }
    void CSCO(vb::Long v) { csco_ = v; }
    // Taxpayers in the last list loaded.
    vb::Long NUMDECLASEL() const { return numDeclaSel_; }
    void NUMDECLASEL(vb::Long v) { numDeclaSel_ = v; }
    // "C": open the chosen taxpayer; "E": delete it. Set by the main window.
    QString MODO() const { return modo_; }
    void MODO(const QString& v) { modo_ = v; }
    // Sort column: 1 DNI, 2 name.
    vb::Byte ORDEN() const { return orden_; }
    void ORDEN(vb::Byte v) { orden_ = v; }

private:
    cDecLista() = default;
    vb::Long csco_ = 0;
    vb::Long numDeclaSel_ = 0;
    QString modo_;
    vb::Byte orden_ = 0;
};

}  // namespace oxalde
