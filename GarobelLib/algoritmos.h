#pragma once
// Public check algorithms for Spanish tax identification numbers and bank accounts.
// All functions take the text exactly as given: no trimming, no case folding.
#include <string>

namespace GarobelLib {

// True when every character is an ASCII digit (and there is at least one).
bool SoloDigitos(const std::string& s);

// Check letter of a personal NIF for a number of up to 8 digits.
char LetraNif(const std::string& digitos);

// Personal NIF: 8 digits and their check letter.
bool DniValido(const std::string& nif);
// Foreigner's NIE: X, Y or Z (read as 0, 1, 2 before the digits), 7 digits, check letter.
bool NieValido(const std::string& nif);
// Special NIF: K, L or M, 7 digits and the check letter of those 7 digits.
bool NifEspecialValido(const std::string& nif);

// Control value 0..9 of the 7 digits of a CIF.
int ControlCif(const std::string& sieteDigitos);
// CIF: organisation letter, 7 digits, control digit or letter as the organisation requires.
bool CifValido(const std::string& cif);

// Any of the four kinds above.
bool NifCifValido(const std::string& nif);

// IBAN check (ISO 13616, ISO 7064 MOD 97-10) on the compact upper-case form.
bool IbanValido(const std::string& iban);
// The two check digits of an IBAN for a country code and its domestic account.
std::string DigitosControlIban(const std::string& pais, const std::string& cuenta);

// The two control digits of a 20-digit Spanish account ("" when it is not 20 digits).
std::string DigitosControlCuenta(const std::string& cuenta);
// A 20-digit Spanish account whose control digits (positions 9 and 10) are right.
bool CuentaValida(const std::string& cuenta);
// "ES", check digits and the account, for a 20-digit account ("" otherwise).
std::string IbanDeCuenta(const std::string& cuenta);

}  // namespace GarobelLib
