#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include "comun/bd_prueba.h"
#include "dao/dao.h"
#include "shell/cFecha.h"
#include "shell/general.h"
#include "shell/procedimientos.h"

using namespace oxalde;

namespace {

// Runs a case in one language and puts the previous one back.
struct Idioma {
    explicit Idioma(int desplazamiento) : antes(DesplIdioma) { DesplIdioma = desplazamiento; }
    ~Idioma() { DesplIdioma = antes; }
    int antes;
};

TEST(Teclas, FiltrarTecla) {
    EXPECT_EQ(FiltrarTecla(U'a'), U'A');
    EXPECT_EQ(FiltrarTecla(U'ñ'), U'Ñ');
    EXPECT_EQ(FiltrarTecla(U'ç'), U'Ç');
    EXPECT_EQ(FiltrarTecla(8), 8u);
    for (char32_t igual : {U'Ñ', U'7', U' ', U'?', U'*', U'\\', U'_', U'º', U'ª', U'¿', U'¡'})
        EXPECT_EQ(FiltrarTecla(igual), igual) << static_cast<int>(igual);
    for (char32_t fuera : {U'@', U'#', U'"', U'\'', U'~', U'[', U'|', U'á', U'É', U'€', char32_t{13}})
        EXPECT_EQ(FiltrarTecla(fuera), 0u) << static_cast<int>(fuera);
}

TEST(Teclas, SoloNumeros) {
    for (char32_t tecla : {U'0', U'9', char32_t{8}, U'a', U'-', U',', char32_t{13}}) {
        char32_t c = tecla;
        SoloNumeros(c);
        EXPECT_EQ(c, (tecla >= U'0' && tecla <= U'9') || tecla == 8 ? tecla : 0u) << static_cast<int>(tecla);
    }
}

TEST(RedondearDecimales, MitadesLejosDelCeroSobreElDouble) {
    EXPECT_EQ(RedondearDecimales(2.5, 0), 3);
    EXPECT_EQ(RedondearDecimales(-2.5, 0), -3);
    EXPECT_EQ(RedondearDecimales(-0.5, 0), -1);
    EXPECT_EQ(RedondearDecimales(0.49999, 0), 0);
    EXPECT_DOUBLE_EQ(RedondearDecimales(1.125, 2), 1.13);
    EXPECT_DOUBLE_EQ(RedondearDecimales(-1.125, 2), -1.13);
    EXPECT_DOUBLE_EQ(RedondearDecimales(1.005, 2), 1.00);  // the double lies below the half
    EXPECT_DOUBLE_EQ(RedondearDecimales(2.675, 2), 2.67);
    EXPECT_EQ(RedondearDecimales(1.123456789, 7), 1.123456789);  // more than 6: unchanged
    EXPECT_DOUBLE_EQ(RedondearDecimales(1.1234565, 6), 1.123457);
}

TEST(Valores, ComaYVacios) {
    EXPECT_EQ(ComaAPunto("1,2,3"), vb::Variant("1.2,3"));
    EXPECT_EQ(ComaAPunto("12"), vb::Variant("12"));
    EXPECT_EQ(VacioACero(vb::Variant()), vb::Variant(vb::Integer{0}));
    EXPECT_EQ(VacioACero(" "), vb::Variant(" "));
    // Amounts as printing formats them: Spanish decimal comma and thousands dots.
    EXPECT_EQ(CeroAVacio(" -0,00 "), vb::Variant(""));
    EXPECT_EQ(CeroAVacio("1.234,56"), vb::Variant("1.234,56"));
    EXPECT_EQ(CeroAVacio("0,01"), vb::Variant("0,01"));
    EXPECT_THROW(CeroAVacio(""), vb::Error);
}

TEST(Idiomas, TrimestresYMascaras) {
    for (int desplazamiento : {0, 10000}) {
        Idioma idioma(desplazamiento);
        EXPECT_EQ(NombreTrimestre("2T"), desplazamiento ? "2.HIRUHILEKOA" : "2ºTRIMESTRE");
        EXPECT_EQ(NombreTrimestre("2t"), "");
        // An untouched date box reads as the empty date of the same language.
        QLineEdit caja;
        FormatearMascaraFecha(&caja);
        cFecha f;
        f.fecidioma(desplazamiento ? "E" : "C");
        EXPECT_EQ(caja.displayText(), f.FecVacia());
        caja.setText(desplazamiento ? "20120930" : "30092012");
        EXPECT_EQ(f.StringToLong(caja.displayText()), 20120930);
    }
    EXPECT_EQ(FechaFinTrimestre(2012, "1T"), 20120331);
    EXPECT_EQ(FechaFinTrimestre(2010, "2T"), 20100630);
    EXPECT_EQ(FechaFinTrimestre(2012, "3T"), 20120930);
    EXPECT_EQ(FechaFinTrimestre(2012, "4T"), 20121231);
    EXPECT_EQ(FechaFinTrimestre(2012, "OA"), 0);
}

TEST(Rutas, UltimaBarra) {
    EXPECT_EQ(ObtenerRuta("/datos/Contri.txt"), "/datos/");
    EXPECT_EQ(ObtenerNombreFichero("/datos/Contri.txt"), "Contri.txt");
    EXPECT_EQ(ObtenerRuta("Contri.txt"), "");
    EXPECT_EQ(ObtenerNombreFichero("/datos/"), "");
}

class Combo : public ::testing::Test {
protected:
    QComboBox c;
    void SetUp() override {
        c.setEditable(true);
        c.addItems({"1ºtrimestre", "2ºtrimestre", "3ºtrimestre", "4ºtrimestre"});
    }
};

TEST_F(Combo, BuscarPorElPrincipio) {
    BuscarEnCombo("3º", &c);
    EXPECT_EQ(c.currentIndex(), 2);
    BuscarEnCombo("X", &c);
    EXPECT_EQ(c.currentIndex(), -1);
    EXPECT_EQ(c.currentText(), "");
    QComboBox vacio;
    vacio.setEditable(true);
    BuscarEnCombo("3", &vacio);
    EXPECT_EQ(vacio.currentText(), "3");
}

TEST_F(Combo, CaracteresDePatronSonLiterales) {
    for (const char* t : {"*", "?ºtrimestre", "[1-4]", "1ºtrimestre*"}) {
        c.setCurrentIndex(0);
        EXPECT_NO_THROW(BuscarEnCombo(t, &c)) << t;
        EXPECT_EQ(c.currentIndex(), -1) << t;
    }
}

vb::Variant Trimestres() {
    vb::Variant t = vb::Variant::Array2(0, 3, 0, 1);
    for (vb::Long i = 0; i < 4; ++i) {
        t(i, 0) = std::to_string(i + 1) + "ºTRIMESTRE";
        t(i, 1) = std::to_string(i + 1);
    }
    return t;
}

TEST_F(Combo, CargaVaciaBloqueaYLaSiguienteDesbloquea) {
    const Qt::FocusPolicy foco = c.focusPolicy();
    const QColor fondo = c.palette().color(QPalette::Base);
    CargarCombo(&c, vb::Variant::Array2(0, -1, 0, 1), true);
    EXPECT_EQ(c.count(), 0);
    EXPECT_EQ(c.focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(c.lineEdit()->isReadOnly());
    EXPECT_EQ(c.palette().color(QPalette::Base), QColor(0xE0, 0xE0, 0xE0));
    CargarCombo(&c, Trimestres(), true);
    EXPECT_EQ(c.itemText(0), "1ºtrimestre");
    EXPECT_EQ(c.itemData(3).toInt(), 4);
    EXPECT_EQ(c.focusPolicy(), foco);
    EXPECT_FALSE(c.lineEdit()->isReadOnly());
    EXPECT_EQ(c.palette().color(QPalette::Base), fondo);
}

TEST(ListaConClaves, CargarYBuscar) {
    vb::Variant l = vb::Variant::Array2(0, 1, 0, 1);
    l(0, 0) = "c1", l(1, 0) = "ARABA", l(0, 1) = "c20", l(1, 1) = "GIPUZKOA";
    QListWidget v;
    CargarListView(&v, l);
    EXPECT_EQ(BuscarClaveLista(&v, "c20"), "GIPUZKOA");
    EXPECT_EQ(BuscarClaveLista(&v, "20"), "");
    EXPECT_THROW(CargarListView(&v, l), vb::Error);  // keys stay unique
}

TEST(Biblioteca, EliminarDeclaracionBorraDetalleYCabecera) {
    BdPrueba bd;
    QString antes = RutaBDModificable;
    RutaBDModificable = QString::fromStdString(bd.Mod());
    BdPrueba::Ejecutar(bd.Mod(),
                       "INSERT INTO T01_DECLARANTES (T01_CSCO, T01_NUM731) VALUES (1, 2);"
                       "INSERT INTO T02_COMUNDECLA (T02_CSDE, T02_CSCO, T02_MODELO) VALUES (5, 1, '731'), (6, 1, '731');"
                       "INSERT INTO T03_731DECLA (T03_CSDE) VALUES (5), (6);");
    EliminarDeclaracion(5, "731");
    RutaBDModificable = antes;
    auto db = dao::DBEngine::Instancia().OpenDatabase(bd.Mod());
    auto rs = db->OpenRecordset(
        "SELECT (SELECT group_concat(T02_CSDE) FROM T02_COMUNDECLA), "
        "(SELECT group_concat(T03_CSDE) FROM T03_731DECLA), (SELECT T01_NUM731 FROM T01_DECLARANTES)");
    EXPECT_EQ(rs->Fields(0).CStr(), "6");
    EXPECT_EQ(rs->Fields(1).CStr(), "6");
    EXPECT_EQ(rs->Fields(2).CLng(), 1);
    db->Close();
}

}  // namespace
