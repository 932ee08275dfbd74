// The form-731 page's driver and its transport section: acquirer, means of transport, prices.
#include "impresion/modelo731.h"

#include "form731/cDatos731.h"
#include "impresion/Impresora.h"
#include "impresion/cabecera.h"
#include "impresion/primitivas.h"
#include "impresion/secciones.h"
#include "compartido/importe.h"
#include "compartido/cDecResumen.h"
#include "compartido/claves_declaracion.h"

namespace oxalde {
namespace {

bool EsModo(QLatin1String modo) { return cDecResumen::Instancia().MODOP() == modo; }

// The outline of a box, its band picture stretched into the band column, and the frame's width.
void MarcoConBanda(double y0, double alto, const QString& banda, double altoBanda, int ancho) {
    Printer().DrawWidth(ancho);
    DibujarRecuadro(0.1, y0, 190.5, y0 + alto);
    Printer().PaintPicture(banda, 0.5, y0 + 0.5, 9, altoBanda);
}

// One step of the page: a section drawn at y0 after a font reset, for both kinds or only for one.
struct Paso {
    double y0;
    void (*dibujar)(double);
    QLatin1String modo;  // empty: both kinds
};

const Paso kPasos[] = {
    {29, [](double y) { ImprimirMarcoDeclarante(y, QStringLiteral("Declarante"), 5); }, {}},
    {29, ImprimirDatosDeclarante, {}},
    {57, [](double y) { ImprimirApartadoTransporte(y, 5); }, {}},
    {184, [](double y) { ImprimirMarcoRecargo(y, QStringLiteral("Liquidacion"), 5); }, {}},
    {184, ImprimirDatosRecargo, kModoPeriodica},
    {238, [](double y) { ImprimirMarcoFirma731(y, QStringLiteral("sujeto"), 5); }, {}},
    {238, [](double y) { ImprimirMarcoResultado(y, 5); }, {}},
    {238, ImprimirDatosResultado, {}},
};

// The transport section's boxes: offset from the section's top, frame, band, values.
struct Caja {
    double dy;
    void (*marco)(double, const QString&, int);
    const char* banda;
    void (*datos)(double);
};

const Caja kCajas[] = {
    {15, ImprimirMarcoAdquirente, "Adquiriente", ImprimirDatosAdquirente},
    {33, ImprimirMarcoTransporte731, "tecnicos", ImprimirDatosTransporte731},
    {85, ImprimirMarcoPrecios, "Liquidacion", ImprimirDatosPrecios},
};

const Leyenda kTituloTransporte[] = {
    {0.1, 190.5, 1, true,
     "GARRAIOBIDE BERRIEN BATASUN BARRUKO SALMENTAK, BIDAIARIEN EDO MERKANTZIEN ERREPIDE BIDEZKO GARRAIO JARDUERA"},
    {0.1, 190.5, 4, true,
     "(BEZ Erreglamenduko 30.bis artikulua) ETA ERAKUNDE PUBLIKO EDO GIZARTE IZAERAKO ESTABLEZIMENDU PRIBATUAK"},
    {0.1, 190.5, 8, false,
     "ENTREGAS INTRACOMUNITARIAS DE MEDIOS DE TRANSPORTE NUEVOS, ACTIVIDAD DE TRANSPORTE DE VIAJEROS O DE "
     "MERCANCIAS POR"},
    {0.1, 190.5, 11, false,
     "CARRETERA (Art. 30 bis RIVA) Y ENTES PÚBLICOS O ESTABLECIMIENTOS PRIVADOS DE CARÁCTER SOCIAL"},
};

const Rotulo kRotulosAdquirente[] = {
    {12, 1.3, 3.88, "IFZ", "N.I.F."},
    {74, 1.3, 3.88, "Deiturak eta Izena edo Enpresaren Izena", "Apellidos y Nombre o Razón Social"},
    {12, 10.3, 12.88, "Herria", "País"},
};

const ValorCentrado<cDatos731> kAdquirente[] = {
    {0, [](const cDatos731& d) { return d.ADQNIF(); }, 10, 62, 6},
    {0, [](const cDatos731& d) { return d.ADQPAIS(); }, 10, 62, 15},
    {0, [](const cDatos731& d) { return d.ADQNOM(); }, 72, 118.5, 10.5},
};

// Six rows of 9 mm: vehicles (rows 1, 2), boats (3, 4), aircraft (5, 6).
const Regla kReglasTransporte[] = {
    {10, 0, 10, 54},     {35, 0, 35, 54},      {35, 9, 190.5, 9},   {120, 9, 120, 18},   {10, 18, 190.5, 18},
    {150, 18, 150, 27},  {35, 27, 190.5, 27},  {120, 27, 120, 36},  {10, 36, 190.5, 36}, {150, 36, 150, 45},
    {35, 45, 190.5, 45}, {90, 45, 90, 54},     {120, 45, 120, 54},
};

const Rotulo kRotulosTransporte[] = {
    EnFila(1, 37, "Marka - Tipoa - Eredua", "Marca - Tipo - Modelo"),
    EnFila(2, 37, "Identifikazio zk. (txasisarena)", "Nº Identificación (bastidor)"),
    EnFila(2, 122, "Sailkapena", "Clasificación"),
    EnFila(3, 37, "Fabrikatzailea", "Fabricante"),
    EnFila(3, 152, "Gehienezko luzera", "Eslora máxima"),
    EnFila(4, 37, "Identifikazioa (eraikuntza zk.)", "Identificación (Nº construcción)"),
    EnFila(4, 122, "Marka - Tipoa - Eredua", "Marca - Tipo - Modelo"),
    EnFila(5, 37, "Fabrikatzailea", "Fabricante"),
    EnFila(5, 152, "Gehienezko aireratze pisua (kg.tan)", "Peso máximo despegue (en Kg.)"),
    EnFila(6, 37, "Serie zk.", "Nº de serie"),
    EnFila(6, 92, "Fabrikazio urtea", "Año de fabricación"),
    EnFila(6, 122, "Marka - Tipoa - Eredua", "Marca - Tipo - Modelo"),
};

bool NoVacio(const QString& texto) { return !texto.trimmed().isEmpty(); }
QString ConGuion(const QString& texto) { return texto + QStringLiteral(" - "); }

// A vehicle's make, type and model always print with their separators in wide bands; a boat's or
// an aircraft's, each with its separator only when it holds more than blanks, in narrow ones.
const ValorCentrado<cDatos731> kTransporte[] = {
    {'V', [](const cDatos731& d) { return ConGuion(d.MARCAV()); }, 35, 50, 6},
    {'V', [](const cDatos731& d) { return ConGuion(d.TIPOV()); }, 90, 50, 6},
    {'V', [](const cDatos731& d) { return d.MODELOV(); }, 145, 50, 6},
    {'V', [](const cDatos731& d) { return d.NBASTIDOR(); }, 35, 85, 15},
    {'V', [](const cDatos731& d) { return Entero(d.CLASIF(), kFormatoCifras); }, 120, 70.5, 15},
    {'B', [](const cDatos731& d) { return d.FABRICB(); }, 35, 115, 24},
    {'B', [](const cDatos731& d) { return Entero(d.ESLORAMAX(), kFormatoLongitud); }, 150, 40.5, 24,
     [](const cDatos731& d) { return d.ESLORAMAX() != 0; }},
    {'B', [](const cDatos731& d) { return d.NCONSTRUC(); }, 35, 85, 33},
    {'B', [](const cDatos731& d) { return ConGuion(d.MARCAB()); }, 120, 19.5, 33,
     [](const cDatos731& d) { return NoVacio(d.MARCAB()); }},
    {'B', [](const cDatos731& d) { return ConGuion(d.TIPOB()); }, 144.5, 19.5, 33,
     [](const cDatos731& d) { return NoVacio(d.TIPOB()); }},
    {'B', [](const cDatos731& d) { return d.MODELOB(); }, 169, 21.5, 33,
     [](const cDatos731& d) { return NoVacio(d.MODELOB()); }},
    {'A', [](const cDatos731& d) { return d.FABRICA(); }, 35, 115, 42},
    {'A', [](const cDatos731& d) { return Entero(d.PESOMAX(), kFormatoMillones); }, 150, 40.5, 42,
     [](const cDatos731& d) { return d.PESOMAX() != 0; }},
    {'A', [](const cDatos731& d) { return d.NSERIE(); }, 35, 55, 51},
    {'A', [](const cDatos731& d) { return Entero(d.ANOFAB(), kFormatoCifras); }, 90, 30, 51},
    {'A', [](const cDatos731& d) { return ConGuion(d.MARCAA()); }, 120, 19.5, 51,
     [](const cDatos731& d) { return NoVacio(d.MARCAA()); }},
    {'A', [](const cDatos731& d) { return ConGuion(d.TIPOA()); }, 144.5, 19.5, 51,
     [](const cDatos731& d) { return NoVacio(d.TIPOA()); }},
    {'A', [](const cDatos731& d) { return d.MODELOA(); }, 169, 21.5, 51,
     [](const cDatos731& d) { return NoVacio(d.MODELOA()); }},
};

// A value box of the prices: its outline, then the rule closing its 5 mm number cell.
struct CajaPrecio {
    double x1;
    double x2;
    double y1;
    double y2;
};

const CajaPrecio kCajasPrecio[] = {
    {42, 86, 4, 12},      {42, 86, 16, 24},      {101, 113, 4, 12},    {101, 113, 16, 24},
    {141, 185.5, 4, 12},  {141, 185.5, 16, 24},  {141, 185.5, 28, 36},
};

// The labels of boxes 01, 04, 02 and 05, each with its box number in the number cell.
struct RotuloNumerado {
    Rotulo rotulo;
    double xCelda;
    double yNumero;
    const char* numero;
};

const RotuloNumerado kRotulosPrecio[] = {
    {{15, 6, 9, "Erosketa Prezioa", "Precio de adquisición"}, 42, 7.5, "01"},
    {{15, 18, 21, "Salmenta Prezioa", "Precio de Venta"}, 42, 19.5, "04"},
    {{92, 6, 9, "Tasa", "Tipo"}, 101, 7.5, "02"},
    {{92, 18, 21, "Tasa", "Tipo"}, 101, 19.5, "05"},
};

const Rotulo kRotulosIva[] = {
    {118, 6, 9, "Jasandako B.E.Z.a", "I.V.A. soportado"},
    {118, 18, 21, "Gehienezko itzulpena", "Máximo a devolver"},
};

const Rotulo kRotuloDevolver[] = {
    {85, 30, 33, "Itzuli beharreko B.E.Z.a", "I.V.A. a devolver....................................."},
};

const ImporteEn<cDatos731> kImportesPrecio[] = {
    {[](const cDatos731& d) { return d.PREADQ(); }, 82.5, 7},
    {[](const cDatos731& d) { return d.PREVEN(); }, 82.5, 19},
    {[](const cDatos731& d) { return d.IVASOP(); }, 182, 7},
    {[](const cDatos731& d) { return d.MAXDEV(); }, 182, 19},
    {[](const cDatos731& d) { return d.IVADEV1(); }, 182, 31},
};

void ImprimirTasa(double y, double tasa) { ImprimirCentrado(106, y, 7, Entero(tasa, "##")); }

}  // namespace

void ImprimirModelo731(const QString& copia) {
    TrabajoImpresion trabajo;
    RestablecerFuente();
    ImprimirCabecera(28, 0, 5, kModelo731);
    RestablecerFuente();
    ImprimirEjercicioPeriodo();
    for (const Paso& paso : kPasos) {
        RestablecerFuente();
        if (paso.modo.isEmpty() || EsModo(paso.modo)) paso.dibujar(paso.y0);
    }
    ImprimirEjemplar(copia);
    trabajo.Terminar();
}

void ImprimirApartadoTransporte(double y0, int ancho) {
    SeccionConTitulo(y0, 127, ancho, 8);
    ImprimirLeyendas(y0, kTituloTransporte);
    for (const Caja& c : kCajas) {
        RestablecerFuente();
        c.marco(y0 + c.dy, QString::fromLatin1(c.banda), 3);
        // The kind is read afresh for each box.
        if (EsModo(kModoTransporte)) {
            RestablecerFuente();
            c.datos(y0 + c.dy);
        }
    }
}

void ImprimirMarcoAdquirente(double y0, const QString& banda, int ancho) {
    MarcoConBanda(y0, 18, banda, 17, ancho);
    DibujarLinea(10, y0, 10, y0 + 18);
    DibujarLinea(10, y0 + 9, 72, y0 + 9);
    DibujarLinea(72, y0, 72, y0 + 18);
    PonerFuente(kTimes, 7, false);
    ImprimirRotulos(y0, kRotulosAdquirente);
}

void ImprimirDatosAdquirente(double y0) {
    PonerFuente(QStringLiteral("arial"), 7, true, false);
    ImprimirTextosNoVacios(y0, cDatos731::Instancia(), kAdquirente);
}

void ImprimirMarcoTransporte731(double y0, const QString& banda, int ancho) {
    MarcoConBanda(y0, 55, banda, 52, ancho);
    Reglas(y0, kReglasTransporte);
    PonerFuente(kTimes, 8, false);
    ImprimirGruposTransporte(y0);
    Printer().FontSize(7);
    ImprimirRotulos(y0, kRotulosTransporte);
}

void ImprimirDatosTransporte731(double y0) {
    PonerFuente(QStringLiteral("arial"), 7, true, false);
    const cDatos731& datos = cDatos731::Instancia();
    ImprimirValoresMedio(y0, datos, datos.TMEDIO(), kTransporte);
}

void ImprimirMarcoPrecios(double y0, const QString& banda, int ancho) {
    // No outline of its own: the section's outline and the box above close it.
    Impresora& p = Printer();
    p.DrawWidth(ancho);
    DibujarLinea(10, y0, 10, y0 + 40);
    for (const CajaPrecio& c : kCajasPrecio) {
        DibujarRecuadro(c.x1, y0 + c.y1, c.x2, y0 + c.y2);
        DibujarLinea(c.x1 + 5, y0 + c.y1, c.x1 + 5, y0 + c.y2);
    }
    p.PaintPicture(banda, 0.5, y0 + 2, 9, 34);

    PonerFuente(kTimes, 8, false);
    for (const RotuloNumerado& r : kRotulosPrecio) {
        ImprimirRotulos(y0, std::span(&r.rotulo, 1));
        ImprimirCentrado(r.xCelda, y0 + r.yNumero, 5, QString::fromLatin1(r.numero));
    }
    RestablecerFuente();
    PonerFuente(kTimes, 7, false);
    ImprimirRotulos(y0, kRotulosIva);
    RestablecerFuente();
    PonerFuente(kTimes, 8, false);
    ImprimirCentrado(141, y0 + 7.5, 5, QStringLiteral("03"));
    ImprimirCentrado(141, y0 + 19.5, 5, QStringLiteral("06"));
    ImprimirRotulos(y0, kRotuloDevolver);
    ImprimirCentrado(141, y0 + 31.5, 5, QStringLiteral("07"));
}

void ImprimirDatosPrecios(double y0) {
    PonerFuente(QStringLiteral("arial"), 9, true, false);
    const cDatos731& datos = cDatos731::Instancia();
    ImprimirImportes(y0, datos, kImportesPrecio);
    if (datos.TIPOADQ() != 0) ImprimirTasa(y0 + 7, datos.TIPOADQ());
    // The sale's rate goes with the sale: printed only for a sale price above 0.
    if (datos.PREVEN() > 0) ImprimirTasa(y0 + 19, datos.TIPOVEN());
}

}  // namespace oxalde
