#pragma once
// What a finding of a database's check, or of a failed backup or restore, means to the user, in
// one table for start-up, backup and restore: the text start-up says (both languages, then the
// program ends) and the ones a backup or a restore says after its own first line.
#include <QString>

#include "principal/copia_sqlite.h"

namespace oxalde {

// What fills the start-up text's second and third places: nothing, the journal beside the file,
// or the file's folder and the megabytes needed there.
enum class Huecos { Archivo, ConDiario, ConCarpetaYMegas };

struct TextosDefecto {
    int alArrancar = 0;  // 0: a finding only a backup or a restore makes
    int alCopiar = 0;    // of a file a backup or restore reads or writes; 0: one only start-up makes
    int deLaCopia = 0;   // of the backup offered to a restore; 0: never found there
    Huecos huecos = Huecos::Archivo;
    bool conDetalle = false;  // start-up adds the engine's finding, in brackets
};

TextosDefecto TextosDe(DefectoCopia defecto);

// Start-up's text for the finding on `ruta`, in both languages.
QString TextoArranque(const QString& ruta, const ResultadoComprobacion& r);
// A backup's or a restore's text `id` (one of a finding's) for the file `ruta`, in the language
// `idioma` (0 Spanish, any other Basque), naming it and, for a finding that needs it, its journal.
QString TextoCopia(int id, DefectoCopia defecto, const QString& ruta, int idioma);

}  // namespace oxalde
