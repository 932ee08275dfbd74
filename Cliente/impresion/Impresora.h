#pragma once
// The printer object the printouts draw on, in millimetres from the top-left corner of the
// printable area. It keeps the state of the following output (font, colour, position, line
// width) and turns every drawing into one call of its device: the default printer or a folder of
// PDF files (ImpresoraQt), or a recorder for tests (ImpresoraGrabadora). The first drawing after
// EndDoc or KillDoc opens a new job; EndDoc sends it, KillDoc discards it.
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>
#include <memory>
#include <optional>

#include "vb/variant.h"

namespace oxalde {

class Impresora {
public:
    virtual ~Impresora() = default;

    // Font of the following text: family ("arial", "times new roman"), size in points, styles.
    QString FontName() const { return fontName_; }
    void FontName(const QString& v) { fontName_ = v; }
    double FontSize() const { return fontSize_; }
    void FontSize(double v) { fontSize_ = v; }
    bool FontBold() const { return fontBold_; }
    void FontBold(bool v) { fontBold_ = v; }
    bool FontItalic() const { return fontItalic_; }
    void FontItalic(bool v) { fontItalic_ = v; }
    bool FontUnderline() const { return fontUnderline_; }
    void FontUnderline(bool v) { fontUnderline_ = v; }
    // Colour of text and plain lines, 0x00BBGGRR.
    vb::Long ForeColor() const { return foreColor_; }
    void ForeColor(vb::Long v) { foreColor_ = v; }
    // Top-left corner of the next text, in millimetres.
    double CurrentX() const { return currentX_; }
    void CurrentX(double v) { currentX_ = v; }
    double CurrentY() const { return currentY_; }
    void CurrentY(double v) { currentY_ = v; }
    // Kept for the caller to save and restore; coordinates are always millimetres (mode 6).
    vb::Integer ScaleMode() const { return scaleMode_; }
    void ScaleMode(vb::Integer v) { scaleMode_ = v; }
    // Line width in printer pixels, taken at 600 dots per inch whatever the device.
    vb::Integer DrawWidth() const { return drawWidth_; }
    void DrawWidth(vb::Integer v) { drawWidth_ = v; }

    // Size of a text in the current font, in millimetres (the height is ascent plus descent).
    double TextWidth(const QString& texto) const;
    double TextHeight(const QString& texto) const;

    // A line in the foreground colour and the current width.
    void Line(double x1, double y1, double x2, double y2);
    // A rectangle outline in the colour given, transparent inside.
    void LineBox(double x1, double y1, double x2, double y2, vb::Long color);
    // A solid rectangle in the colour given.
    void LineBoxFilled(double x1, double y1, double x2, double y2, vb::Long color);
    // A picture of the main window by its name, its top-left corner at (x, y); at its own size
    // (96 pixels to the inch) unless a width or a height is given.
    void PaintPicture(const QString& imagen, double x, double y, std::optional<double> ancho = std::nullopt,
                      std::optional<double> alto = std::nullopt);
    // The text at (CurrentX, CurrentY); CurrentX moves on by its width.
    void Print(const QString& texto);

    // Ends the page and sends the job; nothing when no job is open.
    virtual void EndDoc() = 0;
    // Discards the job being drawn; nothing when no job is open.
    virtual void KillDoc() = 0;
    // Whether the system has any printer installed.
    virtual bool HayImpresoras() const = 0;

    // The current font as Qt sees it.
    QFont Fuente() const;

protected:
    // What the device does, all in millimetres; a colour already resolved, the width in mm.
    virtual void Trazar(const QLineF& linea, vb::Long color, double ancho) = 0;
    virtual void Enmarcar(const QRectF& caja, vb::Long color, double ancho) = 0;
    virtual void Rellenar(const QRectF& caja, vb::Long color) = 0;
    virtual void Pintar(const QString& nombre, const QImage& imagen, const QRectF& caja) = 0;
    // The text's top-left corner and its baseline below it (the ascent), in the current font.
    virtual void Escribir(const QString& texto, const QPointF& arriba, double ascenso) = 0;

    double AnchoLinea() const;

private:
    QString fontName_ = QStringLiteral("arial");
    double fontSize_ = 10;
    bool fontBold_ = false;
    bool fontItalic_ = false;
    bool fontUnderline_ = false;
    vb::Long foreColor_ = 0;
    double currentX_ = 0;
    double currentY_ = 0;
    vb::Integer scaleMode_ = 1;
    vb::Integer drawWidth_ = 1;
};

// The program's printer object. Unless a test put another one in place, it is chosen by the
// environment variable OXALDE_IMPRESORA: "pdf:<folder>" writes each job as a PDF file in that
// folder, "ninguna" behaves as a system without printers, anything else (or nothing) prints on
// the system's default printer.
Impresora& Printer();
// Puts a printer object in place (tests); nullptr goes back to the chosen one.
void EstablecerImpresora(std::shared_ptr<Impresora> impresora);
std::shared_ptr<Impresora> ImpresoraPorEntorno();

// Colour 0x00BBGGRR to Qt's.
QColor ColorVB(vb::Long color);

}  // namespace oxalde
