#include "impresion/secciones.h"

#include <algorithm>

#include "impresion/Impresora.h"
#include "impresion/cImOf.h"
#include "impresion/primitivas.h"
#include "compartido/cDecResumen.h"
#include "compartido/procedimientos.h"
#include "vb/formato.h"

namespace oxalde {

void ImprimirRotulos(double y0, std::span<const Rotulo> rotulos) {
    Impresora& p = Printer();
    for (const Rotulo& r : rotulos) {
        p.FontItalic(true);
        ImprimirTexto(r.x, y0 + r.yEuskera, QString::fromUtf8(r.euskera));
        p.FontItalic(false);
        ImprimirTexto(r.x, y0 + r.yCastellano, QString::fromUtf8(r.castellano));
    }
}

void ImprimirLeyendas(double y0, std::span<const Leyenda> leyendas) {
    Impresora& p = Printer();
    for (const Leyenda& t : leyendas) {
        p.FontItalic(t.cursiva);
        const QString texto = QString::fromUtf8(t.texto);
        if (t.ancho > 0) {
            ImprimirCentrado(t.x, y0 + t.y, t.ancho, texto);
        } else {
            ImprimirTexto(t.x, y0 + t.y, texto);
        }
    }
}

void SeccionConTitulo(double y0, double alto, int ancho, double tamano) {
    Impresora& p = Printer();
    p.DrawWidth(ancho);
    DibujarSombreado(0.1, y0, 190.5, y0 + 15);
    DibujarRecuadro(0.1, y0, 190.5, y0 + alto);
    PonerFuente(kTimes, tamano, false, true);
    p.ForeColor(0);
}

void Reglas(double y0, std::span<const Regla> reglas) {
    for (const Regla& r : reglas) DibujarLinea(r.x1, y0 + r.y1, r.x2, y0 + r.y2);
}

void ImprimirGruposTransporte(double y0) {
    struct Grupo {
        double yEuskera;
        double yCastellano;
        const char* euskera;
        const char* castellano;
    };
    static const Grupo kGrupos[] = {
        {7, 10, "Ibilgailuak", "Vehículos"}, {25, 28, "Itsasuntziak", "Barcos"}, {43, 46, "Aireuntziak", "Aeronaves"}};
    Impresora& p = Printer();
    for (const Grupo& g : kGrupos) {
        p.FontItalic(true);
        ImprimirCentrado(10, y0 + g.yEuskera, 25, QString::fromUtf8(g.euskera));
        p.FontItalic(false);
        ImprimirCentrado(10, y0 + g.yCastellano, 25, QString::fromUtf8(g.castellano));
    }
}

QString Entero(double valor, const char* patron) { return QString::fromStdString(vb::Format(valor, patron)); }

tipos::TiposIva TiposImpresos() {
    const cDecResumen& resumen = cDecResumen::Instancia();
    const long finTrimestre = FechaFinTrimestre(resumen.Ejercicio(), cImOf::Instancia().PERIODO());
    return tipos::TiposEn(std::max<long>(finTrimestre, resumen.FECHA()));
}

}  // namespace oxalde
