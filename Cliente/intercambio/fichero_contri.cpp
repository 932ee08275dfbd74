#include "intercambio/fichero_contri.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include "intercambio/escritura.h"
#include "vb/ansi.h"

namespace oxalde {
namespace {
constexpr qsizetype kBloque = 64 * 1024;
}

std::optional<Excedido> BuscarExcedido(const cExportar& exportar) {
    for (qint32 i = 1; i <= exportar.TablaContriExpCOUNT(); ++i) {
        const RegistroContribuyente& r = exportar.TablaContriExpELEMENTO(i);
        if (const CampoLinea* campo = CampoExcedido(r))
            return Excedido{r.DNI.trimmed(), campo, campo->numero(r) != kNoEsNumero};
    }
    return std::nullopt;
}

ResultadoEscritura EscribirFicheroContri(const QString& ruta, const cExportar& exportar) {
    const QFileInfo info(ruta);
    if (info.fileName().isEmpty() || info.isDir() || !info.absoluteDir().exists())
        return {ResultadoEscritura::Inalcanzable, {}};
    if (const ClaseFichero clase = ClaseDe(ruta); NoEsFichero(clase))
        return {ResultadoEscritura::NoEsFichero, {}, clase};
    QSaveFile fichero(ruta);
    if (!fichero.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {ResultadoEscritura::Fallido, fichero.errorString()};
    // The lines go out in blocks of about 64 KiB.
    QByteArray bloque;
    QString detalle;
    const qint32 n = exportar.TablaContriExpCOUNT();
    for (qint32 i = 1; i <= n; ++i) {
        bloque += QByteArray::fromStdString(
            vb::Utf8AAnsi(LineaContribuyente(exportar.TablaContriExpELEMENTO(i)).toStdString()));
        bloque += "\r\n";
        if (bloque.size() < kBloque && i < n) continue;
        if (!EscribirTodo(fichero, bloque, detalle)) {
            fichero.cancelWriting();
            return {ResultadoEscritura::Fallido, detalle};
        }
        bloque.clear();
    }
    if (!fichero.commit()) return {ResultadoEscritura::Fallido, fichero.errorString()};
    return {};
}

}  // namespace oxalde
