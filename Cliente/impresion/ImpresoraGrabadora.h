#pragma once
// A printer object that draws nothing and writes down every call, in millimetres, with the font,
// colour and line width in force: what the tests compare against the printed forms' tables.
#include <QString>
#include <functional>
#include <vector>

#include "impresion/Impresora.h"

namespace oxalde {

struct Llamada {
    // "Line", "Box", "Fill", "Picture", "Print", "EndDoc" or "KillDoc".
    QString op;
    // Line: both ends. Box, Fill, Picture: the corners. Print: the text's top-left corner and its
    // bottom-right corner (x + TextWidth, y + TextHeight).
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    QString texto;  // the text, or the picture's name
    QString fuente;
    double tamano = 0;
    bool negrita = false;
    bool cursiva = false;
    bool subrayado = false;
    vb::Long color = 0;
    double ancho = 0;  // line width in mm
    vb::Integer drawWidth = 0;

    // One line for a failure message or a log: op, the numbers, the text, the font.
    QString Describir() const;
};

class ImpresoraGrabadora : public Impresora {
public:
    std::vector<Llamada> llamadas;
    bool impresoras = true;  // what HayImpresoras answers
    // Runs before each drawing call is written down; a test throws here to make the printer fail.
    std::function<void(const Llamada&)> alDibujar;

    void EndDoc() override;
    void KillDoc() override;
    bool HayImpresoras() const override { return impresoras; }

    // The calls of one kind, in order.
    std::vector<Llamada> De(const QString& op) const;
    // The texts printed, in order.
    QStringList Textos() const;
    // Every call, one per line.
    QString Registro() const;

protected:
    void Trazar(const QLineF& linea, vb::Long color, double ancho) override;
    void Enmarcar(const QRectF& caja, vb::Long color, double ancho) override;
    void Rellenar(const QRectF& caja, vb::Long color) override;
    void Pintar(const QString& nombre, const QImage& imagen, const QRectF& caja) override;
    void Escribir(const QString& texto, const QPointF& arriba, double ascenso) override;

private:
    bool abierto_ = false;
    Llamada Nueva(const QString& op, const QRectF& caja) const;
    void Anotar(Llamada llamada);
};

}  // namespace oxalde
