#include "GarobelLib/registro.h"
#include "servidor/utiles_prueba.h"
#include "tablas/cT04.h"

using brunsel::cT04;
using brunsel::ConexionDAO;

namespace {

// The real component tells the declarant's kind: "1" natural person (type 3), "A" company
// (type 0), "E" community (type 2).
class ChequeoT04 : public prueba::ConBase {
protected:
    void SetUp() override { GarobelLib_Registrar(); }
    cT04 t;
    std::string fecha = "20120930";
    void Recorrer(std::initializer_list<prueba::Paso> pasos) {
        prueba::Recorrer([&] { return t.ValidarDatos732(fecha); }, pasos);
    }
};

TEST_F(ChequeoT04, TransporteEnSuOrden) {
    t.MODOP(" T");
    t.PrimeraLetra("A");
    Recorrer({{[&] { t.datT04_HECHO2("X"); }, 1}, {[&] { t.datT04_TRANIF("FR123"); }, 2},
              {[&] { t.datT04_TRANOM("DUPONT"); }, 3}, {[&] { t.datT04_TRAPAIS("VELDORIA"); }, 5},
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
}

TEST_F(ChequeoT04, TransporteSegunLosHechos) {
    t.MODOP("T");
    t.PrimeraLetra("1");
    t.datT04_TRANIF("B1");
    t.datT04_TRANOM("N");
    Recorrer({{[&] { t.datT04_HECHO5(" X "); }, 28},
              {[&] { t.datT04_TRAPROV("KELMORIA"); }, 0},  // a province is enough when only HECHO5 is marked
              // HECHO2 marked but not exactly "X": transmitter asked, technical data and base not.
              {[&] { t.datT04_HECHO5(""); t.datT04_HECHO2(" X"); }, 3},
              {[&] { t.datT04_TRAPAIS("VELDORIA"); t.datT04_TMEDIO("V"); }, 0},
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

#define CAMPO(n, v) prueba::Par(&cT04::datT04_##n, &cT04::datT04_##n, v)

// Amounts beyond the range of a Long, so each must be held and stored as a Double.
constexpr double G = 5e9;

TEST_F(TablaT04, IdaYVueltaDeCadaColumnaYNulosAntiguos) {
    const prueba::Campo<cT04> campos[] = {
        CAMPO(TRANIF, "F'R2"), CAMPO(TRANOM, "Àlex"), CAMPO(TRADIRECC, "d'Été2"), CAMPO(TRAPROV, "PR2"),
        CAMPO(TRAPAIS, "PA2"), CAMPO(SITTIB1, ""), CAMPO(SITTIB2, "X"), CAMPO(SITTIB3, ""), CAMPO(SITTIB4, "X"),
        CAMPO(SITTIB5, ""), CAMPO(SITTIB6, "X"), CAMPO(HECHO1, "X"), CAMPO(HECHO2, ""), CAMPO(HECHO3, "X"),
        CAMPO(HECHO4, ""), CAMPO(HECHO5, "X"), CAMPO(HECHO6, ""), CAMPO(TMEDIO, "A"), CAMPO(MARCAV, "MV2"),
        CAMPO(TIPOV, "TV2"), CAMPO(MODELOV, "OV2"), CAMPO(NBASTIDOR, "NB2"), CAMPO(CLASIF, -32768),
        CAMPO(FABRICB, "FB2"), CAMPO(ESLORAMAX, 7.3f), CAMPO(NCONSTRUC, "NC2"), CAMPO(MODELOB, "OB2"),
        CAMPO(FABRICA, "FA2"), CAMPO(PESOMAX, 2147483647), CAMPO(NSERIE, "NS2"), CAMPO(ANOFAB, 2002),
        CAMPO(MODELOA, "OA2"), CAMPO(BASE16, G + 2), CAMPO(CUOTA16, G + 4), CAMPO(BASE7, G + 6), CAMPO(CUOTA7, G + 8),
        CAMPO(BASE4, G + 10), CAMPO(CUOTA4, G + 12), CAMPO(BAEQ4, G + 14), CAMPO(CUEQ4, G + 16),
        CAMPO(BAEQ175, G + 18), CAMPO(CUEQ175, G + 20), CAMPO(BAEQ1, G + 22), CAMPO(CUEQ1, G + 24),
        CAMPO(BAEQ05, G + 26), CAMPO(CUEQ05, G + 28), CAMPO(TOTAL, -1e13),
    };
    ASSERT_EQ(std::size(campos), std::size(brunsel::kColumnasT04) - 1);  // every column but the key
    ConexionDAO().InicializaBD(bd.Mod());
    t.keyT04_CSDE(12);
    EXPECT_FALSE(t.Existe());
    for (const auto& c : campos) c.fijar(t);
    ASSERT_TRUE(t.Insertar());
    cT04 leido;
    leido.keyT04_CSDE(12);
    ASSERT_TRUE(leido.Seleccionar());
    for (const auto& c : campos) c.comprobar(leido);

    EXPECT_TRUE(t.Borrar());
    EXPECT_FALSE(t.Existe());
    EXPECT_FALSE(t.Seleccionar());  // no row: every column but the key is reset
    EXPECT_EQ(t.keyT04_CSDE() + t.datT04_ESLORAMAX() + t.datT04_CLASIF() + t.datT04_TOTAL(), 12);
    EXPECT_EQ(t.datT04_TRANIF() + t.datT04_HECHO5(), "");

    // A Null in an old row reads as "" or 0.
    Sql("INSERT INTO T04_732DECLA (T04_CSDE, T04_TRANIF, T04_HECHO2, T04_ESLORAMAX, T04_TOTAL) "
        "VALUES (3, NULL, NULL, NULL, 55)");
    t.keyT04_CSDE(3);
    ASSERT_TRUE(t.Seleccionar());
    EXPECT_EQ(t.datT04_TRANIF() + t.datT04_HECHO2(), "");
    EXPECT_EQ(t.datT04_ESLORAMAX() + t.datT04_TOTAL(), 55);
}

}  // namespace
