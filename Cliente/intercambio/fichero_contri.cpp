#include "intercambio/fichero_contri.h"

#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

#include "intercambio/escritura.h"
#include "intercambio/motivo_sistema.h"
#include "vb/ansi.h"

namespace oxalde {
namespace {

constexpr qsizetype kBloque = 64 * 1024;

// A failed open or commit, its reason from the system's error number (MotivoFallo): the
// toolkit's account of a file or folder that may not be written comes in its own translation,
// Spanish in a Basque session. The number is cleared before the call and read at once after it:
// a call that succeeds may leave one behind.
ResultadoEscritura Fallo(const QFileDevice& fichero, int numero) {
    return {ResultadoEscritura::Fallido, MotivoFallo(fichero, numero)};
}

}  // namespace

std::optional<Excedido> BuscarExcedido(const cExportar& exportar) {
    for (qint32 i = 1; i <= exportar.TablaContriExpCOUNT(); ++i) {
        const RegistroContribuyente& r = exportar.TablaContriExpELEMENTO(i);
        if (const CampoLinea* campo = CampoExcedido(r))
            return Excedido{r.DNI.trimmed(), campo, campo->numero(r) != kNoEsNumero};
    }
    return std::nullopt;
}

ResultadoEscritura EscribirFicheroContri(const QString& ruta, const cExportar& exportar) {
    // A folder first: a path to one may end in a separator, which leaves no file name.
    if (const ClaseFichero clase = ClaseDe(ruta); NoEsFichero(clase))
        return {ResultadoEscritura::NoEsFichero, {}, clase};
    if (QFileInfo(ruta).fileName().isEmpty()) return {ResultadoEscritura::Inalcanzable, {}};
    QSaveFile fichero(ruta);
    errno = 0;
    if (!fichero.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        // Only a folder that is not there is unreachable; a name too long, a folder that may not
        // be passed through, a disk that may not be written are said with their reason.
        if (errno == ENOENT) return {ResultadoEscritura::Inalcanzable, {}};
        return Fallo(fichero, errno);
    }
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
    errno = 0;
    if (!fichero.commit()) return Fallo(fichero, errno);
    return {};
}

}  // namespace oxalde
