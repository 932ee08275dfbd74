#pragma once
// Why a call on a file failed, as the user is told it, in the user's language: the failures a user
// can mend (no permission, a full disk) in the program's own words, any other by its number.
#include <QString>

class QFileDevice;

namespace oxalde {

// For the system's error number (errno).
QString MotivoSistema(int numero);

// For a call on `fichero` that failed, with the error number it left (errno cleared before the
// call: 0 when it set none); the toolkit's account only when there is no number.
QString MotivoFallo(const QFileDevice& fichero, int numero);

}  // namespace oxalde
