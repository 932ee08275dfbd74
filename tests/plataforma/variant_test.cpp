#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "vb/variant.h"

using vb::Variant;

namespace {

// The number of the error a call raises, 0 when it raises none.
int32_t ErrorDe(const std::function<void()>& llamada) {
    try {
        llamada();
    } catch (const vb::Error& e) {
        return e.Number();
    }
    return 0;
}

}  // namespace

TEST(Conversiones, TextoDeNumerosBooleanosYVacio) {
    EXPECT_EQ(Variant(vb::Long(-7)).CStr(), "-7");
    EXPECT_EQ(Variant(vb::Byte(200)).CStr(), "200");
    EXPECT_EQ(Variant(12.5).CStr(), "12.5");
    EXPECT_EQ(Variant(0.1).CStr(), "0.1");
    EXPECT_EQ(Variant(1.0 / 3).CStr(), "0.333333333333333");
    EXPECT_EQ(Variant(1e20).CStr(), "1E+20");
    EXPECT_EQ(Variant(0.00001).CStr(), "1E-05");
    // A Single shows its own seven digits, not the binary expansion of 0.1f.
    EXPECT_EQ(Variant(vb::Single(0.1f)).CStr(), "0.1");
    EXPECT_EQ(Variant(true).CStr(), "True");
    EXPECT_EQ(Variant(false).CStr(), "False");
    EXPECT_EQ(Variant().CStr(), "");
}

