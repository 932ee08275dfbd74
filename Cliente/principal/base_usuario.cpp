#include "principal/base_usuario.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <functional>
#include <string>
#include <system_error>

#include "compartido/clase_motor.h"
#include "dao/diario.h"
#include "principal/carpeta_trabajo.h"
#include "servicios/cTraspaso.h"
#include "servicios/esquema_usuario.h"
#include "vb/error.h"

namespace oxalde {
namespace {

// The tables of the user's database: a copy without them belongs to something else.
const QStringList kTablas{"T00_GENERAL", "T01_DECLARANTES", "T02_COMUNDECLA", "T03_731DECLA", "T04_732DECLA"};

QString Unidas(const std::vector<std::string>& faltas) {
    QStringList lista;
    for (const auto& f : faltas) lista << QString::fromStdString(f);
    return lista.join(QStringLiteral(", "));
}

// A file the running user may not open or read: nothing is known of its contents.
bool SinAcceso(const vb::Error& e) {
    const ClaseMotor clase = ClaseMotorDe(e);
    return clase == ClaseMotor::SinAcceso || clase == ClaseMotor::SoloLectura;
}

ResultadoComprobacion Defecto(const vb::Error& e) {
    return {DefectoDe(ClaseMotorDe(e)), QString::fromStdString(e.Description())};
}

// The upgrade run on a second scratch copy beside the first, then the tables and columns the
// program reads.
ResultadoComprobacion ComprobarTraspasada(const QString& ruta, const QString& rutaLectura) {
    const QFileInfo copia(ruta);
    const QString prueba = copia.dir().filePath(QStringLiteral("prueba.mdb"));
    try {
        CopiarBaseEnLinea(ruta, prueba);
        brunsel::cTraspaso traspaso;
        traspaso.mdbmod(prueba.toStdString());
        traspaso.mdblec(rutaLectura.toStdString());
        traspaso.mdbPath(copia.path().toStdString() + "/");
        traspaso.Traspaso();
        const auto faltas = brunsel::FaltasBaseUsuario(prueba.toStdString(), brunsel::Traspasado::Si);
        if (!faltas.empty()) return {DefectoCopia::FaltanTablas, Unidas(faltas)};
    } catch (const vb::Error& e) {
        // What the upgrade met that says nothing of the copy: the disk, the permissions, a lock.
        if (DelSistema(ClaseMotorDe(e))) throw;
        return {DefectoCopia::FaltanTablas, QString::fromStdString(e.Description())};
    }
    return {};
}

using Faltas = std::vector<std::string> (*)(const std::string&);

bool DiscoLleno(const vb::Error& e) { return ClaseMotorDe(e) == ClaseMotor::DiscoLleno; }

// The file (or a scratch copy standing for a file of `carpeta`) checked. A full disk met on the
// way (the engine rolling back the journal beside it) says nothing of its contents: it is raised,
// naming `carpeta`.
ResultadoComprobacion Revisar(const QString& ruta, Faltas faltas, const QString& carpeta) {
    try {
        const auto lista = faltas(ruta.toStdString());
        if (!lista.empty()) return {DefectoCopia::FaltanTablas, Unidas(lista)};
    } catch (const vb::Error& e) {
        if (DiscoLleno(e)) FalloDeArchivo(ENOSPC, e.Description(), carpeta);
        return Defecto(e);
    }
    return {};
}

bool DelContenido(DefectoCopia defecto) {
    return defecto == DefectoCopia::NoEsBase || defecto == DefectoCopia::Danada ||
           defecto == DefectoCopia::FaltanTablas;
}

std::function<void()>& pasoApartado() {
    static std::function<void()> paso;
    return paso;
}

void Paso() {
    if (pasoApartado()) pasoApartado()();
}

// The copy rolled back by a journal failed the check: when the file alone passes it, the journal
// is not the file's; otherwise the file, or its own journal, is damaged, and the file may still
// hold part of the save the journal undoes. The file alone is checked in the copy's place.
DefectoCopia SinElDiario(const QString& ruta, const QString& copia, Faltas faltas) {
    const QString carpeta = QFileInfo(ruta).path();
    QFile::remove(copia + QStringLiteral("-journal"));
    QFile::remove(copia);
    CopiarArchivo(ruta, copia, carpeta);
    Paso();
    const bool sano = Revisar(copia, faltas, carpeta).defecto == DefectoCopia::Ninguno;
    return sano ? DefectoCopia::DiarioAjeno : DefectoCopia::DanadaConDiario;
}

// What the keeping aside found, and whether the file now holds the very bytes of the copy that
// passed the check (so it needs no check of its own).
struct Apartado {
    ResultadoComprobacion r;
    bool revisado = false;
};

// The engine rolls a journal beside a file back into it at the first read that may write. A
// journal that is not the file's (a backup copied over the file by hand, beside the journal of a
// save cut short on the file it replaced) damages the file, so it is first rolled back into a copy:
// the file and the journal are copied into a scratch folder beside them, the copy is rolled back
// and checked there. One that fails leaves the file and the journal as they were. One that passes
// lets the engine roll the journal back into the file itself: the same pages the copy was given,
// which a comparison of their bytes confirms. A kill at any step leaves the file and its journal
// as they were (the copies are only copies, and go with their folder at the next start), or the
// engine's own roll-back half done, which it does again from the start at the next open, to the
// same file.
Apartado DeshacerAparte(const QString& ruta, Faltas faltas) {
    const QFileInfo archivo(ruta);
    const QString diario = ruta + QStringLiteral("-journal");
    const CarpetaTrabajo trabajo(archivo.path());
    const QString copia = trabajo.Ruta(archivo.fileName());
    Paso();
    CopiarArchivo(ruta, copia, archivo.path());
    Paso();
    try {
        CopiarArchivo(diario, copia + QStringLiteral("-journal"), archivo.path());
    } catch (const vb::Error&) {
        // Another copy of the program has rolled it back meanwhile: nothing left to do.
        if (!QFileInfo::exists(diario)) return {};
        throw;
    }
    Paso();
    const ResultadoComprobacion r = Revisar(copia, faltas, archivo.path());
    Paso();
    if (DelContenido(r.defecto)) return {{SinElDiario(ruta, copia, faltas), r.detalle}};
    if (r.defecto != DefectoCopia::Ninguno) return {r};
    DeshacerEnSuSitio(ruta);
    Paso();
    return {{}, MismosBytes(ruta, copia)};
}

Apartado DeshacerSiHayDiario(const QString& ruta, Faltas faltas) {
    const std::string archivo = QFile::encodeName(ruta).toStdString();
    if (dao::DiarioPorDeshacer(archivo) && dao::PuedeDeshacerDiario(archivo)) return DeshacerAparte(ruta, faltas);
    return {};
}

// The room the copies of the file and its journal take, in whole megabytes.
QString MegasParaApartar(const QString& ruta) {
    constexpr qint64 kMega = 1024 * 1024;
    const qint64 bytes = QFileInfo(ruta).size() + QFileInfo(ruta + QStringLiteral("-journal")).size();
    return QString::number(std::max<qint64>(1, (bytes + kMega - 1) / kMega));
}

// A full disk met rolling a journal back (into the copies or the file) is said as such: the file
// is not damaged, and the user needs room, not a backup.
ResultadoComprobacion Comprobar(const QString& ruta, Faltas faltas) {
    if (dao::WalSinPoderEscribir(QFile::encodeName(ruta).toStdString())) return {DefectoCopia::ModoWal, {}};
    try {
        const Apartado a = DeshacerSiHayDiario(ruta, faltas);
        if (a.r.defecto != DefectoCopia::Ninguno || a.revisado) return a.r;
        return NombrarDiario(ruta, Revisar(ruta, faltas, QFileInfo(ruta).path()));
    } catch (const vb::Error& e) {
        if (!DiscoLleno(e)) throw;
        return {DefectoCopia::DiscoLleno, MegasParaApartar(ruta)};
    }
}

std::vector<std::string> FaltasUsuario(const std::string& ruta) {
    return brunsel::FaltasBaseUsuario(ruta, brunsel::Traspasado::No);
}

}  // namespace

ResultadoComprobacion PrepararCopia(const QString& ruta, const QString& copia, const QString& rutaLectura) {
    const std::string archivo = QFile::encodeName(ruta).toStdString();
    std::error_code error;
    if (!std::filesystem::is_regular_file(archivo, error)) {
        // A folder the user may not pass through hides the file: said as such, not as missing.
        if (error == std::errc::permission_denied)
            throw vb::Error(vb::errBaseDatos + SQLITE_CANTOPEN, "GarobelLib.cSaveAsRestore", error.message())
                .ConMotor(archivo, SQLITE_CANTOPEN);
        return {DefectoCopia::NoExiste, {}};
    }
    try {
        CopiarBaseEnLinea(ruta, copia);
    } catch (const vb::Error& e) {
        // What writing the scratch copy met says nothing of the offered file, nor does a file
        // the user may not read.
        if (e.Archivo() != archivo || SinAcceso(e)) throw;
        return Defecto(e);
    }
    const ResultadoComprobacion r = ComprobarCopia(copia, kTablas);
    return r.defecto == DefectoCopia::Ninguno ? ComprobarTraspasada(copia, rutaLectura) : r;
}

ResultadoComprobacion ComprobarBaseUsuario(const QString& ruta) { return Comprobar(ruta, FaltasUsuario); }

ResultadoComprobacion DeshacerGuardadoCortado(const QString& ruta) {
    return DeshacerSiHayDiario(ruta, FaltasUsuario).r;
}

void EstablecerPasoApartado(std::function<void()> paso) { pasoApartado() = std::move(paso); }

ResultadoComprobacion ComprobarBaseLectura(const QString& ruta) { return Comprobar(ruta, brunsel::FaltasBaseLectura); }

ResultadoComprobacion NombrarDiario(const QString& ruta, ResultadoComprobacion r) {
    if (r.defecto == DefectoCopia::AMedioGuardar && SinPermisoEscritura(ruta).isEmpty())
        r.defecto = DefectoCopia::DiarioSinPermiso;
    return r;
}

QStringList SinPermisoEscritura(const QString& ruta) {
    const QFileInfo archivo(ruta);
    QStringList sin;
    if (!archivo.isWritable()) sin << archivo.filePath();
    if (!QFileInfo(archivo.path()).isWritable()) sin << archivo.path();
    return sin;
}

}  // namespace oxalde
