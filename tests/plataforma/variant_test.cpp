#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "comun/errores.h"
#include "vb/variant.h"

using vb::Variant;

namespace {

TEST(Conversiones, TextoDeNumerosBooleanosYVacio) {
    for (auto [v, texto] : {std::pair{Variant(vb::Long(-7)), "-7"}, {Variant(12.5), "12.5"}, {Variant(0.1), "0.1"},
                            {Variant(1.0 / 3), "0.333333333333333"}, {Variant(1e20), "1E+20"},
                            {Variant(0.00001), "1E-05"},
                            {Variant(vb::Single(0.1f)), "0.1"},  // its own seven digits, not the binary expansion
                            {Variant(true), "True"}, {Variant(), ""}})
        EXPECT_EQ(v.CStr(), texto) << texto;
}

TEST(Conversiones, EnterosRedondeanMitadesAlParYSinSalirseDelRango) {
    for (auto [x, n] : {std::pair{0.5, 0}, {1.5, 2}, {2.5, 2}, {2.51, 3}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2}}) {
        EXPECT_EQ(Variant(x).CLng(), n) << x;
        EXPECT_EQ(Variant(x).CInt(), n) << x;
    }
    EXPECT_EQ(Variant(" -3.5 ").CInt(), -4);
    EXPECT_EQ(Variant(vb::Single(6.5f)).CByte(), 6);
    EXPECT_EQ(Variant(254.5).CByte(), 254);
    EXPECT_EQ(Variant(-32768.5).CInt(), -32768);
    EXPECT_EQ(Variant(2147483646.5).CLng(), 2147483646);
    const std::function<void()> desbordan[] = {
        [] { Variant(32767.5).CInt(); },          [] { Variant(vb::Long(40000)).CInt(); },
        [] { Variant(-32769.0).CInt(); },         [] { Variant(255.5).CByte(); },
        [] { Variant(vb::Integer(-1)).CByte(); }, [] { Variant(2147483647.5).CLng(); },
        [] { Variant("-2147483649").CLng(); },    [] { Variant(1e300).CSng(); }};
    for (size_t i = 0; i < std::size(desbordan); ++i)
        EXPECT_EQ(NumeroDeError(desbordan[i]), vb::errDesbordamiento) << i;
}

TEST(Conversiones, TextoNoNumericoNullYVacio) {
    for (const char* texto : {"abc", "", "   ", "12abc", "1,5", "0x10", "1e", "--1", "+-1", "inf"}) {
        EXPECT_EQ(NumeroDeError([&] { Variant(texto).CLng(); }), vb::errTipos) << texto;
        EXPECT_EQ(NumeroDeError([&] { Variant(texto).CDbl(); }), vb::errTipos) << texto;
        EXPECT_FALSE(Variant(texto).IsNumeric()) << texto;
    }
    EXPECT_EQ(Variant(" 42 ").CLng() + Variant("+7").CInt() + Variant("1E3").CDbl(), 1049);
    Variant nulo(vb::Null), vacio;
    EXPECT_EQ(NumeroDeError([&] { nulo.CStr(); }), vb::errUsoNull);
    EXPECT_EQ(NumeroDeError([&] { nulo.CLng(); }), vb::errUsoNull);
    EXPECT_EQ(vacio.CInt() + vacio.CDbl(), 0);
    EXPECT_FALSE(vacio.CBool());
}

TEST(Matrices, LimitesPropiosRedimPreserveYSubindiceFueraDeRango) {
    Variant a = Variant::Array1(1, 3);
    Variant m = Variant::Array2(-1, 1, 5, 7);
    EXPECT_EQ(std::pair(m.LBound(1), m.UBound(1)), std::pair(-1, 1));
    EXPECT_EQ(std::pair(m.LBound(2), m.UBound(2)), std::pair(5, 7));
    for (vb::Long i = -1; i <= 1; ++i)
        for (vb::Long j = 5; j <= 7; ++j) m(i, j) = vb::Long(i * 100 + j);
    EXPECT_EQ(m(-1, 7).CLng(), -93);
    EXPECT_EQ(m(1, 5).CLng(), 105);
    const std::function<void()> fuera[] = {[&] { a(0); },   [&] { a(4); },     [&] { a(1, 1); }, [&] { a.UBound(2); },
                                           [&] { m(2, 5); }, [&] { m(-1, 4); }, [&] { m(0); }};
    for (size_t i = 0; i < std::size(fuera); ++i) EXPECT_EQ(NumeroDeError(fuera[i]), vb::errSubindice) << i;
    EXPECT_EQ(NumeroDeError([] { Variant(vb::Long(1))(1); }), vb::errTipos);

    m.RedimPreserve(9);
    EXPECT_EQ(std::pair(m.UBound(1), m.UBound(2)), std::pair(1, 9));
    EXPECT_EQ(m(1, 7).CLng(), 107);
    EXPECT_TRUE(m(1, 9).IsEmpty());
    m.RedimPreserve(5);
    EXPECT_EQ(m(0, 5).CLng(), 5);
    EXPECT_EQ(NumeroDeError([&] { m(0, 6); }), vb::errSubindice);
}

// An array made of given elements places them first index fastest, and only takes as many as it holds.
TEST(Matrices, MatrizHechaDeElementosDados) {
    std::vector<Variant> elementos;
    for (vb::Long i = 0; i < 6; ++i) elementos.emplace_back(std::to_string(i));
    Variant m = Variant::Array2(0, 2, 1, 2, elementos);
    EXPECT_EQ(std::pair(m.UBound(1), m.UBound(2)), std::pair(2, 2));
    EXPECT_EQ(m(0, 1).CStr() + m(2, 1).CStr() + m(0, 2).CStr() + m(2, 2).CStr(), "0235");
    for (size_t n : {5u, 7u, 0u}) {
        elementos.resize(n);
        EXPECT_EQ(NumeroDeError([&] { Variant::Array2(0, 2, 1, 2, elementos); }), vb::errSubindice) << n;
    }
}

// A copy shares nothing, and an element is read before the array it lives in is replaced.
TEST(Matrices, CopiarEsProfundoYAsignarUnElementoALaPropiaMatriz) {
    Variant a = Variant::Array2(1, 2, 1, 1);
    a(1, 1) = "original";
    a(2, 1) = Variant::Array1(0, 0);
    a(2, 1)(0) = 7.5;
    Variant b = a, c;
    c = a;
    b(1, 1) = "cambiado";
    b(2, 1)(0) = 6.0;
    c.RedimPreserve(3);
    EXPECT_EQ(a(1, 1).CStr(), "original");
    EXPECT_EQ(a(2, 1)(0).CDbl(), 7.5);
    EXPECT_EQ(a.UBound(2), 1);
    a = a(2, 1);
    EXPECT_EQ(a(0).CDbl(), 7.5);
    Variant d = Variant::Array1(1, 1);
    d(1) = std::string(100, 'x');
    d = std::move(d(1));
    EXPECT_EQ(d.CStr(), std::string(100, 'x'));
}

}  // namespace
