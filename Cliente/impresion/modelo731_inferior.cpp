// The form-731 page's lower sections: the equivalence-surcharge liquidation, the signature box
// and the result box with the bank-account cells.
#include "form731/cDatos731.h"
#include "impresion/Impresora.h"
#include "impresion/cabecera.h"
#include "impresion/modelo731.h"
#include "impresion/primitivas.h"
#include "impresion/secciones.h"

namespace oxalde {
namespace {

const Regla kReglasCuerpo[] = {{10, 15, 190.5, 15}, {10, 15, 10, 53}};

// The table of bases, rates and quotas: three rows of 8 mm; columns base number, base, rate,
// quota number, quota.
const Regla kReglasTabla[] = {
    {40, 27, 141, 27}, {40, 35, 141, 35}, {45, 19, 45, 43}, {93, 19, 93, 43}, {103, 19, 103, 43}, {108, 19, 108, 43},
};

const Leyenda kEncabezados[] = {
    {47, 0, 17, true, "Oinarri zergagarria /"}, {69, 0, 17, false, "Base imponible"},
    {92, 0, 17, true, "Tasa /"},                {99, 0, 17, false, "Tipo"},
    {116, 0, 17, true, "Kuota /"},              {125, 0, 17, false, "Cuota"},
};

const Leyenda kNumerosRecargo[] = {
    {40, 5, 22.5, false, "08"},  {40, 5, 30.5, false, "10"},  {40, 5, 38.5, false, "12"},
    {103, 5, 22.5, false, "09"}, {103, 5, 30.5, false, "11"}, {103, 5, 38.5, false, "13"},
    {83, 0, 45.5, true, "Itzuli beharreko B.E.Z.a"},
    {83, 0, 48.5, false, "I.V.A. a devolver"},
    {112, 4, 46, false, "09"},   {121, 4, 46, false, "11"},   {130, 4, 46, false, "13"},
    {141, 5, 46.5, false, "14"},
    {116.5, 0, 47, false, "+"},  {125.5, 0, 47, false, "+"},  {135, 0, 48.5, false, "....."},
};

const ImporteEn<cDatos731> kImportesRecargo[] = {
    {[](const cDatos731& d) { return d.BASE16(); }, 85, 22},  {[](const cDatos731& d) { return d.BASE7(); }, 85, 30},
    {[](const cDatos731& d) { return d.BASE4(); }, 85, 38},   {[](const cDatos731& d) { return d.CUOTA16(); }, 137, 22},
    {[](const cDatos731& d) { return d.CUOTA7(); }, 137, 30}, {[](const cDatos731& d) { return d.CUOTA4(); }, 137, 38},
    {[](const cDatos731& d) { return d.IVADEV2(); }, 182, 46},
};

QString Tasa(int tipo) { return QString::fromStdString(tipos::EtiquetaTipo(tipo)); }

// The account row: 24 cells from x 81 to 188, the first group of four ending at 98, then five
// groups of four cells 4.5 mm wide.
constexpr double kInicioGrupos = 98;
constexpr double kAnchoGrupo = 18;
constexpr double kAnchoCelda = 4.5;

void ImprimirCeldasIban(double y) {
    Impresora& p = Printer();
    p.LineBox(81, y + 23, 188, y + 29, 0);
    p.LineBox(kInicioGrupos, y + 23, 188, y + 29, 0);
    for (int g = 1; g <= 4; ++g) {
        const double x = kInicioGrupos + kAnchoGrupo * g;
        p.Line(x, y + 23, x, y + 29);
    }
    for (double x : {85.5, 89.0, 93.5}) p.Line(x, y + 26, x, y + 29);
    for (int g = 0; g <= 4; ++g)
        for (int c = 1; c <= 3; ++c) {
            const double x = kInicioGrupos + kAnchoGrupo * g + kAnchoCelda * c;
            p.Line(x, y + 26, x, y + 29);
        }
}

}  // namespace

double XCeldaIban(int k) { return k <= 4 ? 82 + 4 * (k - 1) : 99 + kAnchoCelda * (k - 5); }

void ImprimirMarcoRecargo(double y0, const QString& banda, int ancho) {
    Impresora& p = Printer();
    SeccionConTitulo(y0, 53, ancho, 9);
    ImprimirCentrado(0.1, y0 + 4, 190.5, QStringLiteral("BALIOKIDETASUN GAINKARGUAREN ERREGIMEN BEREZIA"));
    p.FontItalic(false);
    p.PaintPicture(banda, 0.5, y0 + 17, 9, 34);
    ImprimirCentrado(0.1, y0 + 8, 190.5, QStringLiteral("REGIMEN ESPECIAL DE RECARGO DE EQUIVALENCIA"));

    Reglas(y0, kReglasCuerpo);
    DibujarRecuadro(40, y0 + 19, 141, y0 + 43);
    // The rate column is grey: drawn after the outline, it covers that stretch of it.
    DibujarSombreado(93, y0 + 19, 103, y0 + 43);
    Reglas(y0, kReglasTabla);
    for (double x : {112, 121, 130}) DibujarRecuadro(x, y0 + 45, x + 4, y0 + 49.5);
    DibujarRecuadro(141, y0 + 43, 185.5, y0 + 51);
    DibujarLinea(146, y0 + 43, 146, y0 + 51);

    RestablecerFuente();
    PonerFuente(kTimes, 7, false);
    ImprimirLeyendas(y0, kEncabezados);
    RestablecerFuente();
    PonerFuente(kTimes, 8, false);
    ImprimirLeyendas(y0, kNumerosRecargo);

    // The rates in force for the declaration; the 4 % is the same on every date.
    const tipos::TiposIva t = TiposImpresos();
    p.FontBold(true);
    p.FontItalic(false);
    ImprimirCentrado(93, y0 + 22.5, 10, Tasa(t.general));
    ImprimirCentrado(93, y0 + 30.5, 10, Tasa(t.reducido));
    ImprimirCentrado(93, y0 + 38.5, 10, Tasa(tipos::kTipo4));
}

void ImprimirDatosRecargo(double y0) {
    PonerFuente(QStringLiteral("arial"), 9, true, false);
    ImprimirImportes(y0, cDatos731::Instancia(), kImportesRecargo);
}

void ImprimirMarcoFirma731(double y0, const QString& banda, int ancho) {
    Impresora& p = Printer();
    p.DrawWidth(ancho);
    DibujarRecuadro(0.1, y0, 77, y0 + 30);
    p.PaintPicture(banda, 0.5, y0 + 0.5, 9, 28);
    p.DrawWidth(3);
    DibujarLinea(10, y0, 10, y0 + 30);
    PonerFuente(kTimes, 8, false, true);
    ImprimirCentrado(10, y0 + 6, 72, LineaFechaPresentacion(QStringLiteral("Data / Fecha:    ")));
    ImprimirTexto(20, y0 + 11.5, QStringLiteral("Sinadura eta Zigilua /"));
    p.FontItalic(false);
    ImprimirTexto(46, y0 + 11.5, QStringLiteral("Firma y Sello"));
}

void ImprimirMarcoResultado(double y, int ancho) {
    Impresora& p = Printer();
    p.DrawWidth(ancho);
    DibujarRecuadro(79, y, 190.5, y + 30);
    p.DrawWidth(3);
    DibujarSombreado(79.2, y + 0.5, 190.4, y + 4.5);
    DibujarLinea(79, y + 5, 190.5, y + 5);
    DibujarRecuadro(141, y + 6, 185.5, y + 14);
    // The grey amount area paints over that stretch of the outline.
    DibujarSombreado(146, y + 6, 185.5, y + 14);
    DibujarLinea(146, y + 6, 146, y + 14);

    PonerFuente(kTimes, 9, false, true);
    p.ForeColor(0);
    ImprimirCentrado(85, y, 93.5, QStringLiteral("EMAITZA"));
    p.FontItalic(false);
    ImprimirCentrado(109, y, 93.5, QStringLiteral("RESULTADO"));

    RestablecerFuente();
    PonerFuente(kTimes, 8, true, true);
    ImprimirTexto(100, y + 8, QStringLiteral("Itzuli beharreko B.E.Z.a Guztira"));
    p.FontItalic(false);
    ImprimirTexto(100, y + 11, QStringLiteral("Total I.V.A. a devolver..........."));
    p.FontBold(false);
    ImprimirCentrado(141, y + 8.5, 5, QStringLiteral("15"));
    ImprimirBilingueCentrado(98, y + 19, QStringLiteral("IBAN Kodea"), QStringLiteral("Código IBAN"));

    ImprimirCeldasIban(y);
    PonerFuente(kTimes, 10, true);
    // One character per cell; a shorter account leaves the last cells empty, a longer one is cut.
    const QString cuenta = cDatos731::Instancia().CC().left(24);
    for (int k = 1; k <= cuenta.size(); ++k) ImprimirTexto(XCeldaIban(k), y + 27, cuenta.mid(k - 1, 1));
}

void ImprimirDatosResultado(double y) {
    PonerFuente(QStringLiteral("arial"), 9, true, false);
    const double resultado = cDatos731::Instancia().resul();
    if (resultado != 0) ImprimirDerecha(182, y + 8, TextoImporte(std::llround(resultado)));
}

}  // namespace oxalde
