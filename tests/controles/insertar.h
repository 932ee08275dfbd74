#pragma once
// The user's roads of insertion into a box, as the user takes them.
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <gtest/gtest.h>

namespace prueba {

enum class Via { Teclas, CtrlV, MayusInsert, Menu, Soltar, Retroceso };

// Types, pastes (by Ctrl+V, Shift+Insert or the context menu's Paste) or drops `texto` at the
// box's left edge; Retroceso is the Backspace key.
inline void Insertar(QLineEdit* caja, Via via, const QString& texto) {
    switch (via) {
        case Via::Teclas: QTest::keyClicks(caja, texto); return;
        case Via::CtrlV:
            QApplication::clipboard()->setText(texto);
            QTest::keyClick(caja, Qt::Key_V, Qt::ControlModifier);
            return;
        case Via::MayusInsert:
            QApplication::clipboard()->setText(texto);
            QTest::keyClick(caja, Qt::Key_Insert, Qt::ShiftModifier);
            return;
        case Via::Menu: {
            QApplication::clipboard()->setText(texto);
            QContextMenuEvent pide(QContextMenuEvent::Mouse, QPoint(1, 1), caja->mapToGlobal(QPoint(1, 1)));
            QCoreApplication::sendEvent(caja, &pide);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) {
                ADD_FAILURE() << "no context menu";
                return;
            }
            QAction* pegar = nullptr;
            for (QAction* a : menu->actions())
                if (a->text().startsWith("&Paste")) pegar = a;
            if (!pegar) {
                ADD_FAILURE() << "no Paste in the context menu";
                return;
            }
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(pegar).center());
            return;
        }
        case Via::Soltar: {
            QMimeData datos;
            datos.setText(texto);
            // A drop comes after the drag has entered the box, as the toolkit's own do.
            QDragEnterEvent entra(QPoint(1, 1), Qt::CopyAction, &datos, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(caja, &entra);
            QDropEvent suelta(QPointF(1, 1), Qt::CopyAction, &datos, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(caja, &suelta);
            return;
        }
        case Via::Retroceso: QTest::keyClick(caja, Qt::Key_Backspace); return;
    }
}

}  // namespace prueba
