#pragma once
// The program's help: the help file of the current language opened at a topic.
#include <QString>

class QWidget;

namespace oxalde {

// The program folder, then "/Ayuda/Ayuda.chm::/" (Spanish) or "/Ayuda/Laguntza.chm::/"
// (Basque), then the topic.
QString RutaAyuda(const QString& tema);

// Shows the topic in the help window of `ventana`. A missing help file shows nothing.
void MostrarAyuda(const QString& tema, QWidget* ventana);

}  // namespace oxalde
