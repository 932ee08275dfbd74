#pragma once
#include <cstdint>
#include <functional>

#include "vb/error.h"

// The number of the error a call raises (0 when none).
inline int32_t NumeroDeError(const std::function<void()>& llamada) {
    try {
        llamada();
    } catch (const vb::Error& e) {
        return e.Number();
    }
    return 0;
}
