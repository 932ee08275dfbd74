#pragma once
// Every message box of the program goes through MsgBox, so that tests can answer them
// (a modal box never returns in a headless run unless something closes it).
#include <QString>
#include <functional>

class QDialogButtonBox;
class QMessageBox;
class QWidget;

namespace oxalde {

// Buttons and icons, added together as the program composes them.
enum EstiloMsg : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton2 = 256,
};

// Answers.
enum RespuestaMsg : int { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

// Shows a modal message box (title: the application's name when empty) and gives the answer.
// The box stands over `dueno`, the window that asks (else the active window, else the main
// window), and gives it the activation back when it closes.
int MsgBox(const QString& texto, int estilo = vbOKOnly, const QString& titulo = QString(), QWidget* dueno = nullptr);

// Gives every standard button of a message box or of a dialog's button box its text in the
// program's language: "&Sí", "&No", "&Aceptar", "&Cancelar" in Spanish, "&Bai", "&Ez", "&Ados",
// "&Utzi" in Basque (the toolkit would show English). Every box of the program goes through it;
// call it after the buttons are added.
void TraducirBotones(QMessageBox& caja);
void TraducirBotones(QDialogButtonBox& botones);

// Tests put a function here that answers instead of the user; an empty one restores the box.
using Respondedor = std::function<int(const QString& texto, int estilo, const QString& titulo)>;
void EstablecerRespondedor(Respondedor respondedor);

}  // namespace oxalde
