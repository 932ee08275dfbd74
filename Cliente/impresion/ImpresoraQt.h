#pragma once
// The printer object on Qt's print support: the system's default printer, or a folder where each
// job becomes one A4 PDF file (trabajo-001.pdf, trabajo-002.pdf, ...), written under a
// provisional name until EndDoc so that a discarded job leaves no file. A job for the system's
// printer is drawn into a temporary PDF and counts as printed only once the print system took it.
#include <QPainter>
#include <memory>

#include "impresion/Impresora.h"

class QPageLayout;
class QPrinter;
class QTemporaryFile;

namespace oxalde {

class ImpresoraQt : public Impresora {
public:
    enum Destino { Sistema, Pdf, Ninguna };
    explicit ImpresoraQt(Destino destino, QString carpeta = QString());
    ~ImpresoraQt() override;

    void EndDoc() override;
    void KillDoc() override;
    bool HayImpresoras() const override;

protected:
    void Trazar(const QLineF& linea, vb::Long color, double ancho) override;
    void Enmarcar(const QRectF& caja, vb::Long color, double ancho) override;
    void Rellenar(const QRectF& caja, vb::Long color) override;
    void Pintar(const QString& nombre, const QImage& imagen, const QRectF& caja) override;
    void Escribir(const QString& texto, const QPointF& arriba, double ascenso) override;

private:
    Destino destino_;
    QString carpeta_;
    QString provisional_;  // the PDF being written
    QString impresora_;    // the system's queue of the open job
    std::unique_ptr<QTemporaryFile> temporal_;  // the open job's page for the system's printer
    std::unique_ptr<QPrinter> printer_;
    QPainter pintor_;
    double puntosPorMm_ = 1;

    // The painter of the open job, opening one when none is.
    QPainter& Pintor();
    QPointF Punto(const QPointF& mm) const { return mm * puntosPorMm_; }
    QRectF Caja(const QRectF& mm) const { return {Punto(mm.topLeft()), Punto(mm.bottomRight())}; }
    QString SiguienteArchivo() const;
    void PrepararPdf(const QString& archivo, const QPageLayout& pagina);
    void PrepararSistema();
    void Cerrar();
};

}  // namespace oxalde
