#pragma once
// Writing bytes to a file opened unbuffered, so that every short write is seen: the toolkit's
// buffered writes report a file cut short by a full disk as written whole.
#include <QByteArray>
#include <QString>

class QFileDevice;

namespace oxalde {

// Writes every byte; false, with the system's account in `detalle` (MotivoFallo), when the file
// took fewer.
bool EscribirTodo(QFileDevice& fichero, const QByteArray& datos, QString& detalle);

}  // namespace oxalde
