#include "principal/aplicacion.h"

#include <QGuiApplication>
#include <new>

#include "compartido/emblema.h"
#include "compartido/general.h"
#include "principal/arranque.h"
#include "compartido/mensajes.h"

namespace oxalde {
namespace {

constexpr int32_t kErrorInterno = 51;
constexpr int32_t kSinMemoria = 7;

}  // namespace

Aplicacion::Aplicacion(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Oxalde"));
    setWindowIcon(IconoEmblema());
}

bool Aplicacion::notify(QObject* receptor, QEvent* evento) {
    try {
        return QApplication::notify(receptor, evento);
    } catch (...) {
        MostrarError(ErrorDe(std::current_exception()));
    }
    return false;
}

vb::Error ErrorDe(std::exception_ptr excepcion) {
    try {
        std::rethrow_exception(excepcion);
    } catch (const vb::Error& e) {
        return e;
    } catch (const std::bad_alloc&) {
        return vb::Error(kSinMemoria, "Oxalde", "Out of memory");
    } catch (const std::exception& e) {
        return vb::Error(kErrorInterno, "Oxalde", e.what());
    } catch (...) {
        return vb::Error(kErrorInterno, "Oxalde", "Internal error");
    }
}

void MostrarError(const vb::Error& error) {
    const bool euskera = DesplIdioma != 0;
    const QString texto = (euskera ? QStringLiteral("Errorea: %1\nJatorria: %2\n%3")
                                   : QStringLiteral("Error: %1\nOrigen: %2\n%3"))
                              .arg(error.Number())
                              .arg(QString::fromStdString(error.Source()),
                                   QString::fromStdString(error.Description()));
    while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
    MsgBox(texto, vbCritical);
}

Arranque Arrancar() {
    try {
        return Main() ? Arranque::Continuar : Arranque::Terminar;
    } catch (const ErrorArranque& e) {
        while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
        MsgBox(e.Texto(), vbCritical);
        return Arranque::Fallo;
    } catch (...) {
        MostrarError(ErrorDe(std::current_exception()));
        return Arranque::Fallo;
    }
}

}  // namespace oxalde
