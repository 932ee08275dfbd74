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
    std::function<void()> alRecibir, alPerder;
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

void EntradaVentana::AlRecibirFoco(QWidget* control, std::function<void()> manejador) {
    De(control).alRecibir = std::move(manejador);
}

void EntradaVentana::AlPerderFoco(QWidget* control, std::function<void()> manejador) {
    De(control).alPerder = std::move(manejador);
}

namespace {

// The box that holds the text of a control (a combo box's own edit field).
QLineEdit* CajaDe(QWidget* control) {
    if (auto* caja = qobject_cast<QLineEdit*>(control)) return caja;
    return control->findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly);
}

bool EsEnter(const QKeyEvent& tecla) {
    return (tecla.key() == Qt::Key_Return || tecla.key() == Qt::Key_Enter) &&
           (tecla.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

}  // namespace

bool EntradaVentana::eventFilter(QObject* objeto, QEvent* evento) {
    if (!ventana_) return false;
    if (evento->type() == QEvent::KeyPress) {
        // The window previews keys: the focused control is the first receiver of a key.
        auto* tecla = static_cast<QKeyEvent*>(evento);
        QWidget* foco = QApplication::focusWidget();
        if (enterComoTab_ && objeto == foco && EsEnter(*tecla) && ventana_->isAncestorOf(foco))
            QCoreApplication::postEvent(foco, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
        return false;
    }
    if (evento->type() != QEvent::FocusIn && evento->type() != QEvent::FocusOut) return false;
    auto* control = qobject_cast<QWidget*>(objeto);
    auto* m = control ? static_cast<Manejadores*>(control->property(kManejadores).value<void*>()) : nullptr;
    if (!m) return false;
    const auto razon = static_cast<QFocusEvent*>(evento)->reason();
    const bool propia = razon != Qt::ActiveWindowFocusReason && razon != Qt::PopupFocusReason;
    if (evento->type() == QEvent::FocusIn) {
        if (m->seleccionar)
            if (QPointer<QLineEdit> caja = CajaDe(control))
                QTimer::singleShot(0, caja, [caja] { caja->selectAll(); });
        if (propia && m->alRecibir) m->alRecibir();
        return false;
    }
    // The focus has already gone on when the old control hears of it: to the next control, or
    // for a moment to the frame that holds the window (a child window of the main window).
    QWidget* nuevo = QApplication::focusWidget();
    // A control being hidden has nothing pending: its window has moved on.
    const bool dentro = nuevo && (ventana_->isAncestorOf(nuevo) || nuevo->isAncestorOf(ventana_)) &&
                        ventana_->isVisible() && control->isVisible();
    if (propia && dentro && !descargando_ && m->alPerder) m->alPerder();
    return false;
}

}  // namespace oxalde
