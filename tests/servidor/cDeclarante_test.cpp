#include <tuple>
#include <vector>

#include "servicios/cDeclarante.h"
#include "tablas/cT01.h"
#include "servidor/utiles_prueba.h"

using brunsel::cDeclarante;
using prueba::BaseAbierta;
using prueba::Describir;
using prueba::Lectura;

namespace {

using Textos = std::vector<std::string>;

class Declarantes : public prueba::ConBase {
protected:
    vb::Long filas = -1;

    // A fresh object by ProgID with both paths, as the program makes one per operation.
    std::shared_ptr<cDeclarante> Servicio() {
        auto s = com::CreateObject<cDeclarante>("Brunsel.cDeclarante");
        s->mdbnameL(bd.Lec());
        s->mdbnameM(bd.Mod());
        return s;
    }
    void Alta(vb::Long csco, const std::string& nif, const std::string& nombre, int provincia = 20, int municipio = 79,
              const std::string& nommun = "", double n731 = 0, double n732 = 0) {
        Lectura(bd.Mod()).BD().Execute(
            "INSERT INTO T01_DECLARANTES (T01_CSCO,T01_DNI,T01_NOMBRE,T01_CODPROV,T01_CODMUN,T01_NOMMUN,"
            "T01_NUM731,T01_NUM732) VALUES (?,?,?,?,?,?,?,?)",
            0, {csco, nif, nombre, vb::Long(provincia), vb::Long(municipio), nommun, n731, n732});
    }
    vb::Long Contar(const std::string& sql) { return Lectura(bd.Mod()).Contar(sql); }
    std::string Foto() { return Lectura(bd.Mod()).Foto(); }
    vb::Variant Lista(vb::Integer orden, vb::Integer idioma) {
        vb::Variant b = "previous content";
        filas = Servicio()->dameResultado(b, orden, idioma);
        return b;
    }
    vb::Variant Ultimos() {
        vb::Variant b = "previous content";
        Servicio()->ObtenerUltimosDeclarantes(b);
        return b;
    }
};

// One column of a (column, row) list as texts, row by row.
Textos Columna(const vb::Variant& lista, vb::Long columna) {
    Textos r;
    for (vb::Long fila = 0; fila <= lista.UBound(2); ++fila) r.push_back(lista(columna, fila).CStr());
    return r;
}

// Every cell of a (row, column) or (column, row) list from the given one on is Empty.
void EsperarVacias(const vb::Variant& l, vb::Long desde = 0) {
    for (vb::Long i = desde; i <= l.UBound(1); ++i)
        for (vb::Long j = 0; j <= l.UBound(2); ++j) EXPECT_TRUE(l(i, j).IsEmpty()) << i << "," << j;
}

TEST_F(Declarantes, UltimosConClaves5Y9) {
    Alta(5, "11111111H", "CINCO");
    Alta(9, "22222222J", "NUEVE");
    vb::Variant b = Ultimos();
    ASSERT_EQ(b.UBound(1), 3);  // the row is the first index
    ASSERT_EQ(b.UBound(2), 2);
    EXPECT_EQ(Describir(b(0, 0)) + b(0, 1).CStr() + b(0, 2).CStr(), "Long:922222222JNUEVE");
    EXPECT_EQ(Describir(b(1, 0)) + b(1, 1).CStr() + b(1, 2).CStr(), "Long:511111111HCINCO");
    EsperarVacias(b, 2);
    EXPECT_FALSE(BaseAbierta());
    for (int k = 1; k <= 8; ++k) Alta(10 + k, "N" + std::to_string(k), "X");
    b = Ultimos();
    for (vb::Long fila = 0; fila < 4; ++fila) EXPECT_EQ(b(fila, 0).CLng(), 18 - fila) << "the four highest keys";
}

TEST_F(Declarantes, SinDeclarantesLasListasTienenUnaFilaVacia) {
    vb::Variant l = Lista(1, 0), exportar, ultimos = Ultimos();
    EXPECT_EQ(filas, 0);
    vb::Integer orden = 2;
    EXPECT_EQ(Servicio()->dameResultadoExportar(exportar, orden), 0);
    for (auto [lista, ultima] : {std::pair{l, 6}, {exportar, 16}}) {
        ASSERT_EQ(lista.Dimensiones(), 2);
        EXPECT_EQ(lista.LBound(1) + lista.LBound(2) + lista.UBound(2), 0);
        EXPECT_EQ(lista.UBound(1), ultima);
        EsperarVacias(lista);
    }
    ASSERT_EQ(ultimos.UBound(1), 3);
    EsperarVacias(ultimos);
    EXPECT_FALSE(BaseAbierta());
}

TEST_F(Declarantes, ListaConNombresEnAmbosIdiomasYVaciosSiFaltanEnLaReferencia) {
    Alta(1, "33333333P", "ARANA", 20, 7, "", 3, 1);       // home province: named by its code
    Alta(2, "11111111H", "ZUBIA", 48, 0, "BELDRO AUZOA");  // another province: its own name
    Alta(3, "22222222J", "MENDI", 99, 998, "");           // codes the reference data lacks
    Alta(0, "00000000T", "CLAVE CERO");                   // keys below 1 are never listed
    vb::Variant l = Lista(1, 0);
    EXPECT_EQ(filas, 3);
    ASSERT_EQ(l.UBound(1), 6);
    ASSERT_EQ(l.UBound(2), 2);
    EXPECT_EQ(Columna(l, 1), (Textos{"11111111H", "22222222J", "33333333P"}));
    EXPECT_EQ(Columna(l, 3), (Textos{"BELDRO AUZOA", "", "ALBORTZE"}));
    EXPECT_EQ(Columna(l, 4), (Textos{"PROVINCIA ESTERVIA", "", "KELMORIA"}));
    EXPECT_EQ(Describir(l(0, 2)) + Describir(l(2, 2)) + Describir(l(5, 2)) + Describir(l(6, 2)),
              "Long:1String:\"ARANA\"Double:3Double:1");
    EXPECT_FALSE(BaseAbierta());
    l = Lista(2, 10000);  // Basque, by name
    EXPECT_EQ(Columna(l, 2), (Textos{"ARANA", "MENDI", "ZUBIA"}));
    EXPECT_EQ(Columna(l, 3), (Textos{"ALBORTZE", "", "BELDRO AUZOA"}));
    EXPECT_EQ(Columna(l, 4), (Textos{"KELMORIA", "", "ESTERBIA PROBINTZIA"}));
}

// A save buffer of a taxpayer of the home province.
vb::Variant Buffer(vb::Long csco, const std::string& nif, const std::string& nombre = "ZUBIRI") {
    const std::vector<vb::Variant> v = {csco, nif,     nombre, "CL", "NAGUSIA",   "12B", "B",  "1",  "3",
                                        "IZQ", "20",   "20001", "079", "",        "943000000", "3", "1,5"};
    auto b = vb::Variant::Array1(0, 16);
    for (vb::Long i = 0; i <= 16; ++i) b(i) = v[static_cast<size_t>(i)];
    return b;
}

TEST_F(Declarantes, GuardarUnNuevoCargarloYExportarlo) {
    Alta(5, "22222222J", "ARANA");
    auto s = Servicio();
    vb::Variant b = Buffer(0, "11111111H"), cargado, exportado;
    EXPECT_EQ(s->GuardarDeclarante(b), 0);
    std::string nif = "11111111H";
    vb::Long csco = s->ObtenerCodigoDeclarante(nif);
    ASSERT_GE(csco, 1);
    EXPECT_EQ(Describir(b(0)), "Long:" + std::to_string(csco));  // the save gives the key it stored
    s->CargarDeclarante(csco, cargado);
    vb::Integer orden = 2;
    EXPECT_EQ(s->dameResultadoExportar(exportado, orden), 2);
    ASSERT_EQ(exportado.UBound(1), 16);
    EXPECT_EQ(Columna(exportado, 2), (Textos{"ARANA", "ZUBIRI"}));
    // Slots in table order; slot 16 takes the number "1,5" begins with. The export gives codes as numbers.
    const char* carga[] = {"",           "String:\"11111111H\"", "String:\"ZUBIRI\"", "String:\"CL\"",
                           "String:\"NAGUSIA\"", "Long:12", "String:\"B\"", "String:\"1\"", "String:\"3\"",
                           "String:\"IZQ\"", "String:\"20\"", "String:\"20001\"", "String:\"79\"", "String:\"\"",
                           "String:\"943000000\"", "Double:3", "Double:1"};
    ASSERT_EQ(cargado.UBound(), 16);
    EXPECT_EQ(Describir(cargado(0)), "Long:" + std::to_string(csco));
    for (vb::Long i = 1; i <= 16; ++i) {
        EXPECT_EQ(Describir(cargado(i)), carga[i]) << i;
        const bool numero = i == 10 || i == 11 || i == 12 || i == 14;
        EXPECT_EQ(Describir(exportado(i, 1)), numero ? "Long:" + cargado(i).CStr() : carga[i]) << i;
    }
    EXPECT_FALSE(BaseAbierta());
}

// Every cell of a (column, row) list, described with its type.
std::string Celdas(const vb::Variant& lista) {
    std::string r;
    for (vb::Long fila = 0; fila <= lista.UBound(2); ++fila)
        for (vb::Long columna = 0; columna <= lista.UBound(1); ++columna) r += Describir(lista(columna, fila)) + "|";
    return r;
}

// The export list read again after the register shrank, and over a table with a column the
// list does not carry, gives the same 17 columns of the rows that are there.
TEST_F(Declarantes, ExportarDeNuevoTrasBorrarYConUnaColumnaDeMas) {
    Alta(1, "33333333P", "ARANA", 20, 7, "", 3, 1);
    Alta(2, "11111111H", "ZUBIA", 48, 0, "BELDRO AUZOA");
    Alta(3, "22222222J", "MENDI");
    vb::Integer orden = 1;
    vb::Variant lista = "previous content";
    ASSERT_EQ(Servicio()->dameResultadoExportar(lista, orden), 3);
    EXPECT_EQ(Columna(lista, 1), (Textos{"11111111H", "22222222J", "33333333P"}));
    Lectura(bd.Mod()).BD().Execute("DELETE FROM T01_DECLARANTES WHERE T01_CSCO = 3");
    ASSERT_EQ(Servicio()->dameResultadoExportar(lista, orden), 2);
    ASSERT_EQ(std::pair(lista.UBound(1), lista.UBound(2)), std::pair(16, 1));
    const std::string dos = Celdas(lista);
    EXPECT_EQ(dos.substr(0, 41), "Long:2|String:\"11111111H\"|String:\"ZUBIA\"|");
    BdPrueba::AnadirColumnaObligatoria(bd.Mod(), "T01_DECLARANTES");
    ASSERT_EQ(Servicio()->dameResultadoExportar(lista, orden), 2);
    EXPECT_EQ(lista.UBound(1), 16);
    EXPECT_EQ(Celdas(lista), dos);
    EXPECT_FALSE(BaseAbierta());
}

// Another connection rebuilds T01 with its columns in another order between two calls: the
// loaded taxpayer and the export list still carry each value in its own slot.
TEST_F(Declarantes, OtraConexionReordenaLasColumnasEntreDosLlamadas) {
    Alta(1, "33333333P", "ARANA", 20, 7, "", 3, 1);
    Lectura(bd.Mod()).BD().Execute("UPDATE T01_DECLARANTES SET T01_VIA = 'CL', T01_DOMICILIO = 'NAGUSIA'");
    vb::Long csco = 1;
    vb::Integer orden = 1;
    vb::Variant antes, despues, lista;
    Servicio()->CargarDeclarante(csco, antes);
    ASSERT_EQ(Servicio()->dameResultadoExportar(lista, orden), 1);
    const std::string exportada = Celdas(lista);
    std::string columnas = "T01_CSCO";
    for (int i = 16; i >= 1; --i) columnas += std::string(",") + brunsel::kColumnasT01[i].nombre;
    dao::EjecutarGuion(Lectura(bd.Mod()).BD(), "CREATE TABLE T01_NUEVA AS SELECT " + columnas +
                                                   " FROM T01_DECLARANTES; DROP TABLE T01_DECLARANTES; "
                                                   "ALTER TABLE T01_NUEVA RENAME TO T01_DECLARANTES;");
    Servicio()->CargarDeclarante(csco, despues);
    for (vb::Long i = 0; i <= 16; ++i) EXPECT_EQ(Describir(despues(i)), Describir(antes(i))) << i;
    EXPECT_EQ(Describir(despues(4)), "String:\"NAGUSIA\"");
    ASSERT_EQ(Servicio()->dameResultadoExportar(lista, orden), 1);
    EXPECT_EQ(Celdas(lista), exportada);
}

TEST_F(Declarantes, GuardarNuevoOExistenteConNifPropioOAjeno) {
    Alta(1, "11111111H", "UNO");
    Alta(2, "22222222J", "DOS");
    auto s = Servicio();
    auto guardar = [&](vb::Long csco, const std::string& nif, const std::string& nombre) {
        vb::Variant b = Buffer(csco, nif, nombre);
        return s->GuardarDeclarante(b);
    };
    const std::string antes = Foto();  // refusals write nothing
    EXPECT_EQ(guardar(0, "22222222J", "OTRO"), 1);      // new, with a registered NIF
    EXPECT_EQ(guardar(1, "22222222J", "UNO TRES"), 2);  // existing, taking another's NIF
    EXPECT_EQ(guardar(7, "11111111H", "SIN FILA"), 2);  // a missing key with another's NIF
    EXPECT_EQ(Foto(), antes);
    // Storing nothing is an error: a new taxpayer without NIF, a key without a row.
    for (const auto& caso : {std::pair<vb::Long, std::string>{0, ""}, {7, "33333333P"}, {-1, "33333333P"}}) {
        EXPECT_EQ(NumeroDeError([&] { guardar(caso.first, caso.second, "X"); }), brunsel::errDeclaranteNoGuardado)
            << caso.first;
        EXPECT_FALSE(BaseAbierta());
    }
    EXPECT_EQ(Foto(), antes);
    vb::Variant rechazado = Buffer(0, "22222222J", "OTRO");
    EXPECT_EQ(s->GuardarDeclarante(rechazado), 1);
    EXPECT_EQ(rechazado(0).CLng(), 0);  // a refused buffer is left as it was
    EXPECT_EQ(guardar(1, "11111111H", "UNO BIS"), 0);  // existing, its own NIF
    EXPECT_EQ(Lectura(bd.Mod()).Valor("SELECT T01_NOMBRE FROM T01_DECLARANTES WHERE T01_CSCO=1").CStr(), "UNO BIS");
    EXPECT_EQ(guardar(1, "33333333P", "UNO"), 0);  // existing, a free NIF
    std::string nuevo = "33333333P";
    EXPECT_EQ(s->ObtenerCodigoDeclarante(nuevo), 1);
    EXPECT_EQ(Contar("SELECT count(*) FROM T01_DECLARANTES"), 2);
}

// The counters are the library's: an update never writes the ones of the buffer, which the
// window loaded before another copy of the program saved a declaration.
TEST_F(Declarantes, ModificarConservaLosContadoresGuardados) {
    Alta(1, "11111111H", "UNO", 20, 79, "", 3, 1);
    vb::Variant b = Buffer(1, "11111111H", "UNO BIS");
    b(15) = "0", b(16) = "7";
    EXPECT_EQ(Servicio()->GuardarDeclarante(b), 0);
    EXPECT_EQ(Lectura(bd.Mod()).Valor("SELECT T01_NOMBRE || ',' || CAST(T01_NUM731 AS INT) || ',' || "
                                      "CAST(T01_NUM732 AS INT) FROM T01_DECLARANTES").CStr(),
              "UNO BIS,3,1");
}

// Names sort in Spanish order (accents with their letter, Ñ after N) and NIFs compare without
// regard to case, also for letters beyond ASCII.
TEST_F(Declarantes, OrdenYMayusculasEnEspanol) {
    const Textos nombres = {"ZUBIA", "ñandu", "ÁLAMO", "NORA", "ABEDUL", "OLMO", "álamo bis"};
    for (size_t i = 0; i < nombres.size(); ++i)
        Alta(static_cast<vb::Long>(i + 1), "N" + std::to_string(i), nombres[i]);
    Alta(20, "Ñ1234567A", "EÑE");
    EXPECT_EQ(Columna(Lista(2, 0), 2),
              (Textos{"ABEDUL", "ÁLAMO", "álamo bis", "EÑE", "NORA", "ñandu", "OLMO", "ZUBIA"}));
    EXPECT_EQ(Columna(Lista(1, 0), 1).back(), "Ñ1234567A");  // Ñ after N, so after every "N…"

    auto s = Servicio();
    std::string minuscula = "ñ1234567A";
    EXPECT_EQ(s->ObtenerCodigoDeclarante(minuscula), 20);
    EXPECT_EQ(s->ExisteContribuyente(minuscula), 20);
    vb::Variant nuevo = Buffer(0, minuscula), ajeno = Buffer(1, minuscula);
    EXPECT_EQ(s->GuardarDeclarante(nuevo), 1);
    EXPECT_EQ(s->GuardarDeclarante(ajeno), 2);
    vb::Variant propio = Buffer(20, minuscula, "EÑE");  // its own NIF in another case: an update
    EXPECT_EQ(s->GuardarDeclarante(propio), 0);
    EXPECT_EQ(Contar("SELECT count(*) FROM T01_DECLARANTES"), 8);
}

TEST_F(Declarantes, ValidarLlevaCadaCasillaASuCampo) {
    auto componente = prueba::ComponenteNif([] { return true; });
    auto s = Servicio();
    const Textos valido = {"11111111H", "ZUBIRI", "NAGUSIA", "20", "20001", "79", "", "943000000"};
    const std::tuple<vb::Long, std::string, int> casos[] = {
        {-1, "", 0}, {1, "", 2}, {2, "", 3}, {3, "48", 5}, {4, "20000", 7}, {5, "0", 9}, {7, "1234", 11}};
    for (const auto& [casilla, valor, codigo] : casos) {
        auto b = vb::Variant::Array1(0, 7);
        for (vb::Long i = 0; i < 8; ++i) b(i) = i == casilla ? valor : valido[static_cast<size_t>(i)];
        EXPECT_EQ(s->ValidarDatosDeclarante(b), codigo) << "slot " << casilla;
    }
}

// Taxpayer 1: one declaration of each form, one whose form text is empty (its boxes in the
// form-732 table) and one whose text says 732 while its boxes are form-731 ones.
class BorrarDeclarante : public Declarantes {
protected:
    void SetUp() override {
        prueba::DosDeclarantes(bd.Mod());
        Sql("INSERT INTO T02_COMUNDECLA (T02_CSDE,T02_CSCO,T02_MODELO) VALUES "
            "(10,1,'731'),(11,1,'732'),(12,1,''),(13,1,'732'),(20,2,'731');"
            "INSERT INTO T03_731DECLA (T03_CSDE) VALUES (10),(13),(20);"
            "INSERT INTO T04_732DECLA (T04_CSDE) VALUES (11),(12)");
    }
};

TEST_F(BorrarDeclarante, BorraCabecerasYDetallesDeAmbosModelos) {
    vb::Long csco = 1, sinFila = 77, cero = 0;
    EXPECT_EQ(Servicio()->BorrarDeclarante(cero), 0);
    EXPECT_EQ(Servicio()->BorrarDeclarante(sinFila), -1);
    EXPECT_EQ(Contar("SELECT count(*) FROM T01_DECLARANTES"), 2);
    EXPECT_EQ(Servicio()->BorrarDeclarante(csco), -1);
    // Only the other taxpayer's rows are left.
    EXPECT_EQ(Lectura(bd.Mod()).Valor("SELECT (SELECT group_concat(T01_CSCO) FROM T01_DECLARANTES) || (SELECT "
                                      "group_concat(T02_CSDE) FROM T02_COMUNDECLA) || (SELECT group_concat(T03_CSDE) "
                                      "FROM T03_731DECLA) || (SELECT count(*) FROM T04_732DECLA)").CStr(), "220200");
    EXPECT_FALSE(BaseAbierta());
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
