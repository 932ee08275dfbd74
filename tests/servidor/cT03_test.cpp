#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "GarobelLib/cMiscelaneos.h"
#include "com/com.h"
#include "comun/bd_prueba.h"
#include "dao/dao.h"
#include "general.h"
#include "tablas/cT03.h"

using brunsel::cT03;
using brunsel::ConexionDAO;

namespace {

int NumeroDeError(const std::function<void()>& f) {
    try {
        f();
    } catch (const vb::Error& e) {
        return e.Number();
    }
    return 0;
}

bool BaseAbierta() { return NumeroDeError([] { ConexionDAO().BD(); }) == 0; }

// The account check of the outside component, answering as the test says and noting what it got.
struct Cuentas {
    bool respuesta = true;
    int llamadas = 0;
    std::string cuenta;
    vb::Variant bancos;
    bool opciones = true;
};

struct CuentaFalsa : GarobelLib::cMiscelaneos {
    Cuentas* c;
    explicit CuentaFalsa(Cuentas* cuentas) : c(cuentas) {}
    bool validarIbanYCta(const vb::Variant& bancos, std::string& cuenta, bool o1, bool o2) override {
        ++c->llamadas;
        c->bancos = bancos;
        c->cuenta = cuenta;
        c->opciones = o1 || o2;
        return c->respuesta;
    }
};

class ChequeoT03 : public ::testing::Test {
protected:
    BdPrueba bd;
    Cuentas cuentas;
    std::weak_ptr<CuentaFalsa> ultimo;
    com::RegistroTemporal registro{"GarobelLib.cMiscelaneos", [this] {
                                       auto c = std::make_shared<CuentaFalsa>(&cuentas);
                                       ultimo = c;
                                       return c;
                                   }};

    void SetUp() override { ConexionDAO().InicializaBD(bd.Lec()); }
    void TearDown() override { ConexionDAO().Cerrar(); }

