#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <type_traits>

#include "GarobelLib/cMiscelaneos.h"
#include "com/com.h"
#include "comun/bd_prueba.h"
#include "general.h"
#include "tablas/cT01.h"

using brunsel::cT01;
using brunsel::ConexionDAO;

namespace {

// The outside component answering ValidaNifCif as told.
struct NifFalso : GarobelLib::cMiscelaneos {
    bool respuesta;
    explicit NifFalso(bool r) : respuesta(r) {}
    bool ValidaNifCif(std::string&) override { return respuesta; }
};

com::RegistroTemporal ComponenteFalso(bool respuesta) {
    return {"GarobelLib.cMiscelaneos", [respuesta] { return std::make_shared<NifFalso>(respuesta); }};
}

// One column's let and get with a value for each of two writes.
struct Campo {
    std::function<void(cT01&, int)> fijar;
    std::function<void(const cT01&, int)> comprobar;
};

template <class T>
Campo Par(void (cT01::*let)(T), T (cT01::*get)() const, std::type_identity_t<T> a, std::type_identity_t<T> b) {
    return {[=](cT01& t, int n) { (t.*let)(n == 1 ? a : b); },
            [=](const cT01& t, int n) { EXPECT_EQ((t.*get)(), n == 1 ? a : b); }};
}
#define CAMPO(n, a, b) Par(&cT01::datT01_##n, &cT01::datT01_##n, a, b)

class TablaT01 : public ::testing::Test {
protected:
    BdPrueba bd;
    void SetUp() override { ConexionDAO().InicializaBD(bd.Mod()); }
    void TearDown() override { ConexionDAO().Cerrar(); }

