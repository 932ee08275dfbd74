#include <gtest/gtest.h>

#include "vb/formato.h"

TEST(Format, PatronesDeLaPantalla) {
    const std::string importe = "#,###,###,###,##0.00";
    struct Caso {
        double valor;
        std::string patron, esperado;
    } casos[] = {
        {0, "####", ""},
        {2012, "####", "2012"},
        {1234.56, importe, "1.234,56"},
        {0, importe, "0,00"},
        {-5, importe, "-5,00"},
        {1234567890.1, importe, "1.234.567.890,10"},
        {1, "00", "01"},
        {1234567, "#,###,###", "1.234.567"},
        {2.675, "0.00", "2,68"},       // halves away from zero
        {-2.5, "0", "-3"},
        {-0.001, "0.00", "0,00"},      // no "-0,00"
        {12.5, "0.##", "12,5"},
        {999.995, importe, "1.000,00"},
    };
    for (const auto& c : casos) EXPECT_EQ(vb::Format(c.valor, c.patron), c.esperado) << c.valor << " " << c.patron;
}
