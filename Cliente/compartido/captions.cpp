#include "compartido/captions.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabBar>

#include "compartido/cadenas.h"
#include "compartido/general.h"
#include "controles/controles.h"
#include "vb/error.h"

namespace oxalde {
namespace {

// A label without a box to jump to shows its access-key mark as nothing ("&&" as "&").
QString SinAcceso(const QString& texto) {
    QString r;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        if (texto[i] == u'&' && i + 1 < texto.size()) ++i;
        r += texto[i];
    }
    return r;
}

[[noreturn]] void Rechazar(const QWidget& ventana, const Caption& fila, const char* motivo) {
    vb::Lanzar(vb::errObjetoNoEstablecido, "EscribirCaptions",
               ventana.objectName().toStdString() + ": " + motivo + " '" + fila.control + "' (text " +
                   std::to_string(fila.id) + ")");
}

// The control a row names: a widget, else an action (a menu's own entry shares its menu's name).
QObject* Control(QWidget& ventana, const Caption& fila) {
    const QString nombre = QString::fromLatin1(fila.control);
    if (nombre.isEmpty() || nombre == ventana.objectName()) return &ventana;
    if (auto* w = ventana.findChild<QWidget*>(nombre)) return w;
    if (auto* a = ventana.findChild<QAction*>(nombre)) return a;
    Rechazar(ventana, fila, "no control");
}

bool PonerTexto(QWidget& ventana, QObject* control, const QString& texto) {
    if (control == &ventana)
        ventana.setWindowTitle(texto);
    else if (auto* l = qobject_cast<QLabel*>(control))
        l->setText(l->buddy() ? texto : SinAcceso(texto));
    else if (auto* b = qobject_cast<QAbstractButton*>(control))
        b->setText(texto);
    else if (auto* g = qobject_cast<QGroupBox*>(control))
        g->setTitle(texto);
    else if (auto* m = qobject_cast<QMenu*>(control))
        m->setTitle(texto);
    else if (auto* a = qobject_cast<QAction*>(control))
        a->setText(texto);
    else
        return false;
    return true;
}

bool PonerConsejo(QObject* control, const QString& texto) {
    if (auto* w = qobject_cast<QWidget*>(control))
        w->setToolTip(texto);
    else if (auto* a = qobject_cast<QAction*>(control))
        a->setToolTip(texto);
    else
        return false;
    return true;
}

bool PonerPestana(QObject* control, int indice, const QString& texto) {
    auto* tira = qobject_cast<QTabBar*>(control);
    if (!tira || indice < 1 || indice > tira->count()) return false;
    tira->setTabText(indice - 1, texto);
    return true;
}

}  // namespace

void EscribirCaptions(QWidget& ventana, std::span<const Caption> filas) {
    for (const Caption& fila : filas) {
        QObject* control = Control(ventana, fila);
        const QString texto = QString(DesplIdioma ? fila.blancosEuskera : fila.blancos, u' ') + Cadena(fila.id);
        bool puesto = false;
        switch (fila.propiedad) {
            case Propiedad::Texto: puesto = PonerTexto(ventana, control, texto); break;
            case Propiedad::Consejo: puesto = PonerConsejo(control, texto); break;
            case Propiedad::Pestana: puesto = PonerPestana(control, fila.indice, texto); break;
        }
        if (!puesto) Rechazar(ventana, fila, "no such text on");
    }
}

QLabel* NuevaEtiqueta(QWidget* padre, const char* nombre, const QString& texto) {
    return Nombrado(new QLabel(texto, padre), nombre);
}

QLabel* NuevaEtiqueta(QWidget* padre, const char* nombre, const QRect& sitio, const QString& texto) {
    QLabel* etiqueta = NuevaEtiqueta(padre, nombre, texto);
    ColocarEnTwips(etiqueta, sitio.x(), sitio.y(), sitio.width(), sitio.height());
    return etiqueta;
}

void Nombrar(std::initializer_list<std::pair<QObject*, const char*>> controles) {
    for (auto [control, nombre] : controles) control->setObjectName(QString::fromLatin1(nombre));
}

}  // namespace oxalde
