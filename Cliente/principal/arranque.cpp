#include "principal/arranque.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLockFile>

#include "actualizacion/cActOnline.h"
#include "actualizacion/FrmVersionCheck.h"
#include "com/com.h"
#include "compartido/cadenas.h"
#include "compartido/CEntrada.h"
#include "compartido/general.h"
#include "compartido/mensajes.h"
#include "principal/base_usuario.h"
#include "principal/copia_seguridad.h"
#include "principal/frmInicio.h"
#include "principal/textos_defecto.h"
#include "principal/MDI7312.h"
#include "servicios/registro.h"
#include "servicios/cTraspaso.h"
#include "vb/error.h"

namespace oxalde {
namespace {

// A named lock of the system, held while the program runs. Whether another copy holds it
// already is not examined: a second copy starts as well.
void CrearCerrojoQuelvarin() {
    static QLockFile cerrojo(QDir::temp().filePath(QStringLiteral("Quelvarin.lock")));
    cerrojo.tryLock(0);
}

// The texts of start-up are shown in both languages: the language is not known yet.
void ComprobarArchivo(const QString& ruta) {
    const QFileInfo archivo(ruta);
    if (!archivo.isFile() || !archivo.isReadable()) throw ErrorArranque(TextoBilingue(kIdMsgBaseNoEncontrada, ruta));
}

void ComprobarBase(const QString& ruta, const ResultadoComprobacion& r) {
    if (r.defecto != DefectoCopia::Ninguno) throw ErrorArranque(TextoArranque(ruta, r));
}

void AvisarSoloLectura(const QString& ruta) {
    const QStringList sin = SinPermisoEscritura(ruta);
    BaseSinEscritura = !sin.isEmpty();
    for (const QString& archivo : sin) MsgBox(TextoBilingue(kIdMsgSinEscritura, archivo), vbExclamation);
}

}  // namespace

void LeerVersionPrograma() {
    auto& act = cActOnline::Instancia();
    act.ActFile(CarpetaPrograma() + QStringLiteral("/Oxalde"));
    const std::optional<VersionArchivo> v = VersionDelArchivo(act.ActFile());
    if (!v) {
        VersionPrograma.clear();
        act.ProgVer1({});
        act.ProgVer2({});
        act.ProgVer3({});
        MsgBox(Cadena(kIdMsgSinVersion), vbOKOnly);
        return;
    }
    act.ProgVer1(QString::number(v->mayor));
    act.ProgVer2(QString::number(v->menor));
    act.ProgVer3(QString::number(v->revision));
    VersionPrograma = act.ProgVer1() + u'.' + act.ProgVer2() + u'.' + act.ProgVer3();
}

void EstablecerRutasBD() {
    RutaTablas = RutaTablasDe(CarpetaPrograma());
    RutaBDLectura = RutaTablas + QStringLiteral("731_2Lec.mdb");
    RutaBDModificable = RutaTablas + QStringLiteral("731_2Mod.mdb");
}

QString TextoBilingue(int id, const QStringList& huecos) {
    QStringList h;
    for (const QString& hueco : huecos) h << QDir::toNativeSeparators(hueco);
    // In one step, so that a "%2" inside a path is never taken for a place.
    auto texto = [&](int desplazamiento) {
        const QString t = Cadena(id, desplazamiento);
        switch (h.size()) {
            case 0: return t;
            case 1: return t.arg(h[0]);
            case 2: return t.arg(h[0], h[1]);
            default: return t.arg(h[0], h[1], h[2]);
        }
    };
    return texto(0) + QStringLiteral("\n\n") + texto(kDesplEuskera);
}

QString TextoBilingue(int id, const QString& archivo, const QString& otro) {
    return TextoBilingue(id, otro.isEmpty() ? QStringList{archivo} : QStringList{archivo, otro});
}

void ComprobarBasesDatos() {
    // Copies an earlier start, backup or restore left when cut short would take the room the
    // keeping aside of a journal needs, on every start that refuses too.
    BorrarRestosDeCopiaYRestauracion();
    ComprobarArchivo(RutaBDLectura);
    ComprobarArchivo(RutaBDModificable);
    ComprobarBase(RutaBDLectura, ComprobarBaseLectura(RutaBDLectura));
    ComprobarBase(RutaBDModificable, ComprobarBaseUsuario(RutaBDModificable));
    AvisarSoloLectura(RutaBDModificable);
}

bool Traspaso() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        bool terminar = false;
        {
            auto traspaso = com::CreateObject<brunsel::cTraspaso>("Brunsel.cTraspaso");
            traspaso->mdbmod(RutaBDModificable.toStdString());
            traspaso->mdblec(RutaBDLectura.toStdString());
            traspaso->mdbPath(RutaTablas.toStdString());
            terminar = traspaso->Traspaso();
        }
        QGuiApplication::restoreOverrideCursor();
        return terminar;
    } catch (const vb::Error& e) {
        QGuiApplication::restoreOverrideCursor();
        throw e.ConDescripcion("MDI7312.Traspaso" + e.Description() + "\r\n");
    } catch (...) {
        QGuiApplication::restoreOverrideCursor();
        throw;
    }
}

void LeerConfiguracion() {
    auto& entrada = CEntrada::Instancia();
    auto& act = cActOnline::Instancia();
    entrada.InicializarContadores();
    entrada.LeerFechaMinMax();
    act.ObtenerURLAct();
    entrada.LeerIdioma();
    act.LeerActOnline();
    entrada.AplicarIdioma();
}

bool Main() {
    brunsel::RegistrarClases();
    CrearCerrojoQuelvarin();
    LeerVersionPrograma();
    EstablecerRutasBD();
    ComprobarBasesDatos();
    if (Traspaso()) return false;
    LeerConfiguracion();
    {
        frmInicio inicio;
        inicio.Cargar();
    }
    if (FrmVersionCheck::SalidaPedida()) return false;
    auto* principal = new MDI7312();
    principal->setAttribute(Qt::WA_DeleteOnClose);
    principal->show();
    return true;
}

}  // namespace oxalde
