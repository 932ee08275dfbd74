#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "GarobelLib/cMiscelaneos.h"
#include "com/com.h"
#include "comun/bd_prueba.h"
#include "general.h"
#include "tablas/cT01.h"

using brunsel::cT01;
using brunsel::ConexionDAO;

namespace {

// Answers ValidaNifCif as told and counts the calls; the last instance is watched so a test can
// tell whether the library still holds it.
struct NifFalso : GarobelLib::cMiscelaneos {
    bool respuesta;
    int* llamadas;
    NifFalso(bool r, int* n) : respuesta(r), llamadas(n) {}
    bool ValidaNifCif(std::string&) override {
        ++*llamadas;
        return respuesta;
    }
};

class ComponenteFalso {
public:
    explicit ComponenteFalso(bool respuesta)
        : registro_("GarobelLib.cMiscelaneos", [this, respuesta] {
              auto c = std::make_shared<NifFalso>(respuesta, &llamadas);
              ultimo = c;
              return c;
          }) {}
    int llamadas = 0;
    std::weak_ptr<NifFalso> ultimo;

private:
    com::RegistroTemporal registro_;
};

class TablaT01 : public ::testing::Test {
protected:
    BdPrueba bd;
    void SetUp() override { ConexionDAO().InicializaBD(bd.Mod()); }
    void TearDown() override { ConexionDAO().Cerrar(); }

    // Inserts a taxpayer and answers its new key.
    vb::Long Alta(const std::string& nif, const std::string& nombre = "ZUBIRI") {
        cT01 t;
        t.datT01_DNI(nif);
        t.datT01_NOMBRE(nombre);
        EXPECT_TRUE(t.Insertar());
        return t.ObtenerCodigoDeclarante();
    }
};

void Rellenar(cT01& t, const std::string& sufijo) {
    t.datT01_DNI("1'2345Ñ" + sufijo);
    t.datT01_NOMBRE("O'Donnell Ñúñez, José" + sufijo);
    t.datT01_VIA("C'");
    t.datT01_DOMICILIO("Calle d'Àvila Ü" + sufijo);
    t.datT01_NUMERO(123456);
    t.datT01_LETRA("Ñ'");
    t.datT01_ESCALERA("É");
    t.datT01_PISO("3'");
    t.datT01_MANO("IZQ");
    t.datT01_CODPROV("20");
    t.datT01_CODPOS("20001");
    t.datT01_CODMUN("79");
    t.datT01_NOMMUN("Çaldea'" + sufijo);
    t.datT01_TELEFONO("943123456");
    t.datT01_NUM731(40000);
    t.datT01_NUM732(3);
}

void ExpectIguales(const cT01& a, const cT01& b) {
    EXPECT_EQ(a.datT01_DNI(), b.datT01_DNI());
    EXPECT_EQ(a.datT01_NOMBRE(), b.datT01_NOMBRE());
    EXPECT_EQ(a.datT01_VIA(), b.datT01_VIA());
    EXPECT_EQ(a.datT01_DOMICILIO(), b.datT01_DOMICILIO());
    EXPECT_EQ(a.datT01_NUMERO(), b.datT01_NUMERO());
    EXPECT_EQ(a.datT01_LETRA(), b.datT01_LETRA());
    EXPECT_EQ(a.datT01_ESCALERA(), b.datT01_ESCALERA());
    EXPECT_EQ(a.datT01_PISO(), b.datT01_PISO());
    EXPECT_EQ(a.datT01_MANO(), b.datT01_MANO());
    EXPECT_EQ(a.datT01_CODPROV(), b.datT01_CODPROV());
    EXPECT_EQ(a.datT01_CODPOS(), b.datT01_CODPOS());
    EXPECT_EQ(a.datT01_CODMUN(), b.datT01_CODMUN());
    EXPECT_EQ(a.datT01_NOMMUN(), b.datT01_NOMMUN());
    EXPECT_EQ(a.datT01_TELEFONO(), b.datT01_TELEFONO());
    EXPECT_EQ(a.datT01_NUM731(), b.datT01_NUM731());
    EXPECT_EQ(a.datT01_NUM732(), b.datT01_NUM732());
}

}  // namespace

