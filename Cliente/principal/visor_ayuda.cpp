#include "principal/visor_ayuda.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace oxalde {

VentanaAyuda::VentanaAyuda(QWidget* propietario)
    : QWidget(propietario, Qt::Window), navegador_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("VentanaAyuda"));
    setAttribute(Qt::WA_DeleteOnClose);
    navegador_->setObjectName(QStringLiteral("navegador"));
    auto* capas = new QVBoxLayout(this);
    capas->setContentsMargins(0, 0, 0, 0);
    capas->addWidget(navegador_);
    connect(navegador_, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(navegador_->documentTitle()); });
    resize(640, 480);
}

void VentanaAyuda::MostrarPagina(const QString& pagina) {
    navegador_->setSource(QUrl::fromLocalFile(pagina));
    setWindowTitle(navegador_->documentTitle());
}

QString PaginaDeAyuda(const QString& ruta) {
    const qsizetype separador = ruta.indexOf(QStringLiteral("::/"));
    if (separador < 0) return ruta;
    return ruta.left(separador) + u'/' + ruta.mid(separador + 3);
}

VentanaAyuda* HtmlHelp(QWidget* propietario, const QString& ruta) {
    const QString pagina = PaginaDeAyuda(ruta);
    if (!QFileInfo(pagina).isFile()) return nullptr;
    auto* ventana = propietario ? propietario->findChild<VentanaAyuda*>(QString(), Qt::FindDirectChildrenOnly)
                                : nullptr;
    if (!ventana) ventana = new VentanaAyuda(propietario);
    ventana->MostrarPagina(pagina);
    ventana->show();
    ventana->raise();
    ventana->activateWindow();
    return ventana;
}

}  // namespace oxalde
