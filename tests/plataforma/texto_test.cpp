#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "vb/variant.h"

TEST(Val, NumeroInicialDelTexto) {
    EXPECT_EQ(vb::Val("12abc"), 12);
    EXPECT_EQ(vb::Val("   7"), 7);
    EXPECT_EQ(vb::Val(" 1 2\t3 "), 123);  // blanks inside are skipped too
    EXPECT_EQ(vb::Val("-3.5 kg"), -3.5);
    EXPECT_EQ(vb::Val("- 4"), -4);
    EXPECT_EQ(vb::Val("+8"), 8);
    EXPECT_EQ(vb::Val(".25"), 0.25);
    EXPECT_EQ(vb::Val("-.5"), -0.5);
    EXPECT_EQ(vb::Val("1.2.3"), 1.2);
    EXPECT_EQ(vb::Val("1,5"), 1);  // only "." is a decimal point
    EXPECT_EQ(vb::Val("2e3x"), 2000);
    EXPECT_EQ(vb::Val("2e"), 2);
    EXPECT_EQ(vb::Val("0x10"), 0);
    EXPECT_EQ(vb::Val("abc"), 0);
    EXPECT_EQ(vb::Val(""), 0);
    EXPECT_EQ(vb::Val("-"), 0);
    EXPECT_EQ(vb::Val("--5"), 0);
}

TEST(TextoUtf8, MayusculasYLongitudConLetrasAcentuadas) {
    EXPECT_EQ(vb::UCase("ñandú, çedilla: àéíóúü x"), "ÑANDÚ, ÇEDILLA: ÀÉÍÓÚÜ X");
    EXPECT_EQ(vb::LCase("ÑANDÚ ÇÀÉÍÓÚÜ"), "ñandú çàéíóúü");
    EXPECT_EQ(vb::Len("Ñoño"), 4);
    EXPECT_EQ(vb::Len("Çàéíóú"), 6);
}

TEST(TextoUtf8, CortesPorCaracteres) {
    const std::string s = "Añoçé";  // five characters, eight bytes
    EXPECT_EQ(vb::Left(s, 2), "Añ");
    EXPECT_EQ(vb::Left(s, 9), s);
    EXPECT_EQ(vb::Right(s, 2), "çé");
    EXPECT_EQ(vb::Right(s, 9), s);
    EXPECT_EQ(vb::Mid(s, 2, 3), "ñoç");
    EXPECT_EQ(vb::Mid(s, 4), "çé");
    EXPECT_EQ(vb::Mid(s, 5, 10), "é");
    EXPECT_EQ(vb::Mid(s, 6), "");
    EXPECT_EQ(vb::Trim("  Ñ a  "), "Ñ a");
}

// A program that takes the user's locale (as a windowed program does) still reads and writes
// numbers with "." as the decimal point.
TEST(TextoNumeros, NoDependenDeLaConfiguracionRegional) {
    std::string anterior = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "es_ES.UTF-8") && !std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        GTEST_SKIP() << "no locale with a decimal comma installed";
    double val = vb::Val("12.5");
    std::string texto = vb::Variant(12.5).CStr();
    double leido = 0;
    bool numerico = vb::Variant("12.5").IsNumeric();
    if (numerico) leido = vb::Variant("12.5").CDbl();
    std::setlocale(LC_NUMERIC, anterior.c_str());
    EXPECT_EQ(val, 12.5);
    EXPECT_EQ(texto, "12.5");
    EXPECT_TRUE(numerico);
    EXPECT_EQ(leido, 12.5);
}
