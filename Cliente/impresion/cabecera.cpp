#include "impresion/cabecera.h"

#include "com/com.h"
#include "GarobelLib/cMiscelaneos.h"
#include "impresion/Impresora.h"
#include "impresion/cImOf.h"
#include "impresion/primitivas.h"
#include "compartido/cFecha.h"
#include "compartido/claves_declaracion.h"
#include "compartido/emblema.h"

namespace oxalde {
namespace {

const QString kArial = QStringLiteral("arial");

struct LineaTitulo {
    double y;
    double tamano;
    bool negrita;
    bool cursiva;
    double x;  // where the line starts; 0: centred from x 50.4 in `ancho`
    double ancho;
    const char* texto;
};

const LineaTitulo kTitulo731[] = {
    {2.49, 8, false, true, 57, 0, "BALIO ERANTSIAREN GAINEKO ZERGA /"},
    {2.49, 8, false, false, 109, 0, "IMPUESTO SOBRE EL VALOR AÑADIDO"},
    {7.49, 10, false, true, 74, 0, "ITZULKETA ESKAERA /"},
    {7.49, 10, false, false, 112, 0, "SOLICITUD DE DEVOLUCION"},
    {10.41, 8, true, true, 0, 118.8, "Baliokidetasun errekarguaren erregimen berezia, BEZaren Erreglamentuko "},
    {13.41, 8, true, true, 0, 118.8, "30. bis artikulua eta noizbehinkako subjektu pasiboak"},
    {16.41, 8, true, false, 0, 118.8,
     "Régimen especial recargo equivalencia, art. 30 bis RIVA y sujetos pasivos ocasionales"},
};

const LineaTitulo kTitulo732[] = {
    {2.49, 11, false, true, 0, 116.8, "BALIO ERANTSIAREN GAINEKO ZERGA"},
    {7.49, 11, false, false, 0, 116.8, "IMPUESTO SOBRE EL VALOR AÑADIDO"},
    {12.41, 9, true, true, 0, 118.8, "Aldizkakoa ez den Aitorpen-likidazioa"},
    {16.41, 9, true, false, 0, 118.8, "Declaración liquidación no periódica"},
};

template <size_t N>
void ImprimirTitulo(const LineaTitulo (&lineas)[N]) {
    for (const LineaTitulo& l : lineas) {
        PonerFuente(kTimes, l.tamano, l.negrita, l.cursiva);
        const QString texto = QString::fromUtf8(l.texto);
        if (l.x > 0) {
            ImprimirTexto(l.x, l.y, texto);
        } else {
            ImprimirCentrado(50.4, l.y, l.ancho, texto);
        }
    }
}

// The tax department's name as the outside component gives it in one language.
QString Departamento(GarobelLib::cMiscelaneos& componente, vb::Integer idioma) {
    componente.Idioma(idioma);
    return QString::fromStdString(componente.ErarioTributos());
}

}  // namespace

void ImprimirMembrete(double y) {
    Impresora& p = Printer();
    p.PaintPicture(QStringLiteral("Logo"), 2, y + 0.2, std::nullopt, kAltoEmblemaMm);
    PonerFuente(kArial, 6, true, false);
    p.FontUnderline(false);
    p.ForeColor(0);
    ImprimirTexto(21, y + 5.12, QStringLiteral("Kelmoriako Veru Aldundia"));
    ImprimirTexto(20, y + 8.12, QStringLiteral("Diputación Veral de Kelmoria"));

    PonerFuente(kTimes, 7, false, p.FontItalic());
    {
        auto componente = com::CreateObject<GarobelLib::cMiscelaneos>("GarobelLib.cMiscelaneos");
        ImprimirCentrado(0.1, y + 17.41, 50.3, Departamento(*componente, 1000));
        ImprimirCentrado(0.1, y + 20.91, 50.3, Departamento(*componente, 0));
    }

    PonerFuente(kArial, 6, true, false);
    p.FontUnderline(false);
    p.ForeColor(0);
    ImprimirCentrado(0.1, y + 24.41, 50.3, QString::fromLatin1(kDireccionWeb));
}

void ImprimirCabecera(double abajo, double yMembrete, int ancho, const QString& modelo) {
    Impresora& p = Printer();
    p.ScaleMode(kModoMilimetros);
    p.DrawWidth(ancho);
    DibujarRecuadro(0.1, 0.1, 190.5, abajo + 0.1);
    ImprimirMembrete(yMembrete);
    p.DrawWidth(3);
    DibujarLinea(50.4, 0.1, 50.4, abajo + 0.1);

    p.ForeColor(0);
    if (modelo == kModelo731) {
        ImprimirTitulo(kTitulo731);
    } else {
        ImprimirTitulo(kTitulo732);
    }

    DibujarLinea(50.4, 22, 167.24, 22);
    DibujarLinea(109.4, 22, 109.4, abajo + 0.1);
    DibujarLinea(167.24, 0.1, 167.24, abajo + 0.1);

    PonerFuente(kTimes, 7, false, true);
    ImprimirTexto(52.4, 23.3, QStringLiteral("Ekitaldia:"));
    p.FontItalic(false);
    ImprimirTexto(52.4, 25.88, QStringLiteral("Ejercicio:"));
    p.FontItalic(true);
    ImprimirTexto(111.4, 23.3, QStringLiteral("Epealdia:"));
    p.FontItalic(false);
    ImprimirTexto(111.4, 25.88, QStringLiteral("Período:"));

    p.FontBold(false);
    p.FontSize(36);
    ImprimirCentrado(167.24, 10, 23.3, modelo);
}

QString FechaPresentacionEuskera() {
    const QString texto = cFecha::Instancia().LongToString(cImOf::Instancia().FECHAPRE());
    const QString dia = texto.right(2);
    static const QStringList kEan = {"01", "05", "10", "15", "21", "25", "30"};
    static const QStringList kN = {"11", "31"};
    const char* sufijo = kEan.contains(dia) ? "ean" : kN.contains(dia) ? "n" : "an";
    return texto + QLatin1String(sufijo);
}

QString LineaFechaPresentacion(const QString& prefijo) {
    cFecha& fechas = cFecha::Instancia();
    // Put the layout back however the conversions end.
    struct Restaurar {
        cFecha& fechas;
        QString idioma;
        ~Restaurar() { fechas.fecidioma(idioma); }
    } restaurar{fechas, fechas.fecidioma()};
    fechas.fecidioma(QStringLiteral("E"));
    const QString euskera = FechaPresentacionEuskera();
    fechas.fecidioma(QStringLiteral("C"));
    const QString castellano = fechas.LongToString(cImOf::Instancia().FECHAPRE());
    return prefijo + euskera + QStringLiteral(" /// ") + castellano;
}

}  // namespace oxalde
