#pragma once
// The program-wide values and where the program's files are.
#include <QString>
#include <functional>
#include <optional>

namespace oxalde {

// Set once by start-up, read by every window.
inline QString VersionPrograma;    // "major.minor.revision" of the program file
inline int DesplIdioma = 0;        // string-table offset: 0 Spanish, kDesplEuskera Basque
inline QString RutaTablas;         // the databases' folder, ending in "/"
inline QString RutaBDLectura;      // the reference database
inline QString RutaBDModificable;  // the user's database
// The user's database cannot be written, and start-up has said so: the choices of the first run
// hold for this run only, without a second report.
inline bool BaseSinEscritura = false;

// The file version a program file carries: four 16-bit numbers, read as signed.
struct VersionArchivo {
    qint16 mayor = 0;
    qint16 menor = 0;
    qint16 compilacion = 0;
    qint16 revision = 0;
};
// The version record of the program file: the project version the program was built with.
std::optional<VersionArchivo> VersionDelArchivo(const QString& archivo);
// Tests put another reader here (answering std::nullopt: a file without version); an empty
// function restores the real one.
using LectorVersion = std::function<std::optional<VersionArchivo>(const QString& archivo)>;
void EstablecerLectorVersion(LectorVersion lector);

// The folder of the running program ("/" separators, no trailing "/"); tests may set another.
QString CarpetaPrograma();
void EstablecerCarpetaPrograma(const QString& carpeta);

// The databases' folder for a program folder: beside the nearest folder named "cliente" (any
// case) on the path, otherwise inside the program folder.
QString RutaTablasDe(const QString& carpetaPrograma);

}  // namespace oxalde
