#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <type_traits>
#include <vector>

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
    cT04 t;
    std::string fecha = "20120930";
    vb::Integer Codigo() { return t.ValidarDatos732(fecha); }
};

TEST_F(ChequeoT04, TransporteEnSuOrden) {
    t.MODOP(" T");
    t.PrimeraLetra("A");
    t.datT04_HECHO2("X");
    EXPECT_EQ(Codigo(), 1);
    t.datT04_TRANIF("FR123");
    EXPECT_EQ(Codigo(), 2);
    t.datT04_TRANOM("DUPONT");
    EXPECT_EQ(Codigo(), 3);
    t.datT04_TRAPAIS("FRANCIA");
    EXPECT_EQ(Codigo(), 5);
    t.PrimeraLetra("1");
    EXPECT_EQ(Codigo(), 20);  // no means of transport: no technical data asked

    t.datT04_TMEDIO("V");
    EXPECT_EQ(Codigo(), 10);
    t.datT04_MARCAV("M");
    EXPECT_EQ(Codigo(), 11);
    t.datT04_TIPOV("T");
    EXPECT_EQ(Codigo(), 12);
    t.datT04_MODELOV(" ");
    EXPECT_EQ(Codigo(), 12);
    t.datT04_MODELOV("MV");
    EXPECT_EQ(Codigo(), 13);
    t.datT04_NBASTIDOR("NB");
    EXPECT_EQ(Codigo(), 20);

    t.datT04_TMEDIO("B");
    EXPECT_EQ(Codigo(), 15);
    t.datT04_FABRICB("F");
    EXPECT_EQ(Codigo(), 16);
    t.datT04_NCONSTRUC("NC");
    EXPECT_EQ(Codigo(), 20);

    t.datT04_TMEDIO("A");
    EXPECT_EQ(Codigo(), 17);
    t.datT04_FABRICA("F");
    EXPECT_EQ(Codigo(), 18);
    t.datT04_NSERIE("NS");
    EXPECT_EQ(Codigo(), 19);
    t.datT04_ANOFAB(2011);
    EXPECT_EQ(Codigo(), 20);

    t.datT04_BASE16(10000);
    t.datT04_CUOTA16(1799);
    EXPECT_EQ(Codigo(), 31);
    t.datT04_CUOTA16(1800);
    t.datT04_BASE7(100);
    t.datT04_CUOTA7(7);
    EXPECT_EQ(Codigo(), 32);
    fecha = "20121001";
    EXPECT_EQ(Codigo(), 0);  // outside the window; a zero total is no fault of a transport declaration
    EXPECT_EQ(fecha, "20121001");
}

TEST_F(ChequeoT04, TransporteSegunLosHechos) {
    t.MODOP("T");
    t.PrimeraLetra("1");
    t.datT04_HECHO5(" X ");
    t.datT04_TRANIF("B1");
    t.datT04_TRANOM("N");
    EXPECT_EQ(Codigo(), 28);
    t.datT04_TRAPROV("GIPUZKOA");  // a province is enough when only HECHO5 is marked
    EXPECT_EQ(Codigo(), 0);

    // HECHO2 marked but not exactly "X": transmitter asked, technical data and base not.
    t.datT04_HECHO5("");
    t.datT04_HECHO2(" X");
    EXPECT_EQ(Codigo(), 3);
    t.datT04_TRAPAIS("FRANCIA");
    t.datT04_TMEDIO("V");
    EXPECT_EQ(Codigo(), 0);

    // Neither event: only the declarant's kind, then "no event".
    t.datT04_HECHO2("x");
    t.datT04_TRANIF("");
    t.PrimeraLetra("A");
    EXPECT_EQ(Codigo(), 5);
    t.PrimeraLetra("1");
    EXPECT_EQ(Codigo(), 0);  // "x" is not blank
    t.datT04_HECHO2("  ");
    EXPECT_EQ(Codigo(), 9);
}

