#pragma once
// Our backup component, created by ProgID "GarobelLib.cSaveAsRestore": it copies the user's
// database to a backup file and back, with its own questions and messages. The caller sets the
// ten properties, then calls CrearBackup or CrearRestore once.
#include <QString>
#include <QtGlobal>

#include "com/com.h"
#include "vb/error.h"
#include "vb/variant.h"

namespace oxalde {

class cSaveAsRestore : public com::Object {
public:
    // File names and folders (folders end in "/"): the copy goes from RutaOrigen + ArchivoOrigen
    // to RutaDestino + ArchivoDestino.
    void ArchivoOrigen(const QString& v) { archivoOrigen_ = v; }
    void ArchivoDestino(const QString& v) { archivoDestino_ = v; }
    void RutaDestino(const QString& v) { rutaDestino_ = v; }
    void RutaOrigen(const QString& v) { rutaOrigen_ = v; }
    // Accepted for a file dialog; the files are always the ones named above.
    void Filtro(const QString& v) { filtro_ = v; }
    // 0 Spanish, anything else Basque.
    void Idioma(vb::Integer v) { idioma_ = v; }
    // Handle of the window that owns the component's boxes.
    void Parent(quintptr v) { parent_ = v; }
    // A value of the reference database (database, table, column) for the component's own use:
    // the database serves the upgrade a restored copy is checked with.
    void BDLectura(const QString& v) { bdLectura_ = v; }
    void BDTabla(const QString& v) { bdTabla_ = v; }
    void BDCampo(const QString& v) { bdCampo_ = v; }

    // Copies the database into the backup file, creating the folder, after asking before it
    // replaces an earlier copy: the last completed save (a save cut short is rolled back first,
    // as at start, where the user may write the database). The new copy replaces the earlier one
    // only once it has passed the engine's integrity check. A failure is reported in a box, in the
    // user's words. Both this and the restore first remove the scratch copies an earlier one left.
    void CrearBackup();

    // After the user confirms, replaces the database by the backup copy: only a copy that passes
    // the engine's integrity check and, once upgraded (on a scratch copy), holds every table and
    // column the program reads and none a save could not fill; what is installed is the copy
    // that was checked. The scratch copies lie beside the database. The replaced database is
    // kept beside it as "<name>_Anterior.mdb". A file another program keeps locked is said to be
    // in use; a copy left in the middle of a write (a journal beside it, which a copy only read
    // cannot roll back) is refused as such. A save cut short beside the database is rolled back
    // first, as at start. The copy is installed with a durable commit.
    // True only when it was replaced; on any refusal or failure the database stays as it was and
    // a box says why.
    bool CrearRestore();

private:
    QString archivoOrigen_;
    QString archivoDestino_;
    QString rutaDestino_;
    QString rutaOrigen_;
    QString filtro_;
    QString bdLectura_;
    QString bdTabla_;
    QString bdCampo_;
    vb::Integer idioma_ = 0;
    quintptr parent_ = 0;

    QString Cadena(int id) const;
    // Why a copy failed, in the user's words and naming the file: never the engine's text.
    QString Motivo(const vb::Error& e) const;
    QString Origen() const { return rutaOrigen_ + archivoOrigen_; }
    QString Destino() const { return rutaDestino_ + archivoDestino_; }
    // Reads the backup into `copia` and checks it there; says why when it is refused.
    bool CopiaValida(const QString& copia);
    // Rolls back a save cut short beside the database; false, once said after the text `primera`
    // in a box titled `titulo`, when it may not be.
    bool SinGuardadoCortado(const QString& base, int primera, int titulo);
};

// The name under which a replaced database is kept: "<base>_Anterior.mdb" beside it.
QString NombreBaseAnterior(const QString& ruta);

// Removes what backups and restores cut short left beside the user's database `base` and the
// backup `copia`: the scratch folders no running copy holds, and "<file>.tmp" and its
// "-journal" of the earlier copy code beside the "_Anterior" copy and the backup (only those
// names, and a link under one of them as a name, never what it points at).
void BorrarRestosJuntoA(const QString& base, const QString& copia);

}  // namespace oxalde
