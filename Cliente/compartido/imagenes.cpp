#include "compartido/imagenes.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <functional>
#include <vector>

#include "compartido/emblema.h"

namespace oxalde {
namespace {

constexpr int kEscala = 4;  // pixels drawn for each pixel of a picture's own size

enum class Clase { Emblema, Sello, Banda };

struct Dibujo {
    const char* nombre;
    int ancho;  // own width, in pixels
    int alto;   // own height, in pixels
    Clase clase;
    const char* euskera;
    const char* castellano;
};

// Stamps and band captions read from bottom to top, the Basque text (italic) before the Spanish.
const Dibujo kDibujos[] = {
    {"Logo", 64, 54, Clase::Emblema, "", ""},
    {"Borrador", 17, 295, Clase::Sello, "Zirriborroa", "Borrador"},
    {"Administracion", 16, 344, Clase::Sello, "Administrazioarentzako alea", "Ejemplar para la Administración"},
    {"Informatica", 18, 280, Clase::Sello, "Interesatuaren alea", "Ejemplar para el interesado"},
    {"Declarante", 34, 104, Clase::Banda, "Aitortzailea", "Declarante"},
    {"Zergaduna", 34, 104, Clase::Banda, "Zergaduna", "Obligado tributario"},
    {"Adquiriente", 34, 70, Clase::Banda, "Eskuratzailea", "Adquiriente"},
    {"Liquidacion", 34, 155, Clase::Banda, "Likidazioa", "Liquidacion"},
    {"sujeto", 34, 116, Clase::Banda, "Subjektu pasiboa", "Sujeto pasivo"},
    {"Transmitente", 34, 74, Clase::Banda, "Eskualdatzailea", "Transmitente"},
    {"Situacion", 34, 94, Clase::Banda, "Zerga egoera", "Sit. Tributaria"},
    {"HechoImponible", 39, 66, Clase::Banda, "Egintza Zergagarria", "Hecho imponible"},
    {"tecnicos", 34, 210, Clase::Banda, "Ezaugarri eta datu teknikoak", "Caracteristicas y datos tecnicos"},
    {"Justificante", 50, 56, Clase::Banda, "Sarrera-Frogagiria", "Justificante de Ingreso"},
};

struct Renglon {
    QString texto;
    bool cursiva;
};

QFont Letra(bool cursiva, double pixeles) {
    QFont f(QStringLiteral("arial"));
    f.setPixelSize(std::max(1, int(pixeles)));
    f.setBold(true);
    f.setItalic(cursiva);
    return f;
}

// The largest letter (in pixels) at which the lines, stacked across `ancho`, each fit in `largo`.
double Cabe(const std::vector<Renglon>& renglones, double ancho, double largo, double maximo) {
    constexpr double kPrueba = 100;
    double mayor = 0;
    for (const Renglon& r : renglones)
        mayor = std::max(mayor, QFontMetricsF(Letra(r.cursiva, kPrueba)).horizontalAdvance(r.texto));
    const double porLargo = largo * kPrueba / mayor;
    const double porAncho = ancho / (renglones.size() * 1.1);
    return std::min({porLargo, porAncho, maximo});
}

// The text on one line, or broken in two after a blank or a hyphen.
std::vector<QStringList> Cortes(const QString& texto) {
    std::vector<QStringList> r{{texto}};
    for (int i = 1; i < texto.size(); ++i) {
        if (texto[i - 1] == u' ' || texto[i - 1] == u'-')
            r.push_back({texto.left(i).trimmed(), texto.mid(i).trimmed()});
    }
    return r;
}

// The Basque lines over the Spanish ones, each broken where the letter comes out largest.
std::vector<Renglon> Disponer(const Dibujo& d, double ancho, double largo, double maximo) {
    std::vector<Renglon> mejor;
    double tamano = 0;
    for (const QStringList& eu : Cortes(QString::fromUtf8(d.euskera))) {
        for (const QStringList& es : Cortes(QString::fromUtf8(d.castellano))) {
            std::vector<Renglon> prueba;
            for (const QString& t : eu) prueba.push_back({t, true});
            for (const QString& t : es) prueba.push_back({t, false});
            const double t = Cabe(prueba, ancho, largo, maximo);
            if (t > tamano + 0.01) {
                tamano = t;
                mejor = prueba;
            }
        }
    }
    return mejor;
}

void EscribirGirado(QPainter& p, const Dibujo& d) {
    const double ancho = d.ancho * kEscala;
    const double largo = d.alto * kEscala;
    const double margen = kEscala * 2;
    p.translate(0, largo);
    p.rotate(-90);  // the text runs up the picture
    std::vector<Renglon> renglones;
    if (d.clase == Clase::Sello) {
        renglones = {{QString::fromUtf8(d.euskera) + QStringLiteral(" / ") + QString::fromUtf8(d.castellano), false}};
    } else {
        renglones = Disponer(d, ancho - margen, largo - margen, 11.0 * kEscala);
    }
    const double tamano = Cabe(renglones, ancho - margen, largo - 2 * margen, 12.0 * kEscala);
    const double paso = (ancho - margen) / renglones.size();
    for (size_t i = 0; i < renglones.size(); ++i) {
        const QFont f = Letra(renglones[i].cursiva, tamano);
        p.setFont(f);
        const QRectF fila(0, margen / 2 + paso * i, largo, paso);
        p.drawText(fila, Qt::AlignCenter, renglones[i].texto);
    }
}

QImage Generar(const Dibujo& d) {
    QImage imagen(d.ancho * kEscala, d.alto * kEscala, QImage::Format_RGB32);
    imagen.fill(Qt::white);
    {
        QPainter p(&imagen);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setPen(Qt::black);
        if (d.clase == Clase::Emblema) {
            // The letterhead stretches the picture to its height: squeeze the emblem by as much
            // so that it prints round.
            const double estirado = kAltoEmblemaMm / (d.alto * 25.4 / 96);
            p.scale(1, 1 / estirado);
            DibujarEmblema(p, QRectF(0, 0, imagen.width(), imagen.height() * estirado));
        } else {
            EscribirGirado(p, d);
        }
    }
    imagen.setDevicePixelRatio(kEscala);
    return imagen;
}

// Button pictures, 32 by 32.

constexpr int kBoton = 32;

using Trazo = std::function<void(QPainter&)>;

void Carpeta(QPainter& p) {
    p.setPen(QPen(QColor(120, 90, 20), 1.5));
    p.setBrush(QColor(240, 200, 80));
    p.drawPolygon(QPolygonF(
        {QPointF(3, 8), QPointF(12, 8), QPointF(14, 11), QPointF(28, 11), QPointF(28, 26), QPointF(3, 26)}));
    p.setBrush(QColor(250, 220, 120));
    p.drawPolygon(QPolygonF({QPointF(6, 15), QPointF(31, 15), QPointF(28, 26), QPointF(3, 26)}));
}

const Trazo kTrazos[] = {
    // 1 open: an open folder.
    Carpeta,
    // 2 delete: a red cross.
    [](QPainter& p) {
        p.setPen(QPen(QColor(200, 30, 30), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 8), QPointF(24, 24));
        p.drawLine(QPointF(24, 8), QPointF(8, 24));
    },
    // 3 print: a printer with a sheet.
    [](QPainter& p) {
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 4, 14, 10));
        p.setBrush(QColor(150, 150, 160));
        p.drawRoundedRect(QRectF(4, 13, 24, 11), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 20, 14, 8));
        p.setBrush(QColor(40, 180, 60));
        p.drawEllipse(QPointF(24, 17), 1.5, 1.5);
    },
    // 4 taxpayer: a person.
    [](QPainter& p) {
        p.setPen(QPen(QColor(20, 50, 110), 1.5));
        p.setBrush(QColor(70, 120, 200));
        p.drawEllipse(QPointF(16, 10), 6, 6);
        p.drawChord(QRectF(5, 18, 22, 20), 0, 180 * 16);
    },
    // 9 close: an arrow leaving a doorway.
    [](QPainter& p) {
        p.setPen(QPen(QColor(90, 60, 30), 2));
        p.setBrush(QColor(200, 160, 110));
        p.drawRect(QRectF(4, 4, 14, 24));
        p.setPen(QPen(QColor(200, 30, 30), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(12, 16), QPointF(28, 16));
        p.drawPolyline(QPolygonF({QPointF(22, 10), QPointF(28, 16), QPointF(22, 22)}));
    },
    // 11 accept: a green tick.
    [](QPainter& p) {
        p.setPen(QPen(QColor(30, 150, 40), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(6, 17), QPointF(13, 24), QPointF(26, 8)}));
    },
    // 13 choose a file: a folder with an ellipsis.
    [](QPainter& p) {
        Carpeta(p);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        for (int i = 0; i < 3; ++i) p.drawEllipse(QPointF(11 + 5 * i, 21), 1.6, 1.6);
    },
};

