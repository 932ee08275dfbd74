#pragma once
// Times one run of a piece of work in milliseconds and keeps the best time seen.
#include <chrono>

inline double Medir(double& mejor, const auto& trabajo) {
    const auto inicio = std::chrono::steady_clock::now();
    trabajo();
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inicio).count();
    if (mejor == 0 || ms < mejor) mejor = ms;
    return ms;
}
