#include <functional>
#include <string>
#include <vector>

#include "form731/cDatos731.h"
#include "prueba.h"
#include "comun/errores.h"
#include "cliente/declaracion731_prueba.h"
#include "compartido/cDecResumen.h"
#include "servicios/cDeclaracion.h"
#include "compartido/procedimientos.h"
#include "form731/buffers731.h"

using namespace oxalde;

namespace {

constexpr char kIban[] = "ES8000190001910000123456";  // entity 0019 of the bank list

class Datos731 : public prueba::Principal, protected prueba::Declaracion731 {
protected:
    void SetUp() override {
        Principal::SetUp();
        Declarantes(1);
        CabeceraDelPrimerDeclarante();
    }

    // Each amount's store and its place in the load order.
    using D = cDatos731;
    std::vector<std::pair<void (D::*)(double), int>> Importes() {
        return {{&D::IVADEV1, 28}, {&D::MAXDEV, 27}, {&D::PREVEN, 25}, {&D::IVASOP, 24}, {&D::PREADQ, 22},
                {&D::resul, 36},   {&D::IVADEV2, 35}, {&D::CUOTA4, 34}, {&D::BASE4, 33},  {&D::CUOTA7, 32},
                {&D::BASE7, 31},   {&D::CUOTA16, 30}, {&D::BASE16, 29}};
    }

    // Every stored member, ACTIVIDAD and CSDE filled.
    void Llenar() {
        d.ADQNIF("N");
        d.ADQNOM("N");
        d.ADQPAIS("P");
        d.TMEDIO("X");
        d.MARCAV("V");
        d.TIPOV("V");
        d.MODELOV("V");
        d.NBASTIDOR("V");
        d.CLASIF(3);
        d.FABRICB("B");
        d.ESLORAMAX(12.5f);
        d.NCONSTRUC("B");
        d.MARCAB("B");
        d.TIPOB("B");
        d.MODELOB("B");
        d.FABRICA("A");
        d.PESOMAX(1500);
        d.NSERIE("A");
        d.ANOFAB(2010);
        d.MARCAA("A");
        d.TIPOA("A");
        d.MODELOA("A");
        d.TIPOADQ(18);
        d.TIPOVEN(8);
        d.CC(kIban);
        d.ACTIVIDAD(-1);
        d.CSDE(7);
        for (auto [guardar, casilla] : Importes()) (d.*guardar)(100);
    }

    // The 38 stored values, then ACTIVIDAD and CSDE.
    std::string Foto() {
        std::string s;
        const vb::Variant b = BufferCarga731(d.Campos());
        for (vb::Long i = 0; i < kCasillasCarga731; ++i) s += b(i).CStr() + "|";
        return s + std::to_string(d.ACTIVIDAD()) + "|" + std::to_string(d.CSDE());
    }

    // The check and save buffers as the entry window fills them.
    vb::Integer Validar() {
        vb::Variant b = BufferValidacion731(d);
        bool preven = false;
        return d.ValidarDatos731(b, preven);
    }
    vb::Long Guardar() {
        vb::Variant b = BufferDeclaracion731(d, r);
        return d.GuardarDeclaracion(b);
    }

