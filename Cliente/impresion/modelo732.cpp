// The form-732 page's driver and its upper sections: transmitter, tax situation, taxable event.
#include "impresion/modelo732.h"

#include "form732/cDatos732.h"
#include "impresion/Impresora.h"
#include "impresion/cabecera.h"
#include "impresion/primitivas.h"
#include "impresion/secciones.h"
#include "compartido/claves_declaracion.h"

namespace oxalde {
namespace {

using Lector = QString (*)(const cDatos732&);

const Rotulo kRotulosTransmitente[] = {
    {12, 1.3, 3.88, "IFZ", "N.I.F."},
    {74, 1.3, 3.88, "Deiturak eta Izena edo Enpresaren Izena", "Apellidos y Nombre o Razón Social"},
    {12, 10.3, 12.88, "Zerga helbidea", "Domicilio fiscal"},
    {102, 10.3, 12.88, "Probintzia", "Provincia"},
    {157, 10.3, 12.88, "Herria", "País"},
};

const ValorCentrado<cDatos732> kCamposTransmitente[] = {
    {0, [](const cDatos732& d) { return d.TRANIF(); }, 10, 62, 6},
    {0, [](const cDatos732& d) { return d.TRAPAIS(); }, 155, 40, 15},
    {0, [](const cDatos732& d) { return d.TRANOM(); }, 73, 117.5, 6},
    {0, [](const cDatos732& d) { return d.TRADIRECC(); }, 10, 90, 15},
    {0, [](const cDatos732& d) { return d.TRAPROVINCIA(); }, 100, 55, 15},
};

// One option of the tax situation or the taxable event: its texts, its tick box and its mark.
struct Opcion {
    Lector campo;
    double yEuskera;
    double xCastellano;
    double yCastellano;
    double cajaArriba;
    double cajaAbajo;
    double yMarca;
    const char* euskera;
    const char* castellano;
};

const Opcion kSituacion[] = {
    {[](const cDatos732& d) { return d.SITTIB1(); }, 2, 15, 5, 2, 5, 3,
     "1. Nekazaritza, Abeltzantza eta Arrantzako Erregimen berezira atxikitako subjektu pasiboa "
     "....................................................... ",
     "Sujeto pasivo acogido al Régimen especial de Agricultura, Ganadería y Pesca "},
    {[](const cDatos732& d) { return d.SITTIB2(); }, 9, 15, 12, 9, 12, 10,
     "2. Baliokidetasun Gainkarguaren Erregimen berezia atxikitako subjektu pasiboa "
     "......................................................................... ",
     "Sujeto pasivo acogido al Régimen especial de Recargo de Equivalencia "},
    {[](const cDatos732& d) { return d.SITTIB3(); }, 16, 73, 16, 14, 17, 15,
     "3. Kenkarirako eskubiderik ez duen subjektu pasiboa ",
     " / Sujeto pasivo sin derecho a deducción ....................................................."},
    {[](const cDatos732& d) { return d.SITTIB4(); }, 20, 79, 20, 18, 21, 19,
     "4. Enpresaria edo profesionala ez den pertsona juridikoa ",
     " / Persona jurídica no empresario o profesional ......................................"},
    {[](const cDatos732& d) { return d.SITTIB5(); }, 24, 76, 24, 22, 25, 23,
     "5. Enpresaria eso profesionala ez den pertsona fisikoa ",
     "/ Persona física no empresario o profesional ............................................"},
    {[](const cDatos732& d) { return d.SITTIB6(); }, 28, 82, 28, 26, 29, 27,
     "6. Lehendik jasota ez dauden bestelako zerga egoera batzuk",
     "/ Otras situaciones tributarias no contempladas anteriormente........."},
};

const Opcion kHechos[] = {
    {[](const cDatos732& d) { return d.HECHO1(); }, 2, 64, 2, 1, 4, 2, "1. Ondasunen Elkarte barneko eskurapena / ",
     "Adquisición intracomunitaria de bienes.................................................................."},
    {[](const cDatos732& d) { return d.HECHO2(); }, 6, 75, 6, 5, 8, 6,
     "2. Garraiobide berrien Elkarte barneko eskurapena / ",
     "Adquisición intracomunitaria de medios de transporte nuevos....................."},
    {[](const cDatos732& d) { return d.HECHO3(); }, 10, 52, 10, 9, 12, 10, "3. Subjektu pasiboaren inbersioa /",
     "Inversión sujeto pasivo..................................................................................."
     "................................"},
    {[](const cDatos732& d) { return d.HECHO4(); }, 14, 77, 14, 13, 16, 14,
     "4. Higiezin izaerako inbertsio ondasunen emanaldiak / ",
     "Entrega de bienes de inversión de naturaleza..........................................."},
    {[](const cDatos732& d) { return d.HECHO5(); }, 18, 12, 21, 18, 21, 19,
     "5. Betearazpen-prozedura administratibo eta judizialetako ondasun-emateak eta zerbitzu-prestazioak / ",
     "Entregas de bienes y prestaciones de servicios en procedimientos administrativos y judiciales de "
     "ejecución forzosa........................"},
    {[](const cDatos732& d) { return d.HECHO6(); }, 25, 74, 25, 24, 27, 25,
     "6. Lehendik jasota ez dauden bestelako kasu batzuk / ",
     "Otros supuestos no contemplados anteriormente............................................"},
};

// The options' texts and tick boxes; the situation draws each box between its two texts, the
// taxable event after them.
template <size_t N>
void ImprimirOpciones(double y0, const Opcion (&opciones)[N], bool cajaEnMedio) {
    Impresora& p = Printer();
    PonerFuente(kTimes, 8, false);
    for (const Opcion& o : opciones) {
        p.FontItalic(true);
        ImprimirTexto(12, y0 + o.yEuskera, QString::fromUtf8(o.euskera));
        if (cajaEnMedio) DibujarRecuadro(170, y0 + o.cajaArriba, 173, y0 + o.cajaAbajo);
        p.FontItalic(false);
        ImprimirTexto(o.xCastellano, y0 + o.yCastellano, QString::fromUtf8(o.castellano));
        if (!cajaEnMedio) DibujarRecuadro(170, y0 + o.cajaArriba, 173, y0 + o.cajaAbajo);
    }
}

// An "X" in the tick box of every marked option, in the font in force.
template <size_t N>
void ImprimirMarcas(double y0, const Opcion (&opciones)[N]) {
    const cDatos732& datos = cDatos732::Instancia();
    for (const Opcion& o : opciones)
        if (!o.campo(datos).isEmpty()) ImprimirTexto(171, y0 + o.yMarca, QStringLiteral("X"));
}

// One section: its frame, an optional font reset, its values, another optional reset.
struct Seccion {
    double y0;
    void (*marco)(double, const QString&, int);
    const char* banda;
    bool restablecer;
    void (*datos)(double);
    bool restablecerDespues;
};

const Seccion kSecciones[] = {
    {29, [](double y, const QString& b, int w) { ImprimirMarcoDeclarante(y, b, w); }, "Zergaduna", true,
     ImprimirDatosDeclarante, true},
    {57, ImprimirMarcoTransmitente, "Transmitente", true, ImprimirDatosTransmitente, false},
    {76, ImprimirMarcoSituacion, "Situacion", true, ImprimirDatosSituacion, true},
    {108, ImprimirMarcoHechoImponible, "HechoImponible", true, ImprimirDatosHechoImponible, false},
    {138, ImprimirMarcoTecnico732, "tecnicos", false, ImprimirDatosTecnicos732, false},
    // No reset: the amounts keep the frame's typeface.
    {194, ImprimirMarcoLiquidacion732, "Liquidacion", false, ImprimirDatosLiquidacion732, false},
    {238, ImprimirMarcoJustificante, "Justificante", false, nullptr, false},
};

}  // namespace

void MarcoConBanda732(double y0, double alto, const QString& banda, double yBanda, int ancho) {
    Printer().DrawWidth(ancho);
    DibujarRecuadro(0.1, y0, 190.5, y0 + alto);
    Printer().PaintPicture(banda, 0.1, y0 + yBanda);
    DibujarLinea(10, y0, 10, y0 + alto);
}

void ImprimirModelo732(const QString& copia) {
    TrabajoImpresion trabajo;
    RestablecerFuente();
    ImprimirCabecera(28, 0, 5, kModelo732);
    RestablecerFuente();
    ImprimirEjercicioPeriodo();
    RestablecerFuente();
    for (const Seccion& s : kSecciones) {
        s.marco(s.y0, QString::fromLatin1(s.banda), 3);
        if (s.restablecer) RestablecerFuente();
        if (s.datos) s.datos(s.y0);
        if (s.restablecerDespues) RestablecerFuente();
    }
    ImprimirEjemplar(copia);
    trabajo.Terminar();
}

void ImprimirMarcoTransmitente(double y0, const QString& banda, int ancho) {
    MarcoConBanda732(y0, 18, banda, 0, ancho);
    DibujarLinea(10, y0 + 9, 190.5, y0 + 9);
    DibujarLinea(73, y0, 73, y0 + 9);
    DibujarLinea(100, y0 + 9, 100, y0 + 18);
    DibujarLinea(155, y0 + 9, 155, y0 + 18);
    PonerFuente(kTimes, 7, false);
    ImprimirRotulos(y0, kRotulosTransmitente);
}

void ImprimirDatosTransmitente(double y0) {
    PonerFuente(QStringLiteral("arial"), 7, true, false);
    ImprimirTextosNoVacios(y0, cDatos732::Instancia(), kCamposTransmitente);
}

void ImprimirMarcoSituacion(double y0, const QString& banda, int ancho) {
    MarcoConBanda732(y0, 31, banda, 0, ancho);
    ImprimirOpciones(y0, kSituacion, true);
}

void ImprimirDatosSituacion(double y0) { ImprimirMarcas(y0, kSituacion); }

void ImprimirMarcoHechoImponible(double y0, const QString& banda, int ancho) {
    MarcoConBanda732(y0, 28, banda, 5, ancho);
    ImprimirOpciones(y0, kHechos, false);
}

void ImprimirDatosHechoImponible(double y0) { ImprimirMarcas(y0, kHechos); }

}  // namespace oxalde
