// The form-731 amounts, the date rules of its window, its bank-account groups, its box
// comparisons and its captions, without a window.
#include <gtest/gtest.h>

#include <QTest>
#include <cmath>
#include <set>

#include "form731/cDatos731.h"
#include "form731/FrmDatos731.h"
#include "form731/captions731.h"
#include "form731/cuenta731.h"
#include "form731/liquidacion731.h"
#include "form732/cDatos732.h"
#include "form732/FrmDatos732.h"
#include "compartido/cDecResumen.h"
#include "compartido/cadenas.h"

using namespace oxalde;

namespace {

class Liquidacion731 : public ::testing::Test {
protected:
    cDatos731& d = cDatos731::Instancia();
    cDecResumen& r = cDecResumen::Instancia();

    // An empty declaration of the kind, dated `fecha`.
    void Nueva(const char* modop, long fecha) {
        r.FECHA(fecha), r.Ejercicio(0), r.PERIODO("OA");
        d.MODO("A"), d.MODOP(modop);
    }
};

TEST_F(Liquidacion731, EjemplosTrimestrales) {
    // Bases, then quota 16, quota 7, quota 4 and the result (IVADEV2 and resul); IVADEV1 stays 0.
    // 21 % and 10 %; 18 % and 8 % from 20100701; 16 % and 7 % up to 20100630.
    for (auto [fecha, base16, base7, base4, esperado] : {
             std::tuple{20121231L, 123450.0, 5005.0, 1250.0, std::vector<double>{25925, 501, 50, 26476}},
             {20100930L, 25.0, 12345.0, 1000.0, {5, 988, 40, 1033}},
             {20100701L, 25.0, 12345.0, 1000.0, {5, 988, 40, 1033}},
             {20100630L, 25.0, 12345.0, 1000.0, {4, 864, 40, 908}},
             {0L, 25.0, 12345.0, 1000.0, {4, 864, 40, 908}},
             {20120630L, 100.0, 100.0, 100.0, {18, 8, 4, 30}},
             {20121001L, 50.0, 5.0, 0.0, {11, 1, 0, 12}},  // 50 × 21 / 100 = 10.5, half up
             // Thirteen-digit bases: 209999999999800.5 (a binary product gives ...800), and the
             // largest base of each box.
             {20121231L, 999999999999050.0, 999999999999999.0, 999999999999999.0,
              {209999999999801, 100000000000000, 40000000000000, 349999999999801}},
         }) {
        Nueva("P", fecha);
        d.BASE16(base16), d.BASE7(base7), d.BASE4(base4);
        CalcularLiquidacion(d, r);
        EXPECT_EQ(std::vector<double>({d.CUOTA16(), d.CUOTA7(), d.CUOTA4(), d.IVADEV2(), d.resul(), d.IVADEV1()}),
                  (std::vector<double>{esperado[0], esperado[1], esperado[2], esperado[3], esperado[3], 0}))
            << fecha;
    }
}

TEST_F(Liquidacion731, TercerTrimestre2012ConservaLasCuotasTecleadas) {
    for (long fecha : {20120701L, 20120815L, 20120930L}) {
        Nueva("P", fecha);
        d.BASE16(11111), d.BASE7(3750), d.BASE4(1000), d.CUOTA16(2000), d.CUOTA7(300);
        CalcularLiquidacion(d, r);
        CalcularLiquidacion(d, r);
        EXPECT_EQ(std::vector<double>({d.CUOTA16(), d.CUOTA7(), d.CUOTA4(), d.IVADEV2()}),
                  std::vector<double>({2000, 300, 40, 2340}))
            << fecha;
    }
}

TEST_F(Liquidacion731, EjemplosDeTransporte) {
    // IVASOP, MAXDEV and IVADEV1 (also resul); IVADEV2 stays 0.
    for (auto [fecha, carretera, preadq, preven, esperado] : {
             std::tuple{20120901L, false, 2000000.0, 1500000.0, std::vector<double>{420000, 315000, 315000}},
             {20120901L, false, 2000000.0, 0.0, {420000, 0, 420000}},  // no sale price yet
             {20120901L, true, 2000000.0, 1500000.0, {420000, 315000, 420000}},
             {20120831L, false, 2000000.0, 1500000.0, {360000, 270000, 270000}},
             {20100630L, false, 2000000.0, 1500000.0, {320000, 240000, 240000}},
             {20120831L, false, 1234567.0, 0.0, {222222, 0, 222222}},
             {20120901L, false, 100000.0, 500000.0, {21000, 105000, 21000}},  // the smaller of the two
             {20120901L, false, 999999999999050.0, 999999999999250.0,  // 209999999999800.5 and ...842.5
              {209999999999801, 209999999999843, 209999999999801}},
         }) {
        Nueva("T", fecha);
        d.ACTIVIDAD(carretera ? -1 : 0), d.PREADQ(preadq), d.PREVEN(preven);
        CalcularLiquidacion(d, r);
        EXPECT_EQ(std::vector<double>({d.IVASOP(), d.MAXDEV(), d.IVADEV1(), d.resul(), d.IVADEV2()}),
                  (std::vector<double>{esperado[0], esperado[1], esperado[2], esperado[2], 0}))
            << fecha << " " << preven;
    }
}

TEST(Reglas731, FilasDeCuentaCuotasTecleadasYEtiquetas) {
    // The account rows show for a refund dated after 20100630 only.
    EXPECT_EQ(std::vector<bool>({CuentaPeriodoVisible(0, 20121231), CuentaPeriodoVisible(908, 20100630),
                                 CuentaPeriodoVisible(1033, 20100930), CuentaTransporteVisible(240000, 20100630),
                                 CuentaTransporteVisible(1, 20100701), CuentaTransporteVisible(0, 20120901)}),
              std::vector<bool>({false, false, true, false, true, false}));
    for (auto [fecha, tecleadas] :
         {std::pair{20120630L, false}, {20120701L, true}, {20120930L, true}, {20121001L, false}})
        EXPECT_EQ(CuotasTecleadas(fecha), tecleadas) << fecha;
    for (auto [fecha, etiquetas] : {std::pair{0L, "16%7%"}, {20100630L, "16%7%"}, {20100930L, "18%8%"},
                                    {20120831L, "18%8%"}, {20120901L, "21%10%"}}) {
        const EtiquetasTipo e = EtiquetasTipoEn(fecha);
        EXPECT_EQ(e.general + e.reducido, etiquetas) << fecha;
    }
}

TEST(Cuenta731, GruposDeLaCuenta) {
    using G = std::array<QString, 6>;
    for (auto [cc, grupos] : {std::pair{"", G{}},
                              {"XX0011112222333344445555", G{"XX00", "1111", "2222", "3333", "4444", "5555"}},
                              {"AB12                    ", G{"AB12", "", "", "", "", ""}},
                              {"XX00111112  ", G{"XX00", "1111", "12", "", "", ""}},
                              // A shorter, older account never shows the fifth group twice.
                              {"10000000110123456789", G{"1000", "0000", "1101", "2345", "6789", ""}}})
        EXPECT_EQ(CuentaIban::Grupos(cc), grupos) << cc;
    EXPECT_EQ(CuentaIban::Grupo("XX00111112  ", 3), "12  ");
}

TEST(Cajas731, CambioSegunLaFamiliaDeLaCaja) {
    auto caja = [](const char* nombre) -> const CajaNumero<cDatos731>& {
        for (const CajaNumero<cDatos731>& c : kCajas731.numeros)
            if (qstrcmp(c.nombre, nombre) == 0) return c;
        throw std::out_of_range(nombre);
    };
    cDatos731& d = cDatos731::Instancia();
    for (auto [nombre, miembro, valor, cambiado] :
         {std::tuple{"txtbase16", 123456.0, "123456", false}, {"txtbase16", 123456.0, "", true},
          {"txtbase16", 0.0, "", false}, {"txtbase16", 0.0, "1", true}, {"txtanofab", 2012.0, "2012", false},
          {"txtanofab", 2012.0, "2013", true}, {"txtpesomax", 0.0, "", false}, {"txtclasif", 12.0, "12", false},
          {"txtesloramax", double(12.35f), "12.35", false}, {"txtesloramax", double(12.35f), "12.36", true}}) {
        caja(nombre).escribir(d, miembro);
        EXPECT_EQ(AlmacenarNumero(caja(nombre), d, valor), std::optional(cambiado)) << nombre << " " << valor;
    }

    // Stored as the record keeps them: a year stays a year, cents stay cents, a whole number
    // halves to the even neighbour.
    for (auto [nombre, valor] : {std::pair{"txtanofab", "2012"}, {"txtpesomax", ""}, {"txtclasif", "2.5"},
                                 {"txtesloramax", "12.345"}, {"txtbase7", "12345"}})
        AlmacenarNumero(caja(nombre), d, valor);
    EXPECT_EQ(std::vector<double>({double(d.ANOFAB()), double(d.PESOMAX()), double(d.CLASIF()), d.BASE7()}),
              std::vector<double>({2012, 0, 2, 12345}));
    EXPECT_FLOAT_EQ(d.ESLORAMAX(), 12.35f);
}

// Both forms store their technical whole numbers by one set of rows, halving to the even neighbour
// where form 732 once rounded halves away from zero. What is typed reaches a row only as the box
// hands it over, a whole number, so each form stores what it stored before.
TEST(Cajas731, LosNumerosTecnicosGuardanLoMismoEnLosDosFormularios) {
    auto probar = [](auto& registro, auto filas) {
        for (const auto& fila : filas) {
            if (fila.almacen != Almacen::Numero || fila.modo != Pindaro::Entero) continue;
            for (const char* tecleado : {"2,5", "2.5", "1.234,5", "-0,5", "0042", ""}) {
                Pindaro caja;
                caja.modo(fila.modo), caja.formato(fila.formato), caja.enteros(fila.enteros);
                caja.decimales(fila.decimales);
                QTest::keyClicks(&caja, tecleado);
                const double entregado = ValorNumerico(caja.valor()).value_or(-1);
                AlmacenarNumero(fila, registro, caja.valor());
                EXPECT_EQ(fila.leer(registro), double(std::llround(entregado))) << fila.nombre << " " << tecleado;
                EXPECT_EQ(fila.leer(registro), vb::RedondeoBancario(entregado)) << fila.nombre << " " << tecleado;
            }
        }
    };
    probar(cDatos731::Instancia(), kCajas731.numeros);
    probar(cDatos732::Instancia(), kCajas732.numeros);
}

TEST(Captions731, CadaTextoExisteEnLosDosIdiomas) {
    std::set<std::pair<std::string, int>> vistos;
    for (const Caption& c : Captions731()) {
        EXPECT_FALSE(LoadResString(c.id).isEmpty() || LoadResString(c.id + kDesplEuskera).isEmpty()) << c.id;
        EXPECT_TRUE(
            vistos.insert({std::string(c.control) + char('0' + c.indice) + char('0' + int(c.propiedad)), c.id}).second)
            << c.control;
    }
    EXPECT_EQ(Captions731().size(), 55u);
    EXPECT_EQ(LoadResString(172 + kDesplEuskera), "731. BEZ - Itzulketa eskaera");
}

}  // namespace