TEST_F(TablaT01, CadaColumnaIdaYVueltaConApostrofosYAcentos) {
    cT01 escrito;
    Rellenar(escrito, "");
    ASSERT_TRUE(escrito.Insertar());
    EXPECT_EQ(escrito.KeyT01_CSCO(), 0);  // the new key is not read back

    cT01 leido;
    leido.datT01_DNI("1'2345Ñ");
    EXPECT_TRUE(leido.ExisteDeclaranteAlta());
    leido.KeyT01_CSCO(leido.ExisteDeclaranteAltaCSCO());
    ASSERT_GE(leido.KeyT01_CSCO(), 1);
    ASSERT_TRUE(leido.Seleccionar());
    ExpectIguales(escrito, leido);

    // Every column but the key is rewritten, the counters included.
    Rellenar(escrito, "b");
    escrito.KeyT01_CSCO(leido.KeyT01_CSCO());
    escrito.datT01_NUM731(0);
    ASSERT_TRUE(escrito.Modificar());
    cT01 otra;
    otra.KeyT01_CSCO(leido.KeyT01_CSCO());
    ASSERT_TRUE(otra.Seleccionar());
    ExpectIguales(escrito, otra);
    EXPECT_EQ(otra.datT01_NUM731(), 0);

    ASSERT_TRUE(otra.Borrar());
    EXPECT_FALSE(otra.Seleccionar());
}

TEST_F(TablaT01, CodigosSeGuardanComoNumero) {
    cT01 t;
    t.datT01_DNI("X1");
    t.datT01_CODPROV("01");
    t.datT01_CODPOS("01005 bis");
    t.datT01_CODMUN("abc");
    t.datT01_TELEFONO("0");
    ASSERT_TRUE(t.Insertar());
    t.KeyT01_CSCO(t.ObtenerCodigoDeclarante());
    ASSERT_TRUE(t.Seleccionar());
    EXPECT_EQ(t.datT01_CODPROV(), "1");
    EXPECT_EQ(t.datT01_CODPOS(), "1005");
    EXPECT_EQ(t.datT01_CODMUN(), "0");
    EXPECT_EQ(t.datT01_TELEFONO(), "");  // stored 0: no telephone

    auto rs = ConexionDAO().openRecordset("Select typeof(T01_CODPOS) From T01_DECLARANTES");
    EXPECT_EQ(brunsel::Requerir(rs).Fields(0).CStr(), "integer");
}

TEST_F(TablaT01, SeleccionarDeUnaClaveQueNoExisteLoRestableceTodo) {
    cT01 t;
    Rellenar(t, "");
    t.KeyT01_CSCO(999);
    EXPECT_FALSE(t.Seleccionar());
    cT01 nuevo;
    ExpectIguales(t, nuevo);
    EXPECT_EQ(t.KeyT01_CSCO(), 0);
    EXPECT_EQ(t.datT01_CODPROV(), "");
    EXPECT_EQ(t.datT01_NUM731(), 0);
}

