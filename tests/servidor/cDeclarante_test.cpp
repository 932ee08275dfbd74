#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "GarobelLib/cMiscelaneos.h"
#include "com/com.h"
#include "comun/bd_prueba.h"
#include "general.h"
#include "servicios/cDeclarante.h"
#include "servidor/declaracion_prueba.h"

using brunsel::cDeclarante;
using prueba::Describir;

namespace {

int NumeroDeError(const std::function<void()>& f) {
    try {
        f();
    } catch (const vb::Error& e) {
        return e.Number();
    }
    return 0;
}

bool BaseAbierta() { return NumeroDeError([] { brunsel::ConexionDAO().BD(); }) == 0; }

class Declarantes : public ::testing::Test {
protected:
    BdPrueba bd;

    // A fresh object by ProgID with both paths, as the program makes one per operation.
    std::shared_ptr<cDeclarante> Servicio() {
        auto s = com::CreateObject<cDeclarante>("Brunsel.cDeclarante");
        s->mdbnameL(bd.Lec());
        s->mdbnameM(bd.Mod());
        return s;
    }

    void Sql(const std::string& sql) { BdPrueba::Ejecutar(bd.Mod(), sql); }
    void Alta(vb::Long csco, const std::string& nif, const std::string& nombre, int provincia = 20, int municipio = 79,
              const std::string& nommun = "", double n731 = 0, double n732 = 0) {
        prueba::Lectura(bd.Mod()).BD().Execute(
            "INSERT INTO T01_DECLARANTES (T01_CSCO,T01_DNI,T01_NOMBRE,T01_CODPROV,T01_CODMUN,T01_NOMMUN,"
            "T01_NUM731,T01_NUM732) VALUES (?,?,?,?,?,?,?,?)",
            0, {csco, nif, nombre, vb::Long(provincia), vb::Long(municipio), nommun, n731, n732});
    }
    vb::Long Contar(const std::string& sql, const dao::Parametros& p = {}) {
        return prueba::Lectura(bd.Mod()).Contar(sql, p);
    }
    std::string Foto() { return prueba::Lectura(bd.Mod()).Foto(); }

