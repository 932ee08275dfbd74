#include <unicode/ucol.h>

#include <random>
#include <tuple>

#include "servidor/utiles_prueba.h"
#include "tablas/cT01.h"
#include "tablas/cotejo.h"

using brunsel::cT01;
using brunsel::ConexionDAO;

namespace {

#define CAMPO(n, v) prueba::Par(&cT01::datT01_##n, &cT01::datT01_##n, v)

class TablaT01 : public prueba::ConMod {
protected:
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
    const prueba::Campo<cT01> campos[] = {
        CAMPO(DNI, "1'2345Ñ"), CAMPO(NOMBRE, "O'Donnell Ñúñez, José"), CAMPO(VIA, "C'"), CAMPO(PISO, "3'"),
        CAMPO(DOMICILIO, "d'Àvila Ü"), CAMPO(NUMERO, 123456), CAMPO(LETRA, "Ñ'"), CAMPO(ESCALERA, "É"),
        CAMPO(MANO, "IZQ"), CAMPO(CODPROV, "20"), CAMPO(CODPOS, "20001"), CAMPO(CODMUN, "79"),
        CAMPO(NOMMUN, "Çaldea'"), CAMPO(TELEFONO, "943123456"), CAMPO(NUM731, 40000), CAMPO(NUM732, 3),
    };
    cT01 t, leido;
    for (const auto& c : campos) c.fijar(t);
    ASSERT_TRUE(t.Insertar());
    EXPECT_EQ(t.KeyT01_CSCO(), 0);  // the new key is not read back
    EXPECT_TRUE(t.ExisteDeclaranteAlta());
    t.KeyT01_CSCO(t.ExisteDeclaranteAltaCSCO());
    leido.KeyT01_CSCO(t.KeyT01_CSCO());
    ASSERT_TRUE(leido.Seleccionar());
    for (const auto& c : campos) c.comprobar(leido);
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

TEST_F(TablaT01, ExisteYDniDuplicado) {
    const vb::Long clave = Alta("12345678Z");
    Alta("B1234567X");
    cT01 t;
    // Text compares ignore case, as NIFs are typed either way; its own row is no duplicate, a new
    // taxpayer's NIF is.
    for (auto [csco, nif, existe, duplicado] :
         {std::tuple{clave, "12345678z", true, false}, {clave, "B1234567X", false, true}, {0, "12345678Z", false, true},
          {0, "O'Brien", false, false}}) {
        t.KeyT01_CSCO(csco), t.datT01_DNI(nif);
        EXPECT_EQ(t.Existe(), existe) << csco << nif;
        EXPECT_EQ(t.DniDuplicado(), duplicado) << csco << nif;
    }
    ConexionDAO().Cerrar();  // a failing statement reaches the caller, never reads as False
    t.KeyT01_CSCO(clave);
    EXPECT_THROW(t.Existe(), vb::Error);
}

TEST_F(TablaT01, ValidarCodigosEnSuOrden) {
    cT01 t;
    t.datT01_DNI("12345678Z");
    {
        auto no = prueba::ComponenteNif([] { return false; });
        EXPECT_EQ(t.ValidarDatosDeclarante(), 1);  // before the empty name's code
    }
    {
        auto si = prueba::ComponenteNif([] { return true; });
        using F = void (cT01::*)(std::string);
        const F nif = &cT01::datT01_DNI, prov = &cT01::datT01_CODPROV, pos = &cT01::datT01_CODPOS,
                mun = &cT01::datT01_CODMUN, nom = &cT01::datT01_NOMMUN, tel = &cT01::datT01_TELEFONO;
        const std::tuple<F, const char*, int> pasos[] = {
            {nif, "000000", 1}, {nif, "0000000", 1},  // zeros are refused whatever the component says
            {nif, "12345678Z", 2}, {&cT01::datT01_NOMBRE, "N", 3}, {&cT01::datT01_DOMICILIO, "D", 4},
            {prov, "20", 8}, {pos, "48001", 5}, {pos, "20", 6}, {pos, "20000", 7}, {nom, "KELMORIA", 7},
            {pos, "20001", 9}, {nom, "", 9}, {mun, "79", 0},  // the home province needs the code, not the name
            {tel, "94312345", 11}, {tel, "000000000", 12}, {tel, "0", 0}, {tel, "943123456", 0},
            {prov, "48", 5}, {pos, "48001", 10}, {mun, "", 10}, {nom, "Beldro", 0},  // elsewhere the name
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
    EXPECT_EQ(t.SQLBusqueda(1, false), lista + " Order by T01_DNI COLLATE ESPANOL");
    EXPECT_EQ(t.SQLBusqueda(2, false), lista + " Order by T01_NOMBRE COLLATE ESPANOL");
    EXPECT_EQ(t.SQLBusqueda(2, true), todo + " Order by T01_NOMBRE COLLATE ESPANOL");
    EXPECT_EQ(t.SQLBusqueda(0, true), todo + " Order by T01_DNI COLLATE ESPANOL");  // never malformed
    Alta("B", "AITOR");
    Alta("A", "ZUBIRI");
    EXPECT_EQ(brunsel::Requerir(ConexionDAO().openRecordset(t.SQLBusqueda(2, false))).Fields("T01_DNI").CStr(), "B");
}

// Texts of blanks, digits and unaccented letters in either case (most NIFs) are ordered without
// ICU; the order must stay the one ICU gives, down to equal texts and a text's own beginning.
TEST(Cotejo, AtajoDeLetrasYCifrasComoElCotejoCompleto) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
    brunsel::RegistrarCotejo(db);
    sqlite3_stmt* st = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db, "SELECT (?1 > ?2 COLLATE ESPANOL) - (?1 < ?2 COLLATE ESPANOL)", -1, &st, nullptr),
              SQLITE_OK);
    UErrorCode estado = U_ZERO_ERROR;
    UCollator* icu = ucol_open("es", &estado);
    ucol_setStrength(icu, UCOL_SECONDARY);
    std::mt19937 azar(7);
    const std::string letras = " 09aAbBzZmM5Nn";
    auto texto = [&] {
        std::string t(azar() % 6, ' ');
        for (char& c : t) c = letras[azar() % letras.size()];
        return t;
    };
    for (int i = 0; i < 20000; ++i) {
        const std::string a = texto(), b = i % 4 ? texto() : a.substr(0, a.size() / 2);
        sqlite3_bind_text(st, 1, a.data(), int(a.size()), SQLITE_STATIC);
        sqlite3_bind_text(st, 2, b.data(), int(b.size()), SQLITE_STATIC);
        ASSERT_EQ(sqlite3_step(st), SQLITE_ROW);
        const UCollationResult r = ucol_strcollUTF8(icu, a.data(), int(a.size()), b.data(), int(b.size()), &estado);
        const int esperado = r == UCOL_LESS ? -1 : r == UCOL_GREATER ? 1 : 0;
        ASSERT_EQ(sqlite3_column_int(st, 0), esperado) << "'" << a << "' '" << b << "'";
        sqlite3_reset(st);
    }
    ucol_close(icu);
    sqlite3_finalize(st);
    sqlite3_close(db);
}

}  // namespace
