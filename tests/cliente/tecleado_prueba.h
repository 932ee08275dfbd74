#pragma once
// The editors' cases where what is typed into a box must reach the record before anything
// redraws the window: each step types into a box, leaves it for another tab or an option, and
// reads back what the record then holds.
#include <QAbstractButton>
#include <QString>
#include <QTabBar>

#include "cliente/prueba.h"

namespace prueba {

struct PasoTecleado {
    int pestana;  // where the box is
    const char* caja;
    const char* texto;
    int destino;  // the tab changed to, or 0 for an option
    QString (*leer)();
    const char* guardado;          // what the record then holds
    const char* opcion = nullptr;  // the option, where the editor has more than one to leave for
};

// Leaves the box for tab `destino` of `tira` (1 the first), or through `opcion` when it is 0: by
// a click, or by the access key when `tecla`.
inline void SalirHacia(QTabBar* tira, int destino, QAbstractButton* opcion, bool tecla) {
    if (destino)
        CambiarPestana(tira, destino - 1, tecla);
    else
        Accionar(opcion, opcion->text(), tecla);
}

}  // namespace prueba
