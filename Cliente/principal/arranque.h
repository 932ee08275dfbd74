#pragma once
// The program's start-up: the checks and readings before the main window, then the window.
#include <QString>
#include <QStringList>
#include <stdexcept>

namespace oxalde {

// Why start-up cannot go on, in the user's words (both languages, naming the file): shown
// alone, without an error number, and the program ends with a failure status.
class ErrorArranque : public std::runtime_error {
public:
    explicit ErrorArranque(const QString& texto) : std::runtime_error(texto.toStdString()), texto_(texto) {}
    const QString& Texto() const { return texto_; }

private:
    QString texto_;
};

// A text of the string table in both languages, Spanish first, with %1 replaced by the file (and
// %2 by the other file, when given).
QString TextoBilingue(int id, const QString& archivo, const QString& otro = {});
// The same with %1, %2, … replaced in turn by `huecos` (paths in the system's own separators).
QString TextoBilingue(int id, const QStringList& huecos);

// Start-up, in this order: the named lock, LeerVersionPrograma, EstablecerRutasBD,
// ComprobarBasesDatos, Traspaso, LeerConfiguracion, the splash, then the main window.
// False when the program is to end without showing its windows. Errors reach the caller.
bool Main();

// VersionPrograma and the installed version of the version check (message 331 without one).
void LeerVersionPrograma();
// RutaTablas, RutaBDLectura, RutaBDModificable.
void EstablecerRutasBD();
// First removes what copies cut short left beside both databases and the backup (scratch folders
// no running copy holds). Both database files must exist and be readable, and be sound databases
// of this program (every page, index, table and column the program reads): otherwise
// ErrorArranque naming the file, before anything could create or change a file there. A save cut
// short is first rolled back by the engine, so a crash does not lock the user out; one that cannot
// be rolled back for want of write permission is said as such. A file that another program keeps
// locked beyond the engine's wait is said to be in use. A user's database that cannot be written
// is said at once (changes will not be saved) and start-up goes on.
void ComprobarBasesDatos();
// Brings the user's database up to date in place; answers what the library answers.
// An error comes back with "MDI7312.Traspaso" before its description.
bool Traspaso();
// The run settings, the update service's address, the check-at-start choice and the language.
void LeerConfiguracion();

}  // namespace oxalde