    vb::Variant Lista(vb::Integer orden, vb::Integer idioma) {
        vb::Variant b = "previous content";
        filas = Servicio()->dameResultado(b, orden, idioma);
        return b;
    }
    vb::Long filas = -1;
};

// The column of a list as texts, row by row.
std::vector<std::string> Columna(const vb::Variant& lista, vb::Long columna) {
    std::vector<std::string> r;
    for (vb::Long fila = 0; fila <= lista.UBound(2); ++fila) r.push_back(lista(columna, fila).CStr());
    return r;
}

void EsperarVacia(const vb::Variant& l, vb::Long ultimaColumna) {
    ASSERT_EQ(l.Dimensiones(), 2);
    EXPECT_EQ(l.LBound(1), 0);
    EXPECT_EQ(l.UBound(1), ultimaColumna);
    EXPECT_EQ(l.LBound(2), 0);
    EXPECT_EQ(l.UBound(2), 0);
    for (vb::Long c = 0; c <= ultimaColumna; ++c) EXPECT_TRUE(l(c, 0).IsEmpty()) << "column " << c;
}

// ---- recent taxpayers ----

TEST_F(Declarantes, UltimosConClaves5Y9) {
    Alta(5, "11111111H", "CINCO");
    Alta(9, "22222222J", "NUEVE");
    vb::Variant b = "previous content";
    Servicio()->ObtenerUltimosDeclarantes(b);

    ASSERT_EQ(b.Dimensiones(), 2);
    EXPECT_EQ(b.UBound(1), 3);  // the row is the first index
    EXPECT_EQ(b.UBound(2), 2);
    EXPECT_EQ(Describir(b(0, 0)), "Long:9");
    EXPECT_EQ(b(0, 1), vb::Variant("22222222J"));
    EXPECT_EQ(b(0, 2), vb::Variant("NUEVE"));
    EXPECT_EQ(Describir(b(1, 0)), "Long:5");
    EXPECT_EQ(b(1, 2), vb::Variant("CINCO"));
    for (vb::Long fila : {2, 3})
        for (vb::Long c = 0; c < 3; ++c) EXPECT_TRUE(b(fila, c).IsEmpty());
    EXPECT_FALSE(BaseAbierta());
}

TEST_F(Declarantes, UltimosSonLosCuatroDeClaveMasAlta) {
    for (int total : {5, 9}) {
        Sql("DELETE FROM T01_DECLARANTES");
        for (int k = 1; k <= total; ++k) Alta(k, "N" + std::to_string(k), "NOMBRE " + std::to_string(k));
        vb::Variant b;
        Servicio()->ObtenerUltimosDeclarantes(b);
        ASSERT_EQ(b.UBound(1), 3);
        for (vb::Long fila = 0; fila < 4; ++fila) {
            EXPECT_EQ(b(fila, 0).CLng(), total - fila) << total << " taxpayers, row " << fila;
            EXPECT_EQ(b(fila, 1).CStr(), "N" + std::to_string(total - fila));
        }
    }
}

TEST_F(Declarantes, SinDeclarantesLasListasTienenUnaFilaVacia) {
    EsperarVacia(Lista(1, 0), 6);
    EXPECT_EQ(filas, 0);

    vb::Variant exportar = "previous content";
    vb::Integer orden = 2;
    EXPECT_EQ(Servicio()->dameResultadoExportar(exportar, orden), 0);
    EsperarVacia(exportar, 16);

    vb::Variant ultimos = "previous content";
    Servicio()->ObtenerUltimosDeclarantes(ultimos);
    ASSERT_EQ(ultimos.UBound(1), 3);
    for (vb::Long fila = 0; fila < 4; ++fila)
        for (vb::Long c = 0; c < 3; ++c) EXPECT_TRUE(ultimos(fila, c).IsEmpty());
    EXPECT_FALSE(BaseAbierta());
}

// ---- the taxpayer list ----

class ListaDeclarantes : public Declarantes {
protected:
    void SetUp() override {
        Alta(1, "33333333P", "ARANA", 20, 7, "", 3, 1);           // home province: named by its code
        Alta(2, "11111111H", "ZUBIA", 48, 0, "BILBO AUZOA");      // another province: its own name
        Alta(3, "22222222J", "MENDI", 99, 998, "");               // codes the reference data lacks
        Alta(0, "00000000T", "CLAVE CERO");                        // keys below 1 are never listed
    }
};

TEST_F(ListaDeclarantes, NombresDeMunicipioYProvinciaEnCastellano) {
    vb::Variant l = Lista(1, 0);
    EXPECT_EQ(filas, 3);
    ASSERT_EQ(l.UBound(1), 6);
    ASSERT_EQ(l.UBound(2), 2);
    EXPECT_EQ(Columna(l, 1), (std::vector<std::string>{"11111111H", "22222222J", "33333333P"}));
    EXPECT_EQ(Columna(l, 3), (std::vector<std::string>{"BILBO AUZOA", "", "ALBORTZE"}));
    EXPECT_EQ(Columna(l, 4), (std::vector<std::string>{"PROVINCIA ESTERVIA", "", "KELMORIA"}));
    // Key, name and counters as the database returns them.
    EXPECT_EQ(Describir(l(0, 2)), "Long:1");
    EXPECT_EQ(Describir(l(2, 2)), "String:\"ARANA\"");
    EXPECT_EQ(Describir(l(5, 2)), "Double:3");
    EXPECT_EQ(Describir(l(6, 2)), "Double:1");
    EXPECT_FALSE(BaseAbierta());
}

TEST_F(ListaDeclarantes, ProvinciasEnEuskeraYOrdenPorNombre) {
    vb::Variant l = Lista(2, 10000);
    EXPECT_EQ(filas, 3);
    EXPECT_EQ(Columna(l, 2), (std::vector<std::string>{"ARANA", "MENDI", "ZUBIA"}));
    EXPECT_EQ(Columna(l, 3), (std::vector<std::string>{"ALBORTZE", "", "BILBO AUZOA"}));
    EXPECT_EQ(Columna(l, 4), (std::vector<std::string>{"KELMORIA", "", "ESTERBIA PROBINTZIA"}));
}

TEST_F(ListaDeclarantes, ExportarDaTodasLasColumnasEnOrdenDeTabla) {
    Sql("UPDATE T01_DECLARANTES SET T01_VIA='CL', T01_DOMICILIO='NAGUSIA', T01_NUMERO=12, T01_LETRA='B', "
        "T01_ESCALERA='1', T01_PISO='3', T01_MANO='IZQ', T01_CODPOS=20001, T01_TELEFONO=943000000 "
        "WHERE T01_CSCO=1");
    vb::Variant l;
    vb::Integer orden = 2;
    EXPECT_EQ(Servicio()->dameResultadoExportar(l, orden), 3);
    ASSERT_EQ(l.UBound(1), 16);
    ASSERT_EQ(l.UBound(2), 2);
    EXPECT_EQ(Columna(l, 2), (std::vector<std::string>{"ARANA", "MENDI", "ZUBIA"}));
    const std::vector<std::string> fila0 = {"Long:1",        "String:\"33333333P\"", "String:\"ARANA\"",
                                            "String:\"CL\"", "String:\"NAGUSIA\"",   "Long:12",
                                            "String:\"B\"",  "String:\"1\"",         "String:\"3\"",
                                            "String:\"IZQ\"", "Long:20",             "Long:20001",
                                            "Long:7",        "String:\"\"",          "Long:943000000",
                                            "Double:3",      "Double:1"};
    for (vb::Long c = 0; c <= 16; ++c) EXPECT_EQ(Describir(l(c, 0)), fila0[static_cast<size_t>(c)]) << c;
}

// ---- load, save and the look-ups by NIF ----

// A save buffer of a taxpayer of the home province.
vb::Variant Buffer(vb::Long csco, const std::string& nif, const std::string& nombre = "ZUBIRI") {
    auto b = vb::Variant::Array1(0, 16);
    const std::vector<vb::Variant> v = {csco, nif,     nombre, "CL", "NAGUSIA", "12B", "B", "1", "3", "IZQ",
                                        "20", "20001", "079",  "",   "943000000", "3", "1,5"};
    for (vb::Long i = 0; i <= 16; ++i) b(i) = v[static_cast<size_t>(i)];
    return b;
}

TEST_F(Declarantes, GuardarUnNuevoYCargarlo) {
    auto s = Servicio();
    vb::Variant b = Buffer(0, "11111111H");
    EXPECT_EQ(s->GuardarDeclarante(b), 0);
    std::string nif = "11111111H";
    vb::Long csco = s->ObtenerCodigoDeclarante(nif);
    ASSERT_GE(csco, 1);

    vb::Variant cargado;
    s->CargarDeclarante(csco, cargado);
    const std::vector<std::string> esperado = {
        "Long:" + std::to_string(csco), "String:\"11111111H\"", "String:\"ZUBIRI\"", "String:\"CL\"",
        "String:\"NAGUSIA\"", "Long:12", "String:\"B\"", "String:\"1\"", "String:\"3\"", "String:\"IZQ\"",
        "String:\"20\"", "String:\"20001\"", "String:\"79\"", "String:\"\"", "String:\"943000000\"", "Double:3",
        "Double:1"};  // slot 16 takes the number "1,5" begins with
    ASSERT_EQ(cargado.UBound(), 16);
    for (vb::Long i = 0; i <= 16; ++i) EXPECT_EQ(Describir(cargado(i)), esperado[static_cast<size_t>(i)]) << i;
    EXPECT_FALSE(BaseAbierta());
}

TEST_F(Declarantes, GuardarNuevoOExistenteConNifPropioOAjeno) {
    Alta(1, "11111111H", "UNO");
    Alta(2, "22222222J", "DOS");
    auto s = Servicio();
    auto guardar = [&](vb::Long csco, const std::string& nif, const std::string& nombre) {
        vb::Variant b = Buffer(csco, nif, nombre);
        return s->GuardarDeclarante(b);
    };
    auto nombre = [&](vb::Long csco) {
        return prueba::Lectura(bd.Mod()).Valor("SELECT T01_NOMBRE FROM T01_DECLARANTES WHERE T01_CSCO=?", {csco}).CStr();
    };

    // New taxpayer with a registered NIF: refused, nothing written.
    std::string antes = Foto();
    EXPECT_EQ(guardar(0, "22222222J", "OTRO"), 1);
    EXPECT_EQ(Foto(), antes);

    // Existing taxpayer keeping its NIF: updated.
    EXPECT_EQ(guardar(1, "11111111H", "UNO BIS"), 0);
    EXPECT_EQ(nombre(1), "UNO BIS");

    // Existing taxpayer taking another's NIF: refused, nothing written.
    antes = Foto();
    EXPECT_EQ(guardar(1, "22222222J", "UNO TRES"), 2);
    EXPECT_EQ(Foto(), antes);

    // Existing taxpayer taking a free NIF: the NIF changes.
    EXPECT_EQ(guardar(1, "33333333P", "UNO"), 0);
    std::string nuevo = "33333333P";
    EXPECT_EQ(s->ObtenerCodigoDeclarante(nuevo), 1);
    EXPECT_EQ(Contar("SELECT count(*) FROM T01_DECLARANTES"), 2);
    EXPECT_FALSE(BaseAbierta());
}

TEST_F(Declarantes, GuardarQueNoAlmacenaNadaEsUnError) {
    Alta(1, "11111111H", "UNO");
    auto s = Servicio();
    const std::string antes = Foto();
    for (auto [csco, nif] : {std::pair<vb::Long, std::string>{0, ""}, {7, "33333333P"}, {-1, "33333333P"}}) {
        vb::Variant b = Buffer(csco, nif);
        EXPECT_EQ(NumeroDeError([&] { s->GuardarDeclarante(b); }), brunsel::errDeclaranteNoGuardado)
            << csco << " " << nif;
        EXPECT_FALSE(BaseAbierta());
    }
    EXPECT_EQ(Foto(), antes);
    // A missing key whose NIF another taxpayer holds is still the refusal 2.
    vb::Variant b = Buffer(7, "11111111H");
    EXPECT_EQ(s->GuardarDeclarante(b), 2);
}

TEST_F(Declarantes, CargarUnaClaveSinFilaDaCerosYVacios) {
    vb::Variant b = "previous content";
    vb::Long csco = 42;
    Servicio()->CargarDeclarante(csco, b);
    ASSERT_EQ(b.UBound(), 16);
    EXPECT_EQ(Describir(b(0)), "Long:0");
    EXPECT_EQ(Describir(b(5)), "Long:0");
    EXPECT_EQ(Describir(b(15)), "Double:0");
    EXPECT_EQ(Describir(b(16)), "Double:0");
    for (vb::Long i : {1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14}) EXPECT_EQ(Describir(b(i)), "String:\"\"") << i;
}

TEST_F(Declarantes, BusquedasPorNifYContadores) {
    Alta(4, "11111111H", "UNO", 20, 79, "", 3, 1);
    Alta(5, "22222222J", "DOS", 20, 79, "", 2.5, 3.5);
    auto s = Servicio();
    std::string nif = "11111111H", desconocido = "44444444A", vacio, conBlancos = "11111111H ";
    EXPECT_EQ(s->ExisteContribuyente(nif), 4);
    EXPECT_EQ(s->ObtenerCodigoDeclarante(nif), 4);
    EXPECT_EQ(s->ExisteContribuyente(desconocido), 0);
    EXPECT_EQ(s->ExisteContribuyente(vacio), 0);
    EXPECT_EQ(s->ObtenerCodigoDeclarante(vacio), 0);
    EXPECT_EQ(s->ExisteContribuyente(conBlancos), 0);  // the import's field is taken as it stands

    vb::Long n731 = -1, n732 = -1;
    for (auto [csco, e731, e732] : {std::tuple<vb::Long, vb::Long, vb::Long>{4, 3, 1}, {5, 2, 4}, {99, 0, 0}}) {
        s->ObtenerContadores(csco, n731, n732);
        EXPECT_EQ(n731, e731) << csco;  // halves go to the even neighbour
        EXPECT_EQ(n732, e732) << csco;
    }
    EXPECT_FALSE(BaseAbierta());
}

TEST_F(Declarantes, ValidarLlevaCadaCasillaASuCampo) {
    struct Siempre : GarobelLib::cMiscelaneos {
        bool ValidaNifCif(std::string&) override { return true; }
    };
    com::RegistroTemporal componente("GarobelLib.cMiscelaneos", [] { return std::make_shared<Siempre>(); });
    auto s = Servicio();
    auto validar = [&](vb::Long casilla, const std::string& valor) {
        const std::vector<std::string> v = {"11111111H", "ZUBIRI", "NAGUSIA", "20", "20001", "79", "", "943000000"};
        auto b = vb::Variant::Array1(0, 7);
        for (vb::Long i = 0; i < 8; ++i) b(i) = v[static_cast<size_t>(i)];
        if (casilla >= 0) b(casilla) = valor;
        return s->ValidarDatosDeclarante(b);
    };
    EXPECT_EQ(validar(-1, ""), 0);
    EXPECT_EQ(validar(1, ""), 2);
    EXPECT_EQ(validar(2, ""), 3);
    EXPECT_EQ(validar(3, "48"), 5);
    EXPECT_EQ(validar(4, "20000"), 7);
    EXPECT_EQ(validar(5, "0"), 9);
    EXPECT_EQ(validar(7, "1234"), 11);
}

// ---- delete ----

class BorrarDeclarante : public Declarantes {
protected:
    void SetUp() override {
        Alta(1, "11111111H", "UNO");
        Alta(2, "22222222J", "DOS");
        // Taxpayer 1: one declaration of each form, one whose form text is empty (its boxes in
        // the form-732 table) and one whose text says 732 while its boxes are form-731 ones.
        Sql("INSERT INTO T02_COMUNDECLA (T02_CSDE,T02_CSCO,T02_MODELO) VALUES "
            "(10,1,'731'),(11,1,'732'),(12,1,''),(13,1,'732'),(20,2,'731')");
        Sql("INSERT INTO T03_731DECLA (T03_CSDE) VALUES (10),(13),(20)");
        Sql("INSERT INTO T04_732DECLA (T04_CSDE) VALUES (11),(12)");
    }
    vb::Long De(const std::string& tabla) { return Contar("SELECT count(*) FROM " + tabla); }
};

TEST_F(BorrarDeclarante, BorraCabecerasYDetallesDeAmbosModelos) {
    vb::Long csco = 1;
    EXPECT_EQ(Servicio()->BorrarDeclarante(csco), -1);
    EXPECT_EQ(Contar("SELECT count(*) FROM T01_DECLARANTES WHERE T01_CSCO=1"), 0);
    EXPECT_EQ(Contar("SELECT count(*) FROM T02_COMUNDECLA WHERE T02_CSCO=1"), 0);
    EXPECT_EQ(Contar("SELECT count(*) FROM T03_731DECLA WHERE T03_CSDE IN (10,13)"), 0);
    EXPECT_EQ(De("T04_732DECLA"), 0);
    // The other taxpayer keeps everything.
    EXPECT_EQ(Contar("SELECT count(*) FROM T01_DECLARANTES WHERE T01_CSCO=2"), 1);
    EXPECT_EQ(Contar("SELECT count(*) FROM T02_COMUNDECLA WHERE T02_CSDE=20"), 1);
    EXPECT_EQ(Contar("SELECT count(*) FROM T03_731DECLA WHERE T03_CSDE=20"), 1);
    EXPECT_FALSE(BaseAbierta());
}

TEST_F(BorrarDeclarante, ResultadoSegunLaClave) {
    vb::Long sinFila = 77, cero = 0;
    EXPECT_EQ(Servicio()->BorrarDeclarante(sinFila), -1);
    EXPECT_EQ(Servicio()->BorrarDeclarante(cero), 0);
    EXPECT_EQ(De("T01_DECLARANTES"), 2);
}

TEST_F(BorrarDeclarante, UnFalloAMitadNoBorraNada) {
    // The taxpayer's own row cannot be deleted: the declarations already deleted come back.
    Sql("CREATE TRIGGER bloqueo BEFORE DELETE ON T01_DECLARANTES BEGIN SELECT RAISE(ABORT, 'locked'); END");
    const std::string antes = Foto();
    vb::Long csco = 1;
    EXPECT_NE(NumeroDeError([&] { Servicio()->BorrarDeclarante(csco); }), 0);
    EXPECT_EQ(Foto(), antes);
    EXPECT_FALSE(BaseAbierta());
}

}  // namespace
