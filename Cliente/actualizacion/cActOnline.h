#pragma once
// The state of the online version check, one instance for the whole run: the installed and the
// available version, the address of the update service, the check-at-start choice and the
// outcome of the last check.
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

    // 1 when the last comparison found the available version different from the installed one.
    vb::Long ComVer() const { return comVer_; }
    void ComVer(vb::Long v) { comVer_ = v; }

    // The available version as read from the version file: its first three dot-separated parts,
    // the address of its download page and its description.
    QString ActVer1() const { return actVer1_; }
    void ActVer1(const QString& v) { actVer1_ = v; }
    QString ActVer2() const { return actVer2_; }
    void ActVer2(const QString& v) { actVer2_ = v; }
    QString ActVer3() const { return actVer3_; }
    void ActVer3(const QString& v) { actVer3_ = v; }
    QString ActDownloadURL() const { return actDownloadURL_; }
    void ActDownloadURL(const QString& v) { actDownloadURL_ = v; }
    QString ActDescripcion() const { return actDescripcion_; }
    void ActDescripcion(const QString& v) { actDescripcion_ = v; }

private:
    cActOnline() = default;
    QString actFile_;
    QString progVer1_;
    QString progVer2_;
    QString progVer3_;
    QString urlAct_;
    QString actVer1_;
    QString actVer2_;
    QString actVer3_;
    QString actDownloadURL_;
    QString actDescripcion_;
    vb::Integer actOnline_ = 0;
    vb::Integer sitAct_ = 0;
    vb::Long comVer_ = 0;
};

}  // namespace oxalde
