#pragma once
// The state of the online version check, one instance for the whole run: the installed version,
// the address of the update service, the check-at-start choice and the outcome of the last check.
#include <QString>

#include "vb/variant.h"

namespace oxalde {

class cActOnline {
public:
    static cActOnline& Instancia();

    // The program file whose version start-up reads.
    QString ActFile() const { return actFile_; }
    void ActFile(const QString& v) { actFile_ = v; }

    // Major, minor and revision of the program file as decimal text; empty without a version.
    QString ProgVer1() const { return progVer1_; }
    void ProgVer1(const QString& v) { progVer1_ = v; }
    QString ProgVer2() const { return progVer2_; }
    void ProgVer2(const QString& v) { progVer2_ = v; }
    QString ProgVer3() const { return progVer3_; }
    void ProgVer3(const QString& v) { progVer3_ = v; }

    // Base address of the update service.
    QString URLAct() const { return urlAct_; }
    void URLAct(const QString& v) { urlAct_ = v; }
    // Reads the address from the reference database into URLAct and answers it.
    QString ObtenerURLAct();

    // Check at start: -1 never chosen, 0 no, 1 yes. Setting it stores nothing.
    vb::Integer ActOnline() const { return actOnline_; }
    void ActOnline(vb::Integer v) { actOnline_ = v; }
    // Reads the stored choice from the modifiable database / stores the current one there.
    void LeerActOnline();
    void GuardarActOnline();

    // Outcome of the last check: 0 none yet, 1 download failed, 3 checked, 4 unusable data.
    vb::Integer SitAct() const { return sitAct_; }
    void SitAct(vb::Integer v) { sitAct_ = v; }

private:
    cActOnline() = default;
    QString actFile_, progVer1_, progVer2_, progVer3_, urlAct_;
    vb::Integer actOnline_ = 0;
    vb::Integer sitAct_ = 0;
};

// Looks for a newer version of the program. For now it only makes its opening pause (about a
// second, window events keep running) and returns without showing anything.
void ComprobarActualizacion();

}  // namespace oxalde
