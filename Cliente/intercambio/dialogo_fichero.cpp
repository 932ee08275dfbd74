#include "intercambio/dialogo_fichero.h"

#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QScreen>
#include <QSettings>
#include <QTreeView>

#include "compartido/general.h"
#include "compartido/modal.h"

namespace oxalde {
namespace {
ElectorFichero& Elector() {
    static ElectorFichero elector;
    return elector;
}

// Wide enough for the name and, whole, the size, type and date of each file: the name takes what
// the other columns leave.
void Ensanchar(QFileDialog& dialogo) {
    dialogo.setViewMode(QFileDialog::Detail);
    if (auto* lista = dialogo.findChild<QTreeView*>()) {
        QHeaderView* cabecera = lista->header();
        cabecera->setStretchLastSection(false);
        cabecera->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int c = 1; c < cabecera->count(); ++c) cabecera->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    }
    const QSize deseado(900, 560);
    const QScreen* pantalla = dialogo.parentWidget() ? dialogo.parentWidget()->screen() : dialogo.screen();
    const QSize disponible = pantalla ? pantalla->availableGeometry().size() * 9 / 10 : deseado;
    dialogo.resize(deseado.boundedTo(disponible).expandedTo(dialogo.sizeHint()));
}

// The toolkit's dialog keeps its history and last folder in the toolkit's user settings, in the
// user's home unless told otherwise: in the program's folder instead, beside all else it writes,
// in a hidden folder that the dialog, which opens there, does not list.
void AjustesDelToolkitEnLaCarpeta() {
    for (const QSettings::Format formato : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(formato, QSettings::UserScope, CarpetaPrograma() + QStringLiteral("/.qt"));
}
}  // namespace

void EstablecerElectorFichero(ElectorFichero elector) { Elector() = std::move(elector); }

QString ElegirFichero(QWidget* padre, const DialogoFichero& d) {
    if (Elector()) return Elector()(d);
    // One entry that reads "*.txt" and lists every file; the dialog opens on the proposed file.
    AjustesDelToolkitEnLaCarpeta();
    QFileDialog dialogo(padre, d.titulo, QDir(d.carpeta).filePath(d.nombre), QStringLiteral("*.txt (*)"));
    // The desktop's own dialog would keep lists of recent files in the home.
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    dialogo.setAcceptMode(d.guardar ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialogo.setFileMode(d.guardar ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The export asks about overwriting itself, after the choice.
    dialogo.setOption(QFileDialog::DontConfirmOverwrite, d.guardar);
    Ensanchar(dialogo);
    if (MostrarModal(dialogo) != QDialog::Accepted) return {};
    return dialogo.selectedFiles().value(0);
}

}  // namespace oxalde
