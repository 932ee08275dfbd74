#include <gtest/gtest.h>

#include <random>

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

TEST(Format, ImportesGrandesYMediosCentimos) {
    const std::string importe = "#,###,###,###,##0.00";
    struct Caso {
        double valor;
        std::string esperado;
    } casos[] = {
        {49999999999.99, "49.999.999.999,99"},
        {9999999999999.99, "9.999.999.999.999,99"},
        {-9999999999999.99, "-9.999.999.999.999,99"},
        {1234567890123.45, "1.234.567.890.123,45"},
        {999999999999.995, "1.000.000.000.000,00"},
        {0.005, "0,01"},
        {0.015, "0,02"},
        {1.005, "1,01"},
        {-2.675, "-2,68"},
        {1e-300, "0,00"},
        {-1e-300, "0,00"},
    };
    for (const auto& c : casos) EXPECT_EQ(vb::Format(c.valor, importe), c.esperado) << c.valor;
}

// Every amount in whole cents of up to 15 digits, shown from cents / 100 as the windows do,
// reads as its cents with a comma before the last two digits.
TEST(Format, CentimosAlAzarExactos) {
    std::mt19937_64 azar(731);
    for (int i = 0; i < 200000; ++i) {
        long long maximo = 1;
        for (int d = int(azar() % 15) + 1; d > 0; --d) maximo *= 10;
        const long long centimos = (long long)(azar() % uint64_t(maximo)) * (azar() % 2 ? 1 : -1);
        std::string d = std::to_string(std::llabs(centimos));
        if (d.size() < 3) d.insert(0, 3 - d.size(), '0');
        const std::string esperado =
            (centimos < 0 ? "-" : "") + d.substr(0, d.size() - 2) + "," + d.substr(d.size() - 2);
        ASSERT_EQ(vb::Format(double(centimos) / 100, "0.00"), esperado) << centimos;
    }
}
