#include "actualizacion/navegador.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include "actualizacion/descarga.h"
#include "compartido/cadenas.h"
#include "compartido/general.h"
#include "compartido/mensajes.h"
#include "vb/ansi.h"

namespace oxalde {
namespace {

Navegador& navegador() {
    static Navegador n;
    return n;
}

bool AbrirEnNavegador(const QUrl& url) { return navegador() ? navegador()(url) : QDesktopServices::openUrl(url); }

QString EscaparAtributo(const QString& texto) {
    QString r;
    for (const QChar c : texto) {
        switch (c.unicode()) {
            case u'\'': r += QStringLiteral("&#39;"); break;
            case u'"': r += QStringLiteral("&quot;"); break;
            case u'<': r += QStringLiteral("&lt;"); break;
            case u'>': r += QStringLiteral("&gt;"); break;
            default: r += c;
        }
    }
    return r;
}

bool EscribirPaginaTemporal(const QString& url) {
    const QString archivo = ArchivoPaginaTemporal();
    if ((QFileInfo::exists(archivo) || QFileInfo(archivo).isSymLink()) && !QFile::remove(archivo)) return false;
    QFile pagina(archivo);
    const QByteArray bytes = PaginaTemporal(url);
    const bool escrita = pagina.open(QIODevice::WriteOnly) && pagina.write(bytes) == bytes.size();
    pagina.close();
    return escrita && pagina.error() == QFile::NoError;
}

}  // namespace

bool DireccionNavegable(const QString& url) {
    for (const QChar c : url)
        if (c.category() == QChar::Other_Control) return false;
    return EsDireccionHttp(QUrl(url));
}

QByteArray PaginaTemporal(const QString& url) {
    const QString pagina = QStringLiteral("<HTML> ") +
                           QStringLiteral(" <BODY ONLOAD='document.formulario.submit();'> ") +
                           QStringLiteral(" <FORM NAME='formulario' action='") + EscaparAtributo(url) +
                           QStringLiteral("' method=post> ") + QStringLiteral(" </FORM></BODY> </HTML>");
    return QByteArray::fromStdString(vb::Utf8AAnsi(pagina.toStdString()));
}

QString ArchivoPaginaTemporal() { return CarpetaPrograma() + QStringLiteral("/temphtm.HTM"); }

void LanzarExplorador(const QString& url) {
    // The page only stands for the question "which program opens pages?": failing to write it
    // means no browser can be found.
    if (DireccionNavegable(url) && EscribirPaginaTemporal(url) && AbrirEnNavegador(QUrl(url))) return;
    MsgBox(Cadena(kIdMsgSinNavegador), vbExclamation, Cadena(kIdTituloSinNavegador));
}

void EstablecerNavegador(Navegador n) { navegador() = std::move(n); }

}  // namespace oxalde
