#pragma once
// The online version check: the version file of the update service is downloaded into the
// program folder, read, compared with the installed version, and the outcome is shown.
// Everything runs on the window thread; the caller waits until the check is over.
#include <QString>

#include "actualizacion/cActOnline.h"

namespace oxalde {

// Result codes of the steps below.
enum ResultadoActualizacion : int {
    kVersionesComparadas = 0,
    kSinArchivoVersion = 1,  // the download failed or left no version file
    kArchivoDescargado = 3,
    kErrorActualizacion = 4,  // the request could not be made, or the file holds no usable version
};

// One complete check with its outcome window: after a second's pause (window events keep running),
// download and compare; the no-connection window when that failed, the version window when the
// versions differ or the preferences window is open (a check the user asked for). A request
// made while a check is running is ignored.
void ComprobarActualizacion();

// Deletes an old version file and downloads the new one: 1, 3 or 4.
int DescargarInfoVersion();
// One address into one file: 3 when the file is there afterwards, otherwise 1.
int DescargarFichero(const QString& direccion, const QString& archivo);
// One value of an INI file, read by LeerValorIni's rules (default: one blank).
QString LeerIni(const QString& seccion, const QString& clave, const QString& archivo);
// Reads the version file into cActOnline and compares it with the installed version: 0 or 4.
int CompararVersiones();

// The version file in the program folder.
QString ArchivoVersion();

}  // namespace oxalde
