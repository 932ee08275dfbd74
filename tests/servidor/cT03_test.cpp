#include "servidor/utiles_prueba.h"
#include "tablas/cT03.h"

using brunsel::cT03;
using brunsel::ConexionDAO;
using prueba::BaseAbierta;
using prueba::Recorrer;

namespace {

// The account check of the outside component, answering as the test says and noting what it got.
struct CuentaFalsa : GarobelLib::cMiscelaneos {
    bool respuesta = true;
    int llamadas = 0;
    std::string cuenta;
    vb::Variant bancos;
    bool validarIbanYCta(const vb::Variant& b, std::string& c, bool o1, bool o2) override {
        ++llamadas, bancos = b, cuenta = c;
        EXPECT_FALSE(o1 || o2);
        return respuesta;
    }
};

class ChequeoT03 : public prueba::ConBase {
protected:
    std::shared_ptr<CuentaFalsa> cuentas = std::make_shared<CuentaFalsa>();
    com::RegistroTemporal registro{"GarobelLib.cMiscelaneos", [this] { return cuentas; }};
    cT03 t;

    // Checks on a freshly opened reference database (an accepted account check closes it).
    int Codigo(const std::string& fecha, bool abrir = true) {
        if (abrir) ConexionDAO().InicializaBD(bd.Lec());
        return t.ValidarDatos731(false, fecha);
    }
};

TEST_F(ChequeoT03, TransporteEnSuOrden) {
    t.MODOP(" T ");
    Recorrer([&] { return Codigo("20100630"); },
             {{[] {}, 1}, {[&] { t.datT03_ADQNIF("   "); }, 1},  // only blanks is blank
              {[&] { t.datT03_ADQNIF("X1234567L"); }, 2}, {[&] { t.datT03_ADQNOM("JEAN DUPONT"); }, 3},
              {[&] { t.datT03_ADQPAIS("VELDORIA"); }, 14},  // no means of transport: its rules are skipped
              {[&] { t.datT03_TMEDIO("v"); }, 14}, {[&] { t.datT03_TMEDIO(" V"); }, 14},  // compared exactly
              {[&] { t.datT03_TMEDIO("V"); }, 4}, {[&] { t.datT03_MARCAV("M"); }, 5},
              {[&] { t.datT03_TIPOV("T"); }, 6}, {[&] { t.datT03_MODELOV("MV"); }, 7},
              {[&] { t.datT03_NBASTIDOR("NB"); }, 14}, {[&] { t.datT03_TMEDIO("B"); }, 9},
              {[&] { t.datT03_FABRICB("F"); }, 10}, {[&] { t.datT03_NCONSTRUC("NC"); }, 14},
              {[&] { t.datT03_TMEDIO("A"); }, 11}, {[&] { t.datT03_FABRICA("F"); }, 12},
              {[&] { t.datT03_NSERIE("NS"); }, 13}, {[&] { t.datT03_ANOFAB(2009); }, 14},
              {[&] { t.datT03_PREADQ(1); }, 15},
              {[&] { t.datT03_IVASOP(1); }, 0}});  // a refund, but no account asked up to 20100630
    EXPECT_EQ(cuentas->llamadas, 0);
}

TEST_F(ChequeoT03, TrimestralYVentanaDe2012) {
    t.MODOP("t");  // lower case: the quarterly kind
    t.datT03_TMEDIO("V");  // transport data play no part
    EXPECT_EQ(Codigo("no es fecha"), 18);  // before any date is read

    t.datT03_IVADEV2(500), t.datT03_BASE16(10000), t.datT03_CUOTA16(1799), t.datT03_BASE7(10000), t.datT03_CUOTA7(799);
    for (const char* fuera : {"20120630", "20121001"}) EXPECT_EQ(Codigo(fuera), 0) << fuera;
    for (const char* dentro : {"20120701", "20120930"}) EXPECT_EQ(Codigo(dentro), 19) << dentro;
    t.datT03_CUOTA16(1800);
    EXPECT_EQ(Codigo("20120930"), 20);
    t.datT03_CUOTA7(800);
    EXPECT_EQ(Codigo("20120930"), 0);
    EXPECT_EQ(cuentas->llamadas, 3);
    EXPECT_THROW(Codigo("2012-09-30"), vb::Error);
}

TEST_F(ChequeoT03, CuentaDeLaDevolucionDesdeJulioDe2010) {
    t.MODOP("T"), t.datT03_ADQNIF("X1234567L"), t.datT03_ADQNOM("JEAN DUPONT"), t.datT03_ADQPAIS("VELDORIA");
    t.datT03_PREADQ(2000000), t.datT03_CC("ES5812345678010123456789");
    t.datT03_IVASOP(-5);  // no refund: no account, but the date is still read
    EXPECT_EQ(Codigo("20120930"), 0);
    EXPECT_THROW(Codigo("mañana", false), vb::Error);
    t.datT03_IVASOP(360000);
    EXPECT_EQ(Codigo("20100630", false), 0);
    EXPECT_EQ(cuentas->llamadas, 0);
    EXPECT_TRUE(BaseAbierta());  // no bank list read

    EXPECT_EQ(Codigo("20100701", false), 0);
    EXPECT_EQ(std::to_string(cuentas->llamadas) + cuentas->cuenta, "1ES5812345678010123456789");
    ASSERT_TRUE(cuentas->bancos.IsArray());
    EXPECT_EQ(cuentas->bancos(0, 1).CStr(), "0019");  // the reference database's first bank
    EXPECT_FALSE(BaseAbierta());                      // the bank list read closes it
    cuentas->respuesta = false;
    EXPECT_EQ(Codigo("20100701"), 21);

    t.MODOP("P");  // a quarterly refund goes through the same check
    t.datT03_IVADEV2(100);
    EXPECT_EQ(Codigo("20121001"), 21);
    EXPECT_EQ(cuentas->llamadas, 3);

    // Without the component no check runs at all.
    auto sinComponente = prueba::SinComponente();
    EXPECT_THROW(cT03().ValidarDatos731(false, "20100630"), vb::Error);
}

using TablaT03 = ChequeoT03;  // the table tests open the modifiable database themselves

#define CAMPO(n, v) prueba::Par(&cT03::datT03_##n, &cT03::datT03_##n, v)

// Amounts beyond the range of a Long, so each must be held and stored as a Double.
constexpr double G = 5e9;

TEST_F(TablaT03, IdaYVueltaDeCadaColumnaYNulosAntiguos) {
    const prueba::Campo<cT03> campos[] = {
        CAMPO(ADQNIF, "Y'2"), CAMPO(ADQNOM, "Àlex"), CAMPO(ADQPAIS, "VELDORIA"), CAMPO(TMEDIO, "B"),
        CAMPO(MARCAV, "MV2"), CAMPO(TIPOV, "TV2"), CAMPO(MODELOV, "OV2"), CAMPO(NBASTIDOR, "NB2"),
        CAMPO(CLASIF, 32767), CAMPO(FABRICB, "FB2"), CAMPO(ESLORAMAX, 14.75f), CAMPO(NCONSTRUC, "NC2"),
        CAMPO(MARCAB, "MB2"), CAMPO(TIPOB, "TB2"), CAMPO(MODELOB, "OB2"), CAMPO(FABRICA, "FA2"), CAMPO(PESOMAX, -7),
        CAMPO(NSERIE, "NS2"), CAMPO(ANOFAB, 1992), CAMPO(MARCAA, "MA2"), CAMPO(TIPOA, "TA2"), CAMPO(MODELOA, "OA2"),
        CAMPO(PREADQ, 1e12 + 2), CAMPO(TIPOADQ, 23.5f), CAMPO(IVASOP, -G - 4), CAMPO(PREVEN, G + 6),
        CAMPO(TIPOVEN, 6.2f), CAMPO(MAXDEV, G + 8), CAMPO(IVADEV1, G + 10), CAMPO(BASE16, G + 12),
        CAMPO(CUOTA16, G + 14), CAMPO(BASE7, G + 16), CAMPO(CUOTA7, G + 18), CAMPO(BASE4, G + 20),
        CAMPO(CUOTA4, G + 22), CAMPO(IVADEV2, G + 24), CAMPO(RESUL, -G - 26), CAMPO(CC, "ES5812345678010123456789"),
    };
    ASSERT_EQ(std::size(campos), std::size(brunsel::kColumnasT03) - 1);  // every column but the key
    ConexionDAO().InicializaBD(bd.Mod());
    t.KeyT03_CSDE(41);
    EXPECT_FALSE(t.Existe());
    for (const auto& c : campos) c.fijar(t);
    ASSERT_TRUE(t.Insertar());
    cT03 leido;
    leido.KeyT03_CSDE(41);
    ASSERT_TRUE(leido.Seleccionar());
    for (const auto& c : campos) c.comprobar(leido);

    // Rates are stored as the numbers they show, whatever the locale.
    auto rs = ConexionDAO().openRecordset("SELECT typeof(T03_TIPOADQ) || (T03_TIPOADQ = 23.5) || (T03_TIPOVEN = 6.2) "
                                          "|| (T03_ESLORAMAX = 14.75) FROM T03_731DECLA");
    EXPECT_EQ(brunsel::Requerir(rs).Fields(0).CStr(), "real111");

    EXPECT_TRUE(t.Borrar());
    EXPECT_FALSE(t.Existe());
    EXPECT_FALSE(t.Seleccionar());  // no row: every column but the key is reset
    EXPECT_EQ(t.KeyT03_CSDE() + t.datT03_TIPOVEN(), 41);
    EXPECT_EQ(t.datT03_CC() + t.datT03_ADQNIF(), "");

    // A Null in an old row reads as "" or 0.
    Sql("INSERT INTO T03_731DECLA (T03_CSDE, T03_ADQNIF, T03_RESUL, T03_CC, T03_TIPOADQ) "
        "VALUES (8, 'A', 1234, NULL, NULL)");
    t.KeyT03_CSDE(8);
    ASSERT_TRUE(t.Seleccionar());
    EXPECT_EQ(t.datT03_CC(), "");
    EXPECT_EQ(t.datT03_TIPOADQ() + t.datT03_RESUL(), 1234);
}

}  // namespace
