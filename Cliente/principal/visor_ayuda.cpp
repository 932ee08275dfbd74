#include "principal/visor_ayuda.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "compartido/modal.h"

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
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    Colocar(propietario ? propietario->window() : nullptr);
}

// Over the middle of the owner's window, no larger than it; where the window system lets the
// program place its windows.
void VentanaAyuda::Colocar(const QWidget* sobre) {
    const QSize tamano(640, 480);
    if (!sobre) {
        resize(tamano);
        return;
    }
    const QRect marco = sobre->frameGeometry();
    resize(tamano.boundedTo(marco.size() * 9 / 10));
    QRect sitio(marco.center() - QPoint(width() / 2, height() / 2), size());
    // A main window dragged partly off the screen does not take its help with it.
    if (const QScreen* pantalla = sobre->screen()) {
        const QRect area = pantalla->availableGeometry();
        sitio.moveLeft(std::clamp(sitio.left(), area.left(), std::max(area.left(), area.right() - sitio.width())));
        sitio.moveTop(std::clamp(sitio.top(), area.top(), std::max(area.top(), area.bottom() - sitio.height())));
    }
    move(sitio.topLeft());
}

void VentanaAyuda::closeEvent(QCloseEvent* evento) {
    QWidget::closeEvent(evento);
    // Only the window the user was in: one closed while another is active leaves that one be.
    if (evento->isAccepted() && isActiveWindow()) DevolverActivacion(parentWidget());
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
