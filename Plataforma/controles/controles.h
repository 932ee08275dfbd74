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

// The colour of a number that holds blue, green and red from the high byte down (0x80C0FF is red
// FF, green C0, blue 80), as the windows write their colours.
inline QColor ColorVB(unsigned bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

// The smallest letter of a caption, and that of an amount, which has no second line to go to.
constexpr double kLetraMinima = 7;
constexpr double kLetraMinimaImporte = 5;

// The letter in which `texto` shows whole in `ancho` pixels: `letra` itself when it fits, else
// the largest smaller size of it down to `minimo` points (that smallest one when nothing fits).
// Captions wider than their label, amounts wider than their box and figures wider than their
// grid column shrink through it.
QFont LetraQueCabe(QFont letra, const QString& texto, int ancho, double minimo = kLetraMinima);
bool CabeTexto(const QFont& letra, const QString& texto, int ancho);

// Makes each caption wider than its label show whole: in a smaller letter (down to 7 points),
// else wrapped, the label made taller about its middle when the lines need it. Rows of dots
// (leaders) may be cut; pictures, rich text and labels that wrap already are left as they are.
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
