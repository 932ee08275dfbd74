#pragma once
// Scratch copies of the user's data, kept beside the files they come from or go to, never in the
// system's temporary folder, where nothing would find them again: each in a folder of the
// program's own name (".oxalde-trabajo-<unique>"), held by a lock file of the same name while in
// use. Whatever a copy cut short left is removed by the next start, backup or restore; what
// another running copy of the program holds is never touched.
#include <QLockFile>
#include <QString>
#include <QStringList>
#include <string>

namespace oxalde {

class CarpetaTrabajo {
public:
    // A new scratch folder inside `junto`. Raises vb::Error naming `junto` (engine code
    // SQLITE_CANTOPEN) when it cannot be made there.
    explicit CarpetaTrabajo(const QString& junto);
    // Removes the folder with everything in it, then lets the lock go.
    ~CarpetaTrabajo();
    CarpetaTrabajo(const CarpetaTrabajo&) = delete;
    CarpetaTrabajo& operator=(const CarpetaTrabajo&) = delete;

    // A file of that name inside the scratch folder.
    QString Ruta(const QString& nombre) const;

private:
    QString carpeta_;
    QLockFile cerrojo_;
};

// A file-system failure (`numero` from errno) on `ruta`, raised as the engine's error: a full disk
// or quota as SQLITE_FULL, so that the user is told to free space, anything else as
// SQLITE_CANTOPEN.
[[noreturn]] void FalloDeArchivo(int numero, const std::string& mensaje, const QString& ruta);
// Copies the file `de` to the new file `a` (with its mode) and onto the disk. A failure to write
// `a` is raised naming `carpeta` (a full disk as such), one to read `de` naming `de`.
void CopiarArchivo(const QString& de, const QString& a, const QString& carpeta);
// Puts the scratch copy `de` in the place of `a` in one step, once its bytes are on the disk.
void MoverEnSuSitio(const QString& de, const QString& a);
// The new names of files moved into a folder reach the disk with it.
void SincronizarCarpeta(const QString& carpeta);

// Whether both files hold the same bytes; false when either cannot be read.
bool MismosBytes(const QString& a, const QString& b);

// Removes from each folder the scratch folders (and their lock files) that no running copy of the
// program holds.
void BorrarRestosDeTrabajo(const QStringList& carpetas);

}  // namespace oxalde
