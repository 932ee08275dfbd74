#pragma once
// Shared by the tests that read and write whole files: the bytes of a file, a file written with
// given bytes, and an exchange-file line that every import rule accepts.
#include <QByteArray>
#include <QFile>
#include <QString>

#include "vb/ansi.h"

namespace prueba {

// The file's bytes, or "<none>" when it cannot be read.
inline QByteArray Leer(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}

inline bool Escribir(const QString& ruta, const QByteArray& datos) {
    QFile f(ruta);
    return f.open(QIODevice::WriteOnly) && f.write(datos) == datos.size();
}

// A 153-character line in Windows-1252 that every import rule accepts.
inline QByteArray LineaValida(const QString& dni, const QString& nombre) {
    const QString l = dni.leftJustified(9) + nombre.leftJustified(40) + "CL" + QString("NAGUSIA").leftJustified(30) +
                      "00012" + "A   3 IZQ" + "2020001079" + QString(25, ' ') + "943000000" + "00000030000000";
    return QByteArray::fromStdString(vb::Utf8AAnsi(l.toStdString()));
}

}  // namespace prueba
