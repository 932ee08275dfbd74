#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <utility>

#include "vb/ansi.h"
#include "vb/variant.h"

TEST(Val, NumeroInicialDelTexto) {
    for (auto [texto, valor] : {std::pair{"12abc", 12.0}, {"   7", 7.0}, {" 1 2\t3 ", 123.0}, {"-3.5 kg", -3.5},
                                {"- 4", -4.0}, {"+8", 8.0}, {"-.5", -0.5}, {"1.2.3", 1.2}, {"1,5", 1.0},
                                {"2e3x", 2000.0}, {"2e", 2.0}, {"0x10", 0.0}, {"abc", 0.0}, {"", 0.0}, {"--5", 0.0}})
        EXPECT_EQ(vb::Val(texto), valor) << texto;
}

TEST(TextoUtf8, MayusculasLongitudYCortesPorCaracteres) {
    EXPECT_EQ(vb::UCase("ñandú, çedilla: àéíóúü x"), "ÑANDÚ, ÇEDILLA: ÀÉÍÓÚÜ X");
    EXPECT_EQ(vb::LCase("ÑANDÚ ÇÀÉÍÓÚÜ"), "ñandú çàéíóúü");
    EXPECT_EQ(vb::Len("Çàéíóú"), 6);
    const std::string s = "Añoçé";  // five characters, eight bytes
    EXPECT_EQ(vb::Left(s, 2) + "|" + vb::Left(s, 9) + "|" + vb::Right(s, 2), "Añ|Añoçé|çé");
    EXPECT_EQ(vb::Mid(s, 2, 3) + "|" + vb::Mid(s, 5, 10) + "|" + vb::Mid(s, 6), "ñoç|é|");
    EXPECT_EQ(vb::Trim("  Ñ a  "), "Ñ a");
}

// A program that takes the user's locale (as a windowed program does) still reads and writes
// numbers with "." as the decimal point.
TEST(TextoNumeros, NoDependenDeLaConfiguracionRegional) {
    std::string anterior = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "es_ES.UTF-8") && !std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        GTEST_SKIP() << "no locale with a decimal comma installed";
    const double val = vb::Val("12.5"), leido = vb::Variant("12.5").CDbl();
    const std::string texto = vb::Variant(12.5).CStr();
    std::setlocale(LC_NUMERIC, anterior.c_str());
    EXPECT_EQ(val, 12.5);
    EXPECT_EQ(texto, "12.5");
    EXPECT_EQ(leido, 12.5);
}

TEST(TextoAnsi, Windows1252IdaYVuelta) {
    // The five bytes the code page leaves undefined read as "?", and their control characters
    // have no byte to go back to.
    EXPECT_EQ(vb::AnsiAUtf8("a\xF1\x80\x9F\x81\xFF"), "añ€Ÿ?ÿ");
    EXPECT_EQ(vb::Utf8AAnsi("añ€Ÿ\xC2\x81ÿ"), "a\xF1\x80\x9F?\xFF");
    // A character the code page lacks becomes one "?", a broken sequence one "?" a byte.
    EXPECT_EQ(vb::Utf8AAnsi("日本 ≠ \xE2\x82 x \xFF\xC0\x80"), "?? ? ?? x ???");
    std::string todos;
    for (int b = 0; b < 256; ++b)
        if (b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D) todos += static_cast<char>(b);
    EXPECT_EQ(vb::Utf8AAnsi(vb::AnsiAUtf8(todos)), todos);
}
