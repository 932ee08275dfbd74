#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <type_traits>
#include <utility>

#include "GarobelLib/registro.h"
#include "comun/bd_prueba.h"
#include "general.h"
#include "tablas/cT04.h"

using brunsel::cT04;
using brunsel::ConexionDAO;

namespace {

// The real component tells the declarant's kind: "1" natural person (type 3), "A" company
// (type 0), "E" community (type 2).
class ChequeoT04 : public ::testing::Test {
protected:
    void SetUp() override { GarobelLib_Registrar(); }
    void TearDown() override { ConexionDAO().Cerrar(); }
    BdPrueba bd;
    cT04 t;
    std::string fecha = "20120930";

    // Applies each change in turn and expects the code the check answers after it.
    void Recorrer(std::initializer_list<std::pair<std::function<void()>, int>> pasos) {
        int n = 0;
        for (const auto& [cambio, esperado] : pasos) {
            cambio();
            EXPECT_EQ(t.ValidarDatos732(fecha), esperado) << "step " << n++;
        }
    }
};

TEST_F(ChequeoT04, TransporteEnSuOrden) {
    t.MODOP(" T");
    t.PrimeraLetra("A");
    Recorrer({{[&] { t.datT04_HECHO2("X"); }, 1}, {[&] { t.datT04_TRANIF("FR123"); }, 2},
              {[&] { t.datT04_TRANOM("DUPONT"); }, 3}, {[&] { t.datT04_TRAPAIS("FRANCIA"); }, 5},
              {[&] { t.PrimeraLetra("1"); }, 20},  // no means of transport: no technical data asked
              {[&] { t.datT04_TMEDIO("V"); }, 10}, {[&] { t.datT04_MARCAV("M"); }, 11},
              {[&] { t.datT04_TIPOV("T"); }, 12}, {[&] { t.datT04_MODELOV(" "); }, 12},
              {[&] { t.datT04_MODELOV("MV"); }, 13}, {[&] { t.datT04_NBASTIDOR("NB"); }, 20},
              {[&] { t.datT04_TMEDIO("B"); }, 15}, {[&] { t.datT04_FABRICB("F"); }, 16},
              {[&] { t.datT04_NCONSTRUC("NC"); }, 20}, {[&] { t.datT04_TMEDIO("A"); }, 17},
              {[&] { t.datT04_FABRICA("F"); }, 18}, {[&] { t.datT04_NSERIE("NS"); }, 19},
              {[&] { t.datT04_ANOFAB(2011); }, 20}, {[&] { t.datT04_BASE16(10000); t.datT04_CUOTA16(1799); }, 31},
              {[&] { t.datT04_CUOTA16(1800); t.datT04_BASE7(100); t.datT04_CUOTA7(7); }, 32},
              {[&] { fecha = "20121001"; }, 0}});  // outside the window; a zero total is no transport fault
    EXPECT_EQ(fecha, "20121001");
}

TEST_F(ChequeoT04, TransporteSegunLosHechos) {
    t.MODOP("T");
    t.PrimeraLetra("1");
    t.datT04_TRANIF("B1");
    t.datT04_TRANOM("N");
    Recorrer({{[&] { t.datT04_HECHO5(" X "); }, 28},
              {[&] { t.datT04_TRAPROV("GIPUZKOA"); }, 0},  // a province is enough when only HECHO5 is marked
              // HECHO2 marked but not exactly "X": transmitter asked, technical data and base not.
              {[&] { t.datT04_HECHO5(""); t.datT04_HECHO2(" X"); }, 3},
              {[&] { t.datT04_TRAPAIS("FRANCIA"); t.datT04_TMEDIO("V"); }, 0},
              // Neither event: only the declarant's kind, then "no event".
              {[&] { t.datT04_HECHO2("x"); t.datT04_TRANIF(""); t.PrimeraLetra("A"); }, 5},
              {[&] { t.PrimeraLetra("1"); }, 0}, {[&] { t.datT04_HECHO2("  "); }, 9}});  // "x" is not blank
}

TEST_F(ChequeoT04, TrimestralEnSuOrden) {
    t.MODOP(" P ");
    t.PrimeraLetra("A");
    Recorrer({{[] {}, 9}, {[&] { t.datT04_HECHO1("X"); }, 4}, {[&] { t.datT04_SITTIB1(" X"); }, 6},
              {[&] { t.datT04_SITTIB1(""); t.datT04_SITTIB2("X"); }, 7},
              {[&] { t.datT04_SITTIB2(""); t.datT04_SITTIB4("X"); t.PrimeraLetra("1"); }, 8},
              {[&] { t.datT04_SITTIB4("x"); }, 26},  // not marked
              // A community passes the three kind rules.
              {[&] { t.PrimeraLetra("E"); t.datT04_SITTIB1("X"); t.datT04_SITTIB2("X"); t.datT04_SITTIB4("X"); }, 30},
              {[&] { t.datT04_HECHO4("X"); t.datT04_HECHO2("X"); }, 21},
              {[&] { t.datT04_BASE16(10000); t.datT04_BAEQ4(10001); }, 23},
              {[&] { t.datT04_BAEQ4(10000); t.datT04_BAEQ175(10001); }, 27},
              {[&] { t.datT04_BAEQ175(0); t.datT04_BAEQ1(100); }, 24},
              {[&] { t.datT04_BASE7(100); t.datT04_BAEQ05(1); }, 25}, {[&] { t.datT04_BASE4(1); }, 26},
              {[&] { fecha = "no es fecha"; }, 26}});  // the date is read only at a rate rule
    t.datT04_TOTAL(1);
    EXPECT_THROW(t.ValidarDatos732(fecha), vb::Error);
    Recorrer({{[&] { fecha = "20120701"; }, 31}, {[&] { t.datT04_CUOTA16(1800); }, 32},
              {[&] { t.datT04_CUOTA16(2100); }, 32}, {[&] { t.datT04_CUOTA7(8); }, 33},
              {[&] { t.datT04_CUEQ4(400); }, 34}, {[&] { t.datT04_CUEQ1(1); }, 0},
              {[&] { t.datT04_CUOTA16(0); fecha = "20120630"; }, 0}, {[&] { fecha = "20121001"; }, 0}});
}

TEST_F(ChequeoT04, OtroModoSoloPideUnHecho) {
    t.MODOP("p");  // neither "T" nor "P" exactly
    Recorrer({{[] {}, 9}, {[&] { t.datT04_HECHO6("X"); }, 0}});
}

using TablaT04 = ChequeoT04;  // the table tests open the modifiable database themselves

// One column's let and get with a value for each of two writes.
struct Campo {
    std::function<void(cT04&, int)> fijar;
    std::function<void(const cT04&, int)> comprobar;
};

template <class T>
Campo Par(void (cT04::*let)(T), T (cT04::*get)() const, std::type_identity_t<T> a, std::type_identity_t<T> b) {
    return {[=](cT04& t, int n) { (t.*let)(n == 1 ? a : b); },
            [=](const cT04& t, int n) { EXPECT_EQ((t.*get)(), n == 1 ? a : b); }};
}
#define CAMPO(n, a, b) Par(&cT04::datT04_##n, &cT04::datT04_##n, a, b)

// Amounts beyond the range of a Long, so each must be held and stored as a Double.
constexpr double G = 5e9;

TEST_F(TablaT04, IdaYVueltaDeCadaColumnaYNulosAntiguos) {
    const Campo campos[] = {
        CAMPO(TRANIF, "F'R1", "F'R2"),   CAMPO(TRANOM, "Ñúñez O'Neil", "Àlex"), CAMPO(TRADIRECC, "d'Été1", "d'Été2"),
        CAMPO(TRAPROV, "PR1", "PR2"),    CAMPO(TRAPAIS, "PA1", "PA2"),          CAMPO(SITTIB1, "X", ""),
        CAMPO(SITTIB2, "", "X"),         CAMPO(SITTIB3, "X", ""),               CAMPO(SITTIB4, "", "X"),
        CAMPO(SITTIB5, "X", ""),         CAMPO(SITTIB6, "", "X"),               CAMPO(HECHO1, "", "X"),
        CAMPO(HECHO2, "X", ""),          CAMPO(HECHO3, "", "X"),                CAMPO(HECHO4, "X", ""),
        CAMPO(HECHO5, "", "X"),          CAMPO(HECHO6, "X", ""),                CAMPO(TMEDIO, "V", "A"),
        CAMPO(MARCAV, "MV1", "MV2"),     CAMPO(TIPOV, "TV1", "TV2"),            CAMPO(MODELOV, "OV1", "OV2"),
        CAMPO(NBASTIDOR, "NB1", "NB2"),  CAMPO(CLASIF, 32001, -32768),          CAMPO(FABRICB, "FB1", "FB2"),
        CAMPO(ESLORAMAX, 6.3f, 7.3f),    CAMPO(NCONSTRUC, "NC1", "NC2"),        CAMPO(MODELOB, "OB1", "OB2"),
        CAMPO(FABRICA, "FA1", "FA2"),    CAMPO(PESOMAX, -70001, 2147483647),    CAMPO(NSERIE, "NS1", "NS2"),
        CAMPO(ANOFAB, 2001, 2002),       CAMPO(MODELOA, "OA1", "OA2"),          CAMPO(BASE16, G + 1, G + 2),
        CAMPO(CUOTA16, G + 3, G + 4),    CAMPO(BASE7, G + 5, G + 6),            CAMPO(CUOTA7, G + 7, G + 8),
        CAMPO(BASE4, G + 9, G + 10),     CAMPO(CUOTA4, G + 11, G + 12),         CAMPO(BAEQ4, G + 13, G + 14),
        CAMPO(CUEQ4, G + 15, G + 16),    CAMPO(BAEQ175, G + 17, G + 18),        CAMPO(CUEQ175, G + 19, G + 20),
        CAMPO(BAEQ1, G + 21, G + 22),    CAMPO(CUEQ1, G + 23, G + 24),          CAMPO(BAEQ05, G + 25, G + 26),
        CAMPO(CUEQ05, G + 27, G + 28),   CAMPO(TOTAL, 1e13 + 1, -1e13),
    };
    ASSERT_EQ(std::size(campos), std::size(brunsel::kColumnasT04) - 1);  // every column but the key
    auto comprobar = [&](vb::Long clave, int n) {
        cT04 leido;
        leido.keyT04_CSDE(clave);
        ASSERT_TRUE(leido.Seleccionar());
        for (const auto& c : campos) c.comprobar(leido, n);
    };
    ConexionDAO().InicializaBD(bd.Mod());
    t.keyT04_CSDE(12);
    EXPECT_FALSE(t.Existe());
    for (const auto& c : campos) c.fijar(t, 1);
    ASSERT_TRUE(t.Insertar());
    EXPECT_TRUE(t.Existe());
    comprobar(12, 1);
    for (const auto& c : campos) c.fijar(t, 2);
    EXPECT_TRUE(t.Modificar());
    comprobar(12, 2);

    EXPECT_TRUE(t.Borrar());
    EXPECT_FALSE(t.Existe());
    EXPECT_FALSE(t.Seleccionar());  // no row: every column but the key is reset
    EXPECT_EQ(t.keyT04_CSDE(), 12);
    EXPECT_EQ(t.datT04_TRANIF() + t.datT04_HECHO6(), "");
    EXPECT_EQ(t.datT04_ESLORAMAX() + t.datT04_CLASIF() + t.datT04_TOTAL(), 0);

    // A Null in an old row reads as "" or 0.
    BdPrueba::Ejecutar(bd.Mod(), "INSERT INTO T04_732DECLA (T04_CSDE, T04_TRANIF, T04_HECHO2, T04_ESLORAMAX, "
                                 "T04_TOTAL) VALUES (3, NULL, NULL, NULL, 55)");
    t.keyT04_CSDE(3);
    ASSERT_TRUE(t.Seleccionar());
    EXPECT_EQ(t.datT04_TRANIF() + t.datT04_HECHO2(), "");
    EXPECT_EQ(t.datT04_ESLORAMAX(), 0);
    EXPECT_EQ(t.datT04_TOTAL(), 55);
}

}  // namespace
