#pragma once
// Whether a file can stand for one of the program's databases, asked before the program takes
// it: at start (a damaged or foreign file would fail on every start, or be written to before it
// failed) and before a restore replaces anything.
#include <QString>
#include <QStringList>
#include <functional>

#include "principal/copia_sqlite.h"

namespace oxalde {

// A copy offered for a restore: read once into `copia` (a scratch file in a scratch folder of the
// caller's) and checked there fully: the engine's integrity check, then the in-place upgrade run
// on a second scratch copy in the same folder (so an older layout is still accepted), then every
// table and column the program reads and none that a save could not fill. What passes is `copia`
// itself, so a file that changes after it was read cannot slip past the check. The offered file
// is never changed. What the scratch copies meet that says nothing of the offered file (a full
// disk, a folder that cannot be written) is raised as the vb::Error it is, and so is an offered
// file the user may not open or read (naming it).
ResultadoComprobacion PrepararCopia(const QString& ruta, const QString& copia, const QString& rutaLectura);

// The user's database at start: a database of this program, not cut short, every page and index
// sound, whose tables and columns are all there (those the upgrade adds may be missing). A save
// cut short is rolled back first, as DeshacerGuardadoCortado does (AMedioGuardar when it cannot
// be, for want of write permission, DiarioSinPermiso when only the journal lacks it; DiscoLleno
// when the disk lacks the room for the copies); otherwise the file is only read, and checked once:
// a file rolled back to the very bytes of its checked copy is not checked again. A file another
// program keeps locked is waited for, then said to be in use.
ResultadoComprobacion ComprobarBaseUsuario(const QString& ruta);
// The same for the reference database and its tables.
ResultadoComprobacion ComprobarBaseLectura(const QString& ruta);

// The journal of a save cut short beside the user's database rolled back into it, once a copy of
// both, rolled back in a scratch folder beside them, has passed the check (a journal that is not
// the file's would damage it): Ninguno when there was none to roll back (or none this user may),
// or it was rolled back; DiarioAjeno (or DanadaConDiario, when the file alone fails the check as
// well) when the copy failed, the file and journal left as they were.
// Start-up, backup and restore all go through it. What the copies meet (a full disk) is raised.
ResultadoComprobacion DeshacerGuardadoCortado(const QString& ruta);
// For tests: `paso` runs between the steps of that keeping aside (the scratch folder made, each
// copy written, the copy checked, the file rolled back), where a kill may come.
void EstablecerPasoApartado(std::function<void()> paso);

// A save cut short that cannot be rolled back (AMedioGuardar) beside a file and a folder that may
// be written: the journal is what needs the permission (DiarioSinPermiso). Start-up, backup and
// restore say it so.
ResultadoComprobacion NombrarDiario(const QString& ruta, ResultadoComprobacion r);

// The file, and its folder (the engine writes its journal beside the file), when the running
// user cannot write them.
QStringList SinPermisoEscritura(const QString& ruta);

}  // namespace oxalde
