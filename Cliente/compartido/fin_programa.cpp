#include "compartido/fin_programa.h"

#include <QCoreApplication>
#include <QThread>

namespace oxalde {
namespace {

std::function<void()>& finalizador() {
    static std::function<void()> f;
    return f;
}

}  // namespace

void FinalizarPrograma() {
    if (finalizador()) {
        finalizador()();
        return;
    }
    if (QCoreApplication::instance() && QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(0);
}

void EstablecerFinalizador(std::function<void()> f) { finalizador() = std::move(f); }

}  // namespace oxalde
