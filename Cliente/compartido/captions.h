#pragma once
// A window's language-dependent texts as data: one row per control, text and string id, and
// one function that sets them for every window.
#include <QRect>
#include <QString>
#include <initializer_list>
#include <span>
#include <utility>

class QLabel;
class QObject;
class QWidget;

namespace oxalde {

enum class Propiedad {
    Texto,    // the caption: a label, a button, a frame, a menu or menu entry; the window's title
    Consejo,  // the tooltip
    Pestana,  // the caption of tab `indice` (from 1) of a tab strip
};

struct Caption {
    const char* control;  // the control's object name; "" (or the window's own name) the window
    int id;
    Propiedad propiedad = Propiedad::Texto;
    int indice = 0;   // tab number, for Propiedad::Pestana
    int blancos = 0;  // blanks in front of the text, room for a button's picture
    int blancosEuskera = blancos;  // the same in front of the Basque text
};

// Sets every row's text in the language in force, in the rows' order. A row naming no control
// of the window, or a control that takes no such text, raises error 91 with the control's name:
// an unset caption would otherwise pass unseen.
void EscribirCaptions(QWidget& ventana, std::span<const Caption> filas);

// A label of a window, named as its caption table and the tests know it, with its design text;
// at its place in twips when one is given.
QLabel* NuevaEtiqueta(QWidget* padre, const char* nombre, const QString& texto = {});
QLabel* NuevaEtiqueta(QWidget* padre, const char* nombre, const QRect& sitio, const QString& texto = {});

// Gives controls built without a name the names their window's caption table uses.
void Nombrar(std::initializer_list<std::pair<QObject*, const char*>> controles);
// The control just built, named as its window's caption table and the tests know it.
template <class T>
T* Nombrado(T* control, const char* nombre) {
    control->setObjectName(QString::fromLatin1(nombre));
    return control;
}

}  // namespace oxalde
