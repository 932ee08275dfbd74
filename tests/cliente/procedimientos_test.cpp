#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include "comun/bd_prueba.h"
#include "comun/errores.h"
#include "dao/dao.h"
#include "compartido/cFecha.h"
#include "compartido/cadenas.h"
#include "compartido/general.h"
#include "compartido/procedimientos.h"

using namespace oxalde;

namespace {

TEST(Teclas, FiltrarTeclaYSoloNumeros) {
    for (auto [tecla, filtrada] : {std::pair{U'a', U'A'}, {U'ñ', U'Ñ'}, {U'ç', U'Ç'}, {char32_t{8}, char32_t{8}}})
        EXPECT_EQ(FiltrarTecla(tecla), filtrada);
    for (char32_t igual : {U'Ñ', U'7', U' ', U'?', U'*', U'\\', U'_', U'º', U'ª', U'¿', U'¡'})
        EXPECT_EQ(FiltrarTecla(igual), igual) << static_cast<int>(igual);
    for (char32_t fuera : {U'@', U'#', U'"', U'\'', U'~', U'[', U'|', U'á', U'É', U'€', char32_t{13}})
        EXPECT_EQ(FiltrarTecla(fuera), 0u) << static_cast<int>(fuera);
    for (char32_t tecla : {U'0', U'9', char32_t{8}, U'a', U'-', U',', char32_t{13}}) {
        char32_t c = tecla;
        SoloNumeros(c);
        EXPECT_EQ(c, (tecla >= U'0' && tecla <= U'9') || tecla == 8 ? tecla : 0u) << static_cast<int>(tecla);
    }
}

TEST(RedondearDecimales, MitadesLejosDelCeroSobreElDouble) {
    // 1.005 and 2.675 lie below the half as doubles; more than 6 decimals leaves the value as it is.
    for (auto [valor, decimales, esperado] :
         {std::tuple{2.5, 0, 3.0}, {-2.5, 0, -3.0}, {-0.5, 0, -1.0}, {0.49999, 0, 0.0}, {1.125, 2, 1.13},
          {-1.125, 2, -1.13}, {1.005, 2, 1.00}, {2.675, 2, 2.67},
          {1.123456789, 7, 1.123456789}, {1.1234565, 6, 1.123457}})
        EXPECT_DOUBLE_EQ(RedondearDecimales(valor, decimales), esperado) << valor;
}

TEST(Valores, ComaVaciosYRutas) {
    EXPECT_EQ(ComaAPunto("1,2,3"), vb::Variant("1.2,3"));
    EXPECT_EQ(VacioACero(vb::Variant()), vb::Variant(vb::Integer{0}));
    EXPECT_EQ(VacioACero(" "), vb::Variant(" "));
    EXPECT_EQ(CeroAVacio(" -0,00 "), vb::Variant(""));
    EXPECT_EQ(CeroAVacio("1.234,56"), vb::Variant("1.234,56"));
    EXPECT_EQ(CeroAVacio("0,01"), vb::Variant("0,01"));
    EXPECT_THROW(CeroAVacio(""), vb::Error);
    EXPECT_EQ(ObtenerRuta("/datos/Contri.txt") + ObtenerNombreFichero("/datos/Contri.txt"), "/datos/Contri.txt");
    EXPECT_EQ(ObtenerRuta("Contri.txt"), "");
    EXPECT_EQ(ObtenerNombreFichero("/datos/"), "");
}

TEST(Idiomas, TrimestresYMascaras) {
    for (int desplazamiento : {0, kDesplEuskera}) {
        DesplIdioma = desplazamiento;
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
    DesplIdioma = 0;
    for (auto [anio, trimestre, fin] : {std::tuple{2012, "1T", 20120331}, {2010, "2T", 20100630},
                                        {2012, "3T", 20120930}, {2012, "4T", 20121231}, {2012, "OA", 0}})
        EXPECT_EQ(FechaFinTrimestre(anio, trimestre), fin) << trimestre;
}

TEST(Combo, BuscarLiteralmenteYCargarDesbloquea) {
    QComboBox c;
    c.setEditable(true);
    c.addItems({"1ºtrimestre", "2ºtrimestre", "3ºtrimestre", "4ºtrimestre"});
    BuscarEnCombo("3º", &c);
    EXPECT_EQ(c.currentIndex(), 2);
    for (const char* t : {"X", "*", "?ºtrimestre", "[1-4]", "1ºtrimestre*"}) {
        c.setCurrentIndex(0);
        BuscarEnCombo(t, &c);
        EXPECT_EQ(c.currentIndex(), -1) << t;
    }

    const Qt::FocusPolicy foco = c.focusPolicy();
    const QColor fondo = c.palette().color(QPalette::Base);
    CargarCombo(&c, vb::Variant::Array2(0, -1, 0, 1), true);
    EXPECT_EQ(c.count(), 0);
    EXPECT_EQ(c.focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(c.lineEdit()->isReadOnly());
    vb::Variant t = vb::Variant::Array2(0, 3, 0, 1);
    for (vb::Long i = 0; i < 4; ++i) t(i, 0) = std::to_string(i + 1) + "ºTRIMESTRE", t(i, 1) = std::to_string(i + 1);
    CargarCombo(&c, t, true);
    EXPECT_EQ(c.itemText(0), "1ºtrimestre");
    EXPECT_EQ(c.itemData(3).toInt(), 4);
    EXPECT_EQ(c.focusPolicy(), foco);
    EXPECT_FALSE(c.lineEdit()->isReadOnly());
    EXPECT_EQ(c.palette().color(QPalette::Base), fondo);
}

TEST(ListaConClaves, CargarYBuscar) {
    vb::Variant l = vb::Variant::Array2(0, 1, 0, 1);
    l(0, 0) = "c1", l(1, 0) = "ABRELDA", l(0, 1) = "c20", l(1, 1) = "KELMORIA";
    QListWidget v;
    CargarListView(&v, l);
    EXPECT_EQ(BuscarClaveLista(&v, "c20"), "KELMORIA");
    EXPECT_EQ(BuscarClaveLista(&v, "20"), "");
    EXPECT_THROW(CargarListView(&v, l), vb::Error);  // keys stay unique
}

// The reference lists sort by name in Spanish order in either language.
TEST(Biblioteca, ListasDeReferenciaEnOrdenEspanol) {
    BdPrueba bd;
    RutaBDLectura = QString::fromStdString(bd.Lec());
    BdPrueba::Ejecutar(bd.Lec(),
                       "INSERT INTO T05_PROVINCIAS VALUES (90, 'ÁRDENA', 'ÁRDENA'), (91, 'ÑOLDA', 'ÑOLDA'),"
                       " (92, 'ZORBA', 'ZORBA'), (93, 'NOLBA', 'NOLBA');"
                       "INSERT INTO T06_MUNICIPIOS VALUES (901, 'ÉRZEA'), (902, 'ZZANA');"
                       "INSERT INTO T07_SIGLASVIA VALUES ('ÑA', 'ÑAVIA', 'ÑABIA'), ('AA', 'ÁBSIDA', 'ÁBSIDA')");
    auto nombres = [](void (*obtener)(const QString&, vb::Variant&), const QString& sql) {
        vb::Variant b;
        obtener(sql, b);
        QStringList r;
        for (vb::Long i = 0; i <= b.UBound(2); ++i) r << QString::fromStdString(b(1, i).CStr());
        return r;
    };
    // Byte order would put every accented name and Ñ after Z.
    for (int idioma : {0, kDesplEuskera}) {
        DesplIdioma = idioma;
        const QStringList provincias = nombres(ObtenerProvincias, SqlListaProvincias());
        EXPECT_EQ(provincias.last(), "ZORBA") << idioma;
        EXPECT_LT(provincias.indexOf("ÁRDENA"), provincias.indexOf("KELMORIA")) << idioma;
        EXPECT_LT(provincias.indexOf("NOLBA"), provincias.indexOf("ÑOLDA")) << idioma;
        const QStringList municipios = nombres(ObtenerMunicipios, SqlListaMunicipios());
        EXPECT_EQ(municipios.last(), "ZZANA");
        EXPECT_LT(municipios.indexOf("ÉRZEA"), municipios.indexOf("KELMORIA"));
        const QStringList vias = nombres(ObtenerVias, SqlListaVias());
        EXPECT_LT(vias.indexOf("ÁBSIDA"), vias.indexOf(idioma ? "ETORBIDEA" : "AVENIDA")) << idioma;
        EXPECT_NE(vias.last(), idioma ? "ÑABIA" : "ÑAVIA");
    }
    DesplIdioma = 0;
    RutaBDLectura.clear();
}

TEST(Biblioteca, EliminarDeclaracionBorraDetalleYCabecera) {
    BdPrueba bd;
    RutaBDModificable = QString::fromStdString(bd.Mod());
    BdPrueba::Ejecutar(
        bd.Mod(),
        "INSERT INTO T01_DECLARANTES (T01_CSCO, T01_NUM731) VALUES (1, 2);"
        "INSERT INTO T02_COMUNDECLA (T02_CSDE, T02_CSCO, T02_MODELO) VALUES (5, 1, '731'), (6, 1, '731');"
        "INSERT INTO T03_731DECLA (T03_CSDE) VALUES (5), (6);");
    EliminarDeclaracion(5, "731");
    RutaBDModificable.clear();
    auto db = dao::DBEngine::Instancia().OpenDatabase(bd.Mod());
    auto rs = db->OpenRecordset(
        "SELECT (SELECT group_concat(T02_CSDE) FROM T02_COMUNDECLA) || '|' || "
        "(SELECT group_concat(T03_CSDE) FROM T03_731DECLA) || '|' || "
        "(SELECT CAST(T01_NUM731 AS INTEGER) FROM T01_DECLARANTES)");
    EXPECT_EQ(rs->Fields(0).CStr(), "6|6|1");
    db->Close();
}

cFecha En(const char* idioma) {
    cFecha f;
    f.fecidioma(idioma);
    return f;
}

TEST(Fecha, StringToLongEnAmbosIdiomasConElCalendarioGregoriano) {
    auto c = En("C"), e = En("E");
    for (auto [texto, fecha] : {std::pair{"29/02/2008", 20080229}, {"29/02/2000", 20000229}, {"30/04/2008", 20080430},
                                {"12-05-2008", 20080512}, {"__/__/____", 0}})
        EXPECT_EQ(c.StringToLong(texto), fecha) << texto;
    // Not a date: -1, also when the year or day would only pass cut at a stray character.
    for (const char* mala : {"29/02/2009", "29/02/1900", "31/04/2008", "00/01/2008", "32/01/2008", "01/13/2008",
                             "12/__/2008", "01/01/0999", "", "____/__/__", "29/02/2008x", "01/03/12008"})
        EXPECT_EQ(c.StringToLong(mala), -1) << mala;
    EXPECT_FALSE(c.EsFecha("31/12/2007", 2008));

    EXPECT_EQ(e.StringToLong("____/__/__"), 0);
    EXPECT_EQ(e.StringToLong("2012/09/30"), 20120930);
    EXPECT_EQ(e.StringToLong("2000/02/29"), 20000229);
    for (const char* mala : {"2100/02/29", "2012/09/31", "30/09/2012", "__/__/____", "2012/09/3"})
        EXPECT_EQ(e.StringToLong(mala), -1) << mala;
}

TEST(Fecha, LongToStringEnAmbosIdiomas) {
    auto c = En("C"), e = En("E");
    EXPECT_EQ(c.LongToString(20120930), "30/09/2012");
    EXPECT_EQ(e.LongToString(20120930), "2012/09/30");
    for (vb::Long imposible : {0, -20120930, 20121330, 20090229})
        EXPECT_EQ(c.LongToString(imposible), "__/__/____") << imposible;
    EXPECT_EQ(e.LongToString(0), e.FecVacia());
    EXPECT_EQ(e.FecVacia(), "____/__/__");
    EXPECT_EQ(c.LongToString(30092012, true), "30/09/2012");
}

TEST(Cadenas, CadaTextoTieneSuParEnElOtroIdiomaYNadaFueraDelRango) {
    EXPECT_EQ(LoadResString(331), "No hay disponible información sobre la versión");
    EXPECT_EQ(LoadResString(10331), "Ez dago bertsioari buruzko informaziorik eskura");
    EXPECT_EQ(LoadResString(111), "&Contenido e índice");
    EXPECT_EQ(LoadResString(337), "Copia de seguridad ");  // the trailing blank is part of it
    // The form's texts are 101 to 368; the program's own (start-up, standard buttons) 9101 on.
    auto existe = [](int id) { return NumeroDeError([id] { LoadResString(id); }) == 0; };
    int ids = 0;
    for (int id = 0; id < 20000; ++id) {
        if (!existe(id)) continue;
        const int base = id % kDesplEuskera;
        EXPECT_TRUE((base >= 101 && base <= 368 && base != 222) || (base >= 9101 && base <= 9299)) << id;
        EXPECT_TRUE(existe(id < kDesplEuskera ? id + kDesplEuskera : id - kDesplEuskera)) << id;
        ++ids;
    }
    EXPECT_GT(ids, 0);
}

}  // namespace