QImage Boton(const Trazo& trazo) {
    QImage imagen(kBoton, kBoton, QImage::Format_ARGB32);
    imagen.fill(Qt::transparent);
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    trazo(p);
    return imagen;
}

// The disabled look: grey, lighter.
QImage Apagado(QImage imagen) {
    for (int y = 0; y < imagen.height(); ++y) {
        auto* fila = reinterpret_cast<QRgb*>(imagen.scanLine(y));
        for (int x = 0; x < imagen.width(); ++x) {
            const int gris = 128 + qGray(fila[x]) / 2;
            fila[x] = qRgba(gris, gris, gris, qAlpha(fila[x]) / 2);
        }
    }
    return imagen;
}

std::vector<QPixmap> Botones() {
    // Which drawing each index takes, and whether it is the disabled look.
    struct Entrada {
        int trazo;
        bool apagado;
    };
    const Entrada kIndices[] = {{0, false}, {1, false}, {2, false}, {3, false}, {0, true},  {1, true},  {2, true},
                                {3, true},  {4, false}, {4, true},  {5, false}, {5, true},  {6, false}, {6, true}};
    std::vector<QPixmap> r;
    for (const Entrada& e : kIndices) {
        QImage imagen = Boton(kTrazos[e.trazo]);
        r.push_back(QPixmap::fromImage(e.apagado ? Apagado(imagen) : imagen));
    }
    return r;
}

}  // namespace

