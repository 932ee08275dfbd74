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
    void SetUp() override { ConexionDAO().InicializaBD(bd.Mod()); }
    void TearDown() override { ConexionDAO().Cerrar(); }

    void Ejecutar(const std::string& sql) { ConexionDAO().execute(sql); }
    vb::Long Filas() {
        auto rs = ConexionDAO().openRecordset("SELECT count(*) FROM T00_GENERAL");
        return brunsel::Requerir(rs).Fields(0).CLng();
    }
};

TEST_F(TablaT00, LeeLaFilaEntregadaYRecortaLaLetra) {
    cT00 t;
    EXPECT_EQ(t.ObtenerIdioma(), "C");
    EXPECT_EQ(t.ObtenerActOnline(), -1);

    // The column holds one letter; an older file may keep it padded in a wider column.
    Ejecutar("CREATE TABLE T00_COPIA AS SELECT * FROM T00_GENERAL");
    Ejecutar("DROP TABLE T00_GENERAL");
    Ejecutar("CREATE TABLE T00_GENERAL (T00_ActOnline VARCHAR(5), T00_Idioma VARCHAR(5))");
    Ejecutar("INSERT INTO T00_GENERAL VALUES (' 1 ', ' E ')");
    EXPECT_EQ(t.ObtenerIdioma(), "E");
    EXPECT_EQ(t.ObtenerActOnline(), 1);

    Ejecutar("UPDATE T00_GENERAL SET T00_ActOnline = 'sí'");
    try {
        t.ObtenerActOnline();
        FAIL() << "a text that is no number must not read as a setting";
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.Number(), vb::errTipos);
    }
}

TEST_F(TablaT00, GuardaYReleeSinTocarLasPropiedades) {
    cT00 t;
    t.ActOnline(-1);
    t.GuardarActOnline();
    EXPECT_EQ(t.ObtenerActOnline(), -1);
    t.ActOnline(1);
    EXPECT_TRUE(t.GuardarActOnline().IsEmpty());
    EXPECT_EQ(t.ObtenerActOnline(), 1);

    t.Idioma("E");
    EXPECT_TRUE(t.GuardarIdioma().IsEmpty());
    EXPECT_EQ(t.ObtenerIdioma(), "E");
    EXPECT_EQ(t.ObtenerActOnline(), 1) << "each write changes its own column only";
    EXPECT_EQ(t.Idioma(), "E");
    EXPECT_EQ(t.ActOnline(), 1);
    EXPECT_EQ(Filas(), 1);
}

TEST_F(TablaT00, SinFilaLeeLosValoresPorDefectoYGuardarLaCrea) {
    Ejecutar("DELETE FROM T00_GENERAL");
    cT00 t;
    EXPECT_EQ(t.ObtenerIdioma(), "C");
    EXPECT_EQ(t.ObtenerActOnline(), 0);

    // Storing a setting must not be lost: the row is created, the other setting at its
    // first-run value.
    t.Idioma("E");
    t.GuardarIdioma();
    EXPECT_EQ(Filas(), 1);
    EXPECT_EQ(t.ObtenerIdioma(), "E");
    EXPECT_EQ(t.ObtenerActOnline(), -1);
    t.ActOnline(0);
    t.GuardarActOnline();
    EXPECT_EQ(Filas(), 1);
    EXPECT_EQ(t.ObtenerActOnline(), 0);

    Ejecutar("DELETE FROM T00_GENERAL");
    t.ActOnline(1);
    t.GuardarActOnline();
    EXPECT_EQ(t.ObtenerActOnline(), 1);
    EXPECT_EQ(t.ObtenerIdioma(), "C");
}

TEST_F(TablaT00, UnNuloSeLeeComoSinFila) {
    Ejecutar("UPDATE T00_GENERAL SET T00_ActOnline = NULL, T00_Idioma = NULL");
    cT00 t;
    EXPECT_EQ(t.ObtenerIdioma(), "C");
    EXPECT_EQ(t.ObtenerActOnline(), 0);
}

}  // namespace
