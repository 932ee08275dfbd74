#include "compartido/reloj.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace oxalde {
namespace {

Reloj*& relojEstablecido() {
    static Reloj* r = nullptr;
    return r;
}

}  // namespace

qint64 Reloj::AhoraMs() {
    static QElapsedTimer cronometro = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return cronometro.elapsed();
}

void Reloj::ProcesarEventos() {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(5);
}

Reloj& RelojActual() {
    static Reloj real;
    return relojEstablecido() ? *relojEstablecido() : real;
}

void EstablecerReloj(Reloj* reloj) { relojEstablecido() = reloj; }

void EsperarHasta(qint64 limiteMs) {
    while (RelojActual().AhoraMs() < limiteMs) RelojActual().ProcesarEventos();
}

void EsperarProcesandoEventos(qint64 ms) { EsperarHasta(RelojActual().AhoraMs() + ms); }

}  // namespace oxalde
