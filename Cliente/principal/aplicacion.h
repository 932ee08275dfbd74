#pragma once
// The application object and the program's error boundary: an error that escapes an event
// handler is shown (number, source, description) and the program goes on; an error during
// start-up is shown and the program ends with a failure status.
#include <QApplication>
#include <exception>

#include "vb/error.h"

namespace oxalde {

class Aplicacion : public QApplication {
    Q_OBJECT
public:
    Aplicacion(int& argc, char** argv);
    bool notify(QObject* receptor, QEvent* evento) override;
};

// The error a caught exception stands for (a standard one becomes an internal error).
vb::Error ErrorDe(std::exception_ptr excepcion);
// A critical message box with the error's number, source and description.
void MostrarError(const vb::Error& error);

enum class Arranque { Continuar, Terminar, Fallo };
// Runs start-up. Continuar: the main window is up; Terminar: start-up chose to end;
// Fallo: an error was shown.
Arranque Arrancar();

}  // namespace oxalde
