#pragma once
// Opening and closing a child window of the main window in the window benchmarks.
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtWidgets/qtestsupport_widgets.h>

#include "principal/MDI7312.h"

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
