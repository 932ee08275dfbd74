#pragma once
// What a finding of a database's check means to the user, in one table for start-up, backup and
// restore: the text start-up says (both languages, then the program ends) and the one a backup
// or a restore says after its own first line.
#include <QString>

#include "principal/copia_sqlite.h"

namespace oxalde {

// What fills the start-up text's second and third places: nothing, the journal beside the file,
// or the file's folder and the megabytes needed there.
enum class Huecos { Archivo, ConDiario, ConCarpetaYMegas };

struct TextosDefecto {
    int alArrancar = 0;
    int alCopiar = 0;  // 0: a finding only start-up makes
    Huecos huecos = Huecos::Archivo;
    bool conDetalle = false;  // start-up adds the engine's finding, in brackets
};

TextosDefecto TextosDe(DefectoCopia defecto);

// Start-up's text for the finding on `ruta`, in both languages.
QString TextoArranque(const QString& ruta, const ResultadoComprobacion& r);

}  // namespace oxalde
