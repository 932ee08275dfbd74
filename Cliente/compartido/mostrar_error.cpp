#include "compartido/mostrar_error.h"

#include <QDir>
#include <QGuiApplication>
#include <QWidget>
#include <new>

#include "compartido/VentanaHija.h"
#include "compartido/cadenas.h"
#include "compartido/clase_motor.h"
#include "compartido/general.h"
#include "compartido/mensajes.h"

namespace oxalde {
namespace {

// The window a control belongs to: the nearest child window of the main window's frame, or the
// top-level window; null for anything that is not a widget.
QWidget* VentanaDe(QObject* objeto) {
    QWidget* w = qobject_cast<QWidget*>(objeto);
    while (w && !w->isWindow() && !qobject_cast<VentanaHija*>(w)) w = w->parentWidget();
    return w;
}

}  // namespace

vb::Error ErrorDe(std::exception_ptr excepcion) {
    try {
        std::rethrow_exception(excepcion);
    } catch (const vb::Error& e) {
        return e;
    } catch (const std::bad_alloc&) {
        return vb::Error(vb::errSinMemoria, "Oxalde", "Out of memory");
    } catch (const std::exception& e) {
        return vb::Error(vb::errInterno, "Oxalde", e.what());
    } catch (...) {
        return vb::Error(vb::errInterno, "Oxalde", "Internal error");
    }
}

int TextoDelArchivo(const vb::Error& error, bool alArrancar) {
    if (error.Archivo().empty()) return 0;
    switch (ClaseMotorDe(error.Motor())) {
        case ClaseMotor::Bloqueo: return alArrancar ? kIdMsgBaseEnUso : kIdMsgArchivoEnUso;
        case ClaseMotor::DiscoLleno: return alArrancar ? kIdMsgDiscoLlenoAlArrancar : kIdMsgDiscoLleno;
        default: return 0;
    }
}

QString DescripcionFallo(const vb::Error& error) {
    const int id = TextoDelArchivo(error);
    if (!id) return QString::fromStdString(error.Description());
    return Cadena(id).arg(QDir::toNativeSeparators(QString::fromStdString(error.Archivo())));
}

void RestaurarCursor() {
    while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
}

void MostrarError(const vb::Error& error, QObject* origen) {
    QWidget* ventana = VentanaDe(origen);
    const QString titulo = ventana ? ventana->windowTitle() : QString();
    RestaurarCursor();
    if (TextoDelArchivo(error)) {
        MsgBox(DescripcionFallo(error), vbExclamation, titulo, ventana);
        return;
    }
    const QString texto = Cadena(kIdMsgErrorInterno)
                              .arg(QString::number(error.Number()), QString::fromStdString(error.Source()),
                                   QString::fromStdString(error.Description()));
    MsgBox(texto, vbCritical, titulo, ventana);
}

}  // namespace oxalde
