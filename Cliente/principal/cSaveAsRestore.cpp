#include "principal/cSaveAsRestore.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "compartido/cadenas.h"
#include "compartido/mensajes.h"
#include "principal/base_usuario.h"
#include "principal/carpeta_trabajo.h"
#include "principal/copia_sqlite.h"
#include "principal/textos_defecto.h"
#include "vb/error.h"

namespace oxalde {

QString NombreBaseAnterior(const QString& ruta) {
    const QFileInfo archivo(ruta);
    return archivo.path() + u'/' + archivo.completeBaseName() + QStringLiteral("_Anterior.") + archivo.suffix();
}

void BorrarRestosJuntoA(const QString& base, const QString& copia) {
    BorrarRestosDeTrabajo({QFileInfo(base).path(), QFileInfo(copia).path()});
    // What the earlier copy code left when cut short: "<file>.tmp" and its journal.
    for (const QString& destino : {NombreBaseAnterior(base), copia})
        for (const QString& resto : {destino + QStringLiteral(".tmp"), destino + QStringLiteral(".tmp-journal")})
            QFile::remove(resto);
}

QString cSaveAsRestore::Cadena(int id) const { return oxalde::Cadena(id, idioma_); }

QString cSaveAsRestore::Motivo(const vb::Error& e) const {
    const QString archivo = e.Archivo().empty() ? Destino() : QFile::decodeName(e.Archivo().c_str());
    const DefectoCopia defecto = NombrarDiario(archivo, {DefectoDeFallo(e), {}}).defecto;
    return TextoCopia(TextosDe(defecto).alCopiar, defecto, archivo, idioma_);
}

// A save cut short beside the user's database is rolled back first, as at start. A journal that is
// not the database's is said, with the file, the journal and the backup left as they were.
bool cSaveAsRestore::SinGuardadoCortado(const QString& base, int primera, int titulo) {
    const ResultadoComprobacion r = DeshacerGuardadoCortado(base);
    if (r.defecto == DefectoCopia::Ninguno) return true;
    MsgBox(Cadena(primera) + u'\n' + TextoCopia(TextosDe(r.defecto).alCopiar, r.defecto, base, idioma_), vbCritical,
           Cadena(titulo));
    return false;
}

void cSaveAsRestore::CrearBackup() {
    BorrarRestosJuntoA(Origen(), Destino());
    if (QFileInfo::exists(Destino()) &&
        MsgBox(Cadena(kIdMsgCopiaExiste), vbYesNo | vbQuestion, Cadena(kIdTituloCopia)) != vbYes) {
        return;
    }
    try {
        if (!QDir().mkpath(rutaDestino_))
            throw vb::Error(vb::errBaseDatos + SQLITE_CANTOPEN, "GarobelLib.cSaveAsRestore", "cannot make the folder")
                .ConMotor(QFile::encodeName(QDir::cleanPath(rutaDestino_)).toStdString(), SQLITE_CANTOPEN);
        if (!SinGuardadoCortado(Origen(), kIdMsgCopiaFallida, kIdTituloCopiaFallida)) return;
        CopiarBaseAArchivoNuevo(Origen(), Destino(), Comprobada::Si);
    } catch (const vb::Error& e) {
        MsgBox(Cadena(kIdMsgCopiaFallida) + u'\n' + Motivo(e), vbCritical, Cadena(kIdTituloCopiaFallida));
    }
}

bool cSaveAsRestore::CopiaValida(const QString& copia) {
    ResultadoComprobacion r;
    try {
        r = PrepararCopia(Origen(), copia, bdLectura_);
    } catch (const vb::Error& e) {
        // The scratch copies (all in the scratch folder) stand for the database being restored;
        // any other file is named as it is.
        if (QFileInfo(QFile::decodeName(e.Archivo().c_str())).absolutePath() != QFileInfo(copia).absolutePath()) throw;
        throw e.ConMotor(QFile::encodeName(Destino()).toStdString(), e.Motor());
    }
    if (r.defecto == DefectoCopia::Ninguno) return true;
    MsgBox(
        TextoCopia(TextosDe(r.defecto).deLaCopia, r.defecto, Origen(), idioma_) + u'\n' + Cadena(kIdMsgNadaRestaurado),
        vbCritical, Cadena(kIdTituloRestaurar));
    return false;
}

bool cSaveAsRestore::CrearRestore() {
    BorrarRestosJuntoA(Destino(), Origen());
    if (MsgBox(Cadena(kIdPreguntaRestaurar), vbYesNo | vbQuestion, Cadena(kIdTituloRestaurar)) != vbYes) return false;
    try {
        // The backup is read once, into a scratch copy beside the database that nobody else
        // writes: that copy is checked and that copy is installed, whatever happens to the backup
        // file meanwhile.
        const CarpetaTrabajo trabajo(rutaDestino_);
        const QString copia = trabajo.Ruta(archivoDestino_);
        if (!CopiaValida(copia)) return false;
        if (!SinGuardadoCortado(Destino(), kIdMsgNoRestaurada, kIdTituloRestaurar)) return false;
        CopiarBaseAArchivoNuevo(Destino(), NombreBaseAnterior(Destino()));
        CopiarBaseEnLinea(copia, Destino());
    } catch (const vb::Error& e) {
        MsgBox(Cadena(kIdMsgNoRestaurada) + u'\n' + Motivo(e), vbCritical, Cadena(kIdTituloRestaurar));
        return false;
    }
    return true;
}

}  // namespace oxalde