TEST_F(ChequeoT04, TrimestralEnSuOrden) {
    t.MODOP(" P ");
    t.PrimeraLetra("A");
    EXPECT_EQ(Codigo(), 9);
    t.datT04_HECHO1("X");
    EXPECT_EQ(Codigo(), 4);
    t.datT04_SITTIB1(" X");
    EXPECT_EQ(Codigo(), 6);
    t.datT04_SITTIB1("");
    t.datT04_SITTIB2("X");
    EXPECT_EQ(Codigo(), 7);
    t.datT04_SITTIB2("");
    t.datT04_SITTIB4("X");
    t.PrimeraLetra("1");
    EXPECT_EQ(Codigo(), 8);
    t.datT04_SITTIB4("x");  // not marked
    EXPECT_EQ(Codigo(), 26);

    t.PrimeraLetra("E");  // a community passes the three kind rules
    t.datT04_SITTIB1("X");
    t.datT04_SITTIB2("X");
    t.datT04_SITTIB4("X");
    EXPECT_EQ(Codigo(), 30);
    t.datT04_HECHO4("X");
    t.datT04_HECHO2("X");
    EXPECT_EQ(Codigo(), 21);
    t.datT04_BASE16(10000);
    t.datT04_BAEQ4(10001);
    EXPECT_EQ(Codigo(), 23);
    t.datT04_BAEQ4(10000);
    t.datT04_BAEQ175(10001);
    EXPECT_EQ(Codigo(), 27);
    t.datT04_BAEQ175(0);
    t.datT04_BAEQ1(100);
    EXPECT_EQ(Codigo(), 24);
    t.datT04_BASE7(100);
    t.datT04_BAEQ05(1);
    EXPECT_EQ(Codigo(), 25);
    t.datT04_BASE4(1);
    EXPECT_EQ(Codigo(), 26);

    fecha = "no es fecha";
    EXPECT_EQ(Codigo(), 26);  // the date is read only at a rate rule
    t.datT04_TOTAL(1);
    EXPECT_THROW(Codigo(), vb::Error);
    EXPECT_EQ(fecha, "no es fecha");

    fecha = "20120701";
    EXPECT_EQ(Codigo(), 31);
    for (double cuota : {1800.0, 2100.0}) {
        t.datT04_CUOTA16(cuota);
        EXPECT_EQ(Codigo(), 32) << cuota;
    }
    t.datT04_CUOTA7(8);
    EXPECT_EQ(Codigo(), 33);
    t.datT04_CUEQ4(400);
    EXPECT_EQ(Codigo(), 34);
    t.datT04_CUEQ1(1);
    EXPECT_EQ(Codigo(), 0);

    t.datT04_CUOTA16(0);
    for (const char* fuera : {"20120630", "20121001"}) {
        fecha = fuera;
        EXPECT_EQ(Codigo(), 0) << fuera;
    }
}

TEST_F(ChequeoT04, OtrosModosSoloPidenUnHecho) {
    for (const char* modo : {"", "p", "X"}) {
        cT04 c;
        c.MODOP(modo);
        EXPECT_EQ(c.ValidarDatos732(fecha), 9) << modo;
        c.datT04_HECHO6("X");
        EXPECT_EQ(c.ValidarDatos732(fecha), 0) << modo;
    }
}

class TablaT04 : public ::testing::Test {
protected:
    BdPrueba bd;
    void SetUp() override { ConexionDAO().InicializaBD(bd.Mod()); }
    void TearDown() override { ConexionDAO().Cerrar(); }
};

// Amounts beyond the range of a Long, so each must be held and stored as a Double.
constexpr double kGrande = 5e9;

// One column's let and get with two values of its own (sets 1 and 2).
struct CampoPrueba {
    std::function<void(cT04&, int)> fijar;
    std::function<void(const cT04&, int)> comprobar;
};

template <class T>
CampoPrueba Campo(void (cT04::*let)(std::type_identity_t<T>), std::type_identity_t<T> (cT04::*get)() const, T a,
                  T b) {
    return {[=](cT04& t, int n) { (t.*let)(n == 1 ? a : b); },
            [=](const cT04& t, int n) { EXPECT_EQ((t.*get)(), n == 1 ? a : b); }};
}

