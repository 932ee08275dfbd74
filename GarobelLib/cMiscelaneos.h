#pragma once
// The outside component's general-purpose object: language, department name, text filling,
// NIF kinds and the NIF/CIF and account checks. Created by ProgID "GarobelLib.cMiscelaneos".
// Every member is virtual so that tests can register a fake in its place.
#include <string>

#include "com/com.h"
#include "vb/variant.h"

namespace GarobelLib {

class cMiscelaneos : public com::Object {
public:
    // Language of the following calls: 0 Spanish, any other value (10000, 1000, ...) Basque.
    virtual void Idioma(vb::Integer idioma);
    virtual vb::Integer Idioma() const;

    // The tax department's name in the chosen language, one line.
    virtual std::string ErarioTributos();

    // Exactly `ancho` characters: the text left-aligned, filled on the right with the first
    // character of `relleno` (a blank when it is empty), cut when longer.
    virtual std::string rellena(std::string texto, vb::Integer ancho, std::string relleno);

    // Kind of taxpayer from the first character of a NIF: 3 natural person, 0 company,
    // 2 community or entity without legal personality, -1 anything else.
    virtual vb::Integer NIF_TP(std::string& primera);

    // True for a valid personal NIF, NIE, special K/L/M NIF or CIF (surrounding blanks ignored).
    virtual bool ValidaNifCif(std::string& nif);

    // True for a 24-character Spanish IBAN whose IBAN check and domestic control digits are
    // right and whose entity code is in the bank list (element (0, r), r from 1). A Null or
    // Empty list skips the entity test. The two flags are accepted and not used.
    virtual bool validarIbanYCta(const vb::Variant& bancos, std::string& cuenta, bool opcion1,
                                 bool opcion2);

    // The Spanish IBAN of a 20-digit account (blanks around it ignored); any other text is
    // returned unchanged.
    virtual std::string calcularIban(std::string cuenta);

private:
    vb::Integer idioma_ = 0;
    bool EnEuskera() const { return idioma_ != 0; }
};

}  // namespace GarobelLib
