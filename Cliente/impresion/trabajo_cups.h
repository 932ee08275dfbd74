#pragma once
// Hands a finished PDF to the print system as one job and makes sure it was taken: a queue that
// refuses jobs, a printer gone or a server down raise a printer failure instead of passing as
// printed.
#include <QString>

namespace oxalde {

// Sends the file to that queue under that title; the job's number once the print system has it.
int EnviarTrabajoCups(const QString& impresora, const QString& pdf, const QString& titulo);

}  // namespace oxalde
