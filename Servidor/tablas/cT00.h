#pragma once
// The user's two settings in T00_GENERAL: the language letter and the online update check.
// Works on the main database of the shared connection, which the caller has opened.
#include <string>

#include "vb/variant.h"

namespace brunsel {

class cT00 {
public:
    // The value GuardarActOnline writes: 1 check at start, 0 do not, -1 not chosen yet.
    vb::Integer ActOnline() const { return actOnline_; }
    void ActOnline(vb::Integer v) { actOnline_ = v; }
    // The value GuardarIdioma writes: "C" Spanish, "E" Basque.
    std::string Idioma() const { return idioma_; }
    void Idioma(std::string v) { idioma_ = std::move(v); }

    // The writes update the settings row, or create it when the table has none (the other
    // setting then takes its first-run value: -1 or "C"). Always Empty.
    vb::Variant GuardarActOnline();
    // The stored value, trimmed; 0 when there is no row or it holds Null.
    vb::Integer ObtenerActOnline();
    // The stored letter, trimmed; "C" when there is no row or it holds Null.
    std::string ObtenerIdioma();
    vb::Variant GuardarIdioma();

private:
    vb::Integer actOnline_ = 0;
    std::string idioma_;
    void Guardar(const std::string& columna, const vb::Variant& valor);
    vb::Variant Leer(const std::string& columna);
};

}  // namespace brunsel