using namespace std::string_literals;
const std::vector<CampoPrueba>& Campos() {
    static const std::vector<CampoPrueba> campos = {
        Campo(&cT04::datT04_TRANIF, &cT04::datT04_TRANIF, "F'R1"s, "F'R2"s),
        Campo(&cT04::datT04_TRANOM, &cT04::datT04_TRANOM, "Ñúñez O'Neil"s, "Àlex"s),
        Campo(&cT04::datT04_TRADIRECC, &cT04::datT04_TRADIRECC, "Rue d'Été 1"s, "Rue d'Été 2"s),
        Campo(&cT04::datT04_TRAPROV, &cT04::datT04_TRAPROV, "PROV1"s, "PROV2"s),
        Campo(&cT04::datT04_TRAPAIS, &cT04::datT04_TRAPAIS, "PAIS1"s, "PAIS2"s),
        Campo(&cT04::datT04_SITTIB1, &cT04::datT04_SITTIB1, "X"s, ""s),
        Campo(&cT04::datT04_SITTIB2, &cT04::datT04_SITTIB2, ""s, "X"s),
        Campo(&cT04::datT04_SITTIB3, &cT04::datT04_SITTIB3, "X"s, ""s),
        Campo(&cT04::datT04_SITTIB4, &cT04::datT04_SITTIB4, ""s, "X"s),
        Campo(&cT04::datT04_SITTIB5, &cT04::datT04_SITTIB5, "X"s, ""s),
        Campo(&cT04::datT04_SITTIB6, &cT04::datT04_SITTIB6, ""s, "X"s),
        Campo(&cT04::datT04_HECHO1, &cT04::datT04_HECHO1, ""s, "X"s),
        Campo(&cT04::datT04_HECHO2, &cT04::datT04_HECHO2, "X"s, ""s),
        Campo(&cT04::datT04_HECHO3, &cT04::datT04_HECHO3, ""s, "X"s),
        Campo(&cT04::datT04_HECHO4, &cT04::datT04_HECHO4, "X"s, ""s),
        Campo(&cT04::datT04_HECHO5, &cT04::datT04_HECHO5, ""s, "X"s),
        Campo(&cT04::datT04_HECHO6, &cT04::datT04_HECHO6, "X"s, ""s),
        Campo(&cT04::datT04_TMEDIO, &cT04::datT04_TMEDIO, "V"s, "A"s),
        Campo(&cT04::datT04_MARCAV, &cT04::datT04_MARCAV, "MARCAV1"s, "MARCAV2"s),
        Campo(&cT04::datT04_TIPOV, &cT04::datT04_TIPOV, "TIPOV1"s, "TIPOV2"s),
        Campo(&cT04::datT04_MODELOV, &cT04::datT04_MODELOV, "MODELOV1"s, "MODELOV2"s),
        Campo(&cT04::datT04_NBASTIDOR, &cT04::datT04_NBASTIDOR, "NBASTIDOR1"s, "NBASTIDOR2"s),
        Campo(&cT04::datT04_CLASIF, &cT04::datT04_CLASIF, vb::Integer{32001}, vb::Integer{-32768}),
        Campo(&cT04::datT04_FABRICB, &cT04::datT04_FABRICB, "FABRICB1"s, "FABRICB2"s),
        Campo(&cT04::datT04_ESLORAMAX, &cT04::datT04_ESLORAMAX, 6.3f, 7.3f),
        Campo(&cT04::datT04_NCONSTRUC, &cT04::datT04_NCONSTRUC, "NCONSTRUC1"s, "NCONSTRUC2"s),
        Campo(&cT04::datT04_MODELOB, &cT04::datT04_MODELOB, "MODELOB1"s, "MODELOB2"s),
        Campo(&cT04::datT04_FABRICA, &cT04::datT04_FABRICA, "FABRICA1"s, "FABRICA2"s),
        Campo(&cT04::datT04_PESOMAX, &cT04::datT04_PESOMAX, vb::Long{-70001}, vb::Long{2147483647}),
        Campo(&cT04::datT04_NSERIE, &cT04::datT04_NSERIE, "NSERIE1"s, "NSERIE2"s),
        Campo(&cT04::datT04_ANOFAB, &cT04::datT04_ANOFAB, vb::Integer{2001}, vb::Integer{2002}),
        Campo(&cT04::datT04_MODELOA, &cT04::datT04_MODELOA, "MODELOA1"s, "MODELOA2"s),
        Campo(&cT04::datT04_BASE16, &cT04::datT04_BASE16, kGrande + 1, kGrande + 2),
        Campo(&cT04::datT04_CUOTA16, &cT04::datT04_CUOTA16, kGrande + 3, kGrande + 4),
        Campo(&cT04::datT04_BASE7, &cT04::datT04_BASE7, kGrande + 5, kGrande + 6),
        Campo(&cT04::datT04_CUOTA7, &cT04::datT04_CUOTA7, kGrande + 7, kGrande + 8),
        Campo(&cT04::datT04_BASE4, &cT04::datT04_BASE4, kGrande + 9, kGrande + 10),
        Campo(&cT04::datT04_CUOTA4, &cT04::datT04_CUOTA4, kGrande + 11, kGrande + 12),
        Campo(&cT04::datT04_BAEQ4, &cT04::datT04_BAEQ4, kGrande + 13, kGrande + 14),
        Campo(&cT04::datT04_CUEQ4, &cT04::datT04_CUEQ4, kGrande + 15, kGrande + 16),
        Campo(&cT04::datT04_BAEQ175, &cT04::datT04_BAEQ175, kGrande + 17, kGrande + 18),
        Campo(&cT04::datT04_CUEQ175, &cT04::datT04_CUEQ175, kGrande + 19, kGrande + 20),
        Campo(&cT04::datT04_BAEQ1, &cT04::datT04_BAEQ1, kGrande + 21, kGrande + 22),
        Campo(&cT04::datT04_CUEQ1, &cT04::datT04_CUEQ1, kGrande + 23, kGrande + 24),
        Campo(&cT04::datT04_BAEQ05, &cT04::datT04_BAEQ05, kGrande + 25, kGrande + 26),
        Campo(&cT04::datT04_CUEQ05, &cT04::datT04_CUEQ05, kGrande + 27, kGrande + 28),
        Campo(&cT04::datT04_TOTAL, &cT04::datT04_TOTAL, 1e13 + 1, -1e13),
    };
    return campos;
}

