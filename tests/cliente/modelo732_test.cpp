// The form-732 page on the recorder: every section against its table, the order of drawing and
// one job per copy.
#include "cliente/impresion_prueba.h"
#include "form732/cDatos732.h"
#include "compartido/imagenes.h"
#include "impresion/modelo732.h"
#include "impresion/primitivas.h"
#include "registro/cDecDatos.h"
#include "compartido/cDecResumen.h"

using namespace oxalde;

namespace {

class Modelo732 : public prueba::Impresion {
protected:
    cDatos732& datos = cDatos732::Instancia();

    void SetUp() override {
        Impresion::SetUp();
        datos.MODO("A");
        auto& resumen = cDecResumen::Instancia();
        resumen.Ejercicio(2012), resumen.FECHA(20120930), resumen.MODOP("P");
        cImOf::Instancia().PERIODO("3T"), cImOf::Instancia().FECHAPRE(20121015);
        cDecDatos::Instancia().DNI("12345678Z"), cDecDatos::Instancia().NOMBRE("KELMORIA ARGITALPENAK S.L.");
    }

    // The tops of the "X" marks printed in a section, from its top.
    std::vector<double> Marcas(double y0, double y1) const {
        std::vector<double> r;
        for (const Llamada& l : impresora->De("Print"))
            if (l.texto == "X" && l.x1 == 171 && l.y1 >= y0 && l.y1 < y1) r.push_back(l.y1 - y0);
        return r;
    }
};

TEST_F(Modelo732, UnaPaginaPorCopiaConElSelloAlFinal) {
    ImprimirModelo732("AD");
    ImprimirModelo732("IF");
    std::vector<QString> dibujos;
    int finales = 0;
    for (const Llamada& l : impresora->llamadas) {
        if (l.op == "Picture") dibujos.push_back(l.texto);
        // The stamp is the last thing each page gets.
        finales += l.op == "EndDoc";
        EXPECT_TRUE(l.op != "EndDoc" || dibujos.back() == (finales == 1 ? "Administracion" : "Informatica"));
        EXPECT_NE(l.op, "KillDoc");
    }
    EXPECT_TRUE(finales == 2 && impresora->llamadas.back().op == "EndDoc");
    const std::vector<QString> pagina = {"Logo", "Zergaduna", "Transmitente", "Situacion", "HechoImponible",
                                         "tecnicos", "Liquidacion", "Justificante", "Administracion"};
    ASSERT_EQ(dibujos.size(), 18u);
    EXPECT_EQ(std::vector<QString>(dibujos.begin(), dibujos.begin() + 9), pagina);
    EXPECT_EQ(Printer().ScaleMode(), 1);
}

TEST_F(Modelo732, SeccionesEnSusAlturasYBandasASuTamano) {
    ImprimirModelo732("BO");
    constexpr double kMm = 25.4 / 96;
    // Section outlines, and where each band picture is painted (own size but the declarant's).
    for (auto [y0, alto] : {std::pair{57., 18.}, {76., 31.}, {108., 28.}, {138., 54.}, {194., 42.}, {238., 29.},
                            {251., 17.}, {29., 15.}, {0.1, 28.}})
        EXPECT_TRUE(Hay("Box", 0.1, y0, 190.5, y0 + alto)) << y0;
    const std::tuple<const char*, double, double> bandas[] = {
        {"Transmitente", 0.1, 57}, {"Situacion", 0.1, 76}, {"HechoImponible", 0.1, 113}, {"tecnicos", 0.1, 138},
        {"Liquidacion", 0.1, 194}, {"Justificante", 0.5, 252}};
    for (auto [nombre, x, y] : bandas) {
        const QSizeF propio = Imagen(nombre).deviceIndependentSize() * kMm;
        EXPECT_TRUE(Hay("Picture", x, y, x + propio.width(), y + propio.height())) << nombre;
    }
    EXPECT_TRUE(Hay("Picture", 0.5, 29.5, 9.5, 43.5));
    for (const Llamada& l : impresora->De("Box"))
        EXPECT_TRUE(l.y1 < 29 || l.drawWidth == 3) << l.Describir().toStdString();
}

TEST_F(Modelo732, TransmitenteSoloConValorYCentradoEntero) {
    datos.TRANIF("  B1234567"), datos.TRANOM("   "), datos.TRADIRECC(""), datos.TRAPROVINCIA("KELMORIA");
    datos.TRAPAIS("ORVANDIA");
    ImprimirModelo732("BO");
    EXPECT_FALSE(impresora->Textos().contains("   "));
    for (auto [texto, centro, y] :
         {std::tuple{"  B1234567", 41., 63.}, {"ORVANDIA", 175., 72.}, {"KELMORIA", 127.5, 72.}}) {
        const Llamada l = Texto(texto);
        EXPECT_NEAR((l.x1 + l.x2) / 2, centro, 1e-9) << texto;
        EXPECT_TRUE(l.y1 == y && l.negrita) << texto;
    }
}

TEST_F(Modelo732, MarcasDeSituacionYHechoSinCombinar) {
    // Any non-empty flag is marked, each on its own, 1 mm below its tick box's top.
    datos.SITTIB1("X"), datos.SITTIB3("s"), datos.SITTIB6("X"), datos.HECHO2("X"), datos.HECHO5("X");
    ImprimirModelo732("BO");
    const Llamada x = Texto("X");
    for (auto [desde, hasta, tops] : {std::tuple{76., 107., std::vector<double>{3, 15, 27}}, {108., 136., {6, 19}}}) {
        const auto marcas = Marcas(desde, hasta);
        ASSERT_EQ(marcas.size(), tops.size()) << desde;
        for (size_t i = 0; i < tops.size(); ++i) EXPECT_NEAR(marcas[i], tops[i] - 0.35 * (x.y2 - x.y1), 1e-9) << desde;
    }
    // The marks keep the reset's font.
    EXPECT_TRUE(x.fuente == "arial" && x.tamano == 8);
}

TEST_F(Modelo732, TextosDeLasOpcionesIgualesParaAmbasClases) {
    QStringList porClase[2];
    for (int i = 0; i < 2; ++i) {
        impresora->llamadas.clear();
        cDecResumen::Instancia().MODOP(i ? "T" : "P");
        ImprimirModelo732("BO");
        porClase[i] = impresora->Textos();
    }
    EXPECT_EQ(porClase[0], porClase[1]);
    // Tick boxes: twelve, 3 mm wide, at x 170.
    int cajas = 0;
    for (const Llamada& l : impresora->De("Box")) cajas += l.x1 == 170 && l.x2 == 173;
    EXPECT_EQ(cajas, 12);
    EXPECT_TRUE(Texto("3. Kenkarirako eskubiderik ez duen subjektu pasiboa ").cursiva);
    for (const Llamada& l : impresora->De("Print"))
        EXPECT_TRUE(!l.texto.startsWith("Inversión sujeto pasivo") || std::abs(l.x1 - 52) < 1e-9)
            << l.texto.toStdString();
}

TEST_F(Modelo732, ValoresTecnicosPorMedio) {
    struct Caso {
        const char* medio;
        std::function<void(cDatos732&)> llenar;
        QStringList presentes, ausentes;
    };
    const Caso casos[] = {
        {"V", [](cDatos732& d) { d.MODELOV("M1"); d.NBASTIDOR("VF123"); d.CLASIF(0); },
         {" - ", "M1", "VF123"}, {"0"}},
        {"V", [](cDatos732& d) { d.MARCAV("SEAT"); d.TIPOV("T"); d.CLASIF(1234); }, {"SEAT - ", "T - ", "1234"}, {}},
        {"B", [](cDatos732& d) { d.FABRICB("ASTILLERO"); d.ESLORAMAX(0); d.MODELOB("   "); d.NCONSTRUC("N7"); },
         {"ASTILLERO", "N7"}, {"0,00", "   "}},
        {"B", [](cDatos732& d) { d.ESLORAMAX(12.5f); d.MODELOB("VELERO"); }, {"12,50", "VELERO"}, {}},
        {"A", [](cDatos732& d) { d.FABRICA("AVIONES"); d.PESOMAX(0); d.ANOFAB(0); d.NSERIE("S1"); },
         {"AVIONES", "S1", ""}, {"0"}},
        {"A", [](cDatos732& d) { d.PESOMAX(1234567); d.ANOFAB(1999); d.MODELOA("A320"); },
         {"1.234.567", "1999", "A320"}, {}},
        {"", [](cDatos732&) {}, {}, {" - ", ""}},
    };
    for (const Caso& c : casos) {
        datos.MODO("A");
        datos.TMEDIO(c.medio);
        c.llenar(datos);
        impresora->llamadas.clear();
        ImprimirDatosTecnicos732(138);
        const QStringList textos = impresora->Textos();
        for (const QString& t : c.presentes) EXPECT_TRUE(textos.contains(t)) << c.medio << " " << t.toStdString();
        for (const QString& t : c.ausentes) EXPECT_FALSE(textos.contains(t)) << c.medio << " " << t.toStdString();
        for (const Llamada& l : impresora->llamadas) EXPECT_EQ(l.fuente, "arial");
    }
    // The frame and its labels print whatever the means.
    impresora->llamadas.clear();
    ImprimirMarcoTecnico732(138, "tecnicos", 3);
    EXPECT_EQ(impresora->De("Line").size(), 15u);
    EXPECT_TRUE(impresora->Textos().contains("Peso máximo despegue (en Kg.)"));
}

TEST_F(Modelo732, TasasPorFechaYPeriodo) {
    struct Caso {
        const char* periodo;
        int ejercicio;
        long fecha;
        QStringList tasas;  // general, reduced, surcharge, reduced surcharge
    };
    const QStringList t21 = {"21%", "10%", "5.2%", "1.4%"};
    const QStringList t18 = {"18%", "8%", "4%", "1%"};
    const QStringList t16 = {"16%", "7%", "4%", "1%"};
    // Either date past a change moves the labels (the last case).
    const Caso casos[] = {{"OA", 2012, 20120901, t21}, {"OA", 2012, 20120831, t18}, {"OA", 2010, 20100630, t16},
                          {"3T", 2012, 20120930, t21}, {"2T", 2012, 20120630, t18}, {"2T", 2010, 0, t16},
                          {"2T", 2012, 20121001, t21}};
    for (const Caso& c : casos) {
        cImOf::Instancia().PERIODO(c.periodo);
        cDecResumen::Instancia().Ejercicio(c.ejercicio);
        cDecResumen::Instancia().FECHA(c.fecha);
        const Tasas732 t = TasasLiquidacion732();
        EXPECT_EQ(QStringList({t.general, t.reducido, t.recargo, t.recargoReducido}), c.tasas) << c.periodo << c.fecha;
    }
    impresora->llamadas.clear();
    ImprimirMarcoLiquidacion732(194, "Liquidacion", 3);
    // The labels at x 100 in rows 1 to 7.
    QStringList columna;
    for (const Llamada& l : impresora->De("Print"))
        if (l.x1 == 100) columna << l.texto;
    EXPECT_EQ(columna, QStringList({"21%", "10%", "4%", "5.2%", "1,75%", "1.4%", "0,5%"}));
    // The thick rule under row 3, every other rule in the frame's width.
    for (const Llamada& l : impresora->De("Line"))
        EXPECT_EQ(l.drawWidth, l.y1 == 210 && l.y2 == 210 ? 6 : 3) << l.Describir().toStdString();
}

TEST_F(Modelo732, ImportesALaDerechaEnNegritaYCerosEnBlanco) {
    datos.BASE16(123456), datos.CUOTA16(25926), datos.BAEQ175(0), datos.TOTAL(123456789);
    ImprimirModelo732("BO");
    for (auto [texto, x, y] :
         {std::tuple{"1.234,56", 90., 198.5}, {"259,26", 150., 198.5}, {"1.234.567,89", 150., 228.5}}) {
        const Llamada l = Texto(texto);
        EXPECT_NEAR(l.x2, x, 1e-9) << texto;
        // The frame's typeface, made bold: no reset between frame and values.
        EXPECT_TRUE(l.y1 == y && l.fuente == "times new roman" && l.negrita) << texto;
    }
    for (const Llamada& l : impresora->De("Print")) EXPECT_FALSE(l.texto.contains("0,00")) << l.texto.toStdString();
}

TEST_F(Modelo732, LineaDeFechaVascaPrimeroEnCualquierIdioma) {
    cImOf::Instancia().FECHAPRE(20120311);
    for (const char* idioma : {"C", "E"}) {
        impresora->llamadas.clear();
        cFecha::Instancia().fecidioma(idioma);
        ImprimirMarcoJustificante(238, "Justificante", 3);
        const Llamada linea = Texto("Data eta sinadura   2012/03/11n /// 11/03/2012");
        EXPECT_TRUE(linea.x1 == 0.1 && linea.cursiva && cFecha::Instancia().fecidioma() == idioma) << idioma;
    }
}

TEST_F(Modelo732, UnFalloDescartaLaCopiaYLaSiguienteSaleEntera) {
    ImprimirModelo732("IF");
    const QString limpia = impresora->Registro();
    impresora->llamadas.clear();
    impresora->alDibujar = [](const Llamada& l) {
        if (l.texto == "22") throw vb::Error(482, "Printer", "out of paper");
    };
    EXPECT_THROW(ImprimirModelo732("AD"), vb::Error);
    EXPECT_TRUE(impresora->llamadas.back().op == "KillDoc" && Printer().ScaleMode() == 1);
    impresora->llamadas.clear(), impresora->alDibujar = nullptr;
    // The next copy is the whole page, as if nothing had happened.
    ImprimirModelo732("IF");
    EXPECT_EQ(impresora->Registro(), limpia);
}

}  // namespace
