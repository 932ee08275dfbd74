#include <functional>

#include "cliente/prueba.h"
#include "comun/errores.h"
#include "form732/buffers732.h"
#include "form732/cDatos732.h"
#include "compartido/cDecResumen.h"
#include "servicios/buffers_declaracion.h"
#include "tablas/cT04.h"

using oxalde::cDatos732;
using oxalde::cDecResumen;

namespace {

cDatos732& D() { return cDatos732::Instancia(); }

// A new quarterly declaration of taxpayer 1 on fresh databases.
class Registro732 : public prueba::Principal {
protected:
    void SetUp() override {
        Principal::SetUp();
        Sql("INSERT INTO T01_DECLARANTES (T01_CSCO, T01_DNI, T01_NOMBRE) VALUES (1, '12345678Z', 'UNO')");
        Cabecera(1, "12345678Z", "732", 2);
        Nueva("P", 20110630, 2011, "2T");
    }
    void TearDown() override {
        Cabecera(0, "", "", 0);
        Nueva("", 0, 0, "");
        Principal::TearDown();
    }

    static void Cabecera(vb::Long csco, const QString& dni, const QString& modelo, vb::Byte tipologia) {
        auto& c = cDecResumen::Instancia();
        c.CSCO(csco);
        c.DNI(dni);
        c.Modelo(modelo);
        c.TIPOLOGIA(tipologia);
    }
    std::string Texto(const std::string& sql) { return Valor(sql).CStr(); }

    // The declarations window's order: MODO, then MODOP; the header carries the date.
    static void Nueva(const QString& modop, vb::Long fecha, vb::Integer ejercicio, const QString& periodo) {
        D().MODO("A");
        D().MODOP(modop);
        auto& c = cDecResumen::Instancia();
        c.MODOP(modop);
        c.FECHA(fecha);
        c.Ejercicio(ejercicio);
        c.PERIODO(periodo);
    }

