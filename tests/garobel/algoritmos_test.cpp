// Check numbers below are worked out by hand from the published algorithms.
#include <gtest/gtest.h>

#include "GarobelLib/algoritmos.h"

using namespace GarobelLib;

TEST(AlgoritmosNif, LetraDeDniNieYEspeciales) {
    // Letter = "TRWAGMYFPDXBNJZSQVHLCKE"[n mod 23].
    EXPECT_TRUE(NifCifValido("12345678Z"));  // 12345678 = 23*536768 + 14 -> Z
    EXPECT_TRUE(NifCifValido("00000000T"));  // 0 -> T
    EXPECT_TRUE(NifCifValido("X1234567L"));  // 01234567 mod 23 = 19 -> L
    EXPECT_TRUE(NifCifValido("Y1234567X"));  // 11234567 mod 23 = 10 -> X
    EXPECT_TRUE(NifCifValido("Z1234567R"));  // 21234567 mod 23 = 1 -> R
    EXPECT_TRUE(NifCifValido("K1234567L"));  // letter of the 7 digits: 1234567 -> L

    EXPECT_FALSE(NifCifValido("12345678A"));   // wrong letter
    EXPECT_FALSE(NifCifValido("12345678z"));   // lower case
    EXPECT_FALSE(NifCifValido("1234567Z"));    // 7 digits
    EXPECT_FALSE(NifCifValido("X1234567Z"));   // Y/Z prefix must change the letter
    EXPECT_FALSE(NifCifValido("Y1234567L"));
    EXPECT_FALSE(NifCifValido("K1234567Z"));
    EXPECT_FALSE(NifCifValido(""));
}

TEST(AlgoritmosNif, ControlDeCif) {
    // 1234567: A = 2+4+6 = 12; B = 2 + 6 + (1+0) + (1+4) = 14; D = (10 - 26 mod 10) mod 10 = 4,
    // letter "JABCDEFGHI"[4] = D.
    EXPECT_EQ(ControlCif("1234567"), 4);
    EXPECT_TRUE(CifValido("B12345674"));   // digit required
    EXPECT_FALSE(CifValido("B1234567D"));
    EXPECT_TRUE(CifValido("Q1234567D"));   // letter required
    EXPECT_FALSE(CifValido("Q12345674"));
    EXPECT_TRUE(CifValido("G12345674"));   // either
    EXPECT_TRUE(CifValido("G1234567D"));
    EXPECT_TRUE(CifValido("P0000000J"));   // D = 0 -> J
    EXPECT_FALSE(CifValido("I12345674"));  // not an organisation letter
}

TEST(AlgoritmosCuenta, ControlEIban) {
    // 00 1234 5678: 4 + 16 + 15 + 40 + 45 + 42 + 21 + 48 = 231 = 11*21 -> 11 -> 0.
    // 0123456789: 2 + 8 + 24 + 20 + 50 + 54 + 49 + 24 + 54 = 285, 285 mod 11 = 10 -> 1.
    EXPECT_EQ(DigitosControlCuenta("12345678000123456789"), "01");
    EXPECT_TRUE(CuentaValida("12345678010123456789"));
    // 00 3000 0000: 3*4 = 12, mod 11 = 1 -> 10 -> 1; 1000000000: 1, mod 11 = 1 -> 10 -> 1.
    EXPECT_TRUE(CuentaValida("30000000111000000000"));
    EXPECT_FALSE(CuentaValida("12345678010123456780"));  // one digit changed
    EXPECT_FALSE(CuentaValida("1234567801012345678"));   // 19 digits
    // (account + "142800") mod 97 = 40 -> 98 - 40 = 58; 83 -> 15; 93 -> 05 (two digits).
    EXPECT_EQ(IbanDeCuenta("12345678010123456789"), "ES5812345678010123456789");
    EXPECT_EQ(IbanDeCuenta("30000000111000000000"), "ES1530000000111000000000");
    EXPECT_EQ(IbanDeCuenta("12345678090000000019"), "ES0512345678090000000019");

    EXPECT_TRUE(IbanValido("ES5812345678010123456789"));
    EXPECT_FALSE(IbanValido("ES5812345678010123456788"));  // one digit changed
    EXPECT_FALSE(IbanValido("ES5812345678010123456798"));  // two digits swapped
    EXPECT_FALSE(IbanValido("ES8512345678010123456789"));  // check digits swapped
    EXPECT_FALSE(IbanValido("es5812345678010123456789"));
}
