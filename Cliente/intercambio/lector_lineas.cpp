#include "intercambio/lector_lineas.h"

#include <QIODevice>
#include <algorithm>

namespace oxalde {
namespace {
constexpr qint64 kBloque = 64 * 1024;
}

bool LectorLineas::Rellenar() {
    if (pos_ < bloque_.size()) return true;
    // One buffer for the whole file, whatever its size.
    bloque_.resize(kBloque);
    bloque_.resize(std::max<qint64>(dispositivo_.read(bloque_.data(), kBloque), 0));
    pos_ = 0;
    return !bloque_.isEmpty();
}

bool LectorLineas::Siguiente(QByteArray& linea) {
    linea.clear();
    bool hayLinea = false;
    while (Rellenar()) {
        hayLinea = true;
        const char* inicio = bloque_.constData() + pos_;
        const char* fin = bloque_.constData() + bloque_.size();
        const char* p = inicio;
        while (p != fin && *p != '\r' && *p != '\n') ++p;
        linea.append(inicio, std::min<qsizetype>(p - inicio, maximo_ - linea.size()));
        pos_ += p - inicio;
        if (p == fin) continue;
        ++pos_;
        // A CR followed by LF, even across two blocks, is one line end.
        if (*p == '\r' && Rellenar() && bloque_[pos_] == '\n') ++pos_;
        return true;
    }
    return hayLinea;
}

}  // namespace oxalde
