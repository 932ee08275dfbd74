#include "impresion/fallos_impresora.h"

#include <utility>

#include "compartido/cadenas.h"
#include "compartido/general.h"
#include "vb/error.h"

namespace oxalde {
namespace {

constexpr std::pair<FalloImpresora, int> kTextos[] = {
    {FalloImpresora::SinImpresoras, 9183},    {FalloImpresora::NoEmpieza, 9184},
    {FalloImpresora::NoSePrepara, 9185},      {FalloImpresora::PdfNoEscrito, 9186},
    {FalloImpresora::NoAceptaTrabajos, 9187}, {FalloImpresora::TrabajoRechazado, 9188},
};

}  // namespace

void LanzarFalloImpresora(FalloImpresora fallo) {
    for (const auto& [f, id] : kTextos)
        if (f == fallo) vb::Lanzar(vb::errImpresora, "Printer", Cadena(id).toStdString());
    vb::Lanzar(vb::errImpresora, "Printer");
}

}  // namespace oxalde
