#pragma once
// Reads a text file line by line. A line ends at CR LF, at LF or at a lone CR, so files written
// on any system read alike; a line end at the very end of the file adds no empty line. A caller
// that uses only the start of a line says how much: the rest is read past and never kept, so a
// file with no line ends costs no more memory than a short line.
#include <QByteArray>
#include <limits>

class QIODevice;

namespace oxalde {

class LectorLineas {
public:
    explicit LectorLineas(QIODevice& dispositivo, qsizetype maximo = std::numeric_limits<qsizetype>::max())
        : dispositivo_(dispositivo), maximo_(maximo) {}

    // The next line without its end, cut to its first `maximo` bytes; false at the end of the input.
    bool Siguiente(QByteArray& linea);

private:
    QIODevice& dispositivo_;
    qsizetype maximo_;
    QByteArray bloque_;
    qsizetype pos_ = 0;
    bool Rellenar();  // false when the input is exhausted
};

}  // namespace oxalde