void Rellenar(cT04& t, int n) {
    for (const auto& c : Campos()) c.fijar(t, n);
}

void ComprobarRelleno(const cT04& t, int n) {
    for (const auto& c : Campos()) c.comprobar(t, n);
}

cT04 Leer(vb::Long clave) {
    cT04 t;
    t.keyT04_CSDE(clave);
    EXPECT_TRUE(t.Seleccionar());
    return t;
}

TEST_F(TablaT04, IdaYVueltaDeCadaColumna) {
    ASSERT_EQ(Campos().size(), std::size(brunsel::kColumnasT04) - 1);  // every column but the key
    cT04 t;
    EXPECT_FALSE(t.Existe());
    t.keyT04_CSDE(12);
    EXPECT_FALSE(t.Existe());
    Rellenar(t, 1);
    ASSERT_TRUE(t.Insertar());
    EXPECT_TRUE(t.Existe());
    ComprobarRelleno(Leer(12), 1);

    Rellenar(t, 2);
    EXPECT_TRUE(t.Modificar());
    ComprobarRelleno(Leer(12), 2);

    EXPECT_TRUE(t.Borrar());
    EXPECT_FALSE(t.Existe());
    EXPECT_TRUE(t.Borrar());
}

TEST_F(TablaT04, NuloDeUnaFilaAntiguaSeLeeVacioOCero) {
    BdPrueba::Ejecutar(bd.Mod(),
                       "INSERT INTO T04_732DECLA (T04_CSDE, T04_TRANIF, T04_HECHO2, T04_ESLORAMAX, T04_TOTAL) "
                       "VALUES (3, NULL, NULL, NULL, 55)");
    cT04 t = Leer(3);
    EXPECT_EQ(t.datT04_TRANIF(), "");
    EXPECT_EQ(t.datT04_HECHO2(), "");
    EXPECT_EQ(t.datT04_ESLORAMAX(), 0);
    EXPECT_EQ(t.datT04_TOTAL(), 55);
}

TEST_F(TablaT04, SeleccionarSinFilaYClaveNoPositiva) {
    cT04 t;
    Rellenar(t, 1);
    t.MODOP("P");
    t.PrimeraLetra("E");
    t.keyT04_CSDE(404);
    EXPECT_FALSE(t.Seleccionar());
    EXPECT_EQ(t.keyT04_CSDE(), 404);
    EXPECT_EQ(t.MODOP(), "P");
    EXPECT_EQ(t.PrimeraLetra(), "E");
    EXPECT_EQ(t.datT04_TRANIF(), "");
    EXPECT_EQ(t.datT04_HECHO6(), "");
    EXPECT_EQ(t.datT04_CLASIF(), 0);
    EXPECT_EQ(t.datT04_ESLORAMAX(), 0);
    EXPECT_EQ(t.datT04_TOTAL(), 0);

    ConexionDAO().Cerrar();  // a statement would fail now
    Rellenar(t, 1);
    for (vb::Long clave : {0, -1}) {
        t.keyT04_CSDE(clave);
        EXPECT_FALSE(t.Existe());
        EXPECT_FALSE(t.Insertar());
        EXPECT_FALSE(t.Modificar());
        EXPECT_FALSE(t.Borrar());
        EXPECT_FALSE(t.Seleccionar());
        ComprobarRelleno(t, 1);
    }
}

}  // namespace
