#include "compartido/traduccion_toolkit.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include "compartido/CEntrada.h"

namespace oxalde {

void TraducirToolkit(const QString& letra) {
    static QPointer<QTranslator> instalada;
    const QString carpeta = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto* nueva = new QTranslator(QCoreApplication::instance());
    const bool cargada = (letra == kEuskera && nueva->load(QStringLiteral("qtbase_eu"), carpeta)) ||
                         nueva->load(QStringLiteral("qtbase_es"), carpeta);
    if (instalada) {
        QCoreApplication::removeTranslator(instalada);
        delete instalada;
    }
    if (!cargada) {
        delete nueva;
        return;
    }
    QCoreApplication::installTranslator(nueva);
    instalada = nueva;
}

}  // namespace oxalde
