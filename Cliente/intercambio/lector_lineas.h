#pragma once
// Reads a text file line by line. A line ends at CR LF, at LF or at a lone CR, so files written
// on any system read alike; a line end at the very end of the file adds no empty line.
#include <QByteArray>

class QIODevice;

namespace oxalde {

class LectorLineas {
public:
    explicit LectorLineas(QIODevice& dispositivo) : dispositivo_(dispositivo) {}

    // The next line without its end; false at the end of the input.
    bool Siguiente(QByteArray& linea);

private:
    QIODevice& dispositivo_;
    QByteArray bloque_;
    qsizetype pos_ = 0;
    bool Rellenar();  // false when the input is exhausted
};

}  // namespace oxalde