const QImage& Imagen(const QString& nombre) {
    static const QHash<QString, QImage> imagenes = [] {
        QHash<QString, QImage> r;
        for (const Dibujo& d : kDibujos) r.insert(QString::fromLatin1(d.nombre), Generar(d));
        return r;
    }();
    static const QImage nula;
    auto it = imagenes.constFind(nombre);
    return it == imagenes.constEnd() ? nula : *it;
}

QStringList NombresImagenes() {
    QStringList r;
    for (const Dibujo& d : kDibujos) r << QString::fromLatin1(d.nombre);
    return r;
}

const QPixmap& ImgBotones(int indice) {
    static const std::vector<QPixmap> botones = Botones();
    static const QPixmap nulo;
    return indice >= 1 && indice <= int(botones.size()) ? botones[indice - 1] : nulo;
}

QPixmap ImagenBoton(int indice, QSize tamano) {
    return ImgBotones(indice).scaled(tamano, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QPixmap MarcaBoton(QSize tamano, bool aceptar) {
    QPixmap p(tamano);
    p.fill(Qt::transparent);
    QPainter pintor(&p);
    pintor.setRenderHint(QPainter::Antialiasing);
    const qreal w = tamano.width();
    const qreal h = tamano.height();
    pintor.setPen(QPen(aceptar ? QColor(30, 140, 60) : QColor(200, 40, 40), std::max(2.0, w / 7), Qt::SolidLine,
                       Qt::RoundCap, Qt::RoundJoin));
    QPainterPath trazo;
    if (aceptar) {
        trazo.moveTo(w * 0.15, h * 0.55);
        trazo.lineTo(w * 0.42, h * 0.8);
        trazo.lineTo(w * 0.85, h * 0.2);
    } else {
        trazo.moveTo(w * 0.2, h * 0.2);
        trazo.lineTo(w * 0.8, h * 0.8);
        trazo.moveTo(w * 0.8, h * 0.2);
        trazo.lineTo(w * 0.2, h * 0.8);
    }
    pintor.drawPath(trazo);
    return p;
}

}  // namespace oxalde
