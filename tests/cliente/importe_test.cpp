#include <gtest/gtest.h>

#include <limits>

#include "compartido/importe.h"

using oxalde::TextoImporte;

// Every amount is written from its cents' digits: no width rounds it, whatever its sign.
TEST(Importe, TextoExactoACualquierAncho) {
    const std::pair<std::int64_t, const char*> casos[] = {
        {0, "0,00"},
        {1, "0,01"},
        {-1, "-0,01"},
        {99, "0,99"},
        {100, "1,00"},
        {-123450, "-1.234,50"},
        {999999999999999, "9.999.999.999.999,99"},
        {-999999999999999, "-9.999.999.999.999,99"},
        {1999999999999998, "19.999.999.999.999,98"},
        {2003999999999998, "20.039.999.999.999,98"},
        {std::numeric_limits<std::int64_t>::max(), "92.233.720.368.547.758,07"},
        {std::numeric_limits<std::int64_t>::min(), "-92.233.720.368.547.758,08"},
    };
    for (auto [centimos, texto] : casos) EXPECT_EQ(TextoImporte(centimos).toStdString(), texto) << centimos;
}