    void Trimestre(int ejercicio, const char* periodo) {
        r.Ejercicio(vb::Integer(ejercicio));
        r.PERIODO(periodo);
        r.FECHA(FechaFinTrimestre(r.Ejercicio(), r.PERIODO()));
    }
};

TEST_F(Datos731, CadaImporteYCadaTipoSeRedondeanAlGuardarlos) {
    for (auto [valor, esperado] : {std::pair{1234.5, 1235.0}, {-1234.5, -1235.0}, {-0.5, -1.0}, {0.49, 0.0},
                                   {25924.5, 25925.0}, {987.6, 988.0}, {864.15, 864.0}, {222222.06, 222222.0}})
        for (auto [guardar, casilla] : Importes()) {
            (d.*guardar)(valor);
            EXPECT_EQ(BufferCarga731(d.Campos())(casilla), vb::Variant(esperado)) << valor << " " << casilla;
        }
    // Narrowed to a Single, then two decimals: the Single nearest 12.345 lies just above it.
    for (auto [valor, esperado] : {std::pair{7.125f, 7.13f}, {12.345f, 12.35f}, {-7.125f, -7.13f}}) {
        d.TIPOADQ(valor);
        d.TIPOVEN(valor);
        d.ESLORAMAX(valor);
        EXPECT_EQ(std::vector<float>({d.TIPOADQ(), d.TIPOVEN(), d.ESLORAMAX()}), std::vector<float>(3, esperado));
    }
}

TEST_F(Datos731, LosCambiosDeModoTipoYMedioVacianLoQueNoLesToca) {
    const std::string vacio = "||||||||0||0||||||0||0||||0|0|0|0|0|0|0|";
    struct Caso {
        std::function<void()> cambio;
        std::string foto;
    };
    const Caso casos[] = {
        // Only "A" empties; any other kind changes nothing either.
        {[&] {
             d.MODO("a");
             d.MODOP("Z");
         },
         ""},
        {[&] { d.TMEDIO("Q"); },
         "N|N|P|Q|V|V|V|V|3|B|12.5|B|B|B|B|A|1500|A|2010|A|A|A|100|18|100|100|8|100|100|100|100|100|100|100|100|100|"
         "100|" +
             std::string(kIban) + "|-1|7"},
        {[&] { d.MODO("A"); }, vacio + "0|0|0|0|0|0|0|0||0|0"},
        {[&] { d.MODOP("P"); }, vacio + "100|100|100|100|100|100|100|100||0|7"},
        // An existing declaration keeps its means and its result; the rates follow the date.
        {[&] {
             d.MODO("C");
             r.FECHA(20120901);
             d.MODOP("T");
         },
         "N|N|P|X|V|V|V|V|3|B|12.5|B|B|B|B|A|1500|A|2010|A|A|A|100|21|100|100|21|100|100|0|0|0|0|0|0|0|100||0|7"},
        {[&] { d.TMEDIO("B"); },
         "N|N|P|B|||||0|B|12.5|B|B|B|B||0||0||||100|18|100|100|8|100|100|100|100|100|100|100|100|100|100|" +
             std::string(kIban) + "|-1|7"},
        {[&] { d.TMEDIO("A"); },
         "N|N|P|A|||||0||0|||||A|1500|A|2010|A|A|A|100|18|100|100|8|100|100|100|100|100|100|100|100|100|100|" +
             std::string(kIban) + "|-1|7"},
    };
    for (const auto& c : casos) {
        d.MODOP("T");
        d.PESTAÑA(2);
        Llenar();
        const std::string lleno = Foto();
        c.cambio();
        EXPECT_EQ(Foto(), c.foto.empty() ? lleno : c.foto);
        EXPECT_EQ(d.PESTAÑA(), 2);
    }
    EXPECT_EQ(d.MODO(), "C");
    // A new transport declaration: a vehicle, at the general rate of its date.
    for (auto [fecha, tipo] : {std::pair{0L, 16.f}, {20100630L, 16.f}, {20100701L, 18.f}, {20120831L, 18.f},
                               {20120901L, 21.f}}) {
        r.FECHA(fecha);
        d.MODO("A");
        d.MODOP("T");
        EXPECT_EQ(std::vector<float>({d.TIPOADQ(), d.TIPOVEN()}), std::vector<float>(2, tipo)) << fecha;
        EXPECT_EQ(d.TMEDIO() + d.MODOP(), "VT");
    }
}

TEST_F(Datos731, GuardaConClaveNuevaRecargaExactoYSaleEnLaLista) {
    // Worked example D: an intra-community delivery at 21 %, the refund capped by the sale.
    r.FECHA(20120901);
    r.Ejercicio(2012);
    r.PERIODO("OA");
    d.MODO("A");
    d.MODOP("T");
    d.ADQNIF("B1234567");
    d.ADQNOM("ADQUIRENTE");
    d.ADQPAIS("PAIS");
    d.MARCAV("MARCA");
    d.TIPOV("TIPO");
    d.MODELOV("MODELO");
    d.NBASTIDOR("BASTIDOR");
    d.CLASIF(4);
    d.PREADQ(2000000);
    d.PREVEN(1500000);
    d.IVASOP(420000);
    d.MAXDEV(315000);
    d.IVADEV1(315000);
    d.resul(315000);
    d.CC(kIban);
    EXPECT_EQ(Validar(), 0);
    const vb::Long csde = Guardar();
    EXPECT_EQ(csde, Valor("SELECT MAX(T02_CSDE) FROM T02_COMUNDECLA").CLng());
    EXPECT_EQ(Valor("SELECT T01_NUM731 FROM T01_DECLARANTES WHERE T01_CSCO = 1").CDbl(), 1);
    const std::string guardada = Foto();

    // Reloaded as stored (no rounding), over another declaration; what is not stored stays.
    Sql("UPDATE T03_731DECLA SET T03_RESUL = 315000.5");
    d.MODO("A");
    d.MODOP("P");
    d.ACTIVIDAD(-1);
    d.PESTAÑA(3);
    d.CSDE(99);
    vb::Long clave = csde;
    d.CargarDeclaracion(clave);
    EXPECT_EQ(d.resul(), 315000.5);
    d.resul(315000);
    EXPECT_EQ(Foto(), guardada.substr(0, guardada.size() - 4) + "|-1|99");
    EXPECT_EQ(d.MODO() + d.MODOP() + QString::number(d.PESTAÑA()), "AP3");

    auto declaracion = com::CreateObject<brunsel::cDeclaracion>("Brunsel.cDeclaracion");
    declaracion->mdbname(RutaBDModificable.toStdString());
    vb::Variant lista;
    vb::Long csco = 1;
    ASSERT_EQ(declaracion->dameResultado(lista, csco), 1);
    EXPECT_EQ(lista(0, 0).CLng(), csde);
    EXPECT_EQ(lista(6, 0).CDbl(), 315000.5);

    clave = 4242;  // no such declaration: the stored values empty
    d.CargarDeclaracion(clave);
    EXPECT_EQ(Foto(), "||||||||0||0||||||0||0||||0|0|0|0|0|0|0|0|0|0|0|0|0|0|0||-1|99");
}

// A load that fails on one slot leaves the whole record as it was.
TEST_F(Datos731, CargaFallidaNoCambiaNada) {
    r.FECHA(20120901);
    d.MODO("A");
    d.MODOP("T");
    Llenar();
    d.CSDE(0);
    vb::Long clave = Guardar();
    ASSERT_GT(clave, 0);
    Sql("UPDATE T03_731DECLA SET T03_ADQNIF = 'NUEVO', T03_PESOMAX = 'mucho'");
    d.ADQNIF("ANTERIOR");
    const std::string antes = Foto();
    EXPECT_NE(NumeroDeError([&] { d.CargarDeclaracion(clave); }), 0);
    EXPECT_EQ(Foto(), antes);

    vb::Variant b = BufferCarga731(d.Campos());
    b(0) = "NUEVO";   // ADQNIF
    b(16) = "mucho";  // PESOMAX
    Campos731 campos = d.Campos();
    EXPECT_EQ(NumeroDeError([&] { LeerBufferCarga731(b, campos); }), vb::errTipos);
    EXPECT_TRUE(BufferCarga731(campos) == BufferCarga731(d.Campos()));
}

TEST_F(Datos731, SeCompruebaEnLaFechaDeLaDeclaracion) {
    // A refund with an account that does not pass is refused only after 20100630: on the
    // quarter's last day for a quarterly declaration, on its own date for a transport one.
    d.MODO("A");
    d.MODOP("P");
    d.IVADEV2(1000);
    d.CC("ES0000000000000000000000");
    for (auto [ejercicio, periodo, codigo] :
         {std::tuple{2010, "2T", 0}, {2010, "3T", 21}, {2011, "4T", 21}, {2010, "XX", 0}}) {
        Trimestre(ejercicio, periodo);
        r.FECHA(20200101);
        EXPECT_EQ(Validar(), codigo) << ejercicio << periodo;
    }
    d.MODOP("T");
    d.ADQNIF("B1");
    d.ADQNOM("N");
    d.ADQPAIS("P");
    d.MARCAV("M");
    d.TIPOV("T");
    d.MODELOV("O");
    d.NBASTIDOR("B");
    d.PREADQ(1000);
    d.IVASOP(160);
    for (auto [fecha, codigo] : {std::pair{20100630L, 0}, {20100701L, 21}}) {
        r.FECHA(fecha);
        r.PERIODO("OA");
        EXPECT_EQ(Validar(), codigo) << fecha;
    }
}

TEST_F(Datos731, TercerTrimestre2012CuotasTecleadasComprobadas) {
    // Worked example C: in the third quarter of 2012 the taxes are typed and the library holds
    // each to its base at 18 % and 8 %, halves to the even neighbour (25 at 18 % is 4); the same
    // figures a quarter later meet no such rule.
    d.MODO("A");
    d.MODOP("P");
    d.CC(kIban);
    for (auto [periodo, base16, cuota16, cuota7, codigo] :
         {std::tuple{"3T", 11111.0, 2000.0, 300.0, 0}, {"3T", 25.0, 4.0, 300.0, 0}, {"3T", 11111.0, 1999.0, 300.0, 19},
          {"3T", 11111.0, 2000.0, 299.0, 20}, {"4T", 11111.0, 1999.0, 299.0, 0}}) {
        Trimestre(2012, periodo);
        d.BASE16(base16);
        d.CUOTA16(cuota16);
        d.BASE7(3750);
        d.CUOTA7(cuota7);
        d.BASE4(1000);
        d.CUOTA4(40);
        d.IVADEV2(d.CUOTA7() + d.CUOTA16() + d.CUOTA4());
        EXPECT_EQ(Validar(), codigo) << periodo << " " << cuota16 << " " << cuota7;
    }
}

}  // namespace
