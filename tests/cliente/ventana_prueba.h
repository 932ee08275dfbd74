#pragma once
// Driving a window as its user does: its controls found by name, keys pressed and text pasted
// in them, a box entered and left with Tab, and a moment for what the events post.
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

#include "cliente/prueba.h"

namespace prueba {

// Runs the pending events a few times: a focus change and what its handlers post.
inline void Pausa() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

// The control of `ventana` named `nombre`; the test fails if there is none.
template <class T = QWidget>
T* Control(const QWidget* ventana, const QString& nombre) {
    T* c = ventana->findChild<T*>(nombre);
    EXPECT_NE(c, nullptr) << nombre.toStdString();
    return c;
}

// A key press and release for each character, those beyond ASCII included.
inline void Pulsar(QWidget* destino, const QString& texto) {
    for (QChar ch : texto) {
        if (ch.unicode() < 128) {
            QTest::keyClick(destino, ch.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Press, destino, Qt::Key_unknown, QString(ch), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, destino, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
    }
}

// Leaves the control that holds the focus with Tab.
inline void Salir() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    Pausa();
}

// Clicks into a box and types over its text, or after it, without leaving the box.
inline void EscribirEn(QLineEdit* caja, const QString& texto, bool detras = false) {
    caja->setFocus(Qt::MouseFocusReason);
    Pausa();
    if (detras)
        caja->end(false);
    else
        caja->selectAll();
    Pulsar(caja, texto);
}

// Enters the control after `antes` with Tab, as a user does: a box entered so selects its text.
inline void EntrarConTab(QWidget* antes) {
    antes->setFocus(Qt::MouseFocusReason);
    Pausa();
    Salir();
}

// Pastes `texto` with Ctrl+V into the control that holds the focus.
inline void Pegar(const QString& texto) {
    QGuiApplication::clipboard()->setText(texto);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
}

// Types over a box's text as the user would, then leaves it with Tab.
inline void Teclear(QLineEdit* caja, const QString& texto) {
    EscribirEn(caja, texto);
    Salir();
}

// A test of one window of type W inside the main window: `w` is that window, C finds its
// controls by name (as Defecto unless told) and Teclear types into its boxes.
template <class W, class Defecto = QWidget>
class ConVentana : public Principal {
protected:
    W* w = nullptr;

    template <class T = Defecto>
    T* C(const QString& nombre) const {
        return Control<T>(w, nombre);
    }
    void Teclear(const QString& caja, const QString& texto) { prueba::Teclear(C<QLineEdit>(caja), texto); }
};

}  // namespace prueba
