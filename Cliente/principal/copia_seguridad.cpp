#include "principal/copia_seguridad.h"

#include "com/com.h"
#include "principal/MDI7312.h"
#include "principal/cSaveAsRestore.h"
#include "compartido/general.h"
#include "principal/arranque.h"
#include "principal/menu_principal.h"

namespace oxalde {
namespace {

const QString kBaseModificable = QStringLiteral("731_2Mod.mdb");
const QString kCopia = QStringLiteral("7312Mod_Bak.mdb");
const QString kFiltro = QStringLiteral("archivos mdb (*.mdb;*.mdb)|*.mdb;mdb");

// The ten properties in the order the component expects them.
std::shared_ptr<cSaveAsRestore> Componente(MDI7312& principal, const QString& archivoOrigen,
                                           const QString& archivoDestino, const QString& rutaDestino,
                                           const QString& rutaOrigen) {
    auto componente = com::CreateObject<cSaveAsRestore>("GarobelLib.cSaveAsRestore");
    componente->ArchivoOrigen(archivoOrigen);
    componente->ArchivoDestino(archivoDestino);
    componente->RutaDestino(rutaDestino);
    componente->RutaOrigen(rutaOrigen);
    componente->Filtro(kFiltro);
    componente->Idioma(static_cast<vb::Integer>(DesplIdioma));
    componente->Parent(principal.winId());
    componente->BDLectura(RutaBDLectura);
    componente->BDTabla(QStringLiteral("T08_GENERAL"));
    componente->BDCampo(QStringLiteral("T08_BACKUP_TVC"));
    return componente;
}

}  // namespace

QString CarpetaCopias() { return CarpetaPrograma() + QStringLiteral("/backups/"); }

void BorrarRestosDeCopiaYRestauracion() { BorrarRestosJuntoA(RutaBDModificable, CarpetaCopias() + kCopia); }

void CrearCopiaSeguridad(MDI7312& principal) {
    Componente(principal, kBaseModificable, kCopia, CarpetaCopias(), RutaTablas)->CrearBackup();
}

bool RestaurarCopiaSeguridad(MDI7312& principal) {
    if (!Componente(principal, kCopia, kBaseModificable, RutaTablas, CarpetaCopias())->CrearRestore()) return false;
    Traspaso();
    LeerConfiguracion();
    principal.Anadir_captions();
    RefrescarMenuPrincipal();
    return true;
}

}  // namespace oxalde
