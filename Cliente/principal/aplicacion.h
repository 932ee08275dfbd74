#pragma once
// The application object and the program's error boundary: an error that escapes an event
// handler is shown (number, source, description) and the program goes on; an error during
// start-up is shown and the program ends with a failure status.
#include <QApplication>

namespace oxalde {

class Aplicacion : public QApplication {
    Q_OBJECT
public:
    Aplicacion(int& argc, char** argv);
    bool notify(QObject* receptor, QEvent* evento) override;
};

enum class Arranque { Continuar, Terminar, Fallo };
// Runs start-up. Continuar: the main window is up; Terminar: start-up chose to end;
// Fallo: an error was shown.
Arranque Arrancar();

}  // namespace oxalde
