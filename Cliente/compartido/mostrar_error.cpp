#include "compartido/mostrar_error.h"

#include <QGuiApplication>
#include <new>

#include "compartido/general.h"
#include "compartido/mensajes.h"

namespace oxalde {
namespace {

constexpr int32_t kErrorInterno = 51;
constexpr int32_t kSinMemoria = 7;

}  // namespace

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

}  // namespace oxalde
