#include "impresion/ImpresoraQt.h"

#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>

#include "vb/error.h"

namespace oxalde {
namespace {

constexpr int kErrorImpresora = 482;  // "Printer error"
constexpr double kMargenPdf = 5;      // mm on every side of a PDF page

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
    if (destino_ == Ninguna) vb::Lanzar(kErrorImpresora, "Printer", "No printer is installed");
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (destino_ == Pdf) {
        QDir().mkpath(carpeta_);
        provisional_ = SiguienteArchivo() + QStringLiteral(".part");
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setOutputFileName(provisional_);
        printer_->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                            QMarginsF(kMargenPdf, kMargenPdf, kMargenPdf, kMargenPdf),
                                            QPageLayout::Millimeter));
        printer_->setCreator(QStringLiteral("Oxalde"));
    } else {
        // The system's printer with its own paper and orientation.
        printer_->setPrinterName(NombreImpresoraSistema());
    }
    if (!pintor_.begin(printer_.get())) {
        printer_.reset();
        if (!provisional_.isEmpty()) QFile::remove(provisional_);
        provisional_.clear();
        vb::Lanzar(kErrorImpresora, "Printer", "The printer could not start the job");
    }
    puntosPorMm_ = printer_->resolution() / 25.4;
    pintor_.setRenderHint(QPainter::Antialiasing);
    return pintor_;
}

void ImpresoraQt::Cerrar() {
    printer_.reset();
    provisional_.clear();
}

void ImpresoraQt::EndDoc() {
    if (!pintor_.isActive()) return;
    const bool bien = pintor_.end();
    const QString provisional = provisional_;
    Cerrar();
    if (provisional.isEmpty()) {
        if (!bien) vb::Lanzar(kErrorImpresora, "Printer", "The job could not be sent");
        return;
    }
    QString final = provisional.chopped(5);
    if (!bien || !QFile::rename(provisional, final)) {
        QFile::remove(provisional);
        vb::Lanzar(kErrorImpresora, "Printer", "The PDF file could not be written");
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
