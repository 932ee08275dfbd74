#include <gtest/gtest.h>

#include "compartido/tipos_iva.h"

using namespace oxalde::tipos;

TEST(TiposIva, PeriodosEnLosDosCambios) {
    for (auto [fecha, general, reducido, recargo, recargoReducido] :
         {std::tuple{0L, 1600, 700, 400, 100}, {20100630L, 1600, 700, 400, 100}, {20100701L, 1800, 800, 400, 100},
          {20120831L, 1800, 800, 400, 100}, {20120901L, 2100, 1000, 520, 140}}) {
        TiposIva t = TiposEn(fecha);
        EXPECT_EQ(t.general, general) << fecha;
        EXPECT_EQ(t.reducido, reducido) << fecha;
        EXPECT_EQ(t.recargo, recargo) << fecha;
        EXPECT_EQ(t.recargoReducido, recargoReducido) << fecha;
    }
}

TEST(TiposIva, CuotaExactaConMitadesLejosDelCero) {
    EXPECT_EQ(Cuota(std::int64_t{2750}, 140), 39);   // 38.5: a double product would give 38
    EXPECT_EQ(Cuota(std::int64_t{-2750}, 140), -39);
    EXPECT_EQ(Cuota(std::int64_t{1}, 5000), 1);      // 0.5
    EXPECT_EQ(Cuota(std::int64_t{100000}, 175), 1750);
    EXPECT_EQ(Cuota(std::int64_t{0}, 2100), 0);
    EXPECT_DOUBLE_EQ(Cuota(162033.0, 1600), 25925.0);
}

TEST(TiposIva, Etiquetas) {
    EXPECT_EQ(EtiquetaTipo(1600), "16%");
    EXPECT_EQ(EtiquetaTipo(520), "5,2%");
    EXPECT_EQ(EtiquetaTipo(175), "1,75%");
    EXPECT_EQ(EtiquetaTipo(50), "0,5%");
    EXPECT_EQ(EtiquetaTipo(140), "1,4%");
}

TEST(TiposIva, EtiquetasConPuntoYVentanaDeCuotasTecleadas) {
    EXPECT_EQ(EtiquetaTipo(140, '.'), "1.4%");
    EXPECT_EQ(EtiquetaTipo(2100, '.'), "21%");
    for (auto [fecha, dentro] : {std::pair{20120630L, false}, {20120701L, true}, {20120930L, true}, {20121001L, false}})
        EXPECT_EQ(EnVentanaCuotasTecleadas(fecha), dentro) << fecha;
}
