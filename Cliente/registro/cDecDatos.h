#pragma once
// The taxpayer record that the taxpayer entry window works on, one instance for the whole run.
// For now it holds only the window's mode; the taxpayer's fields come with that window.
#include <QString>

namespace oxalde {

class cDecDatos {
public:
    static cDecDatos& Instancia();

    // "A": a new taxpayer. The entry window reads it when it loads.
    QString MODO() const { return modo_; }
    void MODO(const QString& v) { modo_ = v; }

private:
    cDecDatos() = default;
    QString modo_;
};

}  // namespace oxalde
