#include "registro.h"

#include <memory>
#include <mutex>

#include "cMiscelaneos.h"
#include "com/com.h"

void GarobelLib_Registrar() {
    static std::once_flag hecho;
    std::call_once(hecho, [] {
        com::Registrar("GarobelLib.cMiscelaneos",
                       [] { return std::make_shared<GarobelLib::cMiscelaneos>(); });
    });
}

namespace {
// Registration when the library is loaded.
const bool registrado = (GarobelLib_Registrar(), true);
}  // namespace
