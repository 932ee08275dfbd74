#include <filesystem>

#include "servicios/cDatosGeneral.h"
#include "servidor/utiles_prueba.h"

using brunsel::cDatosGeneral;
using prueba::BaseAbierta;

namespace {

using Cargar = void (cDatosGeneral::*)(std::string&, vb::Variant&);
constexpr Cargar kVias = &cDatosGeneral::CargarVias, kProvincias = &cDatosGeneral::CargarProvincias,
                 kMunicipios = &cDatosGeneral::CargarMunicipios;

class DatosGeneral : public prueba::ConBase {
protected:
    // A fresh object by ProgID on one of the two files, as the program makes them.
    std::shared_ptr<cDatosGeneral> Sobre(const std::string& ruta) {
        auto d = com::CreateObject<cDatosGeneral>("Brunsel.cDatosGeneral");
        d->mdbname(ruta);
        return d;
    }
    std::shared_ptr<cDatosGeneral> Lec() { return Sobre(bd.Lec()); }
    std::shared_ptr<cDatosGeneral> Mod() { return Sobre(bd.Mod()); }
    void SqlLec(const std::string& sql) { BdPrueba::Ejecutar(bd.Lec(), sql); }
    vb::Variant Lista(Cargar cargar, std::string sql) {
        vb::Variant buffer = "previous content";
        (Lec().get()->*cargar)(sql, buffer);
        return buffer;
    }
};

TEST_F(DatosGeneral, ListasDeCodigosConSuForma) {
    vb::Variant vias = Lista(kVias, "Select T07_CODIGO, T07_CAS From T07_SIGLASVIA ORDER BY T07_CAS");
    ASSERT_EQ(vias.UBound(1), 1);
    ASSERT_EQ(vias.UBound(2), 16);  // 17 street types, rows from 0
    EXPECT_EQ(vias(0, 0).CStr() + "|" + vias(1, 0).CStr(), "AL|ALAMEDA");

    // Province keys with their prefix and no leading zeros, names in capitals.
    SqlLec("INSERT INTO T05_PROVINCIAS VALUES (53, 'Ñandúa de abajo', 'Ñandua behekoa')");
    vb::Variant prov = Lista(kProvincias, "Select T05_PRO_ID, T05_PRO_EUS From T05_PROVINCIAS ORDER BY T05_PRO_ID");
    EXPECT_EQ(prov.UBound(2), 52);
    EXPECT_EQ(prov(0, 19).CStr() + "|" + prov(1, 19).CStr(), "c20|KELMORIA");
    EXPECT_EQ(prov(0, 52).CStr() + "|" + prov(1, 52).CStr(), "c53|ÑANDUA BEHEKOA");

    // Municipality names as stored.
    SqlLec("UPDATE T06_MUNICIPIOS SET T06_NOMMUN = 'Abeltzarra Txikia' WHERE T06_CODMUN = 427");
    vb::Variant mun = Lista(kMunicipios, "Select T06_CODMUN, T06_NOMMUN From T06_MUNICIPIOS ORDER BY T06_NOMMUN");
    EXPECT_EQ(mun.UBound(2), 59);
    EXPECT_EQ(mun(0, 0).CStr() + "|" + mun(1, 0).CStr(), "c427|Abeltzarra Txikia");
    EXPECT_FALSE(BaseAbierta());

    SqlLec("DELETE FROM T05_PROVINCIAS; DELETE FROM T06_MUNICIPIOS; DELETE FROM T07_SIGLASVIA");
    for (vb::Variant l : {Lista(kVias, "Select T07_CODIGO, T07_EUS From T07_SIGLASVIA"),
                          Lista(kProvincias, "Select T05_PRO_ID, T05_PRO_CAS From T05_PROVINCIAS"),
                          Lista(kMunicipios, "Select T06_CODMUN, T06_NOMMUN From T06_MUNICIPIOS")}) {
        ASSERT_EQ(l.Dimensiones(), 2);
        EXPECT_EQ(l.LBound(1) + l.LBound(2) + l.UBound(2), 0) << "one row";
        EXPECT_EQ(l.UBound(1), 1);
        EXPECT_TRUE(l(0, 0).IsEmpty() && l(1, 0).IsEmpty());
    }
}

TEST_F(DatosGeneral, LasListasSoloEjecutanUnaConsulta) {
    const std::pair<Cargar, std::string> rechazadas[] = {
        {kVias, "DELETE FROM T07_SIGLASVIA"},
        {kProvincias, "Select T05_PRO_ID, T05_PRO_CAS From T05_PROVINCIAS; DROP TABLE T05_PROVINCIAS"},
        {kMunicipios, "UPDATE T06_MUNICIPIOS SET T06_NOMMUN = 'X'"},
        {kVias, "ATTACH DATABASE '" + bd.Dir() + "/nueva.mdb' AS otra"},
        {kVias, "WITH x AS (SELECT 1) DELETE FROM T07_SIGLASVIA"},
    };
    for (const auto& [cargar, sql] : rechazadas) {
        EXPECT_THROW(Lista(cargar, sql), vb::Error) << sql;
        EXPECT_FALSE(BaseAbierta()) << sql;
    }
    // Nothing of the refused statements ran; blanks and a final ";" are accepted.
    EXPECT_EQ(Lista(kVias, "  Select T07_CODIGO, T07_CAS From T07_SIGLASVIA ; ").UBound(2), 16);
    EXPECT_EQ(Lista(kProvincias, "Select T05_PRO_ID, T05_PRO_CAS From T05_PROVINCIAS").UBound(2), 51);
    EXPECT_EQ(Lista(kMunicipios, "Select T06_CODMUN, T06_NOMMUN From T06_MUNICIPIOS WHERE T06_CODMUN = 79")(1, 0),
              vb::Variant("KELMORIA"));
    EXPECT_FALSE(std::filesystem::exists(bd.Dir() + "/nueva.mdb"));
}

TEST_F(DatosGeneral, NombresPorCodigoEnAmbosIdiomas) {
    SqlLec("UPDATE T05_PROVINCIAS SET T05_PRO_CAS = 'Kelmoria', T05_PRO_EUS = 'Kelmoriako lurraldea' "
           "WHERE T05_PRO_ID = 20; UPDATE T07_SIGLASVIA SET T07_CAS = 'Calle' WHERE T07_CODIGO = 'CL';"
           "UPDATE T06_MUNICIPIOS SET T06_NOMMUN = 'Kelmoria Zaharra' WHERE T06_CODMUN = 79");
    // What: 'p' province, 'e' province in Basque, 'm' municipality, 'v' street type.
    auto nombre = [&](char que, std::string cod) {
        std::string n = "previous";
        vb::Integer idioma = que == 'e' ? 1 : 0;
        if (que == 'p' || que == 'e') Lec()->ObtenerNombreProvincia(cod, n, idioma);
        if (que == 'm') Lec()->ObtenerNombreMunicipio(cod, n);
        if (que == 'v') Lec()->ObtenerDescriVia(cod, n);
        return n;
    };
    const std::tuple<char, const char*, const char*> casos[] = {
        {'p', "020", "KELMORIA"}, {'e', "020", "KELMORIAKO LURRALDEA"}, {'p', "99", ""},
        {'m', "079", "Kelmoria Zaharra"}, {'m', "", ""}, {'v', "CL", "CALLE"},
        {'v', "C'", ""}};  // a quote is a plain value
    for (const auto& [que, cod, esperado] : casos) EXPECT_EQ(nombre(que, cod), esperado) << que << cod;
}

TEST_F(DatosGeneral, FechasDireccionYNumeroDeDeclarantes) {
    vb::Variant fechas;
    Lec()->DameFechaMinMax(fechas);
    ASSERT_EQ(fechas.UBound(), 1);
    EXPECT_EQ(fechas(0).CLng() + fechas(1).CLng(), 20080101 + 20261231);
    EXPECT_EQ(Lec()->URLAct(), "http://actualizaciones.oxalde.invalid/version");
    SqlLec("DELETE FROM T08_GENERAL");
    Lec()->DameFechaMinMax(fechas);
    ASSERT_EQ(fechas.UBound(), 1);
    EXPECT_TRUE(fechas(0).IsEmpty() && fechas(1).IsEmpty());
    EXPECT_EQ(Lec()->URLAct(), "");

    Sql("INSERT INTO T01_DECLARANTES (T01_DNI) VALUES ('1'), ('2')");
    EXPECT_EQ(Mod()->NumeroDeclarantes(), 2);
    EXPECT_FALSE(BaseAbierta());
}

}  // namespace