    // Every stored field with a value of its own (the means chosen first, so nothing is cleared).
    static void Rellenar(const QString& medio) {
        auto& d = D();
        d.TMEDIO(medio);
        using LetTexto = void (cDatos732::*)(const QString&);
        const std::pair<LetTexto, const char*> textos[] = {{&cDatos732::TRANIF, "X1234567L"},
                                                           {&cDatos732::TRANOM, "TRANSMITENTE"},
                                                           {&cDatos732::TRADIRECC, "MAYOR 1"},
                                                           {&cDatos732::TRAPROVINCIA, "KELMORIA"},
                                                           {&cDatos732::TRAPAIS, "PAIS"},
                                                           {&cDatos732::SITTIB1, "X"},
                                                           {&cDatos732::SITTIB3, "X"},
                                                           {&cDatos732::SITTIB6, "X"},
                                                           {&cDatos732::HECHO1, "X"},
                                                           {&cDatos732::HECHO4, "X"},
                                                           {&cDatos732::HECHO6, "X"},
                                                           {&cDatos732::MARCAV, "MARCA"},
                                                           {&cDatos732::TIPOV, "TURISMO"},
                                                           {&cDatos732::MODELOV, "MODELO V"},
                                                           {&cDatos732::NBASTIDOR, "BASTIDOR 9"},
                                                           {&cDatos732::FABRICB, "ASTILLERO"},
                                                           {&cDatos732::NCONSTRUC, "C-77"},
                                                           {&cDatos732::MODELOB, "VELERO"},
                                                           {&cDatos732::FABRICA, "AVIONES"},
                                                           {&cDatos732::NSERIE, "S-1"},
                                                           {&cDatos732::MODELOA, "BIMOTOR"}};
        for (auto [let, valor] : textos) (d.*let)(valor);
        d.CLASIF(1234);
        d.ESLORAMAX(12.35f);
        d.PESOMAX(123456);
        d.ANOFAB(1999);
        double cents = 101;
        using Let = void (cDatos732::*)(double);
        for (Let let : std::initializer_list<Let>{
                 &cDatos732::BASE16, &cDatos732::CUOTA16, &cDatos732::BASE7, &cDatos732::CUOTA7, &cDatos732::BASE4,
                 &cDatos732::CUOTA4, &cDatos732::BAEQ4, &cDatos732::CUEQ4, &cDatos732::BAEQ175, &cDatos732::CUEQ175,
                 &cDatos732::BAEQ1, &cDatos732::CUEQ1, &cDatos732::BAEQ05, &cDatos732::CUEQ05, &cDatos732::TOTAL})
            (d.*let)(cents++);
    }
};

// Each column of the stored detail row against the record's field of the same name.
struct Columna {
    const char* nombre;
    std::function<std::string(const cDatos732&)> campo;
};
#define TEXTO(c) {"T04_" #c, [](const cDatos732& d) { return d.c().toStdString(); }}
#define NUMERO(c) {"T04_" #c, [](const cDatos732& d) { return vb::Variant(d.c()).CStr(); }}
const std::vector<Columna> kColumnas = {
    TEXTO(TRANIF),     TEXTO(TRANOM),
    TEXTO(TRADIRECC),  {"T04_TRAPROV", [](const cDatos732& d) { return d.TRAPROVINCIA().toStdString(); }},
    TEXTO(TRAPAIS),    TEXTO(SITTIB1),
    TEXTO(SITTIB2),    TEXTO(SITTIB3),
    TEXTO(SITTIB4),    TEXTO(SITTIB5),
    TEXTO(SITTIB6),    TEXTO(HECHO1),
    TEXTO(HECHO2),     TEXTO(HECHO3),
    TEXTO(HECHO4),     TEXTO(HECHO5),
    TEXTO(HECHO6),     TEXTO(TMEDIO),
    TEXTO(MARCAV),     TEXTO(TIPOV),
    TEXTO(MODELOV),    TEXTO(NBASTIDOR),
    NUMERO(CLASIF),    TEXTO(FABRICB),
    NUMERO(ESLORAMAX), TEXTO(NCONSTRUC),
    TEXTO(MODELOB),    TEXTO(FABRICA),
    NUMERO(PESOMAX),   TEXTO(NSERIE),
    NUMERO(ANOFAB),    TEXTO(MODELOA),
    NUMERO(BASE16),    NUMERO(CUOTA16),
    NUMERO(BASE7),     NUMERO(CUOTA7),
    NUMERO(BASE4),     NUMERO(CUOTA4),
    NUMERO(BAEQ4),     NUMERO(CUEQ4),
    NUMERO(BAEQ175),   NUMERO(CUEQ175),
    NUMERO(BAEQ1),     NUMERO(CUEQ1),
    NUMERO(BAEQ05),    NUMERO(CUEQ05),
    NUMERO(TOTAL),
};
#undef TEXTO
#undef NUMERO

TEST_F(Registro732, ModoNuevoVaciaTodoSalvoTipoYPestana) {
    Rellenar("V");
    D().CSDE(9);
    D().MARCAB("MB");
    D().PESTANA(4);
    D().MODO("C");
    EXPECT_EQ(D().TRANIF(), "X1234567L");  // "C" only stores
    D().MODO("A");
    EXPECT_EQ(D().CSDE(), 0);
    EXPECT_EQ(D().MODOP(), "P");
    EXPECT_EQ(D().PESTANA(), 4);
    EXPECT_TRUE(D().MARCAB().isEmpty());
    vb::Variant vacio = oxalde::BufferCarga732(oxalde::Campos732{});
    EXPECT_TRUE(oxalde::BufferCarga732(D().Campos()) == vacio);
}

TEST_F(Registro732, TipoTransporteYTrimestral) {
    struct Caso {
        const char* modo;
        const char* modop;
        const char* tmedio;      // TMEDIO afterwards
        const char* situaciones; // SITTIB1..6 afterwards, "-" for empty
        const char* hechos;      // HECHO1..6 afterwards
        double base7;            // BASE7 afterwards (103 was stored)
        const char* marcav;
    };
    for (const Caso& c : {Caso{"A", "T", "V", "----X-", "------", 0, "MARCA"},
                          Caso{"C", "T", "B", "----X-", "------", 0, "MARCA"},
                          Caso{"C", "P", "", "X-X--X", "X--X-X", 103, ""},
                          Caso{"C", "Q", "B", "X-X-XX", "XX-X-X", 103, "MARCA"}}) {
        D().MODO(c.modo);
        Rellenar("B");
        D().SITTIB5("X");
        D().HECHO2("X");
        D().MARCAV("MARCA");
        D().MODOP(c.modop);
        using Flag = QString (cDatos732::*)() const;
        auto foto = [](std::initializer_list<Flag> flags) {
            std::string s;
            for (Flag f : flags) s += (D().*f)().isEmpty() ? '-' : 'X';
            return s;
        };
        const std::string sit = foto({&cDatos732::SITTIB1, &cDatos732::SITTIB2, &cDatos732::SITTIB3,
                                      &cDatos732::SITTIB4, &cDatos732::SITTIB5, &cDatos732::SITTIB6});
        const std::string hec = foto({&cDatos732::HECHO1, &cDatos732::HECHO2, &cDatos732::HECHO3,
                                      &cDatos732::HECHO4, &cDatos732::HECHO5, &cDatos732::HECHO6});
        const std::string caso = std::string(c.modo) + c.modop;
        EXPECT_EQ(D().TMEDIO(), c.tmedio) << caso;
        EXPECT_EQ(sit, c.situaciones) << caso;
        EXPECT_EQ(hec, c.hechos) << caso;
        EXPECT_EQ(D().BASE7(), c.base7) << caso;
        EXPECT_EQ(D().CUEQ05(), c.base7 == 0 ? 0 : 114) << caso;
        EXPECT_EQ(D().BASE16(), 101) << caso;
        EXPECT_EQ(D().TOTAL(), 115) << caso;
        EXPECT_EQ(D().MARCAV(), c.marcav) << caso;
        EXPECT_EQ(D().TRANIF(), "X1234567L") << caso;
    }
}

TEST_F(Registro732, MedioLimpiaLosDatosDeLosOtrosDos) {
    struct Caso {
        const char* medio;
        bool vehiculo, barco, aeronave;  // whose data stays
    };
    for (const Caso& c : {Caso{"V", true, false, false}, Caso{"B", false, true, false}, Caso{"A", false, false, true},
                          Caso{"X", true, true, true}, Caso{"", true, true, true}}) {
        Rellenar("X");
        D().MARCAB("MB");
        D().TIPOA("TA");
        D().TMEDIO(c.medio);
        EXPECT_EQ(D().TMEDIO(), c.medio);
        EXPECT_EQ(!D().NBASTIDOR().isEmpty() && D().CLASIF() == 1234, c.vehiculo) << c.medio;
        EXPECT_EQ(!D().MARCAB().isEmpty() && D().ESLORAMAX() != 0 && !D().MODELOB().isEmpty(), c.barco) << c.medio;
        EXPECT_EQ(!D().TIPOA().isEmpty() && D().PESOMAX() != 0 && D().ANOFAB() != 0, c.aeronave) << c.medio;
    }
}

TEST_F(Registro732, ImportesEnCentimosYEsloraConDosDecimales) {
    for (auto [dado, guardado] : {std::pair{1234.5, 1235.0}, {-1234.5, -1235.0}, {1234.49, 1234.0}, {0.5, 1.0}}) {
        D().CUEQ1(dado);
        EXPECT_EQ(D().CUEQ1(), guardado) << dado;
    }
    D().ESLORAMAX(12.345f);
    EXPECT_FLOAT_EQ(D().ESLORAMAX(), 12.35f);
}

TEST_F(Registro732, FechaDeLaComprobacion) {
    EXPECT_EQ(oxalde::strFecha("P", 0, 2012, "3T"), "20120930");
    EXPECT_EQ(oxalde::strFecha("P", 20120915, 2011, "1T"), "20110331");
    EXPECT_EQ(oxalde::strFecha("T", 20120915, 2012, "OA"), "20120915");
    EXPECT_EQ(oxalde::strFecha("P", 0, 2012, "OA"), "0");
}

// The library reads each slot of the validation buffer into the column it belongs to.
TEST_F(Registro732, BufferDeValidacionEnElOrdenDeLaBiblioteca) {
    Nueva("T", 20120915, 2012, "OA");
    Rellenar("V");
    vb::Variant b = oxalde::BufferValidacion732(D(), cDecResumen::Instancia());
    ASSERT_EQ(b.UBound(), 41);
    brunsel::cT04 fila;
    brunsel::LeerCasillas(b, 0, brunsel::CasillasValidacion732(), fila);
    EXPECT_EQ(fila.MODOP(), "T");
    EXPECT_EQ(fila.PrimeraLetra(), "1");
    EXPECT_EQ(fila.datT04_TRAPROV(), "KELMORIA");
    EXPECT_EQ(fila.datT04_TRAPAIS(), "PAIS");
    EXPECT_EQ(fila.datT04_CLASIF(), 1234);
    EXPECT_EQ(fila.datT04_NSERIE(), "S-1");
    EXPECT_EQ(fila.datT04_ANOFAB(), 1999);
    EXPECT_EQ(fila.datT04_BAEQ05(), D().BAEQ05());
    EXPECT_EQ(fila.datT04_TOTAL(), D().TOTAL());
    EXPECT_EQ(fila.datT04_CUOTA16(), D().CUOTA16());
    EXPECT_EQ(fila.datT04_CUEQ1(), D().CUEQ1());
    EXPECT_EQ(*b(24).Si<vb::Integer>(), 1234);

    cDecResumen::Instancia().DNI("");
    EXPECT_EQ(oxalde::BufferValidacion732(D(), cDecResumen::Instancia())(1).CStr(), "");
    vb::Variant g = oxalde::BufferDeclaracion732(D(), cDecResumen::Instancia());
    EXPECT_EQ(g(3).CStr(), "");
    EXPECT_EQ(g(9).CStr(), "X1234567L");
    EXPECT_EQ(g.UBound(), 55);
}

// A new declaration of each kind goes through the library into its own columns and comes back
// the same, slot by slot; the key is the new highest one and the taxpayer's counter goes up.
TEST_F(Registro732, GuardarYCargarCadaTipo) {
    for (auto [modop, fecha, ejercicio, periodo] :
         {std::tuple{"P", 20110630, 2011, "2T"}, std::tuple{"T", 20120915, 2012, "OA"}}) {
        Nueva(modop, fecha, static_cast<vb::Integer>(ejercicio), periodo);
        Rellenar(modop == std::string("P") ? "" : "A");
        D().HECHO2(modop == std::string("P") ? "" : "X");
        const vb::Variant antes = oxalde::BufferCarga732(D().Campos());

        const vb::Long clave = oxalde::GuardarDeclaracion732();
        EXPECT_EQ(std::to_string(clave), Texto("SELECT MAX(T02_CSDE) FROM T02_COMUNDECLA"));
        EXPECT_EQ(Texto("SELECT T02_MODO || T02_FECHA || T02_PERIODO || T02_LETRADNI || T02_MODELO FROM T02_COMUNDECLA "
                        "WHERE T02_CSDE = " + std::to_string(clave)),
                  modop + std::to_string(fecha) + periodo + "1732");
        for (const Columna& c : kColumnas)
            EXPECT_EQ(Texto(std::string("SELECT ") + c.nombre + " FROM T04_732DECLA WHERE T04_CSDE = " +
                            std::to_string(clave)),
                      c.campo(D()))
                << modop << " " << c.nombre;

        D().MODO("A");
        D().MODOP(modop);
        D().CargarDeclaracion(clave);
        const vb::Variant despues = oxalde::BufferCarga732(D().Campos());
        for (vb::Long i = 0; i < oxalde::kCasillasCarga732; ++i)
            EXPECT_TRUE(despues(i) == antes(i))
                << modop << " slot " << i << ": " << despues(i).CStr() << " / " << antes(i).CStr();
    }
    EXPECT_EQ(Texto("SELECT CAST(T01_NUM732 AS INT) FROM T01_DECLARANTES WHERE T01_CSCO = 1"), "2");
}

TEST_F(Registro732, CargaSinRedondeoYSinTocarLoQueNoSeGuarda) {
    Rellenar("");
    const vb::Long clave = oxalde::GuardarDeclaracion732();
    Sql("UPDATE T04_732DECLA SET T04_BASE16 = 10.5");
    D().MODO("C");
    D().PESTANA(3);
    D().CSDE(77);
    D().MARCAB("MB");
    D().TIPOB("TB");
    D().MARCAA("MA");
    D().TIPOA("TA");
    D().CargarDeclaracion(clave);
    EXPECT_EQ(D().BASE16(), 10.5);
    EXPECT_EQ(D().TRANIF(), "X1234567L");
    EXPECT_EQ(D().MODO() + D().MODOP() + D().MARCAB() + D().TIPOB() + D().MARCAA() + D().TIPOA(), "CPMBTBMATA");
    EXPECT_EQ(D().PESTANA(), 3);
    EXPECT_EQ(D().CSDE(), 77);

    D().CargarDeclaracion(clave + 1);  // no such declaration: an empty one
    EXPECT_TRUE(D().TRANIF().isEmpty());
    EXPECT_EQ(D().TOTAL(), 0);
}

// A load that fails on one slot leaves the whole record as it was.
TEST_F(Registro732, CargaFallidaNoCambiaNada) {
    Rellenar("");
    const vb::Long clave = oxalde::GuardarDeclaracion732();
    Sql("UPDATE T04_732DECLA SET T04_TRANIF = 'NUEVO', T04_PESOMAX = 'mucho'");
    D().TRANIF("ANTERIOR");
    const vb::Variant antes = oxalde::BufferCarga732(D().Campos());
    EXPECT_NE(NumeroDeError([&] { D().CargarDeclaracion(clave); }), 0);
    EXPECT_TRUE(oxalde::BufferCarga732(D().Campos()) == antes);

    vb::Variant b = antes;
    b(30) = "ocho";  // ANOFAB
    oxalde::Campos732 campos;
    EXPECT_EQ(NumeroDeError([&] { oxalde::LeerBufferCarga732(b, campos); }), vb::errTipos);
}

// Saving a declaration that was deleted meanwhile writes nothing and answers no key.
TEST_F(Registro732, GuardarUnaDeclaracionBorradaNoDaClave) {
    Rellenar("");
    const vb::Long clave = oxalde::GuardarDeclaracion732();
    Sql("DELETE FROM T04_732DECLA; DELETE FROM T02_COMUNDECLA;");
    D().CSDE(clave);
    EXPECT_LT(oxalde::GuardarDeclaracion732(), 1);
    EXPECT_EQ(Texto("SELECT COUNT(*) FROM T02_COMUNDECLA"), "0");
    EXPECT_EQ(D().CSDE(), clave);
}

// The library checks a quarterly declaration on its quarter's last day: typed quotas are checked
// against the rates only in the third quarter of 2012.
TEST_F(Registro732, ComprobacionEnElUltimoDiaDelTrimestre) {
    for (auto [periodo, codigo] : {std::pair{"3T", 31}, {"4T", 0}}) {
        Nueva("P", 0, 2012, periodo);
        D().SITTIB3("X");
        D().HECHO4("X");
        D().BASE16(10000);
        D().CUOTA16(100);
        D().TOTAL(100);
        EXPECT_EQ(oxalde::ComprobarDeclaracion732(), codigo) << periodo;
    }
    Nueva("T", 20120915, 2012, "OA");
    EXPECT_EQ(oxalde::ComprobarDeclaracion732(), 9);  // no taxable event
}

}  // namespace
