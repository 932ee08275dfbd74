#pragma once
// What the windows need of their controls beyond Qt's: a check box or an option set from code
// runs the same handler as the user's click (handlers are connected to `clicked`), a label that
// acts as a link, and design measures in twips.
#include <QLabel>

class QCheckBox;
class QRadioButton;
class QWidget;

namespace oxalde {

// Sets the box; a change of its state runs its click handler, as a user's click would.
void EstablecerCasilla(QCheckBox* casilla, bool marcada);
// Turns the option on and runs its click handler, also when it was on already.
void EstablecerOpcion(QRadioButton* opcion);

// Twips (1/1440 inch) to the widget's pixels.
int TwipsAPixeles(const QWidget* widget, int twips);
// Lays a control out at design measures in twips.
void ColocarEnTwips(QWidget* control, int x, int y, int ancho, int alto);
// The control's letter, in bold.
void Negrita(QWidget* control);
// A sunken horizontal line between parts of a window.
QFrame* LineaHundida(QWidget* padre);

// A colour held in one number as the designs give it, blue-green-red from the high byte down
// (0x80C0FF is red FF, green C0, blue 80).
inline QColor ColorVB(unsigned bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

// The smallest letter of a caption, and that of an amount, which has no second line to go to.
constexpr double kLetraMinima = 7;
constexpr double kLetraMinimaImporte = 5;

// The letter in which `texto` shows whole in `ancho` pixels: `letra` itself when it fits, else
// the largest smaller size of it down to `minimo` points (that smallest one when nothing fits).
// Long captions, amounts in their boxes and figures in grid columns of a fixed design width
// shrink through it.
QFont LetraQueCabe(QFont letra, const QString& texto, int ancho, double minimo = kLetraMinima);
bool CabeTexto(const QFont& letra, const QString& texto, int ancho);

// Makes each caption of the window's labels show whole where the design measured it for a
// narrower font: a smaller letter (down to 7 points), else two lines, centred where the one was.
// Rows of dots (leaders) may be cut.
void AjustarEtiquetas(QWidget* ventana);

// A label in blue with a pointing hand that reports a click.
class EtiquetaEnlace : public QLabel {
    Q_OBJECT
public:
    explicit EtiquetaEnlace(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
};

}  // namespace oxalde