TEST_F(TablaT01, NulosSeLeenComoVacioYCero) {
    ConexionDAO().execute(
        "INSERT INTO T01_DECLARANTES (T01_CSCO, T01_DNI, T01_NOMBRE, T01_VIA, T01_DOMICILIO, T01_NUMERO, "
        "T01_LETRA, T01_ESCALERA, T01_PISO, T01_MANO, T01_CODPROV, T01_CODPOS, T01_CODMUN, T01_NOMMUN, "
        "T01_TELEFONO, T01_NUM731, T01_NUM732) VALUES (7, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, "
        "NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL)");
    cT01 t;
    Rellenar(t, "");
    t.KeyT01_CSCO(7);
    ASSERT_TRUE(t.Seleccionar());
    EXPECT_EQ(t.KeyT01_CSCO(), 7);
    EXPECT_EQ(t.datT01_DNI(), "");
    EXPECT_EQ(t.datT01_NOMBRE(), "");
    EXPECT_EQ(t.datT01_NOMMUN(), "");
    EXPECT_EQ(t.datT01_NUMERO(), 0);
    EXPECT_EQ(t.datT01_CODPROV(), "0");
    EXPECT_EQ(t.datT01_TELEFONO(), "");
    EXPECT_EQ(t.datT01_NUM731(), 0);
    EXPECT_EQ(t.datT01_NUM732(), 0);
}

TEST_F(TablaT01, GuardasNoEjecutanNada) {
    ConexionDAO().Cerrar();  // any statement would now fail
    cT01 t;
    EXPECT_FALSE(t.Existe());
    EXPECT_FALSE(t.Modificar());
    EXPECT_FALSE(t.Borrar());
    EXPECT_FALSE(t.DniDuplicado());
    EXPECT_FALSE(t.Insertar());
    EXPECT_FALSE(t.ExisteDeclaranteAlta());
    EXPECT_EQ(t.ExisteDeclaranteAltaCSCO(), 0);
    EXPECT_EQ(t.ObtenerCodigoDeclarante(), 0);

    // Past the guard the failure reaches the caller.
    t.KeyT01_CSCO(1);
    try {
        t.Existe();
        FAIL() << "no error";
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.Number(), vb::errObjetoNoEstablecido);
    }
}

TEST_F(TablaT01, ExisteYDniDuplicado) {
    const vb::Long clave = Alta("12345678Z");
    Alta("B1234567X");
    cT01 t;
    t.KeyT01_CSCO(clave);
    t.datT01_DNI("12345678z");  // text compares ignore case, as the engine did
    EXPECT_TRUE(t.Existe());
    t.datT01_DNI("B1234567X");
    EXPECT_FALSE(t.Existe());  // right key, another taxpayer's NIF
    EXPECT_TRUE(t.DniDuplicado());

    t.datT01_DNI("12345678Z");
    EXPECT_FALSE(t.DniDuplicado());  // its own row does not count
    t.KeyT01_CSCO(0);
    EXPECT_TRUE(t.DniDuplicado());  // a new taxpayer with a NIF already stored
    t.datT01_DNI("O'Brien");
    EXPECT_FALSE(t.DniDuplicado());
    EXPECT_FALSE(t.ExisteDeclaranteAlta());
}

TEST_F(TablaT01, ValidarCodigosEnSuOrden) {
    ComponenteFalso si(true);
    cT01 t;
    auto codigo = [&] { return t.ValidarDatosDeclarante(); };
    EXPECT_EQ(codigo(), 2);
    t.datT01_NOMBRE("N");
    EXPECT_EQ(codigo(), 3);
    t.datT01_DOMICILIO("D");
    EXPECT_EQ(codigo(), 4);
    t.datT01_CODPROV("20");
    EXPECT_EQ(codigo(), 8);  // empty postal code
    t.datT01_CODPOS("48001");
    EXPECT_EQ(codigo(), 5);
    t.datT01_CODPOS("20");
    EXPECT_EQ(codigo(), 6);
    t.datT01_CODPOS("20000");
    EXPECT_EQ(codigo(), 7);
    t.datT01_CODPOS("20001");
    t.datT01_NOMMUN("KELMORIA");
    EXPECT_EQ(codigo(), 9);  // the home province needs the code, whatever the name
    t.datT01_CODMUN("79");
    t.datT01_NOMMUN("");
    EXPECT_EQ(codigo(), 0);  // ... and ignores the name
    t.datT01_TELEFONO("94312345");
    EXPECT_EQ(codigo(), 11);
    t.datT01_TELEFONO("000000000");
    EXPECT_EQ(codigo(), 12);
    t.datT01_TELEFONO("0");
    EXPECT_EQ(codigo(), 0);
    t.datT01_TELEFONO("943123456");
    EXPECT_EQ(codigo(), 0);

    t.datT01_CODPROV("48");
    t.datT01_CODPOS("20001");
    EXPECT_EQ(codigo(), 5);
    t.datT01_CODPOS("48001");
    EXPECT_EQ(codigo(), 10);  // another province needs the name and ignores the code
    t.datT01_NOMMUN("Bilbo");
    t.datT01_CODMUN("");
    EXPECT_EQ(codigo(), 0);
    t.datT01_CODPROV("1");
    t.datT01_CODPOS("01001");
    EXPECT_EQ(codigo(), 5);  // compared as text: the province must be "01"
}

