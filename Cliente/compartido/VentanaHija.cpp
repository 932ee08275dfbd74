#include "compartido/VentanaHija.h"

#include <QCloseEvent>
#include <QMdiSubWindow>

namespace oxalde {

VentanaHija::VentanaHija(const QString& nombre, QWidget* parent) : QWidget(parent) {
    setObjectName(nombre);
    setAttribute(Qt::WA_DeleteOnClose);
}

void VentanaHija::Cargar() { Form_Load(); }

void VentanaHija::Activar() { Form_Activate(); }

void VentanaHija::Descargar() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}

void VentanaHija::closeEvent(QCloseEvent* evento) {
    evento->accept();
    if (descargada_) return;
    descargada_ = true;
    Form_Unload();
    emit descargada();
}

}  // namespace oxalde
