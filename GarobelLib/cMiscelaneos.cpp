#include "cMiscelaneos.h"

#include <algorithm>

#include "algoritmos.h"

namespace GarobelLib {
namespace {

// The entity code as the bank list may hold it: as text, or as a number.
bool MismoCodigo(const vb::Variant& elemento, const std::string& codigo) {
    if (const auto* texto = elemento.Si<std::string>()) return vb::Trim(*texto) == codigo;
    if (elemento.IsNull() || elemento.IsEmpty() || elemento.IsArray() || !elemento.IsNumeric())
        return false;
    return elemento.CDbl() == vb::Val(codigo);
}

bool EntidadEnLista(const vb::Variant& bancos, const std::string& entidad) {
    for (vb::Long r = std::max<vb::Long>(1, bancos.LBound(2)); r <= bancos.UBound(2); ++r)
        if (MismoCodigo(bancos(0, r), entidad)) return true;
    return false;
}

}  // namespace

void cMiscelaneos::Idioma(vb::Integer idioma) { idioma_ = idioma; }

vb::Integer cMiscelaneos::Idioma() const { return idioma_; }

std::string cMiscelaneos::ErarioTributos() {
    return EnEuskera() ? "Veru Zergen Saila" : "Departamento de Tributos Verales";
}

std::string cMiscelaneos::rellena(std::string texto, vb::Integer ancho, std::string relleno) {
    if (ancho <= 0) return "";
    std::string caracter = relleno.empty() ? " " : vb::Left(relleno, 1);
    std::string resultado = vb::Left(texto, ancho);
    for (vb::Long n = vb::Len(resultado); n < ancho; ++n) resultado += caracter;
    return resultado;
}

vb::Integer cMiscelaneos::NIF_TP(std::string& primera) {
    // Exactly one character, upper case: a longer or a lower-case text is no NIF kind.
    if (primera.size() != 1) return -1;
    auto en = [&](const char* letras) { return std::string(letras).find(primera) != std::string::npos; };
    if (en("0123456789KLMXYZ")) return 3;  // NIE holders (X, Y, Z) are natural persons
    if (en("ABCDFGNPQS")) return 0;
    if (en("EHJUVW")) return 2;
    return -1;
}

bool cMiscelaneos::ValidaNifCif(std::string& nif) {
    return NifCifValido(vb::Trim(nif));
}

bool cMiscelaneos::validarIbanYCta(const vb::Variant& bancos, std::string& cuenta, bool, bool) {
    if (cuenta.size() != 24 || cuenta.compare(0, 2, "ES") != 0) return false;
    if (!IbanValido(cuenta) || !CuentaValida(cuenta.substr(4))) return false;
    if (bancos.IsNull() || bancos.IsEmpty()) return true;
    return EntidadEnLista(bancos, cuenta.substr(4, 4));
}

std::string cMiscelaneos::calcularIban(std::string cuenta) {
    std::string iban = IbanDeCuenta(vb::Trim(cuenta));
    return iban.empty() ? cuenta : iban;
}

}  // namespace GarobelLib