    // A transport declaration that every rule accepts, asking a refund.
    static void Transporte(cT03& t) {
        t.MODOP("T");
        t.datT03_ADQNIF("X1234567L");
        t.datT03_ADQNOM("JEAN DUPONT");
        t.datT03_ADQPAIS("FRANCIA");
        t.datT03_TMEDIO("V");
        t.datT03_MARCAV("M");
        t.datT03_TIPOV("T");
        t.datT03_MODELOV("MV");
        t.datT03_NBASTIDOR("NB");
        t.datT03_PREADQ(2000000);
        t.datT03_IVASOP(360000);
        t.datT03_CC("ES5812345678010123456789");
    }
};

TEST_F(ChequeoT03, TransporteEnSuOrden) {
    cT03 t;
    t.MODOP(" T ");
    auto codigo = [&] { return t.ValidarDatos731(false, "20100630"); };
    EXPECT_EQ(codigo(), 1);
    t.datT03_ADQNIF("   ");  // only blanks is blank
    EXPECT_EQ(codigo(), 1);
    t.datT03_ADQNIF("X1234567L");
    EXPECT_EQ(codigo(), 2);
    t.datT03_ADQNOM("JEAN DUPONT");
    EXPECT_EQ(codigo(), 3);
    t.datT03_ADQPAIS("FRANCIA");
    EXPECT_EQ(codigo(), 14);  // no means of transport: its rules are skipped
    for (const char* otro : {"v", " V", "X"}) {
        t.datT03_TMEDIO(otro);
        EXPECT_EQ(codigo(), 14) << otro;
    }

    t.datT03_TMEDIO("V");
    EXPECT_EQ(codigo(), 4);
    t.datT03_MARCAV("M");
    EXPECT_EQ(codigo(), 5);
    t.datT03_TIPOV("T");
    EXPECT_EQ(codigo(), 6);
    t.datT03_MODELOV("MV");
    EXPECT_EQ(codigo(), 7);
    t.datT03_NBASTIDOR("NB");
    EXPECT_EQ(codigo(), 14);

    t.datT03_TMEDIO("B");
    EXPECT_EQ(codigo(), 9);
    t.datT03_FABRICB("F");
    EXPECT_EQ(codigo(), 10);
    t.datT03_NCONSTRUC("NC");
    EXPECT_EQ(codigo(), 14);

    t.datT03_TMEDIO("A");
    EXPECT_EQ(codigo(), 11);
    t.datT03_FABRICA("F");
    EXPECT_EQ(codigo(), 12);
    t.datT03_NSERIE("NS");
    EXPECT_EQ(codigo(), 13);
    t.datT03_ANOFAB(2009);
    EXPECT_EQ(codigo(), 14);

    t.datT03_PREADQ(1);
    EXPECT_EQ(codigo(), 15);
    t.datT03_IVASOP(1);
    EXPECT_EQ(codigo(), 0);
    EXPECT_EQ(cuentas.llamadas, 0);
}

TEST_F(ChequeoT03, TrimestralYVentanaDe2012) {
    cT03 t;
    t.MODOP("t");  // lower case: the quarterly kind
    t.datT03_TMEDIO("V");  // transport data play no part
    EXPECT_EQ(t.ValidarDatos731(false, "no es fecha"), 18);  // before any date is read

    // A refund is asked from here on, and each accepted check closes the reference database.
    auto codigo = [&](const char* fecha) {
        ConexionDAO().InicializaBD(bd.Lec());
        return t.ValidarDatos731(false, fecha);
    };
    t.datT03_IVADEV2(500);
    t.datT03_BASE16(10000);
    t.datT03_CUOTA16(1799);
    t.datT03_BASE7(10000);
    t.datT03_CUOTA7(799);
    for (const char* fuera : {"20120630", "20121001"}) EXPECT_EQ(codigo(fuera), 0) << fuera;
    for (const char* dentro : {"20120701", "20120930"}) EXPECT_EQ(codigo(dentro), 19) << dentro;
    t.datT03_CUOTA16(1800);
    EXPECT_EQ(codigo("20120930"), 20);
    t.datT03_CUOTA7(800);
    EXPECT_EQ(codigo("20120930"), 0);
    EXPECT_EQ(cuentas.llamadas, 3);
    EXPECT_EQ(NumeroDeError([&] { codigo("2012-09-30"); }), vb::errTipos);
}

TEST_F(ChequeoT03, CuentaDeLaDevolucionDesdeJulioDe2010) {
    cT03 t;
    Transporte(t);
    EXPECT_EQ(t.ValidarDatos731(true, "20100630"), 0);
    EXPECT_EQ(cuentas.llamadas, 0);
    EXPECT_TRUE(BaseAbierta());  // no bank list read

    EXPECT_EQ(t.ValidarDatos731(true, "20100701"), 0);
    EXPECT_EQ(cuentas.llamadas, 1);
    EXPECT_EQ(cuentas.cuenta, "ES5812345678010123456789");
    EXPECT_FALSE(cuentas.opciones);
    ASSERT_TRUE(cuentas.bancos.IsArray());
    EXPECT_EQ(cuentas.bancos(0, 1).CStr(), "0019");  // the reference database's first bank
    EXPECT_FALSE(BaseAbierta());                      // the bank list read closes it
    EXPECT_FALSE(ultimo.expired());

    ConexionDAO().InicializaBD(bd.Lec());
    cuentas.respuesta = false;
    EXPECT_EQ(t.ValidarDatos731(true, "20100701"), 21);
    EXPECT_TRUE(ultimo.expired());  // a rejected account lets the component go

    // A quarterly refund goes through the same check.
    cT03 q;
    q.MODOP("P");
    q.datT03_IVADEV2(100);
    ConexionDAO().InicializaBD(bd.Lec());
    EXPECT_EQ(q.ValidarDatos731(true, "20121001"), 21);
    EXPECT_EQ(cuentas.llamadas, 3);
    EXPECT_EQ(cuentas.cuenta, "");
}

TEST_F(ChequeoT03, SinDevolucionNoHayCuentaPeroLaFechaSeLee) {
    cT03 t;
    Transporte(t);
    t.datT03_IVASOP(-5);
    EXPECT_EQ(t.ValidarDatos731(false, "20120930"), 0);
    EXPECT_EQ(cuentas.llamadas, 0);
    EXPECT_TRUE(BaseAbierta());
    EXPECT_EQ(NumeroDeError([&] { t.ValidarDatos731(false, "mañana"); }), vb::errTipos);
}

TEST_F(ChequeoT03, SinComponenteNingunChequeo) {
    com::RegistroTemporal sinComponente("GarobelLib.cMiscelaneos", [] { return nullptr; });
    cT03 t;  // every field blank would answer 1
    t.MODOP("T");
    EXPECT_EQ(NumeroDeError([&] { t.ValidarDatos731(false, "20100630"); }), vb::errCrearObjeto);
}

class TablaT03 : public ::testing::Test {
protected:
    BdPrueba bd;
    void SetUp() override { ConexionDAO().InicializaBD(bd.Mod()); }
    void TearDown() override { ConexionDAO().Cerrar(); }
};

// Amounts beyond the range of a Long, so each must be held and stored as a Double.
constexpr double kGrande = 5e9;

// One column's let and get with two values of its own (sets 1 and 2).
struct CampoPrueba {
    std::function<void(cT03&, int)> fijar;
    std::function<void(const cT03&, int)> comprobar;
};

template <class T>
CampoPrueba Campo(void (cT03::*let)(std::type_identity_t<T>), std::type_identity_t<T> (cT03::*get)() const, T a,
                  T b) {
    return {[=](cT03& t, int n) { (t.*let)(n == 1 ? a : b); },
            [=](const cT03& t, int n) { EXPECT_EQ((t.*get)(), n == 1 ? a : b); }};
}

using namespace std::string_literals;
const std::vector<CampoPrueba>& Campos() {
    static const std::vector<CampoPrueba> campos = {
        Campo(&cT03::datT03_ADQNIF, &cT03::datT03_ADQNIF, "X'1"s, "Y'2"s),
        Campo(&cT03::datT03_ADQNOM, &cT03::datT03_ADQNOM, "Ñúñez O'Neil"s, "Àlex"s),
        Campo(&cT03::datT03_ADQPAIS, &cT03::datT03_ADQPAIS, "ÉIRE"s, "FRANCIA"s),
        Campo(&cT03::datT03_TMEDIO, &cT03::datT03_TMEDIO, "V"s, "B"s),
        Campo(&cT03::datT03_MARCAV, &cT03::datT03_MARCAV, "MARCAV1"s, "MARCAV2"s),
        Campo(&cT03::datT03_TIPOV, &cT03::datT03_TIPOV, "TIPOV1"s, "TIPOV2"s),
        Campo(&cT03::datT03_MODELOV, &cT03::datT03_MODELOV, "MODELOV1"s, "MODELOV2"s),
        Campo(&cT03::datT03_NBASTIDOR, &cT03::datT03_NBASTIDOR, "NBASTIDOR1"s, "NBASTIDOR2"s),
        Campo(&cT03::datT03_CLASIF, &cT03::datT03_CLASIF, vb::Integer{-1001}, vb::Integer{32767}),
        Campo(&cT03::datT03_FABRICB, &cT03::datT03_FABRICB, "FABRICB1"s, "FABRICB2"s),
        Campo(&cT03::datT03_ESLORAMAX, &cT03::datT03_ESLORAMAX, 13.75f, 14.75f),
        Campo(&cT03::datT03_NCONSTRUC, &cT03::datT03_NCONSTRUC, "NCONSTRUC1"s, "NCONSTRUC2"s),
        Campo(&cT03::datT03_MARCAB, &cT03::datT03_MARCAB, "MARCAB1"s, "MARCAB2"s),
        Campo(&cT03::datT03_TIPOB, &cT03::datT03_TIPOB, "TIPOB1"s, "TIPOB2"s),
        Campo(&cT03::datT03_MODELOB, &cT03::datT03_MODELOB, "MODELOB1"s, "MODELOB2"s),
        Campo(&cT03::datT03_FABRICA, &cT03::datT03_FABRICA, "FABRICA1"s, "FABRICA2"s),
        Campo(&cT03::datT03_PESOMAX, &cT03::datT03_PESOMAX, vb::Long{2000000001}, vb::Long{-7}),
        Campo(&cT03::datT03_NSERIE, &cT03::datT03_NSERIE, "NSERIE1"s, "NSERIE2"s),
        Campo(&cT03::datT03_ANOFAB, &cT03::datT03_ANOFAB, vb::Integer{1991}, vb::Integer{1992}),
        Campo(&cT03::datT03_MARCAA, &cT03::datT03_MARCAA, "MARCAA1"s, "MARCAA2"s),
        Campo(&cT03::datT03_TIPOA, &cT03::datT03_TIPOA, "TIPOA1"s, "TIPOA2"s),
        Campo(&cT03::datT03_MODELOA, &cT03::datT03_MODELOA, "MODELOA1"s, "MODELOA2"s),
        Campo(&cT03::datT03_PREADQ, &cT03::datT03_PREADQ, 1e12 + 1, 1e12 + 2),
        Campo(&cT03::datT03_TIPOADQ, &cT03::datT03_TIPOADQ, 22.5f, 23.5f),
        Campo(&cT03::datT03_IVASOP, &cT03::datT03_IVASOP, -kGrande - 3, -kGrande - 4),
        Campo(&cT03::datT03_PREVEN, &cT03::datT03_PREVEN, kGrande + 5, kGrande + 6),
        Campo(&cT03::datT03_TIPOVEN, &cT03::datT03_TIPOVEN, 5.2f, 6.2f),
        Campo(&cT03::datT03_MAXDEV, &cT03::datT03_MAXDEV, kGrande + 7, kGrande + 8),
        Campo(&cT03::datT03_IVADEV1, &cT03::datT03_IVADEV1, kGrande + 9, kGrande + 10),
        Campo(&cT03::datT03_BASE16, &cT03::datT03_BASE16, kGrande + 11, kGrande + 12),
        Campo(&cT03::datT03_CUOTA16, &cT03::datT03_CUOTA16, kGrande + 13, kGrande + 14),
        Campo(&cT03::datT03_BASE7, &cT03::datT03_BASE7, kGrande + 15, kGrande + 16),
        Campo(&cT03::datT03_CUOTA7, &cT03::datT03_CUOTA7, kGrande + 17, kGrande + 18),
        Campo(&cT03::datT03_BASE4, &cT03::datT03_BASE4, kGrande + 19, kGrande + 20),
        Campo(&cT03::datT03_CUOTA4, &cT03::datT03_CUOTA4, kGrande + 21, kGrande + 22),
        Campo(&cT03::datT03_IVADEV2, &cT03::datT03_IVADEV2, kGrande + 23, kGrande + 24),
        Campo(&cT03::datT03_RESUL, &cT03::datT03_RESUL, -kGrande - 25, -kGrande - 26),
        Campo(&cT03::datT03_CC, &cT03::datT03_CC, "ES001'"s, "ES5812345678010123456789"s),
    };
    return campos;
}

void Rellenar(cT03& t, int n) {
    for (const auto& c : Campos()) c.fijar(t, n);
}

void ComprobarRelleno(const cT03& t, int n) {
    for (const auto& c : Campos()) c.comprobar(t, n);
}

cT03 Leer(vb::Long clave) {
    cT03 t;
    t.KeyT03_CSDE(clave);
    EXPECT_TRUE(t.Seleccionar());
    return t;
}

TEST_F(TablaT03, IdaYVueltaDeCadaColumna) {
    ASSERT_EQ(Campos().size(), std::size(brunsel::kColumnasT03) - 1);  // every column but the key
    cT03 t;
    t.KeyT03_CSDE(41);
    Rellenar(t, 1);
    ASSERT_TRUE(t.Insertar());
    EXPECT_TRUE(t.Existe());
    ComprobarRelleno(Leer(41), 1);

    Rellenar(t, 2);
    EXPECT_TRUE(t.Modificar());
    ComprobarRelleno(Leer(41), 2);

    // Rates are stored as the numbers they show.
    auto db = dao::DBEngine::Instancia().OpenDatabase(bd.Mod());
    auto rs = db->OpenRecordset(
        "SELECT typeof(T03_TIPOADQ), T03_TIPOADQ = 23.5, T03_TIPOVEN = 6.2, T03_ESLORAMAX = 14.75 FROM T03_731DECLA");
    ASSERT_TRUE(rs);
    EXPECT_EQ(rs->Fields(0).CStr(), "real");
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(rs->Fields(i).CLng(), 1) << i;

    EXPECT_TRUE(t.Borrar());
    EXPECT_FALSE(t.Existe());
    EXPECT_TRUE(t.Borrar());
}

TEST_F(TablaT03, NuloDeUnaFilaAntiguaSeLeeVacioOCero) {
    BdPrueba::Ejecutar(bd.Mod(),
                       "INSERT INTO T03_731DECLA (T03_CSDE, T03_ADQNIF, T03_RESUL, T03_CC, T03_TIPOADQ) "
                       "VALUES (8, 'A', 1234, NULL, NULL)");
    cT03 t = Leer(8);
    EXPECT_EQ(t.datT03_CC(), "");
    EXPECT_EQ(t.datT03_TIPOADQ(), 0);
    EXPECT_EQ(t.datT03_RESUL(), 1234);
    EXPECT_EQ(t.datT03_ADQNIF(), "A");
}

TEST_F(TablaT03, SeleccionarSinFilaYClaveNoPositiva) {
    cT03 t;
    Rellenar(t, 1);
    t.MODOP("T");
    t.KeyT03_CSDE(77);
    EXPECT_FALSE(t.Seleccionar());
    EXPECT_EQ(t.KeyT03_CSDE(), 77);
    EXPECT_EQ(t.MODOP(), "T");
    EXPECT_EQ(t.datT03_ADQNIF(), "");
    EXPECT_EQ(t.datT03_CC(), "");
    EXPECT_EQ(t.datT03_PESOMAX(), 0);
    EXPECT_EQ(t.datT03_TIPOVEN(), 0);
    EXPECT_EQ(t.datT03_RESUL(), 0);

    ConexionDAO().Cerrar();  // a statement would fail now
    Rellenar(t, 1);
    for (vb::Long clave : {0, -1}) {
        t.KeyT03_CSDE(clave);
        EXPECT_FALSE(t.Existe());
        EXPECT_FALSE(t.Insertar());
        EXPECT_FALSE(t.Modificar());
        EXPECT_FALSE(t.Borrar());
        EXPECT_FALSE(t.Seleccionar());
        ComprobarRelleno(t, 1);
    }
}

}  // namespace
