#pragma once
// The run every benchmark program shares: the command line's flags read, `preparar` done, the
// benchmarks the command line selects run. The window benchmarks run it inside an offscreen
// application.
#include <benchmark/benchmark.h>

#include <cstdlib>

namespace bench {

inline void Correr(int& argc, char** argv, const auto& preparar) {
    benchmark::Initialize(&argc, argv);
    preparar();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}

inline void Correr(int& argc, char** argv) {
    Correr(argc, argv, [] {});
}

// The same inside an offscreen application of type A (QApplication, or the program's own).
template <class A>
void CorrerEn(int& argc, char** argv, const auto& preparar) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    A aplicacion(argc, argv);
    Correr(argc, argv, preparar);
}

}  // namespace bench
