// The form-731 page on the recorder: the boxes' rules and positions against their tables, what
// each kind fills, the rate labels by date, the bank-account cells and one job per copy.
#include "cliente/impresion_prueba.h"
#include "form731/cDatos731.h"
#include "impresion/modelo731.h"
#include "impresion/primitivas.h"
#include "registro/cDecDatos.h"
#include "compartido/cDecResumen.h"

using namespace oxalde;

namespace {

struct Rect {
    double x1, y1, x2, y2;
};

class Modelo731 : public prueba::Impresion {
protected:
    cDatos731& datos = cDatos731::Instancia();

    void SetUp() override {
        Impresion::SetUp();
        datos.MODO("A");
        Clase("P", 2012, "3T", 0);
        cImOf::Instancia().FECHAPRE(20121015);
        cDecDatos::Instancia().DNI("12345678Z"), cDecDatos::Instancia().NOMBRE("KELMORIAKO DENDA S.L.");
    }

    static void Clase(const char* modo, int ejercicio, const char* periodo, long fecha) {
        auto& r = cDecResumen::Instancia();
        r.MODOP(modo), r.Ejercicio(ejercicio), r.FECHA(fecha);
        cImOf::Instancia().PERIODO(periodo);
    }

    // A transport declaration with every box filled: a boat, its acquirer and its prices.
    void LlenarTransporte() {
        datos.MODOP("T"), datos.TMEDIO("B"), datos.FABRICB("ASTILLEROS KELMORIA"), datos.ESLORAMAX(12.5f);
        datos.NCONSTRUC("C-77"), datos.MARCAB("ITSAS"), datos.TIPOB("VELERO"), datos.MODELOB("V9");
        datos.ADQNIF("B12345678"), datos.ADQPAIS("ORVANDIA"), datos.ADQNOM("GARRAIOAK S.A.");
        datos.PREADQ(10000000), datos.TIPOADQ(18), datos.IVASOP(1800000), datos.PREVEN(12000000), datos.TIPOVEN(18);
        datos.MAXDEV(1800000), datos.IVADEV1(1800000);
    }

    void LlenarTrimestre() {
        datos.MODOP("P"), datos.BASE16(1000000), datos.CUOTA16(52000), datos.BASE7(200000), datos.CUOTA7(2800);
        datos.BASE4(50000), datos.CUOTA4(250), datos.IVADEV2(55050);
    }

    // The calls of a kind whose top lies in y0 .. y1, as rectangles, in order.
    std::vector<Rect> Entre(const QString& op, double y0, double y1) const {
        std::vector<Rect> r;
        for (const Llamada& l : impresora->De(op))
            if (l.y1 >= y0 && l.y1 < y1) r.push_back({l.x1, l.y1, l.x2, l.y2});
        return r;
    }

    // The texts printed with their tops in y0 .. y1 whose font is `fuente`.
    QStringList Valores(double y0, double y1, const QString& fuente = "arial") const {
        QStringList r;
        for (const Llamada& l : impresora->De("Print"))
            if (l.y1 >= y0 && l.y1 < y1 && l.fuente == fuente && !l.texto.isEmpty()) r << l.texto;
        return r;
    }

    static void Igual(const std::vector<Rect>& hechos, const std::vector<Rect>& esperados, const char* que) {
        ASSERT_EQ(hechos.size(), esperados.size()) << que;
        for (size_t i = 0; i < hechos.size(); ++i) {
            const Rect &h = hechos[i], &e = esperados[i];
            const double desvio =
                std::max({std::abs(h.x1 - e.x1), std::abs(h.y1 - e.y1), std::abs(h.x2 - e.x2), std::abs(h.y2 - e.y2)});
            EXPECT_LT(desvio, 1e-9) << que << " #" << i << ": " << h.x1 << "," << h.y1 << " " << h.x2 << "," << h.y2;
        }
    }

