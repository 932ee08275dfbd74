#include <filesystem>

#include "servidor/utiles_prueba.h"

using brunsel::ConexionDAO;
using brunsel::Requerir;
using prueba::ErrorDe;

namespace {

class ModuloGeneral : public prueba::ConBase {
protected:
    vb::Variant Volcar(const std::string& sql, vb::Long modo) {
        auto rs = ConexionDAO().openRecordset(sql);
        return brunsel::VolcarRecordset(&Requerir(rs), modo);
    }
    static std::string Limites(const vb::Variant& v, int d = 1) {
        return std::to_string(v.LBound(d)) + ".." + std::to_string(v.UBound(d));
    }
    static bool Cerrada() { return ConexionDAO().openRecordset("Select 1") == nullptr; }
};

TEST_F(ModuloGeneral, VolcarRecordsetFormasYCuarentaMilFilas) {
    ConexionDAO().InicializaBD(bd.Lec());
    const char* dos = "Select T05_PRO_ID, T05_PRO_CAS From T05_PROVINCIAS Where T05_PRO_ID In (1, 2) Order By 1";
    EXPECT_TRUE(Volcar("Select 1 From T05_PROVINCIAS Where 0", 2).IsNull());
    for (vb::Long modo : {2, 7}) {  // any mode but 0 and 1: a table with an empty row 0 and column 2
        vb::Variant t = Volcar(dos, modo);
        ASSERT_EQ(t.Dimensiones(), 2);
        EXPECT_EQ(Limites(t, 1) + Limites(t, 2), "0..20..2");
        for (vb::Long i = 0; i <= 2; ++i) EXPECT_TRUE(t(i, 0).IsEmpty() && t(2, i).IsEmpty()) << i;
        EXPECT_EQ(t(0, 2).CLng(), 2);
        EXPECT_EQ(t(1, 1).CStr(), "PROVINCIA ABRELDA");
    }
    vb::Variant primera = Volcar(dos, 1);  // the first column, from 0
    ASSERT_EQ(primera.Dimensiones(), 1);
    EXPECT_EQ(Limites(primera), "0..1");
    EXPECT_EQ(primera(1).CLng(), 2);
    vb::Variant fila = Volcar(dos, 0);  // the first row, one slot to spare
    ASSERT_EQ(Limites(fila), "0..2");
    EXPECT_EQ(fila(1).CStr(), "PROVINCIA ABRELDA");
    EXPECT_TRUE(fila(2).IsEmpty());
    // Row counters are not 16-bit.
    vb::Variant t = Volcar(
        "With Recursive n(i) As (Select 1 Union All Select i + 1 From n Where i < 40000) Select i, 'x' From n", 2);
    ASSERT_EQ(t.UBound(2), 40000);
    EXPECT_EQ(t(0, 40000).CLng(), 40000);
}

TEST_F(ModuloGeneral, RellenarBancosOrdenadosDesdeUnoYCierraLaBase) {
    ConexionDAO().InicializaBD(bd.Lec());
    auto cuenta = ConexionDAO().openRecordset("Select count(*) From TBANCOS");
    const vb::Long bancos = Requerir(cuenta).Fields(0).CLng();
    vb::Variant lista = brunsel::RellenarBancos();
    ASSERT_EQ(lista.UBound(1), 2);
    ASSERT_EQ(lista.UBound(2), bancos);
    EXPECT_TRUE(lista(0, 0).IsEmpty());
    EXPECT_EQ(lista(0, 1).CStr() + lista(1, 1).CStr(), "0019BANCO ARDENIA");
    for (vb::Long r = 1; r < bancos; ++r) EXPECT_LT(lista(0, r).CStr(), lista(0, r + 1).CStr()) << r;
    EXPECT_TRUE(Cerrada());
    // An empty list is Null and closes the base too; with none open the error names the procedure.
    ConexionDAO().InicializaBD(bd.Lec());
    ConexionDAO().execute("Delete From TBANCOS");
    EXPECT_TRUE(brunsel::RellenarBancos().IsNull());
    EXPECT_TRUE(Cerrada());
    const std::string motivo = ErrorDe([] { brunsel::RellenarBancos(); }).Description();
    EXPECT_EQ(motivo.rfind("cDatosGeneralesIVA.RellenarBancos ", 0), 0u) << motivo;
}

TEST(ModuloGeneralCalculos, CuotaValidaFechaFinPeriodoYTextos) {
    // Quotas round halves to even: 4.5 -> 4, 3.5 -> 4.
    for (auto [tipo, base, cuota, valida] : {std::tuple{18, 25, 4, true}, {18, 25, 3, false}, {10, 35, 3, false},
                                             {10, 35, 4, true}, {18, 10000, 1799, false}, {18, 10000, 2100, true}})
        EXPECT_EQ(brunsel::CuotaValida(tipo, base, cuota), valida) << base << " " << cuota;
    for (auto [p, f] : {std::pair{"1T", 20120331}, {"4T", 20121231}, {"3t", 0}, {"OA", 0}, {" 3T", 0}})
        EXPECT_EQ(brunsel::FechaFinPeriodo(2012, p), f) << p;
    EXPECT_EQ(brunsel::CambiarComaPorPunto("1,2,3").CStr(), "1.2,3");
    EXPECT_EQ(brunsel::NuloAVacio(vb::Null), "");
}

TEST_F(ModuloGeneral, ConsultaMalFormadaNoLanzaYRequerirDaElMotivo) {
    ConexionDAO().InicializaBD(bd.Mod());
    auto rs = ConexionDAO().openRecordset("Selec * Frm T01_DECLARANTES", 4);
    EXPECT_EQ(rs, nullptr);
    vb::Error e = ErrorDe([&] { Requerir(rs); });
    EXPECT_EQ(e.Number(), vb::errObjetoNoEstablecido);
    EXPECT_NE(e.Description().find("syntax error"), std::string::npos) << e.Description();
}

TEST_F(ModuloGeneral, AperturaFallidaLanzaNoCreaNadaYCierraLaAnterior) {
    const std::string falta = bd.Dir() + "/no_existe.mdb";
    EXPECT_EQ(ErrorDe([&] { ConexionDAO().InicializaBD(falta); }).Number(), vb::errArchivoNoEncontrado);
    EXPECT_FALSE(std::filesystem::exists(falta));
    ConexionDAO().InicializaBD(bd.Mod());
    ConexionDAO().execute("Insert Into T01_DECLARANTES (T01_DNI) Values ('A')");
    EXPECT_THROW(ConexionDAO().InicializaBD(falta), vb::Error);
    EXPECT_TRUE(Cerrada());
    EXPECT_EQ(ErrorDe([] { ConexionDAO().execute("Delete From T01_DECLARANTES"); }).Number(),
              vb::errObjetoNoEstablecido);
    EXPECT_NO_THROW(ConexionDAO().Cerrar());  // closing twice never fails
    ConexionDAO().InicializaBD(bd.Mod());
    auto rs = ConexionDAO().openRecordset("Select count(*) From T01_DECLARANTES");
    EXPECT_EQ(Requerir(rs).Fields(0).CLng(), 1);
}

}  // namespace
