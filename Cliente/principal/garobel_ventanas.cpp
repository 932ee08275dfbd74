#include "principal/garobel_ventanas.h"

#include <memory>
#include <mutex>

#include "com/com.h"
#include "principal/cSaveAsRestore.h"
#include "compartido/cadenas.h"
#include "compartido/mensajes.h"

namespace oxalde {
namespace {

// The component's own texts; its windows follow Idioma (0 Spanish, anything else Basque).
QString Texto(vb::Integer idioma, const char* castellano, const char* euskera) {
    return QString::fromUtf8(idioma == 0 ? castellano : euskera);
}

QString Titulo(vb::Integer idioma, int id) { return LoadResString(id + (idioma == 0 ? 0 : 10000)); }

}  // namespace

// The boxes go through the program's message service, whose owner is the active window: the
// main window that handed over its handle.
void cMiscelaneosVentanas::AccesoAyuOnline() {
    MsgBox(Texto(Idioma(),
                 "La asistencia on-line no está disponible desde este equipo. Para consultar sus dudas "
                 "diríjase a las oficinas de Hacienda.",
                 "On-line laguntza ez dago erabilgarri ordenagailu honetatik. Zalantzak argitzeko, jo "
                 "Ogasunaren bulegoetara."),
           vbInformation, Titulo(Idioma(), 354));
}

void cMiscelaneosVentanas::MostrarOnlineInfo() {
    MsgBox(Texto(Idioma(),
                 "El servicio de asistencia on-line permite plantear al personal de Hacienda las dudas "
                 "sobre la confección de las declaraciones y recibir la respuesta en este equipo.",
                 "On-line laguntza zerbitzuaren bidez, aitorpenak egiteari buruzko zalantzak Ogasuneko "
                 "langileei egin eta erantzuna ordenagailu honetan jaso daiteke."),
           vbInformation, Titulo(Idioma(), 355));
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