TEST_F(TablaT01, ValidarNifPreguntaSiempreAlComponente) {
    cT01 t;
    t.datT01_DNI("12345678Z");
    {
        ComponenteFalso no(false);
        EXPECT_EQ(t.ValidarDatosDeclarante(), 1);  // before the empty name's code
        EXPECT_EQ(no.llamadas, 1);
        EXPECT_FALSE(no.ultimo.expired());  // the module keeps the instance that refused
    }
    ComponenteFalso si(true);
    for (const char* cero : {"000000", "0000000"}) {
        t.datT01_DNI(cero);
        EXPECT_EQ(t.ValidarDatosDeclarante(), 1) << cero;
    }
    EXPECT_EQ(si.llamadas, 2);
    t.datT01_DNI("12345678Z");
    EXPECT_EQ(t.ValidarDatosDeclarante(), 2);
    EXPECT_TRUE(si.ultimo.expired());  // released once the NIF passes
}

TEST_F(TablaT01, ValidarConElComponenteReal) {
    cT01 t;
    t.datT01_DNI("12345678A");
    EXPECT_EQ(t.ValidarDatosDeclarante(), 1);
    t.datT01_DNI("12345678Z");
    t.datT01_NOMBRE("N");
    t.datT01_DOMICILIO("D");
    t.datT01_CODPROV("20");
    t.datT01_CODPOS("20001");
    t.datT01_CODMUN("79");
    EXPECT_EQ(t.ValidarDatosDeclarante(), 0);
}

TEST_F(TablaT01, SQLBusquedaTextosExactosQueElMotorEjecuta) {
    const std::string lista =
        "Select T01_CSCO,T01_DNI,T01_NOMBRE,T01_CODPROV,T01_CODMUN,T01_NOMMUN,T01_NUM731,T01_NUM732 "
        "From T01_DECLARANTES Where T01_CSCO >= 1 ";
    const std::string todo = "Select * From T01_DECLARANTES Where T01_CSCO >= 1 ";
    cT01 t;
    EXPECT_EQ(t.SQLBusqueda(1, false), lista + " Order by T01_DNI");
    EXPECT_EQ(t.SQLBusqueda(2, false), lista + " Order by T01_NOMBRE");
    EXPECT_EQ(t.SQLBusqueda(1, true), todo + " Order by T01_DNI");
    EXPECT_EQ(t.SQLBusqueda(2, true), todo + " Order by T01_NOMBRE");
    EXPECT_EQ(t.SQLBusqueda(0, true), todo + " Order by T01_DNI");  // never a malformed statement

    Alta("B", "AITOR");
    Alta("A", "ZUBIRI");
    auto rs = ConexionDAO().openRecordset(t.SQLBusqueda(2, true));
    auto& filas = brunsel::Requerir(rs);
    ASSERT_EQ(filas.RecordCount(), 2);
    EXPECT_EQ(filas.FieldCount(), 17);
    EXPECT_EQ(filas.Fields("T01_DNI").CStr(), "B");
}
