#include "compartido/general.h"

#include <QCoreApplication>
#include <QStringList>

namespace oxalde {
namespace {

LectorVersion& lectorVersion() {
    static LectorVersion lector;
    return lector;
}

QString& carpetaEstablecida() {
    static QString carpeta;
    return carpeta;
}

}  // namespace

std::optional<VersionArchivo> VersionDelArchivo(const QString& archivo) {
    if (lectorVersion()) return lectorVersion()(archivo);
    VersionArchivo v;
    v.mayor = static_cast<qint16>(OXALDE_VERSION_MAYOR);
    v.menor = static_cast<qint16>(OXALDE_VERSION_MENOR);
    v.revision = static_cast<qint16>(OXALDE_VERSION_REVISION);
    return v;
}

void EstablecerLectorVersion(LectorVersion lector) { lectorVersion() = std::move(lector); }

QString CarpetaPrograma() {
    return carpetaEstablecida().isEmpty() ? QCoreApplication::applicationDirPath() : carpetaEstablecida();
}

void EstablecerCarpetaPrograma(const QString& carpeta) { carpetaEstablecida() = carpeta; }

QString RutaTablasDe(const QString& carpetaPrograma) {
    QString carpeta = carpetaPrograma;
    while (carpeta.size() > 1 && carpeta.endsWith(u'/')) carpeta.chop(1);
    const QStringList partes = carpeta.split(u'/');
    // The nearest one: a folder above the program's that happens to be called so (a user
    // "cliente", say) must not move the databases out of the program's own folder.
    for (qsizetype i = partes.size() - 1; i >= 0; --i)
        if (partes[i].compare(QStringLiteral("cliente"), Qt::CaseInsensitive) == 0)
            return partes.mid(0, i).join(u'/') + QStringLiteral("/Tablas/");
    if (carpeta.endsWith(u'/')) carpeta.chop(1);
    return carpeta + QStringLiteral("/Tablas/");
}

}  // namespace oxalde
