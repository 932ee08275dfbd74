#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "comun/hogar_prueba.h"
#include "principal/aplicacion.h"

int main(int argc, char** argv) {
    // Windows under test never need a display.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    prueba::HogarPropio();
    ::testing::InitGoogleTest(&argc, argv);
    // The program's own application object, so that its error boundary is under test too.
    oxalde::Aplicacion aplicacion(argc, argv);
    return RUN_ALL_TESTS();
}
