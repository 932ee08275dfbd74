#include "algoritmos.h"

#include <algorithm>

namespace GarobelLib {
namespace {

constexpr char kLetrasNif[] = "TRWAGMYFPDXBNJZSQVHLCKE";
constexpr char kLetrasControlCif[] = "JABCDEFGHI";

bool EsDigito(char c) { return c >= '0' && c <= '9'; }
bool EsMayuscula(char c) { return c >= 'A' && c <= 'Z'; }
bool EnLista(char c, const char* lista) { return c != '\0' && std::string(lista).find(c) != std::string::npos; }

// Prefix letter, the given number of digits, and the check character at the end.
bool Forma(const std::string& s, const char* prefijos, size_t digitos) {
    size_t inicio = prefijos ? 1 : 0;
    if (s.size() != inicio + digitos + 1) return false;
    if (prefijos && !EnLista(s[0], prefijos)) return false;
    return SoloDigitos(s.substr(inicio, digitos));
}

// Remainder mod 97 of a text of digits and letters (A=10 .. Z=35), read as one number.
int Modulo97(const std::string& s) {
    int resto = 0;
    for (char c : s) {
        if (EsDigito(c)) {
            resto = (resto * 10 + (c - '0')) % 97;
        } else {
            int valor = c - 'A' + 10;
            resto = (resto * 100 + valor) % 97;
        }
    }
    return resto;
}

// One control digit of a Spanish account over 10 digits.
char ControlCuenta(const std::string& diez) {
    static const int pesos[] = {1, 2, 4, 8, 5, 10, 9, 7, 3, 6};
    int suma = 0;
    for (size_t i = 0; i < 10; ++i) suma += (diez[i] - '0') * pesos[i];
    int d = 11 - suma % 11;
    if (d == 11) d = 0;
    if (d == 10) d = 1;
    return static_cast<char>('0' + d);
}

}  // namespace

bool SoloDigitos(const std::string& s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), EsDigito);
}

char LetraNif(const std::string& digitos) {
    return kLetrasNif[std::stoul(digitos) % 23];
}

bool DniValido(const std::string& nif) {
    return Forma(nif, nullptr, 8) && nif[8] == LetraNif(nif.substr(0, 8));
}

bool NieValido(const std::string& nif) {
    if (!Forma(nif, "XYZ", 7)) return false;
    std::string numero = std::string(1, static_cast<char>('0' + (nif[0] - 'X'))) + nif.substr(1, 7);
    return nif[8] == LetraNif(numero);
}

bool NifEspecialValido(const std::string& nif) {
    return Forma(nif, "KLM", 7) && nif[8] == LetraNif(nif.substr(1, 7));
}

int ControlCif(const std::string& siete) {
    int a = 0;
    int b = 0;
    for (size_t i = 0; i < 7; ++i) {
        int d = siete[i] - '0';
        if (i % 2 == 1) {
            a += d;  // 2nd, 4th and 6th digits
        } else {
            int doble = 2 * d;
            b += doble / 10 + doble % 10;  // 1st, 3rd, 5th and 7th: digit sum of twice the digit
        }
    }
    return (10 - (a + b) % 10) % 10;
}

bool CifValido(const std::string& cif) {
    if (!Forma(cif, "ABCDEFGHJNPQRSUVW", 7)) return false;
    int d = ControlCif(cif.substr(1, 7));
    bool digitoBien = cif[8] == '0' + d;
    bool letraBien = cif[8] == kLetrasControlCif[d];
    if (EnLista(cif[0], "NPQRSW")) return letraBien;
    if (EnLista(cif[0], "ABEH")) return digitoBien;
    return digitoBien || letraBien;
}

bool NifCifValido(const std::string& nif) {
    return DniValido(nif) || NieValido(nif) || NifEspecialValido(nif) || CifValido(nif);
}

bool IbanValido(const std::string& iban) {
    if (iban.size() < 5 || iban.size() > 34) return false;
    if (!EsMayuscula(iban[0]) || !EsMayuscula(iban[1])) return false;
    if (!EsDigito(iban[2]) || !EsDigito(iban[3])) return false;
    if (!std::all_of(iban.begin(), iban.end(), [](char c) { return EsDigito(c) || EsMayuscula(c); }))
        return false;
    return Modulo97(iban.substr(4) + iban.substr(0, 4)) == 1;
}

std::string DigitosControlIban(const std::string& pais, const std::string& cuenta) {
    int d = 98 - Modulo97(cuenta + pais + "00");
    return std::string{static_cast<char>('0' + d / 10), static_cast<char>('0' + d % 10)};
}

std::string DigitosControlCuenta(const std::string& cuenta) {
    if (cuenta.size() != 20 || !SoloDigitos(cuenta)) return "";
    return std::string{ControlCuenta("00" + cuenta.substr(0, 8)), ControlCuenta(cuenta.substr(10, 10))};
}

bool CuentaValida(const std::string& cuenta) {
    std::string control = DigitosControlCuenta(cuenta);
    return !control.empty() && cuenta.substr(8, 2) == control;
}

std::string IbanDeCuenta(const std::string& cuenta) {
    if (cuenta.size() != 20 || !SoloDigitos(cuenta)) return "";
    return "ES" + DigitosControlIban("ES", cuenta) + cuenta;
}

}  // namespace GarobelLib
