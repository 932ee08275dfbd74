// The form-732 page's lower sections: technical data, liquidation, payment and signature.
#include "form732/cDatos732.h"
#include "impresion/Impresora.h"
#include "impresion/cabecera.h"
#include "impresion/modelo732.h"
#include "impresion/primitivas.h"
#include "impresion/secciones.h"
#include "compartido/importe.h"
#include "compartido/tipos_iva.h"

namespace oxalde {
namespace {

const Regla kReglasTecnicas[] = {
    {35, 0, 35, 54},     {86, 0, 86, 9},      {147, 0, 147, 9},    {35, 9, 190.5, 9},  {120, 9, 120, 18},
    {10, 18, 190.5, 18}, {120, 18, 120, 27},  {35, 27, 190.5, 27}, {150, 27, 150, 36}, {10, 36, 190.5, 36},
    {150, 45, 150, 54},  {35, 45, 190.5, 45}, {90, 45, 90, 54},    {120, 36, 120, 45},
};

const Rotulo kEtiquetasTecnicas[] = {
    EnFila(1, 37, "Marka ", "Marca "),
    EnFila(1, 88, "Tipoa ", "Tipo"),
    EnFila(1, 149, "Eredua ", "Modelo"),
    EnFila(2, 37, "Identifikazio zk. (txasisarena)", "Nº Identificación (bastidor)"),
    EnFila(2, 122, "Sailkapena", "Clasificación"),
    EnFila(3, 37, "Fabrikatzailea", "Fabricante"),
    EnFila(3, 122, "Tipoa - Eredua", "Tipo - Modelo"),
    EnFila(4, 37, "Identifikazioa (eraikuntza zk.)", "Identificación (Nº construcción)"),
    EnFila(4, 152, "Gehienezko luzera", "Eslora máxima"),
    EnFila(5, 37, "Fabrikatzailea", "Fabricante"),
    EnFila(5, 122, "Eredua", "Modelo"),
    EnFila(6, 37, "Serie zk.", "Nº de serie"),
    EnFila(6, 92, "Fabrikazio urtea", "Año de fabricación"),
    EnFila(6, 152, "Gehienezko aireratze pisua (kg.tan)", "Peso máximo despegue (en Kg.)"),
};

const ValorCentrado<cDatos732> kValoresTecnicos[] = {
    {'V', [](const cDatos732& d) { return d.MARCAV() + QStringLiteral(" - "); }, 35, 50, 6, nullptr},
    {'V', [](const cDatos732& d) { return d.TIPOV() + QStringLiteral(" - "); }, 86, 61, 6, nullptr},
    {'V', [](const cDatos732& d) { return d.MODELOV(); }, 147, 45, 6, nullptr},
    {'V', [](const cDatos732& d) { return d.NBASTIDOR(); }, 35, 85, 15, nullptr},
    {'V', [](const cDatos732& d) { return Entero(d.CLASIF(), kFormatoCifras); }, 120, 70.5, 15, nullptr},
    {'B', [](const cDatos732& d) { return d.FABRICB(); }, 35, 85, 24, nullptr},
    {'B', [](const cDatos732& d) { return Entero(d.ESLORAMAX(), kFormatoLongitud); }, 147, 43.5, 33,
     [](const cDatos732& d) { return d.ESLORAMAX() != 0; }},
    {'B', [](const cDatos732& d) { return d.NCONSTRUC(); }, 35, 112, 33, nullptr},
    {'B', [](const cDatos732& d) { return d.MODELOB(); }, 120, 70, 24,
     [](const cDatos732& d) { return !d.MODELOB().trimmed().isEmpty(); }},
    {'A', [](const cDatos732& d) { return d.FABRICA(); }, 35, 85, 42, nullptr},
    {'A', [](const cDatos732& d) { return d.MODELOA(); }, 120, 70, 42,
     [](const cDatos732& d) { return !d.MODELOA().trimmed().isEmpty(); }},
    {'A', [](const cDatos732& d) { return d.NSERIE(); }, 35, 55, 51, nullptr},
    {'A', [](const cDatos732& d) { return Entero(d.ANOFAB(), kFormatoCifras); }, 90, 60, 51, nullptr},
    {'A', [](const cDatos732& d) { return Entero(d.PESOMAX(), kFormatoMillones); }, 150, 40, 51,
     [](const cDatos732& d) { return d.PESOMAX() != 0; }},
};

const Leyenda kGruposLiquidacion[] = {
    {13, 0, 5, true, "Erregimen Orokorra"},     {15, 0, 8, false, "Régimen General"},
    {15, 0, 21, true, "Baliokidetasun "},       {17, 0, 24, true, "Gainkargua "},
    {13, 0, 34, true, "Ondaintzeko emaitza"},   {13, 0, 27, false, "Recargo Equivalencia"},
    {13, 0, 37, false, "Resultado a ingresar"}, {41, 0, 1.5, false, "oinarri esargarria / Base Imponible"},
    {93, 0, 1.5, false, "Tasa / Tipo"},         {109, 0, 1.5, false, "Kuota / Cuota"},
};

const Regla kReglasLiquidacion[] = {
    {40, 0, 40, 32}, {47, 4, 47, 32}, {92, 0, 92, 32}, {98, 4, 98, 32},
    {108, 0, 108, 42}, {114, 4, 114, 42}, {152, 0, 152, 42}, {40, 4, 152, 4},
};

const ImporteEn<cDatos732> kImportes[] = {
    {[](const cDatos732& d) { return d.BASE16(); }, 90, 4.5},
    {[](const cDatos732& d) { return d.BASE7(); }, 90, 8.5},
    {[](const cDatos732& d) { return d.BASE4(); }, 90, 12.5},
    {[](const cDatos732& d) { return d.CUOTA16(); }, 150, 4.5},
    {[](const cDatos732& d) { return d.CUOTA7(); }, 150, 8.5},
    {[](const cDatos732& d) { return d.CUOTA4(); }, 150, 12.5},
    {[](const cDatos732& d) { return d.BAEQ4(); }, 90, 16.5},
    {[](const cDatos732& d) { return d.BAEQ175(); }, 90, 20.5},
    {[](const cDatos732& d) { return d.BAEQ1(); }, 90, 24.5},
    {[](const cDatos732& d) { return d.BAEQ05(); }, 90, 28.5},
    {[](const cDatos732& d) { return d.CUEQ4(); }, 150, 16.5},
    {[](const cDatos732& d) { return d.CUEQ175(); }, 150, 20.5},
    {[](const cDatos732& d) { return d.CUEQ1(); }, 150, 24.5},
    {[](const cDatos732& d) { return d.CUEQ05(); }, 150, 28.5},
    {[](const cDatos732& d) { return d.TOTAL(); }, 150, 34.5},
};

QString ConPunto(int tipo) { return QString::fromStdString(tipos::EtiquetaTipo(tipo, '.')); }
QString Tasa(int tipo) { return QString::fromStdString(tipos::EtiquetaTipo(tipo)); }

}  // namespace

Tasas732 TasasLiquidacion732() {
    const tipos::TiposIva t = TiposImpresos();
    return {Tasa(t.general), Tasa(t.reducido), ConPunto(t.recargo), ConPunto(t.recargoReducido)};
}

void ImprimirMarcoTecnico732(double y0, const QString& banda, int ancho) {
    MarcoConBanda732(y0, 54, banda, 0, ancho);
    Reglas(y0, kReglasTecnicas);
    PonerFuente(kTimes, 8, false);
    ImprimirGruposTransporte(y0);
    Printer().FontSize(7);
    ImprimirRotulos(y0, kEtiquetasTecnicas);
}

void ImprimirDatosTecnicos732(double y0) {
    PonerFuente(QStringLiteral("arial"), 7, true, false);
    const cDatos732& datos = cDatos732::Instancia();
    ImprimirValoresMedio(y0, datos, datos.TMEDIO(), kValoresTecnicos);
}

void ImprimirMarcoLiquidacion732(double y0, const QString& banda, int ancho) {
    Impresora& p = Printer();
    MarcoConBanda732(y0, 42, banda, 0, ancho);

    PonerFuente(kTimes, 8, false);
    ImprimirLeyendas(y0, kGruposLiquidacion);
    Reglas(y0, kReglasLiquidacion);

    const Tasas732 tasas = TasasLiquidacion732();
    const QString etiquetas[] = {tasas.general,      tasas.reducido,          Tasa(tipos::kTipo4), tasas.recargo,
                                 Tasa(tipos::kTipo175), tasas.recargoReducido, Tasa(tipos::kTipo05)};
    for (int k = 1; k <= 7; ++k) {
        const double arriba = y0 + 4 * k;
        for (int c = 0; c < 3; ++c) {
            const double x[] = {42, 94, 110};
            ImprimirTexto(x[c], arriba + 2, QStringLiteral("%1").arg(3 * (k - 1) + c + 1, 2, 10, QLatin1Char('0')));
        }
        ImprimirTexto(100, arriba + 2, etiquetas[k - 1]);
        // The thick rule under row 3 parts the general regime from the surcharge.
        if (k == 3) p.DrawWidth(6);
        DibujarLinea(40, arriba + 4, 152, arriba + 4);
        if (k == 3) p.DrawWidth(ancho);
    }

    for (int k = 0; k <= 6; ++k) {
        DibujarRecuadro(41 + 7.5 * k, y0 + 35, 45.5 + 7.5 * k, y0 + 39.5);
        ImprimirTexto(42 + 7.5 * k, y0 + 37, QStringLiteral("%1").arg(3 * k + 3, 2, 10, QLatin1Char('0')));
    }
    for (int k = 0; k <= 5; ++k) ImprimirTexto(46.5 + 7.5 * k, y0 + 37, QStringLiteral("+"));
    ImprimirTexto(91.5, y0 + 37, QStringLiteral("................."));
    ImprimirTexto(110, y0 + 37, QStringLiteral("22"));
}

void ImprimirDatosLiquidacion732(double y0) {
    Impresora& p = Printer();
    p.FontBold(true);
    ImprimirImportes(y0, cDatos732::Instancia(), kImportes);
    p.FontBold(false);
}

void ImprimirMarcoJustificante(double y0, const QString& banda, int ancho) {
    Impresora& p = Printer();
    p.DrawWidth(ancho);
    DibujarRecuadro(0.1, y0, 190.5, y0 + 29);
    PonerFuente(kTimes, 8, false, true);
    ImprimirTexto(0.1, y0 + 1.5, LineaFechaPresentacion(QStringLiteral("Data eta sinadura   ")));
    p.FontItalic(false);
    ImprimirTexto(0.1, y0 + 4, QStringLiteral("Fecha y firma"));
    DibujarLinea(70, y0, 70, y0 + 12);
    p.FontItalic(true);
    ImprimirTexto(72, y0 + 1.5, QStringLiteral("Zergapekoaren edo ondezkariaren sinadura"));
    p.FontItalic(false);
    ImprimirTexto(72, y0 + 4, QStringLiteral("Firma de Obligado tributario o representante"));

    DibujarRecuadro(0.1, y0 + 13, 190.5, y0 + 30);
    DibujarLinea(15, y0 + 17, 190.5, y0 + 17);
    p.PaintPicture(banda, 0.5, y0 + 14);
    DibujarLinea(15, y0 + 13, 15, y0 + 30);
    p.FontItalic(true);
    ImprimirTexto(42, y0 + 14.5, QStringLiteral("Ordainketa Banku edota Aurrezki Kutxan egingo da "));
    p.FontItalic(false);
    ImprimirTexto(106, y0 + 14.5, QStringLiteral(" / El ingreso se efectuará en Bancos y/o Cajas de Ahorro"));
}

}  // namespace oxalde
