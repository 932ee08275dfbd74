#pragma once
// What the two outcome windows of the version check share. Both speak Spanish and Basque at
// once, whatever language is chosen, so their fixed captions are set here in both.
#include <QGuiApplication>
#include <QString>

namespace oxalde {

inline const QString kTextoContinuar = QStringLiteral("Aurrera jarraitu... Continuar...");

// The mouse pointer back to the default while the window is up (the caller may have set the
// hourglass; it takes its own pointer back afterwards).
inline void PunteroNormal() {
    if (QGuiApplication::overrideCursor()) QGuiApplication::changeOverrideCursor(Qt::ArrowCursor);
}

}  // namespace oxalde
