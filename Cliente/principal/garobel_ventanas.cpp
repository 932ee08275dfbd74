#include "principal/garobel_ventanas.h"

#include <memory>
#include <mutex>

#include "com/com.h"
#include "principal/cSaveAsRestore.h"
#include "compartido/cadenas.h"
#include "compartido/mensajes.h"

namespace oxalde {

// The boxes go through the program's message service, whose owner is the active window: the
// main window that handed over its handle.
void cMiscelaneosVentanas::AccesoAyuOnline() {
    // The component's windows follow Idioma (0 Spanish, anything else Basque).
    MsgBox(TextoIdioma(Idioma(),
                 "La asistencia on-line no está disponible desde este equipo. Para consultar sus dudas "
                 "diríjase a las oficinas de Hacienda.",
                 "On-line laguntza ez dago erabilgarri ordenagailu honetatik. Zalantzak argitzeko, jo "
                 "Ogasunaren bulegoetara."),
           vbInformation, Cadena(kIdTituloAsistenciaOnline, Idioma()));
}

void cMiscelaneosVentanas::MostrarOnlineInfo() {
    MsgBox(TextoIdioma(Idioma(),
                 "El servicio de asistencia on-line permite plantear al personal de Hacienda las dudas "
                 "sobre la confección de las declaraciones y recibir la respuesta en este equipo.",
                 "On-line laguntza zerbitzuaren bidez, aitorpenak egiteari buruzko zalantzak Ogasuneko "
                 "langileei egin eta erantzuna ordenagailu honetan jaso daiteke."),
           vbInformation, Cadena(kIdTituloDescripcionServicio, Idioma()));
}

void RegistrarVentanasGarobel() {
    static std::once_flag hecho;
    std::call_once(hecho, [] {
        com::Registrar("GarobelLib.cMiscelaneos", [] { return std::make_shared<cMiscelaneosVentanas>(); });
        com::Registrar("GarobelLib.cSaveAsRestore", [] { return std::make_shared<cSaveAsRestore>(); });
    });
}

namespace {
// Registration when the program starts.
const bool registrado = (RegistrarVentanasGarobel(), true);
}  // namespace

}  // namespace oxalde
