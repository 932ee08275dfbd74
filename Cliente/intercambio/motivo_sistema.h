#pragma once
// Why a call on a file failed, as the user is told it: the failures a user can mend (no
// permission, a full disk) in the program's own words in the user's language; any other in the
// toolkit's account, in the session's language where the toolkit has one.
#include <QString>

namespace oxalde {

// For the system's error number (errno).
QString MotivoSistema(int numero);

}  // namespace oxalde
