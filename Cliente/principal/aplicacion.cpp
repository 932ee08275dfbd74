#include "principal/aplicacion.h"

#include <QGuiApplication>
#include <QWidget>

#include "controles/estilo.h"
#include "compartido/emblema.h"
#include "compartido/mensajes.h"
#include "compartido/mostrar_error.h"
#include "principal/arranque.h"

namespace oxalde {

Aplicacion::Aplicacion(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Oxalde"));
    setWindowIcon(IconoEmblema());
    InstalarEstiloCompartido();
}

bool Aplicacion::notify(QObject* receptor, QEvent* evento) {
    try {
        return QApplication::notify(receptor, evento);
    } catch (...) {
        // Under the caption of the window the user was working in (the receiver may be gone).
        MostrarError(ErrorDe(std::current_exception()), focusWidget());
    }
    return false;
}

Arranque Arrancar() {
    try {
        return Main() ? Arranque::Continuar : Arranque::Terminar;
    } catch (const ErrorArranque& e) {
        RestaurarCursor();
        MsgBox(e.Texto(), vbCritical);
        return Arranque::Fallo;
    } catch (...) {
        // A lock or a full disk met after the start-up check ends the program too, said as such
        // in both languages (the language is not known yet).
        const vb::Error error = ErrorDe(std::current_exception());
        if (const int id = TextoDelArchivo(error, true)) {
            RestaurarCursor();
            MsgBox(TextoBilingue(id, QString::fromStdString(error.Archivo())), vbCritical);
        } else {
            MostrarError(error);
        }
        return Arranque::Fallo;
    }
}

}  // namespace oxalde
