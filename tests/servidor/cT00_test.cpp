#include <gtest/gtest.h>

#include "comun/bd_prueba.h"
#include "general.h"
#include "tablas/cT00.h"

using brunsel::cT00;
using brunsel::ConexionDAO;

namespace {

class TablaT00 : public ::testing::Test {
protected:
    BdPrueba bd;
    cT00 t;
    void SetUp() override { ConexionDAO().InicializaBD(bd.Mod()); }
    void TearDown() override { ConexionDAO().Cerrar(); }

    void Ejecutar(const std::string& sql) { ConexionDAO().execute(sql); }
};

TEST_F(TablaT00, LeeLaFilaRecortadaYUnTextoNoNumericoEsError) {
    EXPECT_EQ(t.ObtenerIdioma(), "C");
    EXPECT_EQ(t.ObtenerActOnline(), -1);

    // An older file may keep the values padded in wider columns.
    Ejecutar("DROP TABLE T00_GENERAL");
    Ejecutar("CREATE TABLE T00_GENERAL (T00_ActOnline VARCHAR(5), T00_Idioma VARCHAR(5))");
    Ejecutar("INSERT INTO T00_GENERAL VALUES (' 1 ', ' E ')");
    EXPECT_EQ(t.ObtenerIdioma(), "E");
    EXPECT_EQ(t.ObtenerActOnline(), 1);
    Ejecutar("UPDATE T00_GENERAL SET T00_ActOnline = 'sí'");
    EXPECT_THROW(t.ObtenerActOnline(), vb::Error);
}

TEST_F(TablaT00, CadaGuardadoCambiaSoloSuColumna) {
    t.ActOnline(1);
    EXPECT_TRUE(t.GuardarActOnline().IsEmpty());
    t.Idioma("E");
    EXPECT_TRUE(t.GuardarIdioma().IsEmpty());
    EXPECT_EQ(t.ObtenerIdioma(), "E");
    EXPECT_EQ(t.ObtenerActOnline(), 1);
}

TEST_F(TablaT00, SinFilaONuloLeeLosPorDefectoYGuardarCreaLaFila) {
    Ejecutar("UPDATE T00_GENERAL SET T00_ActOnline = NULL, T00_Idioma = NULL");
    EXPECT_EQ(t.ObtenerIdioma(), "C");
    EXPECT_EQ(t.ObtenerActOnline(), 0);

    Ejecutar("DELETE FROM T00_GENERAL");
    EXPECT_EQ(t.ObtenerIdioma(), "C");
    EXPECT_EQ(t.ObtenerActOnline(), 0);
    t.Idioma("E");
    t.GuardarIdioma();  // the other setting takes its first-run value
    EXPECT_EQ(t.ObtenerIdioma(), "E");
    EXPECT_EQ(t.ObtenerActOnline(), -1);

    Ejecutar("DELETE FROM T00_GENERAL");
    t.ActOnline(1);
    t.GuardarActOnline();
    EXPECT_EQ(t.ObtenerActOnline(), 1);
    EXPECT_EQ(t.ObtenerIdioma(), "C");
}

}  // namespace
