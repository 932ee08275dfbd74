#pragma once
// The options of one print job, one instance for the whole run: the declarations window puts the
// declaration in, the print dialog the user's choices, and the page layouts read the period and
// the presentation date while they draw. The copy codes handed to the page layouts: "BO" draft,
// "AD" the administration's copy, "IF" the taxpayer's copy.
#include <QString>

#include "vb/variant.h"

namespace oxalde {

class cImOf {
public:
    static cImOf& Instancia();

    // Presentation date, yyyymmdd.
    vb::Long FECHAPRE() const { return fechapre_; }
    void FECHAPRE(vb::Long v) { fechapre_ = v; }
    // "1T" to "4T" for a quarterly declaration, "OA" for a transport one.
    QString PERIODO() const { return periodo_; }
    void PERIODO(const QString& v) { periodo_ = v; }
    // "P" quarterly, "T" transport.
    QString MODOP() const { return modop_; }
    void MODOP(const QString& v) { modop_ = v; }
    vb::Long CSDE() const { return csde_; }
    void CSDE(vb::Long v) { csde_ = v; }
    vb::Long CSCO() const { return csco_; }
    void CSCO(vb::Long v) { csco_ = v; }
    // "731" or "732".
    QString Modelo() const { return modelo_; }
    void Modelo(const QString& v) { modelo_ = v; }
    // "X" to print the administration's copy, "" not.
    QString COPIAADM() const { return copiaadm_; }
    void COPIAADM(const QString& v) { copiaadm_ = v; }
    // "X" to print the taxpayer's copy, "" not.
    QString COPIAINF() const { return copiainf_; }
    void COPIAINF(const QString& v) { copiainf_ = v; }
    // "O" official printout, "B" draft.
    QString TIPOIMP() const { return tipoimp_; }
    void TIPOIMP(const QString& v) { tipoimp_ = v; }

private:
    cImOf() = default;
    vb::Long fechapre_ = 0;
    vb::Long csde_ = 0;
    vb::Long csco_ = 0;
    QString periodo_;
    QString modop_;
    QString modelo_;
    QString copiaadm_;
    QString copiainf_;
    QString tipoimp_;
};

}  // namespace oxalde
