#include <gtest/gtest.h>

#include <cstdlib>

#include "comun/hogar_prueba.h"

int main(int argc, char** argv) {
    // Windows under test never need a display.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    prueba::HogarPropio();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
