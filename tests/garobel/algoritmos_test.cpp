// Check numbers below are worked out by hand from the published algorithms.
#include <gtest/gtest.h>

#include "GarobelLib/algoritmos.h"

using namespace GarobelLib;

TEST(Algoritmos, LetraDeDniNieYEspecialesYControlDeCif) {
    // Letter = "TRWAGMYFPDXBNJZSQVHLCKE"[n mod 23]: 12345678 -> Z, 0 -> T, X=0: 01234567 -> L,
    // Y=1: 11234567 -> X, Z=2: 21234567 -> R, K: the 7 digits 1234567 -> L.
    for (const char* bueno : {"12345678Z", "00000000T", "X1234567L", "Y1234567X", "Z1234567R", "K1234567L"})
        EXPECT_TRUE(NifCifValido(bueno)) << bueno;
    for (const char* malo : {"12345678A", "12345678z", "1234567Z", "X1234567Z", "Y1234567L", "K1234567Z", ""})
        EXPECT_FALSE(NifCifValido(malo)) << malo;

    // 1234567: A = 2+4+6 = 12; B = 2 + 6 + (1+0) + (1+4) = 14; D = (10 - 26 mod 10) mod 10 = 4 -> "D".
    // B needs the digit, Q the letter, G either; P0000000: D = 0 -> J; I is no organisation letter.
    EXPECT_EQ(ControlCif("1234567"), 4);
    for (const char* bueno : {"B12345674", "Q1234567D", "G12345674", "G1234567D", "P0000000J"})
        EXPECT_TRUE(CifValido(bueno)) << bueno;
    for (const char* malo : {"B1234567D", "Q12345674", "I12345674"}) EXPECT_FALSE(CifValido(malo)) << malo;
}

TEST(Algoritmos, ControlDeCuentaEIban) {
    // 00 1234 5678: 4 + 16 + 15 + 40 + 45 + 42 + 21 + 48 = 231 = 11*21 -> 11 -> 0.
    // 0123456789: 2 + 8 + 24 + 20 + 50 + 54 + 49 + 24 + 54 = 285, 285 mod 11 = 10 -> 1.
    EXPECT_EQ(DigitosControlCuenta("12345678000123456789"), "01");
    // 00 3000 0000: 12 mod 11 = 1 -> 10 -> 1; 1000000000: 1 -> 1.
    EXPECT_TRUE(CuentaValida("12345678010123456789"));
    EXPECT_TRUE(CuentaValida("30000000111000000000"));
    EXPECT_FALSE(CuentaValida("12345678010123456780"));
    EXPECT_FALSE(CuentaValida("1234567801012345678"));
    // (account + "142800") mod 97 = 40 -> 98 - 40 = 58; 83 -> 15; 93 -> 05 (two digits).
    EXPECT_EQ(IbanDeCuenta("12345678010123456789"), "ES5812345678010123456789");
    EXPECT_EQ(IbanDeCuenta("30000000111000000000"), "ES1530000000111000000000");
    EXPECT_EQ(IbanDeCuenta("12345678090000000019"), "ES0512345678090000000019");
    EXPECT_TRUE(IbanValido("ES5812345678010123456789"));
    // One digit changed, two swapped, the check digits swapped, lower case.
    for (const char* malo : {"ES5812345678010123456788", "ES5812345678010123456798", "ES8512345678010123456789",
                             "es5812345678010123456789"})
        EXPECT_FALSE(IbanValido(malo)) << malo;
}