    double Centro(const QString& texto) const {
        const Llamada l = Texto(texto);
        return (l.x1 + l.x2) / 2;
    }
};

TEST_F(Modelo731, UnaPaginaPorCopiaConSusBandasYElSelloAlFinal) {
    LlenarTrimestre();
    Printer().ScaleMode(1);
    ImprimirModelo731("AD");
    const QString primera = impresora->Registro();
    ImprimirModelo731("IF");
    std::vector<QString> dibujos;
    int finales = 0;
    for (const Llamada& l : impresora->llamadas) {
        if (l.op == "Picture") dibujos.push_back(l.texto);
        finales += l.op == "EndDoc";
        EXPECT_NE(l.op, "KillDoc");
    }
    EXPECT_EQ(finales, 2);
    const std::vector<QString> pagina = {"Logo",        "Declarante", "Adquiriente", "tecnicos",
                                         "Liquidacion", "Liquidacion", "sujeto",     "Administracion"};
    ASSERT_EQ(dibujos.size(), 16u);
    EXPECT_EQ(std::vector<QString>(dibujos.begin(), dibujos.begin() + 8), pagina);
    EXPECT_EQ(dibujos.back(), "Informatica");
    // Both pages alike but for the stamp.
    const auto sinSello = [](const QString& registro) {
        QStringList lineas = registro.split('\n');
        lineas.removeIf([](const QString& l) { return l.startsWith("Picture 193.00 108.00"); });
        return lineas;
    };
    EXPECT_EQ(sinSello(impresora->Registro().mid(primera.size() + 1)), sinSello(primera));
    EXPECT_EQ(Printer().ScaleMode(), 1);
    EXPECT_TRUE(impresora->Textos().contains("731") && impresora->Textos().contains("3T"));
}

TEST_F(Modelo731, ReglasYMarcosDelApartadoDeTransporte) {
    ImprimirApartadoTransporte(57, 5);
    // Section: grey band, outline; then the boxes, each frame in width 3.
    Igual(Entre("Fill", 57, 58), {{0.1, 57, 190.5, 72}}, "title band");
    Igual(Entre("Box", 57, 58), {{0.1, 57, 190.5, 184}}, "section");
    EXPECT_EQ(impresora->De("Box").front().drawWidth, 5);
    Igual(Entre("Line", 72, 90), {{10, 72, 10, 90}, {10, 81, 72, 81}, {72, 72, 72, 90}}, "acquirer");
    const std::vector<Rect> reglasTransporte = {
        {10, 90, 10, 144},    {35, 90, 35, 144},    {35, 99, 190.5, 99},  {120, 99, 120, 108},  {10, 108, 190.5, 108},
        {150, 108, 150, 117}, {35, 117, 190.5, 117}, {120, 117, 120, 126}, {10, 126, 190.5, 126}, {150, 126, 150, 135},
        {35, 135, 190.5, 135}, {90, 135, 90, 144},   {120, 135, 120, 144},
    };
    Igual(Entre("Line", 90, 142), reglasTransporte, "means of transport");
    // The prices: no outline of their own, seven value boxes each with its number cell.
    Igual(Entre("Box", 72, 142), {{0.1, 72, 190.5, 90}, {0.1, 90, 190.5, 145}}, "box outlines");
    Igual(Entre("Box", 142, 184),
          {{42, 146, 86, 154}, {42, 158, 86, 166}, {101, 146, 113, 154}, {101, 158, 113, 166}, {141, 146, 185.5, 154},
           {141, 158, 185.5, 166}, {141, 170, 185.5, 178}},
          "price boxes");
    Igual(Entre("Line", 142, 184),
          {{10, 142, 10, 182}, {47, 146, 47, 154}, {47, 158, 47, 166}, {106, 146, 106, 154}, {106, 158, 106, 166},
           {146, 146, 146, 154}, {146, 158, 146, 166}, {146, 170, 146, 178}},
          "number cells");
    for (const Llamada& l : impresora->llamadas)
        EXPECT_TRUE((l.op != "Line" && l.op != "Box") || l.y1 < 72 || l.drawWidth == 3) << l.Describir().toStdString();
    // Band pictures stretched into the band column.
    Igual(Entre("Picture", 57, 184), {{0.5, 72.5, 9.5, 89.5}, {0.5, 90.5, 9.5, 142.5}, {0.5, 144, 9.5, 178}}, "bands");
    // Box numbers in their cells, labels Basque italic over Spanish upright.
    for (auto [numero, x] : {std::pair{"01", 44.5}, {"05", 103.5}, {"07", 143.5}}) EXPECT_NEAR(Centro(numero), x, 1e-9);
    EXPECT_TRUE(Texto("Gehienezko aireratze pisua (kg.tan)").cursiva &&
                Texto("Peso máximo despegue (en Kg.)").x1 == 152);
    EXPECT_TRUE(Texto("Jasandako B.E.Z.a").tamano == 7 &&
                Texto("I.V.A. a devolver.....................................").tamano == 8);
}

TEST_F(Modelo731, CadaClaseLlenaSoloLoSuyo) {
    struct Caso {
        const char* modo;
        bool transporte, liquidacion;
    };
    for (const Caso& c : {Caso{"P", false, true}, Caso{"T", true, false}}) {
        impresora->llamadas.clear();
        LlenarTransporte();
        // Both kinds' values in the record: the page's kind alone decides what is printed.
        datos.BASE16(1000000), datos.IVADEV2(52000), datos.resul(55050);
        cDecResumen::Instancia().MODOP(c.modo);
        ImprimirModelo731("BO");
        EXPECT_EQ(Valores(72, 184).isEmpty(), !c.transporte) << c.modo;
        EXPECT_EQ(Valores(199, 237).isEmpty(), !c.liquidacion) << c.modo;
        // Frames, labels and box numbers whatever the kind; the result always.
        for (const char* t : {"01", "04", "07", "08", "14", "15", "Herria", "Aeronaves", "550,50"})
            EXPECT_TRUE(impresora->Textos().contains(t)) << c.modo << " " << t;
    }
}

TEST_F(Modelo731, ValoresDelTransportePorMedio) {
    struct Caso {
        const char* medio;
        std::function<void(cDatos731&)> llenar;
        std::vector<std::tuple<QString, double, double>> presentes;  // text, centre x, top y
        QStringList ausentes;
        double filaDesde, filaHasta;  // the rows the values stay in
    };
    const Caso casos[] = {
        {"V", [](cDatos731& d) { d.TIPOV("TURISMOA"); d.MODELOV("M1"); d.NBASTIDOR("VF123"); d.CLASIF(0); },
         {{" - ", 60, 96}, {"TURISMOA - ", 115, 96}, {"M1", 170, 96}, {"VF123", 77.5, 105}}, {"0"}, 90, 108},
        {"V", [](cDatos731& d) { d.CLASIF(1234); }, {{"1234", 155.25, 105}}, {}, 90, 108},
        {"B", [](cDatos731& d) { d.FABRICB("ASTILLEROS"); d.ESLORAMAX(0); d.NCONSTRUC("C-77"); d.MARCAB("   ");
                                   d.TIPOB("VELERO"); },
         {{"ASTILLEROS", 92.5, 114}, {"C-77", 77.5, 123}, {"VELERO - ", 154.25, 123}}, {"0,00", "    - "}, 108, 126},
        {"B", [](cDatos731& d) { d.ESLORAMAX(12.5f); d.MODELOB("V9"); }, {{"12,50", 170.25, 114}, {"V9", 179.75, 123}},
         {}, 108, 126},
        {"A", [](cDatos731& d) { d.FABRICA("HEGAZKINAK"); d.PESOMAX(0); d.ANOFAB(0); d.NSERIE("S1");
                                   d.MARCAA("AERO"); },
         {{"HEGAZKINAK", 92.5, 132}, {"S1", 62.5, 141}, {"AERO - ", 129.75, 141}}, {"0"}, 126, 144},
        {"A", [](cDatos731& d) { d.PESOMAX(1234567); d.ANOFAB(1999); },
         {{"1.234.567", 170.25, 132}, {"1999", 105, 141}}, {}, 126, 144},
        {"", [](cDatos731&) {}, {}, {" - "}, 0, 0},
    };
    for (const Caso& c : casos) {
        datos.MODO("A"), datos.MODOP("T"), datos.TMEDIO(c.medio);
        c.llenar(datos);
        impresora->llamadas.clear();
        ImprimirDatosTransporte731(90);
        for (const auto& [texto, x, y] : c.presentes) {
            EXPECT_NEAR(Centro(texto), x, 1e-9) << c.medio << " " << texto.toStdString();
            EXPECT_EQ(Texto(texto).y1, y) << c.medio << " " << texto.toStdString();
        }
        for (const QString& t : c.ausentes)
            EXPECT_FALSE(impresora->Textos().contains(t)) << c.medio << " " << t.toStdString();
        for (const Llamada& l : impresora->De("Print"))
            EXPECT_TRUE(l.y1 >= c.filaDesde && l.y1 < c.filaHasta && l.fuente == "arial" && l.negrita)
                << c.medio << " " << l.Describir().toStdString();
    }
}

TEST_F(Modelo731, AdquirenteYPrecios) {
    struct Caso {
        double preven;
        QStringList presentes, ausentes;
    };
    // No sale: boxes 04 and 05 stay empty whatever the rate; a negative one prints its price only.
    const Caso casos[] = {
        {12000000, {"1.000.000,00", "120.000,00", "18", "21"}, {}},
        {0, {"1.000.000,00"}, {"21", "0,00"}},
        {-50000, {"-500,00"}, {"21"}},
    };
    for (const Caso& c : casos) {
        datos.MODO("A");
        LlenarTransporte();
        datos.PREADQ(123456789), datos.TIPOVEN(21), datos.IVASOP(100000000), datos.PREVEN(c.preven);
        datos.ADQPAIS("   "), datos.ADQNIF(" B1");
        impresora->llamadas.clear();
        ImprimirDatosAdquirente(72);
        ImprimirDatosPrecios(142);
        for (const QString& t : c.presentes) EXPECT_TRUE(impresora->Textos().contains(t)) << t.toStdString();
        for (const QString& t : c.ausentes) EXPECT_FALSE(impresora->Textos().contains(t)) << t.toStdString();
        // 123456789 cents ending at x 82.5; the acquirer's blanks print nothing, a leading blank stays.
        const Llamada precio = Texto("1.234.567,89");
        EXPECT_NEAR(precio.x2, 82.5, 1e-9);
        EXPECT_TRUE(precio.y1 == 149 && precio.tamano == 9 && Texto(" B1").y1 == 78);
        EXPECT_NEAR(Texto("1.000.000,00").x2, 182, 1e-9);
        for (auto [texto, x] : {std::pair{"18", 109.5}, {" B1", 41.}, {"GARRAIOAK S.A.", 131.25}})
            EXPECT_NEAR(Centro(texto), x, 1e-9);
        EXPECT_FALSE(impresora->Textos().contains("   "));
    }
}

TEST_F(Modelo731, TasasDeLaLiquidacionPorTrimestreYFecha) {
    struct Caso {
        const char* modo;
        int ejercicio;
        const char* periodo;
        long fecha;
        const char *general, *reducido;
    };
    const Caso casos[] = {
        {"P", 2012, "4T", 0, "21%", "10%"}, {"P", 2012, "3T", 0, "21%", "10%"}, {"P", 2012, "2T", 0, "18%", "8%"},
        {"P", 2010, "2T", 0, "16%", "7%"},  {"P", 2010, "3T", 0, "18%", "8%"},  {"P", 2010, "4T", 0, "18%", "8%"},
        {"T", 2012, "OA", 20120831, "18%", "8%"}, {"T", 2012, "OA", 20120901, "21%", "10%"},
    };
    for (const Caso& c : casos) {
        Clase(c.modo, c.ejercicio, c.periodo, c.fecha);
        impresora->llamadas.clear();
        ImprimirMarcoRecargo(184, "Liquidacion", 5);
        QStringList columna;
        for (const Llamada& l : impresora->De("Print"))
            if (std::abs((l.x1 + l.x2) / 2 - 98) < 1e-9 && l.negrita) columna << l.texto;
        EXPECT_EQ(columna, QStringList({c.general, c.reducido, "4%"}))
            << c.periodo << " " << c.ejercicio << " " << c.fecha;
        EXPECT_TRUE(Texto(c.general).y1 == 206.5 && Texto("4%").y1 == 222.5);
    }
    // The frame: band, outline, body rules, the table with its grey rate column, the sum line.
    Igual(Entre("Fill", 184, 237), {{0.1, 184, 190.5, 199}, {93, 203, 103, 227}}, "grey");
    Igual(Entre("Box", 184, 237),
          {{0.1, 184, 190.5, 237}, {40, 203, 141, 227}, {112, 229, 116, 233.5}, {121, 229, 125, 233.5},
           {130, 229, 134, 233.5}, {141, 227, 185.5, 235}},
          "boxes");
    Igual(Entre("Line", 184, 237),
          {{10, 199, 190.5, 199}, {10, 199, 10, 237}, {40, 211, 141, 211}, {40, 219, 141, 219}, {45, 203, 45, 227},
           {93, 203, 93, 227}, {103, 203, 103, 227}, {108, 203, 108, 227}, {146, 227, 146, 235}},
          "rules");
    for (auto [numero, x] : {std::pair{"08", 42.5}, {"13", 105.5}, {"14", 143.5}}) EXPECT_NEAR(Centro(numero), x, 1e-9);
    EXPECT_EQ(Texto("14").y1, 230.5);
}

TEST_F(Modelo731, ImportesDeLaLiquidacionYSoloElCuatroPorCiento) {
    struct Caso {
        std::function<void(cDatos731&)> llenar;
        std::vector<std::tuple<QString, double, double>> importes;  // text, right edge, top
    };
    const Caso casos[] = {
        {[](cDatos731&) {},
         {{"10.000,00", 85, 206}, {"2.000,00", 85, 214}, {"500,00", 85, 222}, {"520,00", 137, 206}, {"28,00", 137, 214},
          {"2,50", 137, 222}, {"550,50", 182, 230}}},
        {[](cDatos731& d) { d.BASE16(0), d.CUOTA16(0), d.BASE7(0), d.CUOTA7(0), d.IVADEV2(250); },
         {{"500,00", 85, 222}, {"2,50", 137, 222}, {"2,50", 182, 230}}},
    };
    for (const Caso& c : casos) {
        LlenarTrimestre();
        c.llenar(datos);
        impresora->llamadas.clear();
        ImprimirDatosRecargo(184);
        const auto impresos = impresora->De("Print");
        ASSERT_EQ(impresos.size(), c.importes.size());
        for (size_t i = 0; i < impresos.size(); ++i) {
            const auto& [texto, x, y] = c.importes[i];
            EXPECT_EQ(impresos[i].texto, texto);
            EXPECT_NEAR(impresos[i].x2, x, 1e-9) << texto.toStdString();
            EXPECT_TRUE(impresos[i].y1 == y && impresos[i].fuente == "arial") << texto.toStdString();
        }
    }
}

TEST_F(Modelo731, FirmaConLaFechaEnAmbasLenguasYLaDisposicionComoEstaba) {
    cImOf::Instancia().FECHAPRE(20120315);
    for (const char* idioma : {"C", "E"}) {
        cFecha::Instancia().fecidioma(idioma);
        impresora->llamadas.clear();
        ImprimirMarcoFirma731(238, "sujeto", 5);
        const QString linea = "Data / Fecha:    2012/03/15ean /// 15/03/2012";
        EXPECT_NEAR(Centro(linea), 46, 1e-9);
        EXPECT_TRUE(Texto(linea).y1 == 244 && Texto(linea).cursiva) << idioma;
        EXPECT_TRUE(Texto("Sinadura eta Zigilua /").cursiva && !Texto("Firma y Sello").cursiva);
        EXPECT_EQ(cFecha::Instancia().fecidioma(), idioma);
    }
    Igual(Entre("Box", 238, 268), {{0.1, 238, 77, 268}}, "outline");
    Igual(Entre("Picture", 238, 268), {{0.5, 238.5, 9.5, 266.5}}, "band");
    ASSERT_EQ(impresora->De("Line").size(), 1u);
    EXPECT_EQ(impresora->De("Line")[0].drawWidth, 3);
}

TEST_F(Modelo731, CeldasDelIbanYResultado) {
    struct Caso {
        QString cc;
        double resul;
        QString importe;  // empty: nothing printed
    };
    const Caso casos[] = {
        {"KE2012345678901234567890", 123456789, "1.234.567,89"},
        {"KE20123456789012345678901234", -5000, "-50,00"},  // beyond the 24th cell: not printed
        {"KE20", 0, ""},
        {"", 0, ""},
    };
    for (const Caso& c : casos) {
        datos.CC(c.cc), datos.resul(c.resul);
        impresora->llamadas.clear();
        ImprimirMarcoResultado(238, 5);
        ImprimirDatosResultado(238);
        std::vector<std::pair<QString, double>> celdas;
        for (const Llamada& l : impresora->De("Print"))
            if (l.tamano == 10 && l.fuente == "times new roman") {
                celdas.push_back({l.texto, l.x1});
                EXPECT_TRUE(l.y1 > 263 && l.y1 < 265) << l.Describir().toStdString();
            }
        const int n = std::min<int>(c.cc.size(), 24);
        ASSERT_EQ(int(celdas.size()), n) << c.cc.toStdString();
        for (int k = 1; k <= n; ++k) {
            EXPECT_EQ(celdas[k - 1].first, c.cc.mid(k - 1, 1));
            EXPECT_EQ(celdas[k - 1].second, k <= 4 ? 82 + 4 * (k - 1) : 99 + 4.5 * (k - 5)) << k;
        }
        EXPECT_TRUE(impresora->Textos().contains("15"));
        EXPECT_TRUE(c.importe.isEmpty() ? Valores(238, 268).isEmpty()
                                        : std::abs(Texto(c.importe).x2 - 182) < 1e-9 && Texto(c.importe).y1 == 246)
            << c.importe.toStdString();
    }
    // The cells: two outlines, four full-height group dividers, three half-height ones per group.
    Igual(Entre("Box", 261, 262), {{81, 261, 188, 267}, {98, 261, 188, 267}}, "account outlines");
    std::vector<Rect> divisiones;
    for (double x : {116, 134, 152, 170}) divisiones.push_back({x, 261, x, 267});
    for (double x : {85.5, 89.0, 93.5}) divisiones.push_back({x, 264, x, 267});
    for (double g : {98, 116, 134, 152, 170})
        for (double d : {4.5, 9.0, 13.5}) divisiones.push_back({g + d, 264, g + d, 267});
    Igual(Entre("Line", 260, 268), divisiones, "cell dividers");
    Igual(Entre("Fill", 238, 268), {{79.2, 238.5, 190.4, 242.5}, {146, 244, 185.5, 252}}, "grey");
    Igual(Entre("Box", 238, 260), {{79, 238, 190.5, 268}, {141, 244, 185.5, 252}}, "frame and box 15");
    EXPECT_TRUE(impresora->De("Box").front().drawWidth == 5 && impresora->De("Line").front().drawWidth == 3);
    // The account label centred on x 98: Basque italic, then the Spanish.
    const Llamada iban = Texto("IBAN Kodea");
    EXPECT_TRUE(iban.cursiva);
    EXPECT_NEAR(iban.x1 + (Texto(" / Código IBAN").x2 - iban.x1) / 2, 98, 0.5);
}

TEST_F(Modelo731, UnFalloDescartaLaCopiaYLaSiguienteSaleEntera) {
    LlenarTrimestre();
    cFecha::Instancia().fecidioma("E");
    ImprimirModelo731("IF");
    const QString limpia = impresora->Registro();
    impresora->llamadas.clear();
    impresora->alDibujar = [](const Llamada& l) {
        if (l.texto.startsWith("Data / Fecha")) throw vb::Error(482, "Printer", "out of paper");
    };
    Printer().ScaleMode(1);
    EXPECT_THROW(ImprimirModelo731("AD"), vb::Error);
    EXPECT_EQ(impresora->llamadas.back().op, "KillDoc");
    EXPECT_TRUE(Printer().ScaleMode() == 1 && cFecha::Instancia().fecidioma() == "E");
    impresora->llamadas.clear(), impresora->alDibujar = nullptr;
    ImprimirModelo731("IF");
    EXPECT_EQ(impresora->Registro(), limpia);
}

}  // namespace
