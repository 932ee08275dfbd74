#pragma once
// Opening and closing a child window of the main window in the window benchmarks.
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtWidgets/qtestsupport_widgets.h>

#include <string>

#include "comun/bd_prueba.h"
#include "compartido/general.h"
#include "principal/MDI7312.h"
#include "principal/arranque.h"
#include "servicios/registro.h"

// Shows a new window of type W in the main window's frame and waits until it is on screen.
template <class W>
W* AbrirHija(oxalde::MDI7312& principal) {
    principal.MostrarHija(new W);
    auto* w = static_cast<W*>(principal.Area()->activeSubWindow()->widget());
    (void)QTest::qWaitForWindowExposed(w);
    return w;
}

// Closes the window with its place in the frame, lets its unload steps run and deletes what
// was left for deletion.
inline void CerrarHija(QWidget* w) {
    w->parentWidget()->close();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A test database with the given rows, the program's settings read from it, and the main
// window shown once `MostrarPrincipal` is called.
struct EntornoVentanas {
    BdPrueba bd;
    oxalde::MDI7312* principal = nullptr;

    explicit EntornoVentanas(const char* filas) {
        brunsel::RegistrarClases();
        oxalde::RutaTablas = QString::fromStdString(bd.Dir()) + "/";
        oxalde::RutaBDLectura = QString::fromStdString(bd.Lec());
        oxalde::RutaBDModificable = QString::fromStdString(bd.Mod());
        BdPrueba::Ejecutar(bd.Mod(), std::string("UPDATE T00_GENERAL SET T00_ActOnline = 0;") + filas);
        oxalde::LeerConfiguracion();
    }

    void MostrarPrincipal() {
        principal = new oxalde::MDI7312;
        principal->show();
        // Offscreen the window is active at once; the timed rounds check what they need.
        (void)QTest::qWaitForWindowActive(principal);
    }
};
