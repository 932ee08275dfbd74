// Form-731 declarations printed as a user prints them: the declarations window's Print command,
// the print dialog, Accept; each page read back from its PDF file with poppler's tools.
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QTemporaryDir>
#include <iostream>

#include "GarobelLib/registro.h"
#include "cliente/pdf_prueba.h"
#include "cliente/prueba.h"
#include "controles/CajaFecha.h"
#include "controles/FlexGrid.h"
#include "controles/controles.h"
#include "impresion/FrmImOf.h"
#include "impresion/ImpresoraQt.h"
#include "registro/FrmDecResumen.h"

using namespace oxalde;

namespace {

constexpr double kTol = 0.8;
const char kIban[] = "KE2012345678901234567890";

class Pdf731 : public prueba::Principal {
protected:
    QTemporaryDir salida;
    MDI7312* v = nullptr;

    void SetUp() override {
        Principal::SetUp();
        GarobelLib_Registrar();
        salida.setAutoRemove(!qEnvironmentVariableIsSet("OXALDE_CONSERVAR_PDF"));
        if (!salida.autoRemove()) std::cout << "PDF: " << salida.path().toStdString() << std::endl;
        EstablecerImpresora(std::make_shared<ImpresoraQt>(ImpresoraQt::Pdf, salida.path()));
        Sql("INSERT INTO T01_DECLARANTES (T01_DNI, T01_NOMBRE, T01_NUM731) "
            "VALUES ('12345678Z', 'KELMORIAKO DENDA', 8)");
        v = &Abrir();
    }

    void TearDown() override {
        EstablecerImpresora(nullptr);
        Principal::TearDown();
    }

    // A declaration's header and its form-731 detail; its key.
    vb::Long Declaracion(const char* modo, long fecha, const char* periodo, const std::string& columnas,
                         const std::string& valores) {
        Sql(std::string("INSERT INTO T02_COMUNDECLA (T02_CSCO, T02_MODELO, T02_LETRADNI, T02_MODO, T02_FECHA, "
                        "T02_EJERCICIO, T02_PERIODO, T02_TIPOLOGIA) VALUES (1, '731', '1', '") +
            modo + "', " + std::to_string(fecha) + ", " + std::to_string(fecha / 10000) + ", '" + periodo + "', 1)");
        const vb::Long csde = Valor("SELECT MAX(T02_CSDE) FROM T02_COMUNDECLA").CLng();
        Sql("INSERT INTO T03_731DECLA (T03_CSDE, " + columnas + ") VALUES (" + std::to_string(csde) + ", " +
            valores + ")");
        return csde;
    }

    vb::Long Trimestral(long finTrimestre, const char* periodo) {
        return Declaracion("P", finTrimestre, periodo,
                           "T03_BASE16, T03_CUOTA16, T03_BASE4, T03_CUOTA4, T03_IVADEV2, T03_RESUL, T03_CC",
                           std::string("1000000, 52000, 50000, 250, 52250, 52250, '") + kIban + "'");
    }

    vb::Long Transporte(long fecha) {
        return Declaracion("T", fecha, "OA",
                           "T03_ADQNIF, T03_ADQNOM, T03_ADQPAIS, T03_TMEDIO, T03_MARCAV, T03_TIPOV, T03_MODELOV, "
                           "T03_NBASTIDOR, T03_CLASIF, T03_PREADQ, T03_TIPOADQ, T03_IVASOP, T03_PREVEN, T03_TIPOVEN, "
                           "T03_MAXDEV, T03_IVADEV1, T03_RESUL",
                           "'B12345678', 'GARRAIOAK S.A.', 'ORVANDIA', 'V', 'MARKA', 'AUTOBUSA', 'M1', 'VF1234567890', "
                           "1234, 10000000, 18, 1800000, 12000000, 18, 1800000, 1800000, 1800000");
    }

