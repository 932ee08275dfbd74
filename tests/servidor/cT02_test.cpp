#include "servidor/utiles_prueba.h"
#include "tablas/cT02.h"

using brunsel::cT02;

namespace {

class TablaT02 : public prueba::ConMod {
protected:
    static void Rellenar(cT02& t, vb::Long csco, vb::Long fecha, const std::string& modelo = "731",
                         const std::string& modo = "P", const std::string& letra = "1", vb::Integer ejercicio = 2012,
                         const std::string& periodo = "3T", vb::Byte tipologia = 1) {
        t.datT02_CSCO(csco), t.datT02_MODELO(modelo), t.datT02_LETRADNI(letra), t.datT02_MODO(modo);
        t.datT02_FECHA(fecha), t.datT02_EJERCICIO(ejercicio), t.datT02_PERIODO(periodo), t.datT02_TIPOLOGIA(tipologia);
    }
    static vb::Long Alta(vb::Long csco, vb::Long fecha) {
        cT02 t;
        Rellenar(t, csco, fecha);
        return t.Insertar();
    }
    // Every column but the key of the row `clave` as text, so a whole row compares in one assertion.
    static std::string Foto(vb::Long clave) {
        cT02 t;
        t.KeyT02_CSDE(clave);
        t.Seleccionar();
        return std::to_string(t.datT02_CSCO()) + "|" + t.datT02_MODELO() + "|" + t.datT02_LETRADNI() + "|" +
               t.datT02_MODO() + "|" + std::to_string(t.datT02_FECHA()) + "|" + std::to_string(t.datT02_EJERCICIO()) +
               "|" + t.datT02_PERIODO() + "|" + std::to_string(t.datT02_TIPOLOGIA());
    }
};

TEST_F(TablaT02, InsertarDevuelveLaClaveDeEstaInsercionYNoTocaKeyT02_CSDE) {
    cT02 t;
    EXPECT_EQ(t.UltimoCSDE(), 0);
    // Another copy of the program adding a row right after ours: the highest key is not ours.
    Sql("CREATE TRIGGER otra_copia AFTER INSERT ON T02_COMUNDECLA WHEN NEW.T02_MODELO <> '732' "
        "BEGIN INSERT INTO T02_COMUNDECLA (T02_MODELO) VALUES ('732'); END;");
    t.KeyT02_CSDE(55);
    Rellenar(t, 123456, 20121231, "7'2", "T", "Ñ", -32768, "OA", 255);
    const vb::Long clave = t.Insertar();
    EXPECT_EQ(t.KeyT02_CSDE(), 55);
    EXPECT_EQ(t.UltimoCSDE(), clave + 1);
    EXPECT_EQ(Foto(clave), "123456|7'2|Ñ|T|20121231|-32768|OA|255");

    t.KeyT02_CSDE(clave);
    EXPECT_TRUE(t.Borrar());
    EXPECT_FALSE(t.Existe());
    // A Null in an old row reads as "" or 0.
    Sql("INSERT INTO T02_COMUNDECLA VALUES (7, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL)");
    EXPECT_EQ(Foto(7), "0||||0|0||0");
}

TEST_F(TablaT02, DeclaracionesDeUnDeclaranteYDuplicados) {
    cT02 t;
    t.datT02_CSCO(5);
    vb::Variant buffer = "previo";
    EXPECT_FALSE(t.ObtenerDeclaracionesDeclarante(buffer));
    EXPECT_EQ(buffer.UBound(), 0);
    EXPECT_TRUE(buffer(0).IsEmpty());
    const vb::Long a = Alta(5, 20120331);
    Alta(6, 20120331);  // another taxpayer's
    const vb::Long b = Alta(5, 20120630);
    EXPECT_TRUE(t.ObtenerDeclaracionesDeclarante(buffer));
    ASSERT_EQ(buffer.UBound(), 1);
    EXPECT_EQ(std::to_string(buffer(0).CLng()) + "," + std::to_string(buffer(1).CLng()),
              std::to_string(a) + "," + std::to_string(b));
    // Only the date, form, kind and declarant tell a duplicate.
    for (auto [modelo, modo, duplicado] : {std::tuple{"731", "P", true}, {"731", "T", false}, {"732", "P", false}}) {
        Rellenar(t, 5, 20120630, modelo, modo, "Z", 1999);
        EXPECT_EQ(t.ExisteDeclaracionAlta(), duplicado) << modelo << modo;
    }
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

// Each change mends the fault of the step before, so every code is reached in its order.
TEST_F(TablaT02, ValidarDatosComunesEnSuOrden) {
    Alta(5, 20120930);
    cT02 t;
    t.FECHAMIN(20120101);
    t.FECHAMAX(20121231);
    t.datT02_CSCO(5);
    t.PrimeraLetra("A");  // a company: not of type 3
    prueba::Recorrer([&] { return t.ValidarDatosComunes(); }, {
        {[&] { t.datT02_MODO("T"); }, 1},
        {[&] { t.datT02_MODO(" T"); }, 4},  // not "T" exactly: rule 1 skipped, the trimmed kind reaches 8
        {[&] { t.datT02_MODELO("731"); }, 8}, {[&] { t.PrimeraLetra("1"); }, 6},  // date 0 is out of range
        {[&] { t.datT02_FECHA(20120930); }, 7},  // " T" is not "T": the duplicate test finds the row
        {[&] { t.datT02_MODO("T"); }, 0},  // a transport declaration is never a duplicate
        {[&] { t.datT02_MODO("P"); }, 2}, {[&] { t.datT02_EJERCICIO(2012); }, 3},
        {[&] { t.datT02_PERIODO("4T"); t.datT02_FECHA(20121231); t.datT02_MODELO(""); }, 4},
        {[&] { t.datT02_MODELO("731"); t.FECHAMAX(20121230); }, 5}, {[&] { t.FECHAMAX(20121231); }, 0},
        {[&] { t.datT02_PERIODO("3T"); t.datT02_FECHA(20120930); }, 7},
        {[&] { t.datT02_MODO("p"); t.datT02_FECHA(20130101); }, 6},  // neither kind: the range uses FECHA
    });
}

}  // namespace
