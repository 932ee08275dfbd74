#pragma once
// The file the import window is to read.
#include <QString>

namespace oxalde {

class cImportar {
public:
    QString FICHEROAIMPORTAR() const { return fichero_; }
    void FICHEROAIMPORTAR(const QString& v) { fichero_ = v; }

private:
    QString fichero_;
};

}  // namespace oxalde
