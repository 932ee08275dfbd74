#include "servidor/utiles_prueba.h"
#include "tablas/cT00.h"

namespace {

class TablaT00 : public prueba::ConMod {
protected:
    brunsel::cT00 t;
    void Ejecutar(const std::string& sql) { brunsel::ConexionDAO().execute(sql); }
    std::string Leidos() { return t.ObtenerIdioma() + std::to_string(t.ObtenerActOnline()); }
};

TEST_F(TablaT00, LeeLaFilaRecortadaYUnTextoNoNumericoEsError) {
    EXPECT_EQ(Leidos(), "C-1");
    // An older file may keep the values padded in wider columns.
    Ejecutar("DROP TABLE T00_GENERAL");
    Ejecutar("CREATE TABLE T00_GENERAL (T00_ActOnline VARCHAR(5), T00_Idioma VARCHAR(5))");
    Ejecutar("INSERT INTO T00_GENERAL VALUES (' 1 ', ' E ')");
    EXPECT_EQ(Leidos(), "E1");
    Ejecutar("UPDATE T00_GENERAL SET T00_ActOnline = 'sí'");
    EXPECT_THROW(t.ObtenerActOnline(), vb::Error);
}

TEST_F(TablaT00, SinFilaONuloLeeLosPorDefectoYGuardarCreaLaFila) {
    Ejecutar("UPDATE T00_GENERAL SET T00_ActOnline = NULL, T00_Idioma = NULL");
    EXPECT_EQ(Leidos(), "C0");
    Ejecutar("DELETE FROM T00_GENERAL");
    t.Idioma("E");
    EXPECT_TRUE(t.GuardarIdioma().IsEmpty());
    EXPECT_EQ(Leidos(), "E-1");  // the other setting takes its first-run value
    Ejecutar("DELETE FROM T00_GENERAL");
    t.ActOnline(1);
    t.GuardarActOnline();
    EXPECT_EQ(Leidos(), "C1");
}

}  // namespace
