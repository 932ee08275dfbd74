#pragma once
// Times one run of a piece of work in milliseconds and keeps the best time seen; the process's
// peak resident memory over a piece of work.
#include <malloc.h>

#include <chrono>
#include <fstream>
#include <string>

inline double Medir(double& mejor, const auto& trabajo) {
    const auto inicio = std::chrono::steady_clock::now();
    trabajo();
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inicio).count();
    if (mejor == 0 || ms < mejor) mejor = ms;
    return ms;
}

// The peak resident memory of the process in MB since the last ReiniciarPico (the kernel's
// high-water mark, which writing 5 to clear_refs brings down to what is resident now; the heap
// freed by earlier work is given back first, so that it does not count as this work's).
inline void ReiniciarPico() {
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
}

inline double PicoMb() {
    std::ifstream estado("/proc/self/status");
    for (std::string linea; std::getline(estado, linea);)
        if (linea.rfind("VmHWM:", 0) == 0) return std::stod(linea.substr(6)) / 1024.0;
    return 0;
}

// The peak while the work runs, with the memory resident before it included, and keeps the
// highest seen.
inline double MedirPico(double& maximo, const auto& trabajo) {
    ReiniciarPico();
    trabajo();
    const double mb = PicoMb();
    if (mb > maximo) maximo = mb;
    return mb;
}