TEST(Conversiones, EnterosRedondeanMitadesAlPar) {
    for (auto [x, n] : {std::pair{0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {2.51, 3}, {-0.5, 0},
                        {-1.5, -2}, {-2.5, -2}, {-3.5, -4}}) {
        EXPECT_EQ(Variant(x).CLng(), n) << x;
        EXPECT_EQ(Variant(x).CInt(), n) << x;
    }
    EXPECT_EQ(Variant(" -3.5 ").CInt(), -4);
    EXPECT_EQ(Variant(254.5).CByte(), 254);
    EXPECT_EQ(Variant(vb::Single(6.5f)).CByte(), 6);
    // The limits themselves, reached by rounding, are in range.
    EXPECT_EQ(Variant(-32768.5).CInt(), -32768);
    EXPECT_EQ(Variant(2147483646.5).CLng(), 2147483646);
    EXPECT_EQ(Variant(true).CInt(), -1);
}

TEST(Conversiones, DesbordamientoEsError6) {
    EXPECT_EQ(ErrorDe([] { Variant(32767.5).CInt(); }), vb::errDesbordamiento);
    EXPECT_EQ(ErrorDe([] { Variant(vb::Long(40000)).CInt(); }), vb::errDesbordamiento);
    EXPECT_EQ(ErrorDe([] { Variant(-32769.0).CInt(); }), vb::errDesbordamiento);
    EXPECT_EQ(ErrorDe([] { Variant(255.5).CByte(); }), vb::errDesbordamiento);
    EXPECT_EQ(ErrorDe([] { Variant(vb::Integer(-1)).CByte(); }), vb::errDesbordamiento);
    EXPECT_EQ(ErrorDe([] { Variant(2147483647.5).CLng(); }), vb::errDesbordamiento);
    EXPECT_EQ(ErrorDe([] { Variant("-2147483649").CLng(); }), vb::errDesbordamiento);
    EXPECT_EQ(ErrorDe([] { Variant(1e300).CSng(); }), vb::errDesbordamiento);
}

TEST(Conversiones, TextoNoNumericoNullYVacio) {
    for (const char* texto : {"abc", "", "   ", "12abc", "1,5", "0x10", "1e", "--1", "+-1", "inf"}) {
        EXPECT_EQ(ErrorDe([&] { Variant(texto).CLng(); }), vb::errTipos) << texto;
        EXPECT_EQ(ErrorDe([&] { Variant(texto).CDbl(); }), vb::errTipos) << texto;
        EXPECT_FALSE(Variant(texto).IsNumeric()) << texto;
    }
    EXPECT_EQ(Variant(" 42 ").CLng(), 42);
    EXPECT_EQ(Variant("+7").CInt(), 7);
    EXPECT_EQ(Variant("-1.25").CDbl(), -1.25);
    EXPECT_EQ(Variant("1E3").CDbl(), 1000);

    Variant nulo(vb::Null), vacio;
    EXPECT_EQ(ErrorDe([&] { nulo.CStr(); }), vb::errUsoNull);
    EXPECT_EQ(ErrorDe([&] { nulo.CLng(); }), vb::errUsoNull);
    EXPECT_EQ(ErrorDe([&] { nulo.CDbl(); }), vb::errUsoNull);
    EXPECT_EQ(ErrorDe([&] { nulo.CBool(); }), vb::errUsoNull);
    EXPECT_EQ(vacio.CLng(), 0);
    EXPECT_EQ(vacio.CInt(), 0);
    EXPECT_EQ(vacio.CDbl(), 0);
    EXPECT_FALSE(vacio.CBool());
}

TEST(Matrices, LimitesPropiosYSubindiceFueraDeRango) {
    Variant a = Variant::Array1(1, 3);
    EXPECT_EQ(a.LBound(), 1);
    EXPECT_EQ(a.UBound(), 3);
    a(3) = "tres";
    EXPECT_EQ(a(3).CStr(), "tres");
    EXPECT_EQ(ErrorDe([&] { a(0); }), vb::errSubindice);
    EXPECT_EQ(ErrorDe([&] { a(4); }), vb::errSubindice);
    EXPECT_EQ(ErrorDe([&] { a(1, 1); }), vb::errSubindice);
    EXPECT_EQ(ErrorDe([&] { a.UBound(2); }), vb::errSubindice);
    EXPECT_EQ(ErrorDe([] { Variant(vb::Long(1))(1); }), vb::errTipos);

    Variant m = Variant::Array2(-1, 1, 5, 7);
    EXPECT_EQ(m.LBound(1), -1);
    EXPECT_EQ(m.UBound(1), 1);
    EXPECT_EQ(m.LBound(2), 5);
    EXPECT_EQ(m.UBound(2), 7);
    for (vb::Long i = -1; i <= 1; ++i)
        for (vb::Long j = 5; j <= 7; ++j) m(i, j) = vb::Long(i * 100 + j);
    for (vb::Long i = -1; i <= 1; ++i)
        for (vb::Long j = 5; j <= 7; ++j) EXPECT_EQ(m(i, j).CLng(), i * 100 + j);
    EXPECT_EQ(ErrorDe([&] { m(2, 5); }), vb::errSubindice);
    EXPECT_EQ(ErrorDe([&] { m(-1, 4); }), vb::errSubindice);
    EXPECT_EQ(ErrorDe([&] { m(0); }), vb::errSubindice);
}

TEST(Matrices, RedimPreserveDeLaUltimaDimension) {
    Variant m = Variant::Array2(0, 1, 1, 2);
    for (vb::Long i = 0; i <= 1; ++i)
        for (vb::Long j = 1; j <= 2; ++j) m(i, j) = vb::Long(i * 10 + j);
    m.RedimPreserve(4);
    EXPECT_EQ(m.UBound(1), 1);
    EXPECT_EQ(m.UBound(2), 4);
    for (vb::Long i = 0; i <= 1; ++i) {
        for (vb::Long j = 1; j <= 2; ++j) EXPECT_EQ(m(i, j).CLng(), i * 10 + j);
        EXPECT_TRUE(m(i, 4).IsEmpty());
    }
    m.RedimPreserve(1);
    EXPECT_EQ(m(1, 1).CLng(), 11);
    EXPECT_EQ(ErrorDe([&] { m(0, 2); }), vb::errSubindice);
}

TEST(Matrices, CopiarEsProfundo) {
    Variant a = Variant::Array2(1, 2, 1, 1);
    a(1, 1) = "original";
    a(2, 1) = Variant::Array1(0, 0);
    a(2, 1)(0) = vb::Long(5);
    Variant b = a, c;
    c = a;
    b(1, 1) = "cambiado";
    b(2, 1)(0) = vb::Long(6);
    c.RedimPreserve(3);
    EXPECT_EQ(a(1, 1).CStr(), "original");
    EXPECT_EQ(a(2, 1)(0).CLng(), 5);
    EXPECT_EQ(a.UBound(2), 1);
}

// The element is read before the array it lives in is replaced.
TEST(Matrices, AsignarUnElementoALaPropiaMatriz) {
    Variant a = Variant::Array1(1, 2);
    a(1) = vb::Long(123456);
    a = a(1);
    EXPECT_EQ(a, Variant(vb::Long(123456)));

    Variant b = Variant::Array1(1, 2);
    b(1) = Variant::Array1(0, 0);
    b(1)(0) = 7.5;
    b = b(1);
    EXPECT_EQ(b(0).CDbl(), 7.5);

    Variant c = Variant::Array1(1, 1);
    c(1) = std::string(100, 'x');
    c = std::move(c(1));
    EXPECT_EQ(c.CStr(), std::string(100, 'x'));
}
