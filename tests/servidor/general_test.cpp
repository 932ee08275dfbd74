#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "comun/bd_prueba.h"
#include "general.h"

using brunsel::ConexionDAO;
using brunsel::Requerir;
using brunsel::VolcarRecordset;

namespace {

class ModuloGeneral : public ::testing::Test {
protected:
    BdPrueba bd;
    void TearDown() override {
        ConexionDAO().Cerrar();
        ConexionDAO().CerrarAux();
    }

    vb::Variant Volcar(const std::string& sql, vb::Long modo) {
        auto rs = ConexionDAO().openRecordset(sql);
        return VolcarRecordset(&Requerir(rs), modo);
    }

    static int NumeroDeError(const std::function<void()>& f) {
        try {
            f();
        } catch (const vb::Error& e) {
            return e.Number();
        }
        return 0;
    }
};

const char* const kDosPorDos =
    "Select T05_PRO_ID, T05_PRO_CAS From T05_PROVINCIAS Where T05_PRO_ID In (1, 2) Order By T05_PRO_ID";

}  // namespace

TEST_F(ModuloGeneral, VolcarRecordsetFormas) {
    ConexionDAO().InicializaBD(bd.Lec());
    EXPECT_TRUE(Volcar("Select T05_PRO_ID From T05_PROVINCIAS Where T05_PRO_ID = -1", 2).IsNull());

    for (vb::Long modo : {2, 7}) {  // any mode but 0 and 1 gives the table
        vb::Variant t = Volcar(kDosPorDos, modo);
        ASSERT_EQ(t.Dimensiones(), 2);
        EXPECT_EQ(t.LBound(1), 0);
        EXPECT_EQ(t.UBound(1), 2);
        EXPECT_EQ(t.LBound(2), 0);
        EXPECT_EQ(t.UBound(2), 2);
        for (vb::Long i = 0; i <= 2; ++i) {
            EXPECT_TRUE(t(i, 0).IsEmpty()) << i;
            EXPECT_TRUE(t(2, i).IsEmpty()) << i;
        }
        EXPECT_EQ(t(0, 1).CLng(), 1);
        EXPECT_EQ(t(0, 2).CLng(), 2);
        EXPECT_EQ(t(1, 1).CStr(), "PROVINCIA ABRELDA");
    }

    vb::Variant primera = Volcar(kDosPorDos, 1);
    ASSERT_EQ(primera.Dimensiones(), 1);
    EXPECT_EQ(primera.LBound(), 0);
    EXPECT_EQ(primera.UBound(), 1);
    EXPECT_EQ(primera(1).CLng(), 2);

    vb::Variant fila = Volcar(kDosPorDos, 0);
    ASSERT_EQ(fila.UBound(), 2);
    EXPECT_EQ(fila(0).CLng(), 1);
    EXPECT_EQ(fila(1).CStr(), "PROVINCIA ABRELDA");
    EXPECT_TRUE(fila(2).IsEmpty());
}

TEST_F(ModuloGeneral, VolcarRecordsetSinLimiteDeDieciseisBits) {
    ConexionDAO().InicializaBD(bd.Mod());
    vb::Variant t = Volcar(
        "With Recursive n(i) As (Select 1 Union All Select i + 1 From n Where i < 40000) Select i, 'x' From n", 2);
    ASSERT_EQ(t.UBound(2), 40000);
    EXPECT_EQ(t(0, 40000).CLng(), 40000);
    EXPECT_EQ(t(1, 32768).CStr(), "x");
}

TEST_F(ModuloGeneral, RellenarBancosOrdenadosDesdeUnoYCierraLaBase) {
    ConexionDAO().InicializaBD(bd.Lec());
    auto cuenta = ConexionDAO().openRecordset("Select count(*) From TBANCOS");
    const vb::Long bancos = Requerir(cuenta).Fields(0).CLng();
    ASSERT_GT(bancos, 1);

    vb::Variant lista = brunsel::RellenarBancos();
    ASSERT_EQ(lista.UBound(1), 2);
    ASSERT_EQ(lista.UBound(2), bancos);
    EXPECT_TRUE(lista(0, 0).IsEmpty());
    EXPECT_EQ(lista(0, 1).CStr(), "0019");
    EXPECT_EQ(lista(1, 1).CStr(), "DEUTSCHE BANK");
    for (vb::Long r = 1; r < bancos; ++r) EXPECT_LT(lista(0, r).CStr(), lista(0, r + 1).CStr()) << r;

    EXPECT_EQ(ConexionDAO().openRecordset("Select 1"), nullptr);
    EXPECT_EQ(NumeroDeError([] { ConexionDAO().execute("Delete From TBANCOS"); }), vb::errObjetoNoEstablecido);
}

TEST_F(ModuloGeneral, RellenarBancosVacioEsNuloYCierraLaBase) {
    ConexionDAO().InicializaBD(bd.Lec());
    ConexionDAO().execute("Delete From TBANCOS");
    EXPECT_TRUE(brunsel::RellenarBancos().IsNull());
    EXPECT_EQ(ConexionDAO().openRecordset("Select 1"), nullptr);

    // With no database open the error carries the procedure's name.
    try {
        brunsel::RellenarBancos();
        FAIL() << "no error";
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.Number(), vb::errObjetoNoEstablecido);
        EXPECT_EQ(e.Description().rfind("cDatosGeneralesIVA.RellenarBancos ", 0), 0u) << e.Description();
    }
}

