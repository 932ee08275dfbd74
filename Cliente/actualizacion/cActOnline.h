#pragma once
// The state of the online version check, one instance for the whole run: the installed and the
// available version, the address of the update service, the check-at-start choice and the
// outcome of the last check.
#include <QString>

#include "compartido/campos_registro.h"
#include "vb/variant.h"

namespace oxalde {

class cActOnline {
public:
    static cActOnline& Instancia();

    // The program file whose version start-up reads.
    OXALDE_TEXTO(ActFile)

    // Major, minor and revision of the program file as decimal text; empty without a version.
    OXALDE_TEXTO(ProgVer1)
    OXALDE_TEXTO(ProgVer2)
    OXALDE_TEXTO(ProgVer3)

    // Base address of the update service.
    OXALDE_TEXTO(URLAct)
    // Reads the address from the reference database into URLAct and answers it.
    QString ObtenerURLAct();

    // Check at start: -1 never chosen, 0 no, 1 yes. Setting it stores nothing.
    OXALDE_CAMPO(vb::Integer, ActOnline)
    // Reads the stored choice from the modifiable database / stores the current one there.
    void LeerActOnline();
    void GuardarActOnline();

    // Outcome of the last check: 0 none yet, 1 download failed, 3 checked, 4 unusable data.
    OXALDE_CAMPO(vb::Integer, SitAct)

    // 1 when the last comparison found the available version different from the installed one.
    OXALDE_CAMPO(vb::Long, ComVer)

    // The available version as read from the version file: its first three dot-separated parts,
    // the address of its download page and its description.
    OXALDE_TEXTO(ActVer1)
    OXALDE_TEXTO(ActVer2)
    OXALDE_TEXTO(ActVer3)
    OXALDE_TEXTO(ActDownloadURL)
    OXALDE_TEXTO(ActDescripcion)

private:
    cActOnline() = default;
    struct Campos {
        QString ActFile;
        QString ProgVer1;
        QString ProgVer2;
        QString ProgVer3;
        QString URLAct;
        QString ActVer1;
        QString ActVer2;
        QString ActVer3;
        QString ActDownloadURL;
        QString ActDescripcion;
        vb::Integer ActOnline = 0;
        vb::Integer SitAct = 0;
        vb::Long ComVer = 0;
    };
    Campos c_;
};

}  // namespace oxalde
