// The printer page model and the furniture both forms share, checked on the recorder.
#include <QFontInfo>

#include "cliente/impresion_prueba.h"
#include "impresion/cabecera.h"
#include "compartido/imagenes.h"
#include "impresion/primitivas.h"
#include "registro/cDecDatos.h"
#include "compartido/cDecResumen.h"

using namespace oxalde;

namespace {

constexpr double kMmPixel = 25.4 / 96;

class Pagina : public prueba::Impresion {};

TEST(Fuentes, ArialYTimesSonLiberation) {
    // Without the Liberation fonts every centred text would move: fail here, loudly.
    for (auto [pedida, real] : {std::pair{"arial", "Liberation Sans"}, {"times new roman", "Liberation Serif"}})
        EXPECT_EQ(QFontInfo(QFont(pedida)).family(), real) << pedida << ": install fonts-liberation";
}

TEST(Imagenes, TamanosPropiosYBotones) {
    const std::map<QString, QSize> tamanos = {
        {"Logo", {64, 54}}, {"Borrador", {17, 295}}, {"Administracion", {16, 344}}, {"Informatica", {18, 280}},
        {"Declarante", {34, 104}}, {"Zergaduna", {34, 104}}, {"Adquiriente", {34, 70}}, {"Liquidacion", {34, 155}},
        {"sujeto", {34, 116}}, {"Transmitente", {34, 74}}, {"Situacion", {34, 94}}, {"HechoImponible", {39, 66}},
        {"tecnicos", {34, 210}}, {"Justificante", {50, 56}}};
    EXPECT_EQ(NombresImagenes().size(), int(tamanos.size()));
    for (const auto& [nombre, tamano] : tamanos) {
        const QImage& imagen = Imagen(nombre);
        EXPECT_EQ(imagen.deviceIndependentSize().toSize(), tamano) << nombre.toStdString();
        EXPECT_EQ(imagen.size(), tamano * 4) << nombre.toStdString();
        // Every caption and stamp carries some ink.
        const QImage media = imagen.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_TRUE(nombre == "Logo" || qGray(media.pixel(0, 0)) < 250) << nombre.toStdString();
    }
    EXPECT_TRUE(Imagen("otra").isNull() && ImgBotones(0).isNull() && ImgBotones(15).isNull());
    for (int i = 1; i <= 14; ++i) EXPECT_EQ(ImgBotones(i).size(), QSize(32, 32)) << i;
    EXPECT_NE(ImgBotones(11).toImage(), ImgBotones(12).toImage());
}

TEST_F(Pagina, ColocacionDeLosTextos) {
    // ImprimirTexto raises the text by 0.35 of its height; the other two place its top at y.
    Impresora& p = Printer();
    PonerFuente("times new roman", 7, false);
    const QString t = "Ejercicio:";
    const double ancho = p.TextWidth(t), alto = p.TextHeight(t);
    ASSERT_TRUE(ancho > 5 && alto > 2);
    ImprimirTexto(52.4, 25.88, t);
    ImprimirCentrado(50.4, 10, 100, t);
    ImprimirDerecha(150, 12.5, t);
    const auto textos = impresora->De("Print");
    ASSERT_EQ(textos.size(), 3u);
    const double esperado[][2] = {{52.4, 25.88 - 0.35 * alto}, {100.4 - ancho / 2, 10}, {150 - ancho, 12.5}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(textos[i].x1, esperado[i][0], 1e-9) << i;
        EXPECT_NEAR(textos[i].y1, esperado[i][1], 1e-9) << i;
    }
}

TEST_F(Pagina, BilingueCentradoCursivaDelanteYAcabaSinEstilos) {
    PonerFuente("times new roman", 8, false, false);
    const double ancho = Printer().TextWidth("IBAN Kodea / Código IBAN");
    Printer().FontBold(true);
    ImprimirBilingueCentrado(98, 257, "IBAN Kodea", "Código IBAN");
    const auto textos = impresora->De("Print");
    ASSERT_EQ(impresora->Textos(), QStringList({"IBAN Kodea", " / Código IBAN"}));
    EXPECT_TRUE(textos[0].cursiva && !textos[0].negrita && !textos[1].cursiva);
    // Placed by the width of the whole label measured without bold; the Spanish half follows the
    // italic Basque half.
    EXPECT_NEAR(textos[0].x1, 98 - ancho / 2, 1e-9);
    EXPECT_NEAR(textos[1].x1, textos[0].x2, 1e-9);
    EXPECT_EQ(textos[0].y1, textos[1].y1);
    EXPECT_FALSE(Printer().FontBold() || Printer().FontItalic());
}

TEST_F(Pagina, SelloPorCodigoDeCopia) {
    for (auto [copia, imagen] : {std::pair{"BO", "Borrador"}, {"AD", "Administracion"}, {"IF", "Informatica"},
                                 {"", ""}, {"XX", ""}, {"bo", ""}}) {
        impresora->llamadas.clear();
        ImprimirEjemplar(copia);
        const auto dibujos = impresora->De("Picture");
        ASSERT_EQ(dibujos.size(), *imagen ? 1u : 0u) << copia;
        if (!*imagen) continue;
        const QSizeF propio = Imagen(imagen).deviceIndependentSize() * kMmPixel;
        EXPECT_EQ(dibujos[0].texto, imagen);
        EXPECT_TRUE(Hay("Picture", 193, 108, 193 + propio.width(), 108 + propio.height())) << copia;
    }
}

TEST_F(Pagina, SufijoVascoYLineaDeFechaConLaDisposicionRestablecida) {
    cFecha::Instancia().fecidioma("E");
    const std::pair<const char*, std::vector<int>> sufijos[] = {
        {"ean", {1, 5, 10, 15, 21, 25, 30}}, {"n", {11, 31}}, {"an", {2, 9, 20, 22, 29}}};
    for (const auto& [sufijo, dias] : sufijos)
        for (int dia : dias) {
            cImOf::Instancia().FECHAPRE(20120300 + dia);
            EXPECT_EQ(FechaPresentacionEuskera(), QString("2012/03/%1%2").arg(dia, 2, 10, QChar('0')).arg(sufijo));
        }
    // The date line: the Basque date first in either language, and the date layout as it was.
    cImOf::Instancia().FECHAPRE(20120315);
    for (const char* idioma : {"C", "E"}) {
        cFecha::Instancia().fecidioma(idioma);
        EXPECT_EQ(LineaFechaPresentacion("Data / Fecha:    "), "Data / Fecha:    2012/03/15ean /// 15/03/2012");
        EXPECT_EQ(cFecha::Instancia().fecidioma(), idioma);
    }
}

TEST_F(Pagina, CabeceraTituloPorModelo) {
    for (auto [modelo, titulo] : {std::pair{"731", "SOLICITUD DE DEVOLUCION"},
                                  {"732", "Declaración liquidación no periódica"},
                                  {"999", "Declaración liquidación no periódica"}}) {
        impresora->llamadas.clear();
        ImprimirCabecera(28, 0, 5, modelo);
        EXPECT_TRUE(impresora->Textos().contains(titulo)) << modelo;
        EXPECT_EQ(impresora->Textos().contains("SOLICITUD DE DEVOLUCION"), QString(modelo) == "731") << modelo;
        // The form number in Times 36, centred in its cell.
        const Llamada numero = Texto(modelo);
        EXPECT_TRUE(numero.fuente == "times new roman" && numero.tamano == 36 && numero.y1 == 10) << modelo;
        EXPECT_NEAR((numero.x1 + numero.x2) / 2, 167.24 + 23.3 / 2, 1e-6);
    }
    // The frame in the caller's width, the rules in 3.
    ASSERT_EQ(impresora->De("Box").size(), 1u);
    EXPECT_EQ(impresora->De("Box")[0].drawWidth, 5);
    EXPECT_TRUE(Hay("Box", 0.1, 0.1, 190.5, 28.1));
    for (auto [x1, y1, x2, y2] : {std::tuple{50.4, 0.1, 50.4, 28.1}, {50.4, 22., 167.24, 22.},
                                  {109.4, 22., 109.4, 28.1}, {167.24, 0.1, 167.24, 28.1}})
        EXPECT_TRUE(Hay("Line", x1, y1, x2, y2)) << x1 << " " << y1;
    for (const Llamada& l : impresora->De("Line")) EXPECT_EQ(l.drawWidth, 3);
    // Labels: Basque italic above, Spanish upright below.
    EXPECT_TRUE(Texto("Epealdia:").cursiva && !Texto("Período:").cursiva);
}

TEST_F(Pagina, EjercicioYPeriodo) {
    cDecResumen::Instancia().Ejercicio(2012);
    for (auto [periodo, texto] : {std::pair{"3T", "3T"}, {"OA", "OA"}, {"", "OA"}, {"5T", "OA"}}) {
        impresora->llamadas.clear();
        cImOf::Instancia().PERIODO(periodo);
        ImprimirEjercicioPeriodo();
        ASSERT_EQ(impresora->Textos(), QStringList({"2012", texto})) << periodo;
        const Llamada ejercicio = Texto("2012"), enPeriodo = Texto(texto);
        EXPECT_NEAR(ejercicio.x1, 64, 1e-9);
        EXPECT_NEAR(enPeriodo.x1, 125, 1e-9);
        EXPECT_NEAR(enPeriodo.y1, 24.5 - 0.35 * (ejercicio.y2 - ejercicio.y1), 1e-9);
        EXPECT_EQ(enPeriodo.fuente, "arial");
    }
}

TEST_F(Pagina, RecuadroDelDeclaranteYSusDatos) {
    cDecDatos::Instancia().DNI("12345678Z");
    // A name longer than its cell stays centred on the cell and runs over both edges.
    const QString largo = QString("KELMORIAKO ARGITALPEN ETA BANAKETA ZERBITZUAK ").repeated(3);
    cDecDatos::Instancia().NOMBRE(largo);
    ImprimirMarcoDeclarante(29, "Zergaduna", 3);
    // The band in the free strip; no label there.
    EXPECT_TRUE(Hay("Picture", 0.5, 29.5, 9.5, 43.5));
    for (const Llamada& l : impresora->De("Print")) EXPECT_GE(l.x1, 12) << l.texto.toStdString();
    ImprimirDatosDeclarante(29);
    EXPECT_TRUE(Hay("Box", 0.1, 29, 190.5, 44));
    for (auto [x1, y1, x2, y2] : {std::tuple{0.1, 44., 190.5, 44.}, {38., 29., 38., 44.}, {165.24, 29., 165.24, 44.}})
        EXPECT_TRUE(Hay("Line", x1, y1, x2, y2)) << x1;
    for (const Llamada& l : impresora->De("Line")) EXPECT_EQ(l.drawWidth, 3);
    EXPECT_TRUE(Texto("Deiturak eta izena / Enpresaren izena").cursiva &&
                !Texto("Apellidos y nombre / Razón social").cursiva);
    const Llamada dni = Texto("12345678Z"), nombre = Texto(largo);
    EXPECT_NEAR((dni.x1 + dni.x2) / 2, 24, 1e-9);
    EXPECT_NEAR((nombre.x1 + nombre.x2) / 2, 38 + 127.24 / 2, 1e-9);
    EXPECT_TRUE(nombre.x1 < 38 && nombre.x2 > 165.24);
    EXPECT_TRUE(dni.y1 == 35 && dni.negrita);
}

TEST_F(Pagina, MembreteConElEmblemaLosDepartamentosYLaDireccion) {
    ImprimirMembrete(0);
    // The emblem alone, its own width, 16 mm high.
    ASSERT_EQ(impresora->De("Picture").size(), 1u);
    EXPECT_EQ(impresora->De("Picture")[0].texto, "Logo");
    EXPECT_TRUE(Hay("Picture", 2, 0.2, 2 + 64 * kMmPixel, 16.2));
    EXPECT_EQ(impresora->Textos(), QStringList({"Kelmoriako Veru Aldundia", "Diputación Veral de Kelmoria",
                                                "Veru Zergen Saila", "Departamento de Tributos Verales",
                                                kDireccionWeb}));
    // The department names centred in the cell, Basque first.
    for (auto [texto, y] : {std::pair{"Veru Zergen Saila", 17.41}, {"Departamento de Tributos Verales", 20.91},
                            {kDireccionWeb, 24.41}}) {
        const Llamada l = Texto(texto);
        EXPECT_NEAR((l.x1 + l.x2) / 2, 0.1 + 50.3 / 2, 1e-6) << texto;
        EXPECT_EQ(l.y1, y) << texto;
    }
    EXPECT_TRUE(Texto(kDireccionWeb).fuente == "arial" && Texto(kDireccionWeb).tamano == 6);
}

TEST_F(Pagina, TrabajoDescartadoAnteUnFalloYEscalaRestablecida) {
    Printer().ScaleMode(1);
    // A job left open before: the next copy discards it, it never sends it.
    DibujarLinea(0, 0, 1, 1);
    {
        TrabajoImpresion trabajo;
        EXPECT_EQ(Printer().ScaleMode(), kModoMilimetros);
        impresora->alDibujar = [](const Llamada& l) {
            if (l.op == "Print") throw vb::Error(482, "Printer", "out of paper");
        };
        DibujarRecuadro(0, 0, 10, 10);
        EXPECT_THROW(ImprimirTexto(1, 1, "x"), vb::Error);
    }
    EXPECT_EQ(Printer().ScaleMode(), 1);
    impresora->alDibujar = nullptr;
    {
        TrabajoImpresion trabajo;
        DibujarLinea(0, 0, 2, 2);
        trabajo.Terminar();
    }
    QStringList ops;
    for (const Llamada& l : impresora->llamadas) ops << l.op;
    EXPECT_EQ(ops.join(' '), "Line KillDoc Box KillDoc Line EndDoc");
    EXPECT_EQ(Printer().ScaleMode(), 1);
}

}  // namespace
