#include "principal/cSaveAsRestore.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "principal/base_usuario.h"
#include "compartido/cadenas.h"
#include "principal/copia_sqlite.h"
#include "compartido/mensajes.h"
#include "vb/error.h"

namespace oxalde {

QString NombreBaseAnterior(const QString& ruta) {
    const QFileInfo archivo(ruta);
    return archivo.path() + u'/' + archivo.completeBaseName() + QStringLiteral("_Anterior.") + archivo.suffix();
}

QString cSaveAsRestore::Cadena(int id) const { return LoadResString(id + (idioma_ == 0 ? 0 : 10000)); }

QString cSaveAsRestore::Texto(const char* castellano, const char* euskera) const {
    return QString::fromUtf8(idioma_ == 0 ? castellano : euskera);
}

void cSaveAsRestore::CrearBackup() {
    if (QFileInfo::exists(Destino()) && MsgBox(Cadena(kIdMsgCopiaExiste), vbYesNo | vbQuestion, Cadena(kIdTituloCopia)) != vbYes) return;
    try {
        if (!QDir().mkpath(rutaDestino_))
            throw vb::Error(vb::errAccesoArchivo, "GarobelLib.cSaveAsRestore",
                            QDir::toNativeSeparators(rutaDestino_).toStdString());
        CopiarBaseAArchivoNuevo(Origen(), Destino());
    } catch (const vb::Error& e) {
        MsgBox(Cadena(kIdMsgCopiaFallida) + u'\n' + QString::fromStdString(e.Description()), vbCritical, Cadena(kIdTituloCopiaFallida));
    }
}

bool cSaveAsRestore::CopiaValida(const QString& copia) {
    const ResultadoComprobacion r = PrepararCopia(Origen(), copia, bdLectura_);
    if (r.defecto == DefectoCopia::Ninguno) return true;
    const QString archivo = QDir::toNativeSeparators(Origen());
    QString motivo;
    switch (r.defecto) {
        case DefectoCopia::NoExiste:
            motivo = Texto("No se encuentra la copia de seguridad \"%1\".", "Ez da \"%1\" segurtasun kopia aurkitu.");
            break;
        case DefectoCopia::NoEsBase:
            motivo = Texto("El archivo \"%1\" no es una copia de seguridad.",
                           "\"%1\" fitxategia ez da segurtasun kopia bat.");
            break;
        case DefectoCopia::Danada:
            motivo = Texto("La copia de seguridad \"%1\" está dañada.", "\"%1\" segurtasun kopia hondatuta dago.");
            break;
        case DefectoCopia::FaltanTablas:
            motivo = Texto("El archivo \"%1\" no es una copia de seguridad de este programa.",
                           "\"%1\" fitxategia ez da programa honen segurtasun kopia bat.");
            break;
        case DefectoCopia::AMedioGuardar:
            motivo = Texto("La copia de seguridad \"%1\" quedó a medias de una escritura que no terminó (hay un "
                           "diario \"-journal\" a su lado): no se puede leer de forma coherente.",
                           "\"%1\" segurtasun kopia amaitu ez zen idazketa baten erdian geratu zen (\"-journal\" "
                           "egunkari bat dago ondoan): ezin da modu koherentean irakurri.");
            break;
        case DefectoCopia::EnUso: motivo = Cadena(kIdMsgArchivoEnUso); break;
        case DefectoCopia::Ninguno: break;
    }
    MsgBox(motivo.arg(archivo) + u'\n' +
               Texto("No se ha restaurado nada: los datos actuales no han cambiado.",
                     "Ez da ezer leheneratu: uneko datuak ez dira aldatu."),
           vbCritical, Cadena(kIdTituloRestaurar));
    return false;
}

bool cSaveAsRestore::CrearRestore() {
    if (MsgBox(Cadena(kIdPreguntaRestaurar), vbYesNo | vbQuestion, Cadena(kIdTituloRestaurar)) != vbYes) return false;
    // The backup is read once, into a scratch copy nobody else writes: that copy is checked and
    // that copy is installed, whatever happens to the backup file meanwhile.
    QTemporaryDir carpeta;
    if (!carpeta.isValid()) return NoRestaurada(carpeta.errorString());
    const QString copia = carpeta.filePath(QStringLiteral("copia.mdb"));
    if (!CopiaValida(copia)) return false;
    try {
        CopiarBaseAArchivoNuevo(Destino(), NombreBaseAnterior(Destino()));
        CopiarBaseEnLinea(copia, Destino());
    } catch (const vb::Error& e) {
        return NoRestaurada(EsBloqueo(e.Number()) ? Cadena(kIdMsgArchivoEnUso).arg(QDir::toNativeSeparators(Destino()))
                                                  : QString::fromStdString(e.Description()));
    }
    return true;
}

bool cSaveAsRestore::NoRestaurada(const QString& motivo) {
    MsgBox(Texto("No se ha podido restaurar la base de datos; los datos actuales no han cambiado.",
                 "Ezin izan da datu-basea leheneratu; uneko datuak ez dira aldatu.") +
               u'\n' + motivo,
           vbCritical, Cadena(kIdTituloRestaurar));
    return false;
}

}  // namespace oxalde
