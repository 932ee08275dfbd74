#pragma once
// An error as the user is shown it: what a caught exception stands for, and the message box.
#include <exception>

#include "vb/error.h"

namespace oxalde {

// The error a caught exception stands for (a standard one becomes an internal error).
vb::Error ErrorDe(std::exception_ptr excepcion);
// A critical message box with the error's number, source and description.
void MostrarError(const vb::Error& error);

}  // namespace oxalde
