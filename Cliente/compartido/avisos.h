#pragma once
// The two boxes the entry windows ask for, through the program's one message box (MsgBox), so
// that tests answer them and they speak the program's language like every other box.
#include <QString>

#include "compartido/mensajes.h"

namespace oxalde {

// A warning with the OK button only, over the window that asks when given.
inline void Advertencia(const QString& texto, const QString& titulo, QWidget* dueno = nullptr) {
    MsgBox(texto, vbOKOnly | vbExclamation, titulo, dueno);
}

// A Yes/No question whose default answer is No; true for Yes.
inline bool PreguntaSiNo(const QString& texto, const QString& titulo) {
    return MsgBox(texto, vbYesNo | vbQuestion | vbDefaultButton2, titulo) == vbYes;
}

}  // namespace oxalde
