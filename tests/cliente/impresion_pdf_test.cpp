// The printer object on Qt's print support, writing PDF files: positions, fonts and pictures
// read back with poppler's tools against what the recorder saw of the same drawing.
#include <QDir>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <iostream>

#include "cliente/impresion_prueba.h"
#include "cliente/pdf_prueba.h"
#include "impresion/ImpresoraQt.h"
#include "impresion/cabecera.h"
#include "impresion/primitivas.h"

using namespace oxalde;

namespace {

constexpr double kTolerancia = 0.8;

class PaginaPdf : public prueba::Impresion {
protected:
    QTemporaryDir carpeta;
    std::shared_ptr<ImpresoraQt> pdf;

    void SetUp() override {
        Impresion::SetUp();
        // OXALDE_CONSERVAR_PDF=1 keeps the files for a look (the folder is named in the output).
        carpeta.setAutoRemove(!qEnvironmentVariableIsSet("OXALDE_CONSERVAR_PDF"));
        if (!carpeta.autoRemove()) std::cout << "PDF: " << carpeta.path().toStdString() << std::endl;
        pdf = std::make_shared<ImpresoraQt>(ImpresoraQt::Pdf, carpeta.path());
    }

    QStringList Archivos() const { return QDir(carpeta.path()).entryList(QDir::Files, QDir::Name); }

    // Draws the same thing on the recorder and as one PDF job.
    void Dibujar(const std::function<void()>& dibujo) {
        EstablecerImpresora(impresora);
        dibujo();
        EstablecerImpresora(pdf);
        TrabajoImpresion trabajo;
        dibujo();
        trabajo.Terminar();
    }
};

TEST_F(PaginaPdf, CabeceraYSelloDondeLosGraboLaGrabadora) {
    Dibujar([] {
        ImprimirCabecera(28, 0, 5, "732");
        ImprimirEjemplar("AD");
    });
    ASSERT_EQ(Archivos(), QStringList{"trabajo-001.pdf"});
    const QString archivo = carpeta.filePath("trabajo-001.pdf");
    EXPECT_EQ(prueba::Paginas(archivo), 1);

    // Each recorded text's first word stands where the recorder put the text.
    const auto palabras = prueba::Palabras(archivo);
    int comprobadas = 0;
    for (const Llamada& l : impresora->De("Print")) {
        const QString primera = l.texto.simplified().section(' ', 0, 0);
        if (primera.isEmpty()) continue;
        const auto p = std::find_if(palabras.begin(), palabras.end(), [&](const prueba::Palabra& w) {
            return w.texto == primera && std::abs(w.x1 - l.x1) <= kTolerancia;
        });
        ASSERT_NE(p, palabras.end()) << l.Describir().toStdString();
        EXPECT_NEAR(p->y1, l.y1, kTolerancia) << l.Describir().toStdString();
        ++comprobadas;
    }
    EXPECT_GE(comprobadas, 12);

    const QStringList fuentes = prueba::FuentesPdf(archivo);
    for (const char* fuente : {"LiberationSans-Bold", "LiberationSerif-Italic", "LiberationSerif"})
        EXPECT_TRUE(fuentes.contains(fuente)) << fuente << " in " << fuentes.join(' ').toStdString();
    for (const QString& f : fuentes) EXPECT_TRUE(f.startsWith("Liberation")) << f.toStdString();

    // The emblem and the administration's stamp, known by their sizes.
    const auto imagenes = prueba::ImagenesPdf(archivo);
    for (QSize tamano : {QSize(16, 344), QSize(64, 54)})
        EXPECT_NE(std::find(imagenes.begin(), imagenes.end(), tamano * 4), imagenes.end()) << tamano.height();
}

TEST_F(PaginaPdf, UnFalloAMitadDePaginaNoDejaArchivoYElSiguienteEsCompleto) {
    EstablecerImpresora(pdf);
    {
        TrabajoImpresion trabajo;
        ImprimirCabecera(28, 0, 5, "732");
        EXPECT_THROW(vb::Lanzar(13), vb::Error);
        // The error leaves the scope without Terminar.
    }
    EXPECT_TRUE(Archivos().isEmpty());
    for (int i = 0; i < 2; ++i) {
        TrabajoImpresion trabajo;
        DibujarRecuadro(0, 0, 10, 10);
        trabajo.Terminar();
    }
    EXPECT_EQ(Archivos(), (QStringList{"trabajo-001.pdf", "trabajo-002.pdf"}));
}

TEST(Impresoras, SinImpresorasYEleccionPorEntorno) {
    ImpresoraQt ninguna(ImpresoraQt::Ninguna);
    EXPECT_FALSE(ninguna.HayImpresoras());
    EXPECT_TRUE(ImpresoraQt(ImpresoraQt::Pdf, "/tmp").HayImpresoras());
    EXPECT_THROW(ninguna.Line(0, 0, 1, 1), vb::Error);
    qputenv("OXALDE_IMPRESORA", "ninguna");
    EXPECT_FALSE(ImpresoraPorEntorno()->HayImpresoras());
    qputenv("OXALDE_IMPRESORA", "pdf:/tmp/oxalde");
    EXPECT_TRUE(ImpresoraPorEntorno()->HayImpresoras());
    qunsetenv("OXALDE_IMPRESORA");
}

// What the printer object says when it fails reaches the user inside the print dialog's message:
// it is in the program's language, like the rest of that message.
TEST(Impresoras, LosFallosSeDicenEnElIdiomaDelPrograma) {
    QTemporaryFile estorbo;  // a file where the PDF folder should be made
    ASSERT_TRUE(estorbo.open());
    const std::tuple<int, ImpresoraQt::Destino, QString, std::string> casos[] = {
        {0, ImpresoraQt::Ninguna, "", "No hay ninguna impresora instalada."},
        {kDesplEuskera, ImpresoraQt::Ninguna, "", "Ez dago inprimagailurik instalatuta."},
        {0, ImpresoraQt::Pdf, estorbo.fileName() + "/pdf", "La impresora no ha podido empezar el trabajo."},
        {kDesplEuskera, ImpresoraQt::Pdf, estorbo.fileName() + "/pdf", "Inprimagailuak ezin izan du lana hasi."},
    };
    for (const auto& [idioma, destino, carpeta, texto] : casos) {
        DesplIdioma = idioma;
        ImpresoraQt impresora(destino, carpeta);
        try {
            impresora.Line(0, 0, 1, 1);
            impresora.EndDoc();
            ADD_FAILURE() << "no failure: " << texto;
        } catch (const vb::Error& e) {
            EXPECT_EQ(e.Number(), 482);
            EXPECT_EQ(e.Description(), texto);
        }
    }
    DesplIdioma = 0;
}

}  // namespace