    // Opens the declarations window, selects the declaration, prints it as a draft through the
    // dialog; the PDF file of that copy.
    QString Imprimir(vb::Long csde) {
        v->Reciente(1)->trigger();
        QCoreApplication::processEvents();
        auto* w = qobject_cast<FrmDecResumen*>(v->Area()->activeSubWindow()->widget());
        EXPECT_NE(w, nullptr);
        if (!w) return {};
        auto* g = w->findChild<FlexGrid*>("flxDeclaraciones");
        for (int f = 1; f < g->Rows(); ++f)
            if (g->TextMatrix(f, 0).toLong() == csde) g->Row(f);
        alModal = [](QDialog& d) {
            auto& dialogo = static_cast<FrmImOf&>(d);
            EstablecerOpcion(dialogo.optTipoImpreso(1));
            dialogo.txtFechaPresentacion()->Text("15/01/2013");
            dialogo.btnAceptar_Click();
            return dialogo.result();
        };
        const int antes = QDir(salida.path()).entryList(QDir::Files).size();
        w->cmdImprimir_Click();
        QCoreApplication::processEvents();
        const QStringList archivos = QDir(salida.path()).entryList(QDir::Files, QDir::Name);
        EXPECT_EQ(archivos.size(), antes + 1);
        EXPECT_TRUE(mensajes.empty()) << (mensajes.empty() ? "" : mensajes[0].texto.toStdString());
        return archivos.isEmpty() ? QString() : salida.filePath(archivos.last());
    }

    // The words of a page whose tops lie in y0 .. y1.
    static QStringList Entre(const std::vector<prueba::Palabra>& palabras, double y0, double y1) {
        QStringList r;
        for (const prueba::Palabra& p : palabras)
            if (p.y1 >= y0 && p.y1 < y1) r << p.texto;
        return r;
    }

    static prueba::Palabra Buscar(const std::vector<prueba::Palabra>& palabras, const QString& texto, double y0 = 0,
                                  double y1 = 300) {
        for (const prueba::Palabra& p : palabras)
            if (p.texto == texto && p.y1 >= y0 && p.y1 < y1) return p;
        ADD_FAILURE() << "not in the PDF: " << texto.toStdString() << " in " << y0 << ".." << y1;
        return {};
    }

