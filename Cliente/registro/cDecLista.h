#pragma once
// What the taxpayer list window is opened for, one instance for the whole run.
#include <QString>

namespace oxalde {

class cDecLista {
public:
    static cDecLista& Instancia();

    // "C": open the chosen taxpayer; "E": delete it. The list window reads it when it loads.
    QString MODO() const { return modo_; }
    void MODO(const QString& v) { modo_ = v; }

private:
    cDecLista() = default;
    QString modo_;
};

}  // namespace oxalde
