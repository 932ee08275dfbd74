#include "impresion/ImpresoraQt.h"

#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryFile>

#include "impresion/fallos_impresora.h"
#include "impresion/trabajo_cups.h"

namespace oxalde {
namespace {

constexpr double kMargenPdf = 5;  // mm on every side of a PDF page

const QRegularExpression& PatronArchivo() {
    static const QRegularExpression patron(QStringLiteral("^trabajo-(\\d+)\\.pdf$"));
    return patron;
}

QString NombreImpresoraSistema() {
    const QString porDefecto = QPrinterInfo::defaultPrinterName();
    if (!porDefecto.isEmpty()) return porDefecto;
    const QStringList todas = QPrinterInfo::availablePrinterNames();
    return todas.isEmpty() ? QString() : todas.first();
}

}  // namespace

ImpresoraQt::ImpresoraQt(Destino destino, QString carpeta) : destino_(destino), carpeta_(std::move(carpeta)) {}

ImpresoraQt::~ImpresoraQt() { KillDoc(); }

bool ImpresoraQt::HayImpresoras() const {
    switch (destino_) {
        case Pdf: return true;
        case Ninguna: return false;
        case Sistema: break;
    }
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

QString ImpresoraQt::SiguienteArchivo() const {
    int ultimo = 0;
    for (const QString& nombre : QDir(carpeta_).entryList({QStringLiteral("trabajo-*.pdf")}, QDir::Files)) {
        const auto coincide = PatronArchivo().match(nombre);
        if (coincide.hasMatch()) ultimo = std::max(ultimo, coincide.captured(1).toInt());
    }
    return QDir(carpeta_).filePath(QStringLiteral("trabajo-%1.pdf").arg(ultimo + 1, 3, 10, QLatin1Char('0')));
}

QPainter& ImpresoraQt::Pintor() {
    if (pintor_.isActive()) return pintor_;
    if (destino_ == Ninguna) LanzarFalloImpresora(FalloImpresora::SinImpresoras);
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (destino_ == Pdf) {
        QDir().mkpath(carpeta_);
        provisional_ = SiguienteArchivo() + QStringLiteral(".part");
        PrepararPdf(provisional_, QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                              QMarginsF(kMargenPdf, kMargenPdf, kMargenPdf, kMargenPdf),
                                              QPageLayout::Millimeter));
    } else {
        PrepararSistema();
    }
    if (!pintor_.begin(printer_.get())) {
        if (!provisional_.isEmpty()) QFile::remove(provisional_);
        Cerrar();
        LanzarFalloImpresora(FalloImpresora::NoEmpieza);
    }
    puntosPorMm_ = printer_->resolution() / 25.4;
    pintor_.setRenderHint(QPainter::Antialiasing);
    return pintor_;
}

void ImpresoraQt::PrepararPdf(const QString& archivo, const QPageLayout& pagina) {
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(archivo);
    printer_->setPageLayout(pagina);
    printer_->setCreator(QStringLiteral("Oxalde"));
}

void ImpresoraQt::PrepararSistema() {
    // The system's printer with its own paper, orientation and margins; the page is drawn into
    // a PDF that EndDoc hands to the print system itself, so that a refused job is known.
    impresora_ = NombreImpresoraSistema();
    printer_->setPrinterName(impresora_);
    const QPageLayout pagina = printer_->pageLayout();
    temporal_ = std::make_unique<QTemporaryFile>(QDir::temp().filePath(QStringLiteral("oxalde-XXXXXX.pdf")));
    if (!temporal_->open()) {
        Cerrar();
        LanzarFalloImpresora(FalloImpresora::NoSePrepara);
    }
    temporal_->close();
    PrepararPdf(temporal_->fileName(), pagina);
}

void ImpresoraQt::Cerrar() {
    printer_.reset();
    temporal_.reset();
    provisional_.clear();
    impresora_.clear();
}

void ImpresoraQt::EndDoc() {
    if (!pintor_.isActive()) return;
    const bool bien = pintor_.end();
    const auto cerrar = qScopeGuard([this] { Cerrar(); });
    if (destino_ == Sistema) {
        if (!bien) LanzarFalloImpresora(FalloImpresora::NoSePrepara);
        EnviarTrabajoCups(impresora_, temporal_->fileName(), QStringLiteral("Oxalde"));
        return;
    }
    if (!bien || !QFile::rename(provisional_, provisional_.chopped(5))) {
        QFile::remove(provisional_);
        LanzarFalloImpresora(FalloImpresora::PdfNoEscrito);
    }
}

void ImpresoraQt::KillDoc() {
    if (!pintor_.isActive()) return;
    printer_->abort();
    pintor_.end();
    if (!provisional_.isEmpty()) QFile::remove(provisional_);
    Cerrar();
}

void ImpresoraQt::Trazar(const QLineF& linea, vb::Long color, double ancho) {
    QPainter& p = Pintor();
    p.setPen(QPen(ColorVB(color), ancho * puntosPorMm_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawLine(QLineF(Punto(linea.p1()), Punto(linea.p2())));
}

void ImpresoraQt::Enmarcar(const QRectF& caja, vb::Long color, double ancho) {
    QPainter& p = Pintor();
    p.setPen(QPen(ColorVB(color), ancho * puntosPorMm_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRect(Caja(caja));
}

void ImpresoraQt::Rellenar(const QRectF& caja, vb::Long color) { Pintor().fillRect(Caja(caja), ColorVB(color)); }

void ImpresoraQt::Pintar(const QString&, const QImage& imagen, const QRectF& caja) {
    Pintor().drawImage(Caja(caja), imagen);
}

void ImpresoraQt::Escribir(const QString& texto, const QPointF& arriba, double ascenso) {
    QPainter& p = Pintor();
    p.setFont(Fuente());
    p.setPen(ColorVB(ForeColor()));
    p.drawText(Punto(arriba + QPointF(0, ascenso)), texto);
}

}  // namespace oxalde
