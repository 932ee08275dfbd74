#include "intercambio/dialogo_fichero.h"

#include <QDir>
#include <QFileDialog>

namespace oxalde {
namespace {
ElectorFichero& Elector() {
    static ElectorFichero elector;
    return elector;
}
}  // namespace

void EstablecerElectorFichero(ElectorFichero elector) { Elector() = std::move(elector); }

QString ElegirFichero(QWidget* padre, const DialogoFichero& d) {
    if (Elector()) return Elector()(d);
    // One entry that reads "*.txt" and lists every file.
    const QString filtro = QStringLiteral("*.txt (*)");
    const QString inicio = QDir(d.carpeta).filePath(d.nombre);
    // The export asks about overwriting itself, after the choice.
    return d.guardar ? QFileDialog::getSaveFileName(padre, d.titulo, inicio, filtro, nullptr,
                                                    QFileDialog::DontConfirmOverwrite)
                     : QFileDialog::getOpenFileName(padre, d.titulo, inicio, filtro);
}

}  // namespace oxalde