    // Inserts a taxpayer and answers its new key.
    static vb::Long Alta(const std::string& nif, const std::string& nombre = "ZUBIRI") {
        cT01 t;
        t.datT01_DNI(nif);
        t.datT01_NOMBRE(nombre);
        EXPECT_TRUE(t.Insertar());
        return t.ObtenerCodigoDeclarante();
    }
};

TEST_F(TablaT01, CadaColumnaIdaYVueltaConApostrofosAcentosYNulos) {
    const Campo campos[] = {
        CAMPO(DNI, "1'2345Ñ", "9'8765Ç"),         CAMPO(NOMBRE, "O'Donnell Ñúñez, José", "Àlex"),
        CAMPO(VIA, "C'", "AV"),                   CAMPO(DOMICILIO, "Calle d'Àvila Ü", "Plaza"),
        CAMPO(NUMERO, 123456, -7),                CAMPO(LETRA, "Ñ'", "B"),
        CAMPO(ESCALERA, "É", "2"),                CAMPO(PISO, "3'", "4"),
        CAMPO(MANO, "IZQ", "DCH"),                CAMPO(CODPROV, "20", "48"),
        CAMPO(CODPOS, "20001", "48001"),          CAMPO(CODMUN, "79", "1"),
        CAMPO(NOMMUN, "Çaldea'", "Bilbo"),        CAMPO(TELEFONO, "943123456", "944000000"),
        CAMPO(NUM731, 40000, 0),                  CAMPO(NUM732, 3, 5),
    };
    auto comprobar = [&](vb::Long clave, int n) {
        cT01 leido;
        leido.KeyT01_CSCO(clave);
        ASSERT_TRUE(leido.Seleccionar());
        for (const auto& c : campos) c.comprobar(leido, n);
    };
    cT01 t;
    for (const auto& c : campos) c.fijar(t, 1);
    ASSERT_TRUE(t.Insertar());
    EXPECT_EQ(t.KeyT01_CSCO(), 0);  // the new key is not read back
    EXPECT_TRUE(t.ExisteDeclaranteAlta());
    t.KeyT01_CSCO(t.ExisteDeclaranteAltaCSCO());
    comprobar(t.KeyT01_CSCO(), 1);
    for (const auto& c : campos) c.fijar(t, 2);
    ASSERT_TRUE(t.Modificar());
    comprobar(t.KeyT01_CSCO(), 2);

    ASSERT_TRUE(t.Borrar());
    EXPECT_FALSE(t.Seleccionar());  // with no row every property is reset, the key included
    EXPECT_EQ(t.KeyT01_CSCO(), 0);
    EXPECT_EQ(t.datT01_CODPROV() + t.datT01_NOMBRE(), "");

    // A Null in an old row reads as "" or 0.
    std::string sql = "INSERT INTO T01_DECLARANTES VALUES (7";
    for (int i = 0; i < 16; ++i) sql += ", NULL";
    ConexionDAO().execute(sql + ")");
    t.datT01_NOMBRE("previo");
    t.KeyT01_CSCO(7);
    ASSERT_TRUE(t.Seleccionar());
    EXPECT_EQ(t.datT01_DNI() + t.datT01_NOMBRE() + t.datT01_NOMMUN() + t.datT01_TELEFONO(), "");
    EXPECT_EQ(t.datT01_CODPROV(), "0");
    EXPECT_EQ(t.datT01_NUMERO() + t.datT01_NUM732(), 0);
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
    EXPECT_EQ(t.datT01_CODPROV() + "|" + t.datT01_CODPOS() + "|" + t.datT01_CODMUN(), "1|1005|0");
    EXPECT_EQ(t.datT01_TELEFONO(), "");  // stored 0: no telephone
    auto rs = ConexionDAO().openRecordset("Select typeof(T01_CODPOS) From T01_DECLARANTES");
    EXPECT_EQ(brunsel::Requerir(rs).Fields(0).CStr(), "integer");
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

    ConexionDAO().Cerrar();  // a failing statement reaches the caller, never reads as False
    t.KeyT01_CSCO(clave);
    EXPECT_THROW(t.Existe(), vb::Error);
}

TEST_F(TablaT01, ValidarCodigosEnSuOrden) {
    cT01 t;
    t.datT01_DNI("12345678Z");
    {
        auto no = ComponenteFalso(false);
        EXPECT_EQ(t.ValidarDatosDeclarante(), 1);  // before the empty name's code
    }
    {
        auto si = ComponenteFalso(true);
        using F = void (cT01::*)(std::string);
        const F nif = &cT01::datT01_DNI, prov = &cT01::datT01_CODPROV, pos = &cT01::datT01_CODPOS,
                mun = &cT01::datT01_CODMUN, nom = &cT01::datT01_NOMMUN, tel = &cT01::datT01_TELEFONO;
        const std::tuple<F, const char*, int> pasos[] = {
            {nif, "000000", 1}, {nif, "0000000", 1},  // zeros are refused whatever the component says
            {nif, "12345678Z", 2}, {&cT01::datT01_NOMBRE, "N", 3}, {&cT01::datT01_DOMICILIO, "D", 4},
            {prov, "20", 8}, {pos, "48001", 5}, {pos, "20", 6}, {pos, "20000", 7}, {nom, "KELMORIA", 7},
            {pos, "20001", 9}, {nom, "", 9}, {mun, "79", 0},  // the home province needs the code, not the name
            {tel, "94312345", 11}, {tel, "000000000", 12}, {tel, "0", 0}, {tel, "943123456", 0},
            {prov, "48", 5}, {pos, "48001", 10}, {mun, "", 10}, {nom, "Bilbo", 0},  // elsewhere the name
            {pos, "01001", 5}, {prov, "1", 5}, {prov, "01", 0},  // compared as text: the province must be "01"
        };
        for (const auto& [fijar, valor, codigo] : pasos) {
            (t.*fijar)(valor);
            EXPECT_EQ(t.ValidarDatosDeclarante(), codigo) << valor;
        }
    }
    // The real component checks the NIF's letter.
    t.datT01_DNI("12345678A");
    EXPECT_EQ(t.ValidarDatosDeclarante(), 1);
    t.datT01_DNI("12345678Z");
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
    EXPECT_EQ(t.SQLBusqueda(2, true), todo + " Order by T01_NOMBRE");
    EXPECT_EQ(t.SQLBusqueda(0, true), todo + " Order by T01_DNI");  // never a malformed statement
    Alta("B", "AITOR");
    Alta("A", "ZUBIRI");
    auto rs = ConexionDAO().openRecordset(t.SQLBusqueda(2, false));
    EXPECT_EQ(brunsel::Requerir(rs).Fields("T01_DNI").CStr(), "B");
}

}  // namespace
