#pragma once
// The clock of the program's waits (the splash, the pause before the version check). A wait asks
// the clock for the time and lets window events run until its deadline; tests put in a clock
// that moves on by itself, so that a four-second wait takes no real time.
#include <QtGlobal>

namespace oxalde {

class Reloj {
public:
    virtual ~Reloj() = default;
    // Milliseconds from an arbitrary origin; never goes back.
    virtual qint64 AhoraMs();
    // Runs the pending window events once (and gives the processor a moment).
    virtual void ProcesarEventos();
};

Reloj& RelojActual();
// Tests put their clock here; nullptr restores the real one. The caller keeps the clock alive.
void EstablecerReloj(Reloj* reloj);

// Waits until `ms` milliseconds have passed, letting window events run meanwhile.
void EsperarProcesandoEventos(qint64 ms);
// The same wait up to a deadline of the clock.
void EsperarHasta(qint64 limiteMs);

}  // namespace oxalde
