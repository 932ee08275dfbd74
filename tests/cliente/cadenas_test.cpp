#include <gtest/gtest.h>

#include "shell/cadenas.h"

using oxalde::LoadResString;

namespace {

TEST(Cadenas, AmbosIdiomasConDesplazamiento) {
    EXPECT_EQ(LoadResString(331), "No hay disponible información sobre la versión");
    EXPECT_EQ(LoadResString(10331), "Ez dago bertsioari buruzko informaziorik eskura");
    EXPECT_EQ(LoadResString(118), "&Aceptar");
    EXPECT_EQ(LoadResString(10118), "&Ados");
    EXPECT_EQ(LoadResString(111), "&Contenido e índice");
    EXPECT_EQ(LoadResString(337), "Copia de seguridad ");  // the trailing blank is part of it
}

TEST(Cadenas, CadaTextoTieneSuParYNadaFueraDelRango) {
    int ids = 0;
    for (int id = 0; id < 20000; ++id) {
        const bool castellano = id >= 101 && id <= 368 && id != 222;
        const bool euskera = id >= 10101 && id <= 10368 && id != 10222;
        if (!LoadResString(id).isEmpty()) {
            EXPECT_TRUE(castellano || euskera) << id;
            const int par = id < 10000 ? id + 10000 : id - 10000;
            EXPECT_FALSE(LoadResString(par).isEmpty()) << id;
            ++ids;
        }
    }
    EXPECT_GT(ids, 0);
    EXPECT_TRUE(LoadResString(222).isEmpty());
}

}  // namespace
