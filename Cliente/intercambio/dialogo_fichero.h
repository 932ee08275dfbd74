#pragma once
// The file choice of the export and import windows, through the toolkit's file dialog, shown as
// the program's modal windows are (MostrarModal). Tests put an answer in its place.
#include <QString>
#include <functional>

class QWidget;

namespace oxalde {

struct DialogoFichero {
    QString titulo;
    QString carpeta;  // where the dialog opens
    QString nombre;   // the file name it proposes
    bool guardar = false;  // a file to write (any name) rather than one to read
};

// The chosen path, or the empty text when the user cancelled. Every file is listed.
QString ElegirFichero(QWidget* padre, const DialogoFichero& dialogo);

using ElectorFichero = std::function<QString(const DialogoFichero& dialogo)>;
void EstablecerElectorFichero(ElectorFichero elector);

}  // namespace oxalde
