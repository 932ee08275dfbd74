#pragma once
// The texts of the import's error file ("Errores.txt"): the lines about one line of the
// imported file, and the legend of the layout written after them when any line was wrong.
#include <QString>
#include <QStringList>

namespace oxalde {

// A failed rule of the import check (codes 1 to 22), in the language's line form.
QString LineaErrorRegla(qint32 linea, int codigo);
// A field holding control characters, named by its label in the legend.
QString LineaErrorControl(qint32 linea, const char* campo);
// A line shorter than the layout.
QString LineaErrorCorta(qint32 linea);
// A taxpayer the library refused to store (its NIF registered meanwhile).
QString LineaErrorRegistrado(qint32 linea);
// A failure while the line was processed, with the error's number and description.
QString LineaErrorFallo(qint32 linea, qint32 numero, const QString& descripcion);
// An empty line, "FORMATO: ", then each field of the layout with its width.
QStringList LeyendaFormato();

}  // namespace oxalde
