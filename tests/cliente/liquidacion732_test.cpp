#include <gtest/gtest.h>

#include <array>

#include "form732/cDatos732.h"
#include "form732/liquidacion732.h"
#include "compartido/cDecResumen.h"

using oxalde::cDatos732;

namespace {

// The 15 amounts in this order.
using Importes = std::array<double, 15>;
struct Importe {
    const char* nombre;
    void (cDatos732::*let)(double);
    double (cDatos732::*get)() const;
};
#define IMP(c) Importe{#c, &cDatos732::c, &cDatos732::c}
const std::array kImportes = {IMP(BASE16), IMP(CUOTA16), IMP(BASE7),   IMP(CUOTA7),  IMP(BASE4),
                              IMP(CUOTA4), IMP(BAEQ4),   IMP(CUEQ4),   IMP(BAEQ175), IMP(CUEQ175),
                              IMP(BAEQ1),  IMP(CUEQ1),   IMP(BAEQ05),  IMP(CUEQ05),  IMP(TOTAL)};
#undef IMP

struct Caso {
    const char* nombre;
    const char* modop;
    vb::Long fecha;
    bool recargo;        // SITTIB2 marked
    const char* hechos;  // the events marked, by number
    Importes antes, despues;
};

// Amounts: BASE16 CUOTA16 BASE7 CUOTA7 BASE4 CUOTA4 BAEQ4 CUEQ4 BAEQ175 CUEQ175 BAEQ1 CUEQ1 BAEQ05 CUEQ05 TOTAL
const Caso kCasos[] = {
    {"2010 sin recargo", "P", 20100630, false, "1",
     {10000, 0, 5000, 0, 2500, 0, 500, 20, 300, 0, 100, 1, 0, 0, 0},
     {10000, 1600, 5000, 350, 2500, 100, 0, 0, 0, 0, 0, 0, 0, 0, 2050}},
    {"2010 dia siguiente", "P", 20100701, false, "",
     {10000, 0, 5000, 0, 2500, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
     {10000, 1800, 5000, 400, 2500, 100, 0, 0, 0, 0, 0, 0, 0, 0, 2300}},
    {"ultimo dia del 18", "T", 20120831, false, "",
     {10000, 0, 5000, 0, 2500, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
     {10000, 1800, 5000, 400, 2500, 100, 0, 0, 0, 0, 0, 0, 0, 0, 2300}},
    {"transporte al 21", "T", 20120901, false, "",
     {10000, 0, 5000, 0, 2500, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
     {10000, 2100, 5000, 500, 2500, 100, 0, 0, 0, 0, 0, 0, 0, 0, 2700}},
    {"ejemplo 1: recargo en 2011", "P", 20110630, true, "1",
     {100000, 0, 50000, 0, 20000, 0, 80000, 0, 10000, 0, 15050, 0, 20000, 0, 0},
     {100000, 18000, 50000, 4000, 20000, 800, 80000, 3200, 10000, 175, 15050, 151, 20000, 100, 26426}},
    {"ejemplo 2: hecho 4 no da recargo", "P", 20121231, true, "4",
     {123457, 0, 3333, 0, 0, 0, 5000, 260, 100, 2, 200, 3, 700, 4, 0},
     {123457, 25926, 3333, 333, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 26259}},
    {"ejemplo 3: medio nuevo en ventana", "T", 20120915, false, "2",
     {2500000, 0, 1000, 80, 300, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
     {2500000, 525000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 525000}},
    {"ejemplo 4: cuotas tecleadas", "P", 20120930, true, "1",
     {10000, 1950, 0, 50, 1000, 0, 10000, 480, 2000, 0, 300, 9, 1000, 0, 0},
     {10000, 1950, 0, 50, 1000, 40, 10000, 480, 2000, 35, 0, 0, 1000, 5, 2560}},
    {"tecleadas con base cero", "P", 20120930, false, "",
     {0, 70, 0, 30, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
     {0, 70, 0, 30, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 100}},
    {"ejemplo 5: 1,4 % exacto", "P", 20121231, true, "1",
     {10000, 0, 5000, 0, 2500, 0, 0, 0, 0, 0, 2750, 0, 0, 0, 0},
     {10000, 2100, 5000, 500, 2500, 100, 0, 0, 0, 0, 2750, 39, 0, 0, 2739}},
    {"recargos siguen a su base", "P", 20110630, true, "1",
     {0, 0, 0, 0, 0, 0, 500, 20, 300, 5, 100, 1, 200, 1, 0},
     {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {"mitades lejos del cero 2011", "P", 20110630, true, "6",
     {100, 0, 100, 0, 100, 0, 0, 0, 200, 0, 150, 0, 300, 0, 0},
     {100, 18, 100, 8, 100, 4, 0, 0, 200, 4, 150, 2, 300, 2, 38}},
    {"mitades lejos del cero 2012", "P", 20121231, true, "3",
     {100, 0, 100, 0, 100, 0, 0, 0, 0, 0, 150, 0, 0, 0, 0},
     {100, 21, 100, 10, 100, 4, 0, 0, 0, 0, 150, 2, 0, 0, 37}},
    {"medio nuevo sin reducidos", "P", 20110630, true, "12",
     {10000, 0, 5000, 400, 2500, 0, 0, 0, 0, 0, 100, 0, 100, 0, 0},
     {10000, 1800, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1800}},
};

TEST(Liquidacion732, CasosDeLaDeclaracion) {
    cDatos732& d = cDatos732::Instancia();
    auto& cabecera = oxalde::cDecResumen::Instancia();
    using Flag = void (cDatos732::*)(const QString&);
    const Flag hechos[] = {&cDatos732::HECHO1, &cDatos732::HECHO2, &cDatos732::HECHO3,
                           &cDatos732::HECHO4, &cDatos732::HECHO5, &cDatos732::HECHO6};
    for (const Caso& c : kCasos) {
        d.MODO("A");
        d.MODOP(c.modop);
        d.SITTIB2(c.recargo ? "X" : "");
        for (const char* h = c.hechos; *h; ++h) (d.*hechos[*h - '1'])("X");
        for (size_t i = 0; i < kImportes.size(); ++i) (d.*kImportes[i].let)(c.antes[i]);
        cabecera.FECHA(c.fecha);
        oxalde::CalcularLiquidacion();
        for (size_t i = 0; i < kImportes.size(); ++i)
            EXPECT_EQ((d.*kImportes[i].get)(), c.despues[i]) << c.nombre << ": " << kImportes[i].nombre;
    }
    cabecera.FECHA(0);
}

}  // namespace
