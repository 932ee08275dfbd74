#pragma once
// The exchange file's character set: Windows-1252, one byte per character, through the C
// library's iconv. A character the set lacks is written as "?", and a byte the set leaves
// undefined reads as "?", so that one character is always one byte and the columns hold.
#include <QByteArray>
#include <QString>

namespace oxalde {

QByteArray CodificarWindows1252(const QString& texto);
QString DecodificarWindows1252(const QByteArray& bytes);

}  // namespace oxalde
