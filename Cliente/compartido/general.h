#pragma once
// The program's start-up and its program-wide values.
#include <QString>
#include <functional>
#include <optional>
#include <stdexcept>

namespace oxalde {

// Set once by start-up, read by every window.
inline QString VersionPrograma;    // "major.minor.revision" of the program file
inline int DesplIdioma = 0;        // string-table offset: 0 Spanish, 10000 Basque
inline QString RutaTablas;         // the databases' folder, ending in "/"
inline QString RutaBDLectura;      // the reference database
inline QString RutaBDModificable;  // the user's database

// The file version a program file carries: four 16-bit numbers, read as signed.
struct VersionArchivo {
    qint16 mayor = 0, menor = 0, compilacion = 0, revision = 0;
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

// Why start-up cannot go on, in the user's words (both languages, naming the file): shown
// alone, without an error number, and the program ends with a failure status.
class ErrorArranque : public std::runtime_error {
public:
    explicit ErrorArranque(const QString& texto) : std::runtime_error(texto.toStdString()), texto_(texto) {}
    const QString& Texto() const { return texto_; }

private:
    QString texto_;
};

// A text of the string table in both languages, Spanish first, with %1 replaced by the file.
QString TextoBilingue(int id, const QString& archivo);

// Start-up, in this order: the named lock, LeerVersionPrograma, EstablecerRutasBD,
// ComprobarBasesDatos, Traspaso, LeerConfiguracion, the splash, then the main window.
// False when the program is to end without showing its windows. Errors reach the caller.
bool Main();

// VersionPrograma and the installed version of the version check (message 331 without one).
void LeerVersionPrograma();
// RutaTablas, RutaBDLectura, RutaBDModificable.
void EstablecerRutasBD();
// Both database files must exist and be readable, and the user's one must be a sound database
// of this program: otherwise ErrorArranque naming the file, before anything could create or
// change a file there. A user's database that cannot be written is said at once (changes will
// not be saved) and start-up goes on.
void ComprobarBasesDatos();
// Brings the user's database up to date in place; answers what the library answers.
// An error comes back with "MDI7312.Traspaso" before its description.
bool Traspaso();
// The run settings, the update service's address, the check-at-start choice and the language.
void LeerConfiguracion();

}  // namespace oxalde
