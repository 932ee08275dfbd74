#pragma once
// What the two editors' benchmarks share: their targets, the best times they keep and the run
// that reports them (opening a stored declaration beside the library's load alone, and leaving an
// amount box beside the calculation alone).
#include <QApplication>
#include <cstdio>

#include "correr.h"

namespace banco_editor {

inline constexpr double kObjetivoAperturaMs = 100;
inline constexpr double kObjetivoSalidaMs = 2;

// Best times in ms.
inline double apertura = 0;
inline double carga = 0;
inline double salida = 0;
inline double calculo = 0;

// Runs the benchmarks offscreen, `preparar` first with the application up, and prints the results
// under the editor's name.
inline int Ejecutar(const char* editor, int argc, char** argv, const auto& preparar) {
    bench::CorrerEn<QApplication>(argc, argv, preparar);
    std::printf("%s editor:\n", editor);
    std::printf("Opening a stored declaration, shown: %.2f ms (target under %.0f ms): %s; %.1f times the load alone "
                "(%.3f ms)\n",
                apertura, kObjetivoAperturaMs, apertura < kObjetivoAperturaMs ? "met" : "NOT met",
                carga > 0 ? apertura / carga : 0, carga);
    std::printf("Leaving an amount box, stored, recomputed and repainted: %.3f ms (target under %.0f ms): %s; %.0f "
                "times the calculation alone (%.4f ms)\n",
                salida, kObjetivoSalidaMs, salida < kObjetivoSalidaMs ? "met" : "NOT met",
                calculo > 0 ? salida / calculo : 0, calculo);
    return 0;
}

}  // namespace banco_editor
