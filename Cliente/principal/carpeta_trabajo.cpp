#include "principal/carpeta_trabajo.h"

#include <sqlite3.h>

#include <QDir>
#include <QUuid>

#include "vb/error.h"

namespace oxalde {
namespace {

const QString kPrefijo = QStringLiteral(".oxalde-trabajo-");
const QString kCerrojo = QStringLiteral(".lock");

QString Nueva(const QString& junto) {
    return QDir(junto).filePath(kPrefijo + QUuid::createUuid().toString(QUuid::WithoutBraces));
}

}  // namespace

// The lock is taken before the folder is made and let go after it is removed: a folder without a
// held lock is always abandoned. Only a dead holder makes a lock stale: a long restore keeps its
// folder.
CarpetaTrabajo::CarpetaTrabajo(const QString& junto) : carpeta_(Nueva(junto)), cerrojo_(carpeta_ + kCerrojo) {
    cerrojo_.setStaleLockTime(0);
    if (!cerrojo_.tryLock(0) || !QDir().mkdir(carpeta_)) {
        // The lock's file, when it was made, goes with the object.
        throw vb::Error(vb::errBaseDatos + SQLITE_CANTOPEN, "Oxalde", "cannot make a scratch folder")
            .ConMotor(QDir::cleanPath(junto).toStdString(), SQLITE_CANTOPEN);
    }
}

CarpetaTrabajo::~CarpetaTrabajo() { QDir(carpeta_).removeRecursively(); }

QString CarpetaTrabajo::Ruta(const QString& nombre) const { return QDir(carpeta_).filePath(nombre); }

void BorrarRestosDeTrabajo(const QStringList& carpetas) {
    for (const QString& carpeta : carpetas) {
        const QDir dir(carpeta);
        QStringList nombres;
        for (QString nombre : dir.entryList({kPrefijo + u'*'}, QDir::AllEntries | QDir::Hidden | QDir::System)) {
            if (nombre.endsWith(kCerrojo)) nombre.chop(kCerrojo.size());
            if (!nombres.contains(nombre)) nombres << nombre;
        }
        for (const QString& nombre : nombres) {
            QLockFile cerrojo(dir.filePath(nombre + kCerrojo));
            cerrojo.setStaleLockTime(0);
            if (cerrojo.tryLock(0)) QDir(dir.filePath(nombre)).removeRecursively();
        }
    }
}

}  // namespace oxalde
