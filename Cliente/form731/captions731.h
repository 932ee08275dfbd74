#pragma once
// The language-dependent texts of the form-731 window: one row per control and string id.
#include <span>

namespace oxalde {

enum class Propiedad {
    Texto,     // the control's caption (a label, a button, a frame, an option)
    Consejo,   // the control's tooltip
    Pestana,   // the caption of tab `indice` (1 to 3) of the tab strip
    Ventana,   // the window's own caption
};

struct Caption731 {
    const char* control;
    int id;
    Propiedad propiedad = Propiedad::Texto;
    int indice = 0;     // tab number, for Propiedad::Pestana
    int blancos = 0;    // blanks in front of the text, room for a button's picture
};

std::span<const Caption731> Captions731();

}  // namespace oxalde