TEST(ModuloGeneralCalculos, CuotaValidaRedondeaMitadesAlPar) {
    EXPECT_TRUE(brunsel::CuotaValida(18, 25, 4));  // 4.5 -> 4
    EXPECT_FALSE(brunsel::CuotaValida(18, 25, 3));
    EXPECT_FALSE(brunsel::CuotaValida(10, 35, 3));  // 3.5 -> 4
    EXPECT_TRUE(brunsel::CuotaValida(10, 35, 4));
    EXPECT_TRUE(brunsel::CuotaValida(18, 10000, 1800));
    EXPECT_FALSE(brunsel::CuotaValida(18, 10000, 1799));
    EXPECT_TRUE(brunsel::CuotaValida(18, 10000, 2100));
}

TEST(ModuloGeneralCalculos, FechaFinPeriodo) {
    EXPECT_EQ(brunsel::FechaFinPeriodo(2012, "1T"), 20120331);
    EXPECT_EQ(brunsel::FechaFinPeriodo(2012, "2T"), 20120630);
    EXPECT_EQ(brunsel::FechaFinPeriodo(2012, "3T"), 20120930);
    EXPECT_EQ(brunsel::FechaFinPeriodo(2012, "4T"), 20121231);
    EXPECT_EQ(brunsel::FechaFinPeriodo(2012, "3t"), 0);
    EXPECT_EQ(brunsel::FechaFinPeriodo(2012, "OA"), 0);
    EXPECT_EQ(brunsel::FechaFinPeriodo(2012, " 3T"), 0);
}

TEST(ModuloGeneralCalculos, CambiarComaPorPuntoYNuloAVacio) {
    EXPECT_EQ(brunsel::CambiarComaPorPunto("12,5").CStr(), "12.5");
    EXPECT_EQ(brunsel::CambiarComaPorPunto("1,2,3").CStr(), "1.2,3");
    EXPECT_EQ(brunsel::CambiarComaPorPunto(vb::Long{7}), vb::Variant(vb::Long{7}));
    EXPECT_EQ(brunsel::NuloAVacio(vb::Null), "");
    EXPECT_EQ(brunsel::NuloAVacio(vb::Long{5}), "5");
}

TEST_F(ModuloGeneral, ConsultaMalFormadaNoLanzaYRequerirDaElMotivo) {
    ConexionDAO().InicializaBD(bd.Mod());
    std::shared_ptr<dao::Recordset> rs;
    EXPECT_NO_THROW(rs = ConexionDAO().openRecordset("Selec * Frm T01_DECLARANTES", 4));
    EXPECT_EQ(rs, nullptr);
    try {
        Requerir(rs);
        FAIL() << "no error";
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.Number(), vb::errObjetoNoEstablecido);
        EXPECT_NE(e.Description().find("syntax error"), std::string::npos) << e.Description();
    }
    // A statement that runs raises the engine's own error.
    EXPECT_EQ(NumeroDeError([] { ConexionDAO().execute("Delete From NO_EXISTE"); }) / 1000, 3);
}

TEST_F(ModuloGeneral, CerrarDosVecesNoLanza) {
    EXPECT_NO_THROW(ConexionDAO().Cerrar());
    ConexionDAO().InicializaBD(bd.Mod());
    EXPECT_NO_THROW(ConexionDAO().Cerrar());
    EXPECT_NO_THROW(ConexionDAO().Cerrar());
    EXPECT_NO_THROW(ConexionDAO().CerrarAux());
}

TEST_F(ModuloGeneral, AbrirUnArchivoQueNoExisteLanzaYNoCreaNada) {
    const std::string falta = bd.Dir() + "/no_existe.mdb";
    EXPECT_EQ(NumeroDeError([&] { ConexionDAO().InicializaBD(falta); }), vb::errArchivoNoEncontrado);
    EXPECT_FALSE(std::filesystem::exists(falta));
}

TEST_F(ModuloGeneral, TrasUnaAperturaFallidaNadaCorreSobreLaBaseAnterior) {
    ConexionDAO().InicializaBD(bd.Mod());
    ConexionDAO().execute("Insert Into T01_DECLARANTES (T01_DNI) Values ('A')");
    EXPECT_NE(NumeroDeError([&] { ConexionDAO().InicializaBD(bd.Dir() + "/otra.mdb"); }), 0);

    EXPECT_EQ(ConexionDAO().openRecordset("Select * From T01_DECLARANTES"), nullptr);
    EXPECT_EQ(NumeroDeError([] { ConexionDAO().execute("Delete From T01_DECLARANTES"); }),
              vb::errObjetoNoEstablecido);

    ConexionDAO().InicializaBD(bd.Mod());
    auto rs = ConexionDAO().openRecordset("Select count(*) From T01_DECLARANTES");
    EXPECT_EQ(Requerir(rs).Fields(0).CLng(), 1);
}
