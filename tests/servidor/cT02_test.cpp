#include <gtest/gtest.h>

#include <string>

#include "comun/bd_prueba.h"
#include "general.h"
#include "tablas/cT02.h"

using brunsel::cT02;
using brunsel::ConexionDAO;

namespace {

class TablaT02 : public ::testing::Test {
protected:
    BdPrueba bd;
    void SetUp() override { ConexionDAO().InicializaBD(bd.Mod()); }
    void TearDown() override { ConexionDAO().Cerrar(); }

    static void Rellenar(cT02& t, vb::Long csco, vb::Long fecha, const std::string& modelo = "731") {
        t.datT02_CSCO(csco);
        t.datT02_MODELO(modelo);
        t.datT02_LETRADNI("1");
        t.datT02_MODO("P");
        t.datT02_FECHA(fecha);
        t.datT02_EJERCICIO(2012);
        t.datT02_PERIODO("3T");
        t.datT02_TIPOLOGIA(1);
    }

    vb::Long Alta(vb::Long csco, vb::Long fecha, const std::string& modelo = "731") {
        cT02 t;
        Rellenar(t, csco, fecha, modelo);
        return t.Insertar();
    }
};

TEST_F(TablaT02, InsertarDevuelveLaClaveDeEstaInsercionYNoTocaKeyT02_CSDE) {
    // Another copy of the program adding a row right after ours: the highest key is not ours.
    BdPrueba::Ejecutar(bd.Mod(),
                       "CREATE TRIGGER otra_copia AFTER INSERT ON T02_COMUNDECLA WHEN NEW.T02_MODELO = '731' "
                       "BEGIN INSERT INTO T02_COMUNDECLA (T02_MODELO) VALUES ('732'); END;");
    cT02 t;
    t.KeyT02_CSDE(55);
    Rellenar(t, 9, 20120930);
    vb::Long clave = t.Insertar();
    EXPECT_EQ(t.KeyT02_CSDE(), 55);
    EXPECT_EQ(t.UltimoCSDE(), clave + 1);

    cT02 leido;
    leido.KeyT02_CSDE(clave);
    ASSERT_TRUE(leido.Seleccionar());
    EXPECT_EQ(leido.datT02_MODELO(), "731");
    EXPECT_EQ(leido.datT02_CSCO(), 9);
}

TEST_F(TablaT02, IdaYVueltaDeCadaColumna) {
    cT02 t;
    t.datT02_CSCO(123456);
    t.datT02_MODELO("7'2");  // bound, not written into the statement
    t.datT02_LETRADNI("Ñ");
    t.datT02_MODO("T");
    t.datT02_FECHA(20121231);
    t.datT02_EJERCICIO(-32768);
    t.datT02_PERIODO("OA");
    t.datT02_TIPOLOGIA(255);
    cT02 leido;
    leido.KeyT02_CSDE(t.Insertar());
    ASSERT_TRUE(leido.Existe());
    ASSERT_TRUE(leido.Seleccionar());
    EXPECT_EQ(leido.datT02_CSCO(), 123456);
    EXPECT_EQ(leido.datT02_MODELO(), "7'2");
    EXPECT_EQ(leido.datT02_LETRADNI(), "Ñ");
    EXPECT_EQ(leido.datT02_MODO(), "T");
    EXPECT_EQ(leido.datT02_FECHA(), 20121231);
    EXPECT_EQ(leido.datT02_EJERCICIO(), -32768);
    EXPECT_EQ(leido.datT02_PERIODO(), "OA");
    EXPECT_EQ(leido.datT02_TIPOLOGIA(), 255);

    Rellenar(leido, 4, 20120630, "732");
    EXPECT_TRUE(leido.Modificar());
    cT02 otra;
    otra.KeyT02_CSDE(leido.KeyT02_CSDE());
    ASSERT_TRUE(otra.Seleccionar());
    EXPECT_EQ(otra.datT02_MODELO(), "732");
    EXPECT_EQ(otra.datT02_FECHA(), 20120630);
    EXPECT_EQ(otra.datT02_PERIODO(), "3T");

    EXPECT_TRUE(otra.Borrar());
    EXPECT_FALSE(otra.Existe());
    EXPECT_TRUE(otra.Borrar());  // no row left: still True
}

TEST_F(TablaT02, SeleccionarSinFilaYClaveNoPositiva) {
    cT02 t;
    Rellenar(t, 3, 20120930);
    t.PrimeraLetra("A");
    t.FECHAMIN(20100101);
    t.FECHAMAX(20121231);
    t.KeyT02_CSDE(999);
    EXPECT_FALSE(t.Seleccionar());
    EXPECT_EQ(t.KeyT02_CSDE(), 999);
    EXPECT_EQ(t.PrimeraLetra(), "A");
    EXPECT_EQ(t.datT02_CSCO(), 0);
    EXPECT_EQ(t.datT02_MODELO(), "");
    EXPECT_EQ(t.datT02_PERIODO(), "");
    EXPECT_EQ(t.datT02_EJERCICIO(), 0);
    EXPECT_EQ(t.datT02_TIPOLOGIA(), 0);

    // Nothing is asked of a key below 1: with the database closed these would fail otherwise.
    ConexionDAO().Cerrar();
    Rellenar(t, 3, 20120930);
    for (vb::Long clave : {0, -1}) {
        t.KeyT02_CSDE(clave);
        EXPECT_FALSE(t.Existe());
        EXPECT_FALSE(t.Borrar());
        EXPECT_FALSE(t.Modificar());
        EXPECT_FALSE(t.Seleccionar());
        EXPECT_EQ(t.datT02_MODELO(), "731");
    }
}

TEST_F(TablaT02, NuloDeUnaFilaAntiguaSeLeeVacioOCero) {
    BdPrueba::Ejecutar(bd.Mod(),
                       "INSERT INTO T02_COMUNDECLA (T02_CSDE, T02_CSCO, T02_MODELO, T02_LETRADNI, T02_MODO, "
                       "T02_FECHA, T02_EJERCICIO, T02_PERIODO, T02_TIPOLOGIA) "
                       "VALUES (7, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL)");
    cT02 t;
    t.KeyT02_CSDE(7);
    ASSERT_TRUE(t.Seleccionar());
    EXPECT_EQ(t.datT02_MODELO(), "");
    EXPECT_EQ(t.datT02_FECHA(), 0);
    EXPECT_EQ(t.datT02_TIPOLOGIA(), 0);
}

TEST_F(TablaT02, UltimoCSDEDeUnaTablaVaciaYConFilas) {
    cT02 t;
    EXPECT_EQ(t.UltimoCSDE(), 0);
    Alta(1, 20120331);
    vb::Long segunda = Alta(1, 20120630);
    EXPECT_EQ(t.UltimoCSDE(), segunda);
}

TEST_F(TablaT02, DeclaracionesDeUnDeclarante) {
    cT02 t;
    t.datT02_CSCO(5);
    vb::Variant buffer = "previo";
    EXPECT_FALSE(t.ObtenerDeclaracionesDeclarante(buffer));
    ASSERT_TRUE(buffer.IsArray());
    EXPECT_EQ(buffer.UBound(), 0);
    EXPECT_TRUE(buffer(0).IsEmpty());

    vb::Long a = Alta(5, 20120331), b = Alta(6, 20120331), c = Alta(5, 20120630), d = Alta(5, 20120930);
    (void)b;
    EXPECT_TRUE(t.ObtenerDeclaracionesDeclarante(buffer));
    ASSERT_EQ(buffer.UBound(), 2);
    EXPECT_EQ(buffer(0).CLng(), a);
    EXPECT_EQ(buffer(1).CLng(), c);
    EXPECT_EQ(buffer(2).CLng(), d);
}

TEST_F(TablaT02, ExisteDeclaracionAlta) {
    Alta(5, 20120930);
    cT02 t;
    Rellenar(t, 5, 20120930);
    t.datT02_LETRADNI("Z");
    t.datT02_EJERCICIO(1999);  // only date, form and owner count
    EXPECT_TRUE(t.ExisteDeclaracionAlta());
    t.datT02_MODO("T");
    EXPECT_FALSE(t.ExisteDeclaracionAlta());
    t.datT02_MODO("P");
    t.datT02_MODELO("732");
    EXPECT_FALSE(t.ExisteDeclaracionAlta());
    t.datT02_MODELO("");
    EXPECT_FALSE(t.ExisteDeclaracionAlta());
}

TEST_F(TablaT02, SQLDeclaracionesDeclarante) {
    cT02 t;
    t.datT02_CSCO(42);
    EXPECT_EQ(t.SQLDeclaracionesDeclarante(1, "T"),
              "Select T02_CSDE,T02_FECHA,T02_EJERCICIO,T02_PERIODO,T02_MODELO,T02_TIPOLOGIA,T02_MODO From "
              "T02_COMUNDECLA Where T02_CSDE >= 1 And T02_CSCO =42 Order by T02_FECHA, T02_MODO, T02_CSDE");
    EXPECT_EQ(t.SQLDeclaracionesDeclarante(2, "P"),
              "Select T02_CSDE,T02_MODELO,T02_LETRADNI,T02_MODO,T02_FECHA,T02_EJERCICIO,T02_PERIODO,T02_TIPOLOGIA "
              "From T02_COMUNDECLA Where T02_CSDE >= 1 And T02_CSCO =42 And T02_MODO='P' Order by T02_FECHA "
              "DESC, T02_CSDE DESC");
    // A quote in the kind cannot end the text early.
    t.datT02_CSCO(-3);
    EXPECT_NE(t.SQLDeclaracionesDeclarante(0, "x' OR '1'='1").find("T02_CSCO =-3 And T02_MODO='x'' OR ''1''=''1'"),
              std::string::npos);
}

// Walks the rules in their order: each step mends the fault of the one before.
TEST_F(TablaT02, ValidarDatosComunesEnSuOrden) {
    Alta(5, 20120930);
    cT02 t;
    t.FECHAMIN(20120101);
    t.FECHAMAX(20121231);
    t.datT02_CSCO(5);
    t.PrimeraLetra("A");  // a company: not of type 3
    t.datT02_MODO("T");
    EXPECT_EQ(t.ValidarDatosComunes(), 1);
    t.datT02_MODO(" T");  // not "T" exactly: rule 1 skipped, but the trimmed kind reaches rule 8
    EXPECT_EQ(t.ValidarDatosComunes(), 4);
    t.datT02_MODELO("731");
    EXPECT_EQ(t.ValidarDatosComunes(), 8);
    t.PrimeraLetra("1");
    EXPECT_EQ(t.ValidarDatosComunes(), 6);  // date 0 is out of range
    t.datT02_FECHA(20120930);
    EXPECT_EQ(t.ValidarDatosComunes(), 7);  // " T" is not "T": the duplicate test runs and finds the row
    t.datT02_MODO("T");
    EXPECT_EQ(t.ValidarDatosComunes(), 0);  // a transport declaration is never a duplicate

    t.datT02_MODO("P");
    EXPECT_EQ(t.ValidarDatosComunes(), 2);
    t.datT02_EJERCICIO(2012);
    EXPECT_EQ(t.ValidarDatosComunes(), 3);
    t.datT02_PERIODO("4T");
    t.datT02_FECHA(20121231);
    t.datT02_MODELO("");
    EXPECT_EQ(t.ValidarDatosComunes(), 4);
    t.datT02_MODELO("731");
    t.FECHAMAX(20121230);
    EXPECT_EQ(t.ValidarDatosComunes(), 5);
    t.FECHAMAX(20121231);
    EXPECT_EQ(t.ValidarDatosComunes(), 0);
    t.datT02_PERIODO("3T");
    t.datT02_FECHA(20120930);
    EXPECT_EQ(t.ValidarDatosComunes(), 7);

    t.datT02_MODO("p");  // neither kind: the range test uses FECHA and answers 6
    t.datT02_FECHA(20130101);
    EXPECT_EQ(t.ValidarDatosComunes(), 6);
}

TEST_F(TablaT02, EjerPerValidosConSusLimites) {
    cT02 t;
    t.FECHAMIN(20120331);
    t.FECHAMAX(20120930);
    t.datT02_MODO("P");
    t.datT02_EJERCICIO(2012);
    t.datT02_FECHA(20500101);  // not used for "P"
    for (const char* p : {"1T", "3T"}) {
        t.datT02_PERIODO(p);
        EXPECT_TRUE(t.EjerPerValidos()) << p;
    }
    for (const char* p : {"4T", "3t", "OA"}) {
        t.datT02_PERIODO(p);
        EXPECT_FALSE(t.EjerPerValidos()) << p;
    }
    t.FECHAMIN(0);
    EXPECT_TRUE(t.EjerPerValidos());  // an unknown period gives date 0

    t.datT02_MODO("T");
    t.FECHAMIN(20120331);
    for (vb::Long f : {20120331, 20120930}) {
        t.datT02_FECHA(f);
        EXPECT_TRUE(t.EjerPerValidos()) << f;
    }
    for (vb::Long f : {20120330, 20121001}) {
        t.datT02_FECHA(f);
        EXPECT_FALSE(t.EjerPerValidos()) << f;
    }
}

}  // namespace
