#pragma once
// The toolkit's own texts (its file dialog above all) in the program's language, from the
// toolkit's translations installed on the system: Basque where the toolkit has it, else Spanish,
// as on a desktop without a Basque translation.
#include <QString>

namespace oxalde {

// Installs the translation for the language letter ("C" Spanish, "E" Basque) in place of the one
// installed before. Without any on the system the toolkit's texts stay in English.
void TraducirToolkit(const QString& letra);

}  // namespace oxalde