    static double Centro(const prueba::Palabra& p) { return (p.x1 + p.x2) / 2; }
};

TEST_F(Pdf731, TrimestralesConSusTasasSuLiquidacionYElIban) {
    struct Caso {
        long fin;
        const char *periodo, *general, *reducido;
    };
    const Caso casos[] = {
        {20100630, "2T", "16%", "7%"}, {20100930, "3T", "18%", "8%"},  {20101231, "4T", "18%", "8%"},
        {20120630, "2T", "18%", "8%"}, {20120930, "3T", "21%", "10%"}, {20121231, "4T", "21%", "10%"},
    };
    // All on the list before the declarations window opens.
    std::vector<vb::Long> claves;
    for (const Caso& c : casos) claves.push_back(Trimestral(c.fin, c.periodo));
    for (size_t i = 0; i < std::size(casos); ++i) {
        const Caso& c = casos[i];
        const QString pdf = Imprimir(claves[i]);
        ASSERT_FALSE(pdf.isEmpty());
        EXPECT_EQ(prueba::Paginas(pdf), 1);
        const auto palabras = prueba::Palabras(pdf);
        const std::string caso = std::string(c.periodo) + " " + std::to_string(c.fin);
        EXPECT_NEAR(Buscar(palabras, c.periodo, 20, 28).x1, 125, kTol) << caso;
        // The rates centred in the grey column, one row each.
        for (auto [tasa, y] : {std::pair{c.general, 206.5}, {c.reducido, 214.5}, {"4%", 222.5}}) {
            const prueba::Palabra p = Buscar(palabras, tasa, 200, 230);
            EXPECT_NEAR(Centro(p), 98, kTol) << caso << " " << tasa;
            EXPECT_NEAR(p.y1, y, kTol) << caso << " " << tasa;
        }
        // The amounts right-aligned in their boxes; the zero ones blank.
        for (auto [importe, x, y] : {std::tuple{"10.000,00", 85., 206.}, {"520,00", 137., 206.}, {"500,00", 85., 222.},
                                     {"2,50", 137., 222.}, {"522,50", 182., 230.}, {"522,50", 182., 246.}})
            EXPECT_NEAR(Buscar(palabras, importe, y - 1, y + 1).x2, x, kTol) << caso << " " << importe;
        EXPECT_FALSE(Entre(palabras, 199, 268).contains("0,00")) << caso;
        // No amount in the transport section of a quarterly declaration.
        static const QRegularExpression importe("^-?[\\d.]+,\\d\\d$");
        for (const QString& w : Entre(palabras, 72, 184))
            EXPECT_FALSE(importe.match(w).hasMatch()) << caso << " " << w.toStdString();
        // The account one character per cell.
        std::vector<prueba::Palabra> celdas;
        for (const prueba::Palabra& p : palabras)
            if (p.y1 > 261 && p.y1 < 267 && p.x1 > 81) celdas.push_back(p);
        std::sort(celdas.begin(), celdas.end(), [](auto& a, auto& b) { return a.x1 < b.x1; });
        // Close cells may be read back as one word: each word starts at the cell of its first character.
        QString leida;
        for (const prueba::Palabra& p : celdas) {
            const int k = leida.size() + 1;
            EXPECT_NEAR(p.x1, k <= 4 ? 82 + 4 * (k - 1) : 99 + 4.5 * (k - 5), kTol) << caso << " cell " << k;
            leida += p.texto;
        }
        EXPECT_EQ(leida, kIban) << caso;
    }
}

// The largest typed quotas and their total print exactly.
TEST_F(Pdf731, CuotasMaximasYSuTotalExactos) {
    const vb::Long csde = Declaracion(
        "P", 20120930, "3T", "T03_CUOTA16, T03_CUOTA7, T03_BASE4, T03_CUOTA4, T03_IVADEV2, T03_RESUL, T03_CC",
        std::string("999999999999999, 999999999999999, 100000000000000, 4000000000000, 2003999999999998, "
                    "2003999999999998, '") + kIban + "'");
    const QString pdf = Imprimir(csde);
    ASSERT_FALSE(pdf.isEmpty());
    QStringList importes;
    for (const QString& w : Entre(prueba::Palabras(pdf), 199, 250))
        if (w.contains(u',')) importes << w;
    importes.sort();
    EXPECT_EQ(importes.join(u'|'), "1.000.000.000.000,00|20.039.999.999.999,98|20.039.999.999.999,98|"
                                   "40.000.000.000,00|9.999.999.999.999,99|9.999.999.999.999,99");
}

TEST_F(Pdf731, TransporteConAdquirenteMedioYPreciosYLaLiquidacionVacia) {
    const std::tuple<long, const char*, const char*> casos[] = {{20120831, "18%", "8%"}, {20120901, "21%", "10%"}};
    std::vector<vb::Long> claves;
    for (const auto& c : casos) claves.push_back(Transporte(std::get<0>(c)));
    for (size_t i = 0; i < std::size(casos); ++i) {
        const auto& [fecha, general, reducido] = casos[i];
        const QString pdf = Imprimir(claves[i]);
        ASSERT_FALSE(pdf.isEmpty());
        const auto palabras = prueba::Palabras(pdf);
        // Where each word is: its top at y, its left edge ('<'), centre ('|') or right edge ('>') at x (unless 0).
        // The acquirer, the means, the prices, the rates of the declaration's date, the result, the date.
        const std::tuple<const char*, char, double, double> lugares[] = {
            {"OA", '<', 125, 23.5},       {"B12345678", '|', 41, 78},      {"ORVANDIA", '|', 41, 87},
            {"GARRAIOAK", '<', 0, 82.5},  {"AUTOBUSA", '<', 0, 96},        {"VF1234567890", '|', 77.5, 105},
            {"1234", '|', 155.25, 105},   {"100.000,00", '>', 82.5, 149},  {"120.000,00", '>', 82.5, 161},
            {"18.000,00", '>', 182, 149}, {"18.000,00", '>', 182, 161},    {"18.000,00", '>', 182, 173},
            {"18", '|', 109.5, 149},      {"18", '|', 109.5, 161},         {general, '|', 98, 206.5},
            {reducido, '|', 98, 214.5},   {"18.000,00", '>', 182, 246},    {"2013/01/15ean", '<', 0, 244}};
        for (const auto& [texto, borde, x, y] : lugares) {
            const prueba::Palabra p = Buscar(palabras, texto, y - 1.5, y + 1.5);
            const double en = borde == '<' ? p.x1 : borde == '>' ? p.x2 : Centro(p);
            EXPECT_NEAR(p.y1, y, kTol) << fecha << " " << texto;
            EXPECT_NEAR(en, x ? x : en, kTol) << fecha << " " << texto;
        }
        // The liquidation frame with its labels, but no amount; no account.
        for (const QString& w : Entre(palabras, 199, 237))
            EXPECT_FALSE(w.contains(',')) << fecha << " " << w.toStdString();
        EXPECT_TRUE(Entre(palabras, 262, 266).isEmpty());
    }
}

}  // namespace
