// The form-731 amounts, the date rules of its window, its bank-account groups, its box
// comparisons and its captions, without a window.
#include <gtest/gtest.h>

#include <set>

#include "form731/cDatos731.h"
#include "form731/cajas731.h"
#include "form731/captions731.h"
#include "form731/cuenta731.h"
#include "form731/liquidacion731.h"
#include "registro/cDecResumen.h"
#include "shell/cadenas.h"

using namespace oxalde;

namespace {

class Liquidacion731 : public ::testing::Test {
protected:
    cDatos731& d = cDatos731::Instancia();
    cDecResumen& r = cDecResumen::Instancia();

    // An empty declaration of the kind, dated `fecha`.
    void Nueva(const char* modop, long fecha, vb::Integer ejercicio = 0, const char* periodo = "OA") {
        r.FECHA(fecha);
        r.Ejercicio(ejercicio);
        r.PERIODO(periodo);
        d.MODO("A");
        d.MODOP(modop);
    }
    void Trimestre(long fecha, double base16, double base7, double base4) {
        Nueva("P", fecha);
        d.BASE16(base16);
        d.BASE7(base7);
        d.BASE4(base4);
        CalcularLiquidacion(d, r);
    }
};

TEST_F(Liquidacion731, EjemplosTrimestrales) {
    struct Caso {
        long fecha;
        double base16, base7, base4, cuota16, cuota7, cuota4, ivadev2;
    };
    for (const Caso& c : {
             Caso{20121231, 123450, 5005, 1250, 25925, 501, 50, 26476},  // 21 % and 10 %, halves up
             Caso{20100930, 25, 12345, 1000, 5, 988, 40, 1033},          // 18 % and 8 %
             Caso{20100701, 25, 12345, 1000, 5, 988, 40, 1033},
             Caso{20100630, 25, 12345, 1000, 4, 864, 40, 908},           // 16 % and 7 %
             Caso{0, 25, 12345, 1000, 4, 864, 40, 908},
             Caso{20120630, 100, 100, 100, 18, 8, 4, 30},
             Caso{20121001, 50, 5, 0, 11, 1, 0, 12},                      // 50 × 21 / 100 = 10.5
         }) {
        Trimestre(c.fecha, c.base16, c.base7, c.base4);
        EXPECT_EQ(d.CUOTA16(), c.cuota16) << c.fecha;
        EXPECT_EQ(d.CUOTA7(), c.cuota7) << c.fecha;
        EXPECT_EQ(d.CUOTA4(), c.cuota4) << c.fecha;
        EXPECT_EQ(d.IVADEV2(), c.ivadev2) << c.fecha;
        EXPECT_EQ(d.resul(), c.ivadev2) << c.fecha;
        EXPECT_EQ(d.IVADEV1(), 0) << c.fecha;
    }
}

TEST_F(Liquidacion731, TercerTrimestre2012ConservaLasCuotasTecleadas) {
    for (long fecha : {20120701L, 20120815L, 20120930L}) {
        Nueva("P", fecha);
        d.BASE16(11111);
        d.BASE7(3750);
        d.BASE4(1000);
        d.CUOTA16(2000);
        d.CUOTA7(300);
        CalcularLiquidacion(d, r);
        CalcularLiquidacion(d, r);
        EXPECT_EQ(d.CUOTA16(), 2000) << fecha;
        EXPECT_EQ(d.CUOTA7(), 300) << fecha;
        EXPECT_EQ(d.CUOTA4(), 40) << fecha;
        EXPECT_EQ(d.IVADEV2(), 2340) << fecha;
    }
}

TEST_F(Liquidacion731, EjemplosDeTransporte) {
    struct Caso {
        long fecha;
        bool carretera;
        double preadq, preven, ivasop, maxdev, ivadev1;
    };
    for (const Caso& c : {
             Caso{20120901, false, 2000000, 1500000, 420000, 315000, 315000},
             Caso{20120901, false, 2000000, 0, 420000, 0, 420000},        // no sale price yet
             Caso{20120901, true, 2000000, 1500000, 420000, 315000, 420000},
             Caso{20120831, false, 2000000, 1500000, 360000, 270000, 270000},
             Caso{20100630, false, 2000000, 1500000, 320000, 240000, 240000},
             Caso{20120831, false, 1234567, 0, 222222, 0, 222222},
             Caso{20120901, false, 100000, 500000, 21000, 105000, 21000},  // the smaller of the two
         }) {
        Nueva("T", c.fecha);
        d.ACTIVIDAD(c.carretera ? -1 : 0);
        d.PREADQ(c.preadq);
        d.PREVEN(c.preven);
        CalcularLiquidacion(d, r);
        EXPECT_EQ(d.IVASOP(), c.ivasop) << c.fecha << " " << c.preven;
        EXPECT_EQ(d.MAXDEV(), c.maxdev) << c.fecha << " " << c.preven;
        EXPECT_EQ(d.IVADEV1(), c.ivadev1) << c.fecha << " " << c.preven;
        EXPECT_EQ(d.resul(), c.ivadev1) << c.fecha << " " << c.preven;
        EXPECT_EQ(d.IVADEV2(), 0);
    }
}

TEST(Reglas731, FilasDeCuentaCuotasTecleadasYEtiquetas) {
    EXPECT_FALSE(CuentaPeriodoVisible(0, 20121231));
    EXPECT_FALSE(CuentaPeriodoVisible(908, 20100630));
    EXPECT_TRUE(CuentaPeriodoVisible(1033, 20100930));
    EXPECT_FALSE(CuentaTransporteVisible(240000, 20100630));
    EXPECT_TRUE(CuentaTransporteVisible(1, 20100701));
    EXPECT_FALSE(CuentaTransporteVisible(0, 20120901));

    for (auto [fecha, tecleadas] : {std::pair{20120630L, false}, {20120701L, true}, {20120930L, true}, {20121001L, false}})
        EXPECT_EQ(CuotasTecleadas(fecha), tecleadas) << fecha;

    for (auto [fecha, general, reducido] :
         {std::tuple{0L, "16%", "7%"}, {20100630L, "16%", "7%"}, {20100930L, "18%", "8%"}, {20120630L, "18%", "8%"},
          {20120831L, "18%", "8%"}, {20120901L, "21%", "10%"}, {20120930L, "21%", "10%"}}) {
        EtiquetasTipo e = EtiquetasTipoEn(fecha);
        EXPECT_EQ(e.general, general) << fecha;
        EXPECT_EQ(e.reducido, reducido) << fecha;
    }
}

TEST(Cuenta731, GruposDeLaCuenta) {
    using G = std::array<QString, 6>;
    EXPECT_EQ(CuentaIban::Grupos(""), G{});
    EXPECT_EQ(CuentaIban::Grupos("XX0011112222333344445555"), (G{"XX00", "1111", "2222", "3333", "4444", "5555"}));
    EXPECT_EQ(CuentaIban::Grupos("AB12                    "), (G{"AB12", "", "", "", "", ""}));
    EXPECT_EQ(CuentaIban::Grupos("XX00111112  "), (G{"XX00", "1111", "12", "", "", ""}));
    // A shorter, older account never shows the fifth group twice.
    EXPECT_EQ(CuentaIban::Grupos("10000000110123456789"), (G{"1000", "0000", "1101", "2345", "6789", ""}));
    EXPECT_EQ(CuentaIban::Grupo("XX00111112  ", 3), "12  ");
}

TEST(Cajas731, CambioSegunLaFamiliaDeLaCaja) {
    auto caja = [](const char* nombre) -> const CajaNumero& {
        for (const CajaNumero& c : CajasNumero())
            if (qstrcmp(c.nombre, nombre) == 0) return c;
        throw std::out_of_range(nombre);
    };
    struct Caso {
        const char* caja;
        double miembro;
        const char* valor;
        bool cambiado;
    };
    for (const Caso& c : {Caso{"txtbase16", 123456, "123456", false}, {"txtbase16", 123456, "", true},
                          {"txtbase16", 0, "", false}, {"txtbase16", 0, "1", true},
                          {"txtanofab", 2012, "2012", false}, {"txtanofab", 2012, "2013", true},
                          {"txtpesomax", 0, "", false}, {"txtclasif", 12, "12", false},
                          {"txtesloramax", 12.35f, "12.35", false}, {"txtesloramax", 12.35f, "12.36", true}})
        EXPECT_EQ(ValorCambiado(caja(c.caja), c.miembro, c.valor), c.cambiado) << c.caja << " " << c.valor;

    // Stored as the record keeps them: a year stays a year, cents stay cents.
    cDatos731& d = cDatos731::Instancia();
    caja("txtanofab").escribir(d, "2012");
    caja("txtpesomax").escribir(d, "");
    caja("txtclasif").escribir(d, "2.5");
    caja("txtesloramax").escribir(d, "12.345");
    caja("txtbase7").escribir(d, "12345");
    EXPECT_EQ(d.ANOFAB(), 2012);
    EXPECT_EQ(d.PESOMAX(), 0);
    EXPECT_EQ(d.CLASIF(), 2);
    EXPECT_FLOAT_EQ(d.ESLORAMAX(), 12.35f);
    EXPECT_EQ(d.BASE7(), 12345);
}

TEST(Captions731, CadaTextoExisteEnLosDosIdiomas) {
    std::set<std::pair<std::string, int>> vistos;
    for (const Caption731& c : Captions731()) {
        EXPECT_FALSE(LoadResString(c.id).isEmpty()) << c.id;
        EXPECT_FALSE(LoadResString(c.id + 10000).isEmpty()) << c.id;
        EXPECT_TRUE(vistos.insert({std::string(c.control) + char('0' + c.indice) + char('0' + int(c.propiedad)), c.id}).second)
            << c.control;
    }
    EXPECT_EQ(Captions731().size(), 55u);
    EXPECT_EQ(LoadResString(172 + 10000), "731. BEZ - Itzulketa eskaera");
}

}  // namespace
