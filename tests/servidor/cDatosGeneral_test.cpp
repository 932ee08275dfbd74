#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "com/com.h"
#include "comun/bd_prueba.h"
#include "general.h"
#include "servicios/cDatosGeneral.h"

using brunsel::cDatosGeneral;

namespace {

class DatosGeneral : public ::testing::Test {
protected:
    BdPrueba bd;

    // A fresh object by ProgID on one of the two files, as the program makes them.
    std::shared_ptr<cDatosGeneral> Sobre(const std::string& ruta) {
        auto d = com::CreateObject<cDatosGeneral>("Brunsel.cDatosGeneral");
        d->mdbname(ruta);
        return d;
    }
    std::shared_ptr<cDatosGeneral> Lec() { return Sobre(bd.Lec()); }
    std::shared_ptr<cDatosGeneral> Mod() { return Sobre(bd.Mod()); }

    vb::Variant Lista(void (cDatosGeneral::*cargar)(std::string&, vb::Variant&), std::string sql) {
        vb::Variant buffer = "previous content";
        (Lec().get()->*cargar)(sql, buffer);
        return buffer;
    }

    static bool BaseCerrada() {
        try {
            brunsel::ConexionDAO().BD();
            return false;
        } catch (const vb::Error&) {
            return true;
        }
    }
};

void EsperarListaVacia(const vb::Variant& l) {
    ASSERT_EQ(l.Dimensiones(), 2);
    EXPECT_EQ(l.LBound(1), 0);
    EXPECT_EQ(l.UBound(1), 1);
    EXPECT_EQ(l.LBound(2), 0);
    EXPECT_EQ(l.UBound(2), 0);
    EXPECT_TRUE(l(0, 0).IsEmpty());
    EXPECT_TRUE(l(1, 0).IsEmpty());
}

TEST_F(DatosGeneral, ListasDeCodigosConSuForma) {
    vb::Variant vias = Lista(&cDatosGeneral::CargarVias, "Select T07_CODIGO, T07_CAS From T07_SIGLASVIA ORDER BY T07_CAS");
    ASSERT_EQ(vias.UBound(1), 1);
    ASSERT_EQ(vias.UBound(2), 16);  // 17 street types, rows from 0
    EXPECT_EQ(vias(0, 0), vb::Variant("AL"));
    EXPECT_EQ(vias(1, 0), vb::Variant("ALAMEDA"));

    BdPrueba::Ejecutar(bd.Lec(), "INSERT INTO T05_PROVINCIAS VALUES (53, 'Ñandúa de abajo', 'Ñandua behekoa')");
    vb::Variant prov = Lista(&cDatosGeneral::CargarProvincias,
                             "Select T05_PRO_ID, T05_PRO_EUS From T05_PROVINCIAS ORDER BY T05_PRO_EUS");
    EXPECT_EQ(prov.UBound(2), 52);
    bool visto20 = false, visto53 = false;
    for (vb::Long r = 0; r <= prov.UBound(2); ++r) {
        if (prov(0, r) == vb::Variant("c20")) visto20 = prov(1, r) == vb::Variant("KELMORIA");
        if (prov(0, r) == vb::Variant("c53")) visto53 = prov(1, r) == vb::Variant("ÑANDUA BEHEKOA");
    }
    EXPECT_TRUE(visto20) << "key with its prefix, no leading zeros";
    EXPECT_TRUE(visto53) << "Basque name, in capitals";

    BdPrueba::Ejecutar(bd.Lec(), "UPDATE T06_MUNICIPIOS SET T06_NOMMUN = 'Abeltzarra Txikia' WHERE T06_CODMUN = 427");
    vb::Variant mun =
        Lista(&cDatosGeneral::CargarMunicipios, "Select T06_CODMUN, T06_NOMMUN From T06_MUNICIPIOS ORDER BY T06_NOMMUN");
    EXPECT_EQ(mun.UBound(2), 59);
    EXPECT_EQ(mun(0, 0), vb::Variant("c427"));
    EXPECT_EQ(mun(1, 0), vb::Variant("Abeltzarra Txikia")) << "municipality names as stored";
    EXPECT_TRUE(BaseCerrada());
}

TEST_F(DatosGeneral, ListasVaciasTienenUnaFilaVacia) {
    BdPrueba::Ejecutar(bd.Lec(), "DELETE FROM T05_PROVINCIAS; DELETE FROM T06_MUNICIPIOS; DELETE FROM T07_SIGLASVIA");
    EsperarListaVacia(Lista(&cDatosGeneral::CargarVias, "Select T07_CODIGO, T07_EUS From T07_SIGLASVIA ORDER BY T07_EUS"));
    EsperarListaVacia(
        Lista(&cDatosGeneral::CargarProvincias, "Select T05_PRO_ID, T05_PRO_CAS From T05_PROVINCIAS ORDER BY T05_PRO_CAS"));
    EsperarListaVacia(
        Lista(&cDatosGeneral::CargarMunicipios, "Select T06_CODMUN, T06_NOMMUN From T06_MUNICIPIOS ORDER BY T06_NOMMUN"));
}

TEST_F(DatosGeneral, LasListasSoloEjecutanUnaConsulta) {
    auto rechazada = [&](void (cDatosGeneral::*cargar)(std::string&, vb::Variant&), const std::string& sql) {
        try {
            Lista(cargar, sql);
        } catch (const vb::Error&) {
            EXPECT_TRUE(BaseCerrada()) << sql;
            return true;
        }
        return false;
    };
    EXPECT_TRUE(rechazada(&cDatosGeneral::CargarVias, "DELETE FROM T07_SIGLASVIA"));
    EXPECT_TRUE(rechazada(&cDatosGeneral::CargarProvincias,
                          "Select T05_PRO_ID, T05_PRO_CAS From T05_PROVINCIAS; DROP TABLE T05_PROVINCIAS"));
    EXPECT_TRUE(rechazada(&cDatosGeneral::CargarMunicipios, "UPDATE T06_MUNICIPIOS SET T06_NOMMUN = 'X'"));
    EXPECT_TRUE(rechazada(&cDatosGeneral::CargarVias, "PRAGMA table_info(T07_SIGLASVIA)"));
    EXPECT_TRUE(rechazada(&cDatosGeneral::CargarVias, "ATTACH DATABASE '" + bd.Dir() + "/nueva.mdb' AS otra"));
    EXPECT_TRUE(rechazada(&cDatosGeneral::CargarVias, "WITH x AS (SELECT 1) DELETE FROM T07_SIGLASVIA"));
    EXPECT_TRUE(rechazada(&cDatosGeneral::CargarVias, "Select T07_CODIGO From T07_SIGLASVIA WHERE"));

    // Nothing of the refused statements ran.
    auto vias = Lista(&cDatosGeneral::CargarVias, "  Select T07_CODIGO, T07_CAS From T07_SIGLASVIA ORDER BY T07_CAS ; ");
    EXPECT_EQ(vias.UBound(2), 16);
    EXPECT_EQ(vias(1, 0), vb::Variant("ALAMEDA"));
    auto prov = Lista(&cDatosGeneral::CargarProvincias, "Select T05_PRO_ID, T05_PRO_CAS From T05_PROVINCIAS");
    EXPECT_EQ(prov.UBound(2), 51);
    auto mun = Lista(&cDatosGeneral::CargarMunicipios, "Select T06_CODMUN, T06_NOMMUN From T06_MUNICIPIOS WHERE T06_CODMUN = 79");
    EXPECT_EQ(mun(1, 0), vb::Variant("KELMORIA"));
    EXPECT_FALSE(std::filesystem::exists(bd.Dir() + "/nueva.mdb"));
}

TEST_F(DatosGeneral, NombresPorCodigoEnAmbosIdiomas) {
    BdPrueba::Ejecutar(bd.Lec(),
                       "UPDATE T05_PROVINCIAS SET T05_PRO_CAS = 'Kelmoria', T05_PRO_EUS = 'Kelmoriako lurraldea' "
                       "WHERE T05_PRO_ID = 20;"
                       "UPDATE T06_MUNICIPIOS SET T06_NOMMUN = 'Kelmoria Zaharra' WHERE T06_CODMUN = 79");
    std::string nombre = "previous", cod = "020";
    vb::Integer castellano = 0, euskera = 1;
    Lec()->ObtenerNombreProvincia(cod, nombre, castellano);
    EXPECT_EQ(nombre, "KELMORIA");
    Lec()->ObtenerNombreProvincia(cod, nombre, euskera);
    EXPECT_EQ(nombre, "KELMORIAKO LURRALDEA");
    cod = "99";
    Lec()->ObtenerNombreProvincia(cod, nombre, castellano);
    EXPECT_EQ(nombre, "");

    cod = "079";
    Lec()->ObtenerNombreMunicipio(cod, nombre);
    EXPECT_EQ(nombre, "Kelmoria Zaharra");
    cod = "";
    Lec()->ObtenerNombreMunicipio(cod, nombre);
    EXPECT_EQ(nombre, "");

    BdPrueba::Ejecutar(bd.Lec(), "UPDATE T07_SIGLASVIA SET T07_CAS = 'Calle' WHERE T07_CODIGO = 'CL'");
    cod = "CL";
    Lec()->ObtenerDescriVia(cod, nombre);
    EXPECT_EQ(nombre, "CALLE");
    cod = "C'";  // a quote is a value like any other
    Lec()->ObtenerDescriVia(cod, nombre);
    EXPECT_EQ(nombre, "");
}

TEST_F(DatosGeneral, FechasDireccionYNumeroDeDeclarantes) {
    vb::Variant fechas;
    Lec()->DameFechaMinMax(fechas);
    ASSERT_EQ(fechas.UBound(), 1);
    EXPECT_EQ(fechas(0).CLng(), 20080101);
    EXPECT_EQ(fechas(1).CLng(), 20261231);
    EXPECT_EQ(Lec()->URLAct(), "http://actualizaciones.oxalde.invalid/version");

    BdPrueba::Ejecutar(bd.Lec(), "INSERT INTO T08_GENERAL VALUES (19990101, 19991231, 'http://otra.invalid', '')");
    Lec()->DameFechaMinMax(fechas);
    EXPECT_EQ(fechas(0).CLng(), 20080101) << "the first row only";

    BdPrueba::Ejecutar(bd.Lec(), "DELETE FROM T08_GENERAL");
    Lec()->DameFechaMinMax(fechas);
    ASSERT_EQ(fechas.UBound(), 1);
    EXPECT_TRUE(fechas(0).IsEmpty());
    EXPECT_TRUE(fechas(1).IsEmpty());
    EXPECT_EQ(Lec()->URLAct(), "");

    EXPECT_EQ(Mod()->NumeroDeclarantes(), 0);
    BdPrueba::Ejecutar(bd.Mod(), "INSERT INTO T01_DECLARANTES (T01_DNI) VALUES ('1'), ('2')");
    EXPECT_EQ(Mod()->NumeroDeclarantes(), 2);
    EXPECT_TRUE(BaseCerrada());
}

TEST_F(DatosGeneral, AjustesDelUsuario) {
    EXPECT_EQ(Mod()->ObtenerIdioma(), "C");
    EXPECT_EQ(Mod()->ObtenerActOnline(), -1);
    std::string euskera = "E";
    Mod()->CambiarIdioma(euskera);
    vb::Integer si = 1;
    EXPECT_TRUE(Mod()->GuardarActOnline(si).IsEmpty());
    EXPECT_EQ(Mod()->ObtenerIdioma(), "E");
    EXPECT_EQ(Mod()->ObtenerActOnline(), 1);

    // A damaged file without its settings row keeps the choice instead of dropping it.
    BdPrueba::Ejecutar(bd.Mod(), "DELETE FROM T00_GENERAL");
    EXPECT_EQ(Mod()->ObtenerIdioma(), "C");
    EXPECT_EQ(Mod()->ObtenerActOnline(), 0);
    Mod()->CambiarIdioma(euskera);
    EXPECT_EQ(Mod()->ObtenerIdioma(), "E");
    EXPECT_EQ(Mod()->ObtenerActOnline(), -1);
    EXPECT_TRUE(BaseCerrada());
}

}  // namespace
