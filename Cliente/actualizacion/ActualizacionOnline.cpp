#include "actualizacion/ActualizacionOnline.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QWidget>

#include "actualizacion/FrmSinConexion.h"
#include "actualizacion/FrmVersionCheck.h"
#include "actualizacion/descarga.h"
#include "actualizacion/lector_ini.h"
#include "compartido/cadenas.h"
#include "compartido/general.h"
#include "compartido/modal.h"
#include "compartido/reloj.h"

namespace oxalde {
namespace {

constexpr int kCapacidadIni = 1024;

// A check the user asked for: the preferences window is on the screen.
bool PreferenciasVisibles() {
    for (QWidget* ventana : QApplication::topLevelWidgets())
        if (ventana->objectName() == u"frmPreferencias" && ventana->isVisible()) return true;
    return false;
}

template <class Ventana>
void MostrarResultado() {
    Ventana ventana;
    MostrarModal(ventana);
}

void Comprobar() {
    EsperarProcesandoEventos(1000);
    auto& act = cActOnline::Instancia();
    const int descarga = DescargarInfoVersion();
    if (descarga == kSinArchivoVersion || (descarga == kArchivoDescargado && CompararVersiones() != 0)) {
        act.SitAct(static_cast<vb::Integer>(descarga == kSinArchivoVersion ? 1 : 4));
        MostrarResultado<FrmSinConexion>();
        return;
    }
    if (descarga != kArchivoDescargado) return;
    if (act.ComVer() == 1 || PreferenciasVisibles()) MostrarResultado<FrmVersionCheck>();
    act.SitAct(3);
}

}  // namespace

QString ArchivoVersion() { return CarpetaPrograma() + QStringLiteral("/version.ini"); }

void ComprobarActualizacion() {
    // The pause lets window events run: a second click on "check now" must not start another.
    static bool enCurso = false;
    if (enCurso) return;
    enCurso = true;
    struct Fin {
        ~Fin() { enCurso = false; }
    } fin;
    Comprobar();
}

int DescargarInfoVersion() {
    const QString archivo = ArchivoVersion();
    // An old answer is never read again.
    if ((QFileInfo::exists(archivo) || QFileInfo(archivo).isSymLink()) && !QFile::remove(archivo))
        return kErrorActualizacion;
    const QString direccion = cActOnline::Instancia().URLAct() + QStringLiteral("?Programa=QUELVARIN&idioma=") +
                              TextoIdioma(QStringLiteral("c"), QStringLiteral("e"));
    return DescargarFichero(direccion, archivo);
}

int DescargarFichero(const QString& direccion, const QString& archivo) {
    return DescargarAArchivo(direccion, archivo) && QFileInfo::exists(archivo) ? kArchivoDescargado
                                                                               : kSinArchivoVersion;
}

QString LeerIni(const QString& seccion, const QString& clave, const QString& archivo) {
    QFile entrada(archivo);
    const QByteArray contenido = entrada.open(QIODevice::ReadOnly) ? entrada.readAll() : QByteArray();
    return QString::fromStdString(LeerValorIni(contenido.toStdString(), seccion.toStdString(), clave.toStdString(),
                                               " ", kCapacidadIni));
}

int CompararVersiones() {
    auto& act = cActOnline::Instancia();
    const QString archivo = ArchivoVersion();
    const QString version = LeerIni(QStringLiteral("informacion"), QStringLiteral("currentversion"), archivo).trimmed();
    const QStringList partes = version.isEmpty() ? QStringList() : version.split(u'.');
    // Each part is kept as it comes, also when a later one is missing.
    if (partes.size() > 0) act.ActVer1(partes[0]);
    if (partes.size() > 1) act.ActVer2(partes[1]);
    if (partes.size() > 2) act.ActVer3(partes[2]);
    if (partes.size() < 3) return kErrorActualizacion;
    act.ActDownloadURL(LeerIni(QStringLiteral("informacion"), QStringLiteral("downloadurl"), archivo).trimmed());
    act.ActDescripcion(LeerIni(QStringLiteral("informacion"), QStringLiteral("descripcion"), archivo).trimmed());
    // Compared as text: 1.0.10 and 01.0.9 both differ from 1.0.9, and so does an older version.
    const bool distinta = act.ActVer1().trimmed() != act.ProgVer1().trimmed() ||
                          act.ActVer2().trimmed() != act.ProgVer2().trimmed() ||
                          act.ActVer3().trimmed() != act.ProgVer3().trimmed();
    act.ComVer(distinta ? 1 : 0);
    return kVersionesComparadas;
}

}  // namespace oxalde
