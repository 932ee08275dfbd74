#include "principal/base_usuario.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <string>
#include <system_error>

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
    switch (e.Motor() & 0xFF) {
        case SQLITE_CANTOPEN:
        case SQLITE_PERM: return true;
        case SQLITE_READONLY: return e.Motor() != SQLITE_READONLY_ROLLBACK;
        default: return false;
    }
}

ResultadoComprobacion Defecto(const vb::Error& e) {
    return {DefectoDeError(e.Number()), QString::fromStdString(e.Description())};
}

// What the upgrade met that says nothing of the copy: the disk, the permissions, a lock.
bool DelSistema(const vb::Error& e) {
    switch (e.Motor() & 0xFF) {
        case SQLITE_FULL:
        case SQLITE_IOERR:
        case SQLITE_CANTOPEN:
        case SQLITE_READONLY:
        case SQLITE_PERM:
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
        case SQLITE_NOMEM: return true;
        default: return false;
    }
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
        if (DelSistema(e)) throw;
        return {DefectoCopia::FaltanTablas, QString::fromStdString(e.Description())};
    }
    return {};
}

using Faltas = std::vector<std::string> (*)(const std::string&);

ResultadoComprobacion Revisar(const QString& ruta, Faltas faltas) {
    try {
        const auto lista = faltas(ruta.toStdString());
        if (!lista.empty()) return {DefectoCopia::FaltanTablas, Unidas(lista)};
    } catch (const vb::Error& e) {
        return Defecto(e);
    }
    return {};
}

// A copy of the file `de` as it is now, with its mode.
void Guardar(const QString& de, const QString& a, const QString& carpeta) {
    std::error_code error;
    std::filesystem::copy_file(QFile::encodeName(de).toStdString(), QFile::encodeName(a).toStdString(), error);
    if (error) FalloDeArchivo(error.value(), error.message(), carpeta);
}

bool DelContenido(DefectoCopia defecto) {
    return defecto == DefectoCopia::NoEsBase || defecto == DefectoCopia::Danada ||
           defecto == DefectoCopia::FaltanTablas;
}

// The engine is about to roll the journal beside the file back into it. A journal that is not the
// file's (a backup copied over the file by hand, beside the journal of a save cut short on the
// file it replaced) damages the file: so the file and the journal are kept as they are first, in
// a scratch folder beside them, and put back (the file first) when the file then fails the check.
ResultadoComprobacion RevisarTrasDeshacer(const QString& ruta, Faltas faltas) {
    const QFileInfo archivo(ruta);
    const CarpetaTrabajo trabajo(archivo.path());
    const QString diario = ruta + QStringLiteral("-journal");
    const QString copia = trabajo.Ruta(archivo.fileName());
    const QString copiaDiario = copia + QStringLiteral("-journal");
    Guardar(ruta, copia, archivo.path());
    Guardar(diario, copiaDiario, archivo.path());
    const ResultadoComprobacion r = Revisar(ruta, faltas);
    if (!DelContenido(r.defecto)) return r;
    MoverEnSuSitio(copia, ruta);
    MoverEnSuSitio(copiaDiario, diario);
    SincronizarCarpeta(archivo.path());
    return {DefectoCopia::DiarioAjeno, r.detalle};
}

ResultadoComprobacion Comprobar(const QString& ruta, Faltas faltas) {
    const std::string archivo = QFile::encodeName(ruta).toStdString();
    if (dao::WalSinPoderEscribir(archivo)) return {DefectoCopia::ModoWal, {}};
    if (dao::DiarioPorDeshacer(archivo) && dao::PuedeDeshacerDiario(archivo))
        return RevisarTrasDeshacer(ruta, faltas);
    return Revisar(ruta, faltas);
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

ResultadoComprobacion ComprobarBaseUsuario(const QString& ruta) {
    return Comprobar(ruta, [](const std::string& r) { return brunsel::FaltasBaseUsuario(r, brunsel::Traspasado::No); });
}

ResultadoComprobacion ComprobarBaseLectura(const QString& ruta) { return Comprobar(ruta, brunsel::FaltasBaseLectura); }

QStringList SinPermisoEscritura(const QString& ruta) {
    const QFileInfo archivo(ruta);
    QStringList sin;
    if (!archivo.isWritable()) sin << archivo.filePath();
    if (!QFileInfo(archivo.path()).isWritable()) sin << archivo.path();
    return sin;
}

}  // namespace oxalde
