#pragma once
// An error as the user is shown it: what a caught exception stands for, and the message box.
#include <QString>
#include <exception>

class QObject;

#include "vb/error.h"

namespace oxalde {

// The error a caught exception stands for (a standard one becomes an internal error).
vb::Error ErrorDe(std::exception_ptr excepcion);
// The string-table text for what the database engine said of a file, whatever call raised it:
// 9105 another program keeps the file locked, 9190 the disk is full; at start-up (`alArrancar`,
// the program ends there) 9104 and 9191. 0 for any other error.
int TextoDelArchivo(const vb::Error& error, bool alArrancar = false);
// The error's description, or for a lock or a full disk the user's words naming the file.
QString DescripcionFallo(const vb::Error& error);
// Every busy cursor taken back, so that a message about a failure is not shown under one.
void RestaurarCursor();
// A lock or a full disk in the user's words, naming the file (an exclamation box); any other
// error in a critical message box with its number, source and description. The box stands over
// the window of `origen` (the control or window whose action failed) under its caption.
void MostrarError(const vb::Error& error, QObject* origen = nullptr);

}  // namespace oxalde
