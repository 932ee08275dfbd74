#include "controles/entrada.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QValidator>

#include "controles/insercion.h"

namespace oxalde {

void FiltrarTeclas(QLineEdit* caja, FiltroTecla filtro) {
    new ValidadorInsercion(caja, [filtro](const QString&, const QString& insertado, const QString&) {
        return FiltrarTexto(insertado, filtro);
    });
}

struct EntradaVentana::Manejadores {
    bool seleccionar = false;
    bool pasar = false;
    std::function<bool()> pasarCuando;
    std::function<void()> alPerder;
};

namespace {
constexpr char kManejadores[] = "oxalde_manejadoresFoco";
}

EntradaVentana::EntradaVentana(QWidget* ventana) : QObject(ventana), ventana_(ventana) {
    qApp->installEventFilter(this);
}

EntradaVentana::Manejadores& EntradaVentana::De(QWidget* control) {
    auto* m = static_cast<Manejadores*>(control->property(kManejadores).value<void*>());
    if (!m) {
        m = new Manejadores;
        control->setProperty(kManejadores, QVariant::fromValue<void*>(m));
        connect(control, &QObject::destroyed, [m] { delete m; });
    }
    return *m;
}

void EntradaVentana::SeleccionarAlEntrar(QWidget* caja) { De(caja).seleccionar = true; }

void EntradaVentana::AlPerderFoco(QWidget* control, std::function<void()> manejador) {
    De(control).alPerder = std::move(manejador);
}

void EntradaVentana::PasarAlEntrar(QWidget* control, std::function<bool()> cuando) {
    Manejadores& m = De(control);
    m.pasar = true;
    m.pasarCuando = std::move(cuando);
}

namespace {

// The box that holds the text of a control (a combo box's own edit field).
QLineEdit* CajaDe(QWidget* control) {
    if (auto* caja = qobject_cast<QLineEdit*>(control)) return caja;
    return control->findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly);
}

// Moves the focus on from `control` as Tab (or Shift+Tab) would, once the event that asked for it
// is over; a control the user has already left by then is not followed, or the key would move the
// focus from wherever it went.
void PasarFocoDesde(QWidget* control, bool atras) {
    QTimer::singleShot(0, control, [control, atras] {
        if (!control->hasFocus()) return;
        QKeyEvent tecla(QEvent::KeyPress, atras ? Qt::Key_Backtab : Qt::Key_Tab,
                        atras ? Qt::ShiftModifier : Qt::NoModifier);
        QCoreApplication::sendEvent(control, &tecla);
    });
}

bool EsEnter(const QKeyEvent& tecla) {
    return (tecla.key() == Qt::Key_Return || tecla.key() == Qt::Key_Enter) &&
           (tecla.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

}  // namespace

bool EntradaVentana::EdicionDejada() const { return editando_ && ventana_->window()->focusWidget() != editando_; }

void EntradaVentana::TerminarEdicion() {
    QPointer<QWidget> control = editando_;
    editando_ = nullptr;
    if (!control || !ventana_ || descargando_ || !ventana_->isVisible() || !control->isVisible()) return;
    auto* m = static_cast<Manejadores*>(control->property(kManejadores).value<void*>());
    if (m && m->alPerder) m->alPerder();
}

void EntradaVentana::TerminarEdicion(QWidget* control) {
    for (QWidget* w = control; w; w = w->parentWidget())
        if (auto* entrada = w->findChild<EntradaVentana*>(QString(), Qt::FindDirectChildrenOnly)) {
            entrada->TerminarEdicion();
            return;
        }
}

bool EntradaVentana::eventFilter(QObject* objeto, QEvent* evento) {
    if (!ventana_) return false;
    const QEvent::Type tipo = evento->type();
    if (tipo != QEvent::KeyPress && tipo != QEvent::MouseButtonPress && tipo != QEvent::Wheel &&
        tipo != QEvent::FocusIn && tipo != QEvent::FocusOut)
        return false;
    auto* control = qobject_cast<QWidget*>(objeto);
    // Only this window's controls: a window closed but not yet deleted still filters.
    if (!control || (control != ventana_ && !ventana_->isAncestorOf(control))) return false;
    auto* m = static_cast<Manejadores*>(control->property(kManejadores).value<void*>());
    const bool conSalida = m && m->alPerder;
    if (tipo == QEvent::KeyPress || tipo == QEvent::MouseButtonPress || tipo == QEvent::Wheel) {
        // The focus has moved on without a word (the window is not active): the box left is
        // stored before the key or the click has its effect.
        if (EdicionDejada()) TerminarEdicion();
        if (tipo != QEvent::KeyPress) return false;
        QWidget* foco = QApplication::focusWidget();
        if (!editando_ && conSalida && control == ventana_->window()->focusWidget()) editando_ = control;
        // The window previews keys: the focused control is the first receiver of a key.
        auto* tecla = static_cast<QKeyEvent*>(evento);
        if (enterComoTab_ && objeto == foco && EsEnter(*tecla)) PasarFocoDesde(foco, false);
        return false;
    }
    const auto razon = static_cast<QFocusEvent*>(evento)->reason();
    const bool propia = razon != Qt::ActiveWindowFocusReason && razon != Qt::PopupFocusReason;
    if (tipo == QEvent::FocusIn) {
        // Another control gets the focus while one is still being edited: that one was left.
        if (editando_ != control) TerminarEdicion();
        // The window given back its activation (a message box closed) is no new edit: the box its
        // handler has just stored would otherwise be stored, and its message said, once more.
        if (conSalida && propia) editando_ = control;
        if (!m) return false;
        if (m->pasar && propia && (!m->pasarCuando || m->pasarCuando()))
            PasarFocoDesde(control, razon == Qt::BacktabFocusReason);
        if (m->seleccionar)
            if (QPointer<QLineEdit> caja = CajaDe(control))
                QTimer::singleShot(0, caja, [caja] { caja->selectAll(); });
        return false;
    }
    if (!conSalida || editando_ != control) return false;
    // The focus has already gone on when the old control hears of it: to the next control, or
    // for a moment to the frame that holds the window (a child window of the main window).
    QWidget* nuevo = QApplication::focusWidget();
    // A control being hidden has nothing pending: its window has moved on.
    if (!ventana_->isVisible() || !control->isVisible()) {
        editando_ = nullptr;
        return false;
    }
    const bool dentro = nuevo && (ventana_->isAncestorOf(nuevo) || nuevo->isAncestorOf(ventana_));
    if (propia && dentro) TerminarEdicion();
    return false;
}

}  // namespace oxalde
