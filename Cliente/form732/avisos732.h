#pragma once
// What the form-732 editor shows for each rule the library's check can fail: the message, the
// tab to select and the box that gets the focus. Codes the check never returns have no entry.
#include <QString>
#include <span>

#include "vb/variant.h"

namespace oxalde {

// Tabs of the editor. kPestanaSinCambio leaves the selected tab; kPestanaLiquidacion is the
// liquidation tab of the declaration's kind (4 quarterly, 5 transport).
inline constexpr int kPestanaSinCambio = 0;
inline constexpr int kPestanaLiquidacion = -1;

struct Aviso732 {
    vb::Integer codigo;
    int id;             // Spanish string id; the composed messages (24, 25, 27) start with it
    int pestana;        // 1 to 5, or one of the two values above
    const char* foco;   // control that gets the focus; nullptr: the focus stays where it is
    int elemento;       // element of a control array, -1 for a single control
};

// The entry of a code, or nullptr for any code the check does not return (no message, no tab,
// no focus).
const Aviso732* AvisoValidacion732(vb::Integer codigo);
// Every entry, in code order.
std::span<const Aviso732> AvisosValidacion732();

// The tab to select for a declaration of kind modop; kPestanaSinCambio when none.
int PestanaAviso(const Aviso732& aviso, const QString& modop);

// The message in the language of the offset (0 Spanish, kDesplEuskera Basque). Codes 24, 25 and 27 name
// the rates the editor shows for a declaration of that date.
QString TextoAviso(const Aviso732& aviso, vb::Long fecha, int desplIdioma);

}  // namespace oxalde
