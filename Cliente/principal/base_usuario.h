#pragma once
// Whether a file can stand for the user's database, asked before the program takes it: at start
// (a damaged or foreign file would fail on every start) and before a restore replaces anything.
#include <QString>
#include <QStringList>

#include "principal/copia_sqlite.h"

namespace oxalde {

// A copy offered for a restore, checked fully: the engine's integrity check, then the in-place
// upgrade run on a scratch copy of it (so an older layout is still accepted), then every table
// and column the program reads. The file itself is never changed.
ResultadoComprobacion ComprobarCopiaCompleta(const QString& ruta, const QString& rutaLectura);

// The user's database at start: a database of this program, not cut short, whose tables and
// columns are all there (those the upgrade adds may be missing). Answers why not, or "" when it
// is sound. Reads the file only.
QString DefectoBaseUsuario(const QString& ruta);

// The file, and its folder (the engine writes its journal beside the file), when the running
// user cannot write them.
QStringList SinPermisoEscritura(const QString& ruta);

}  // namespace oxalde
