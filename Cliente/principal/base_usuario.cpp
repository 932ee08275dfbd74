#include "principal/base_usuario.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <string>

#include "servicios/cTraspaso.h"
#include "tablas/esquema_usuario.h"
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

// The upgrade run on a scratch copy, then the tables and columns the program reads.
ResultadoComprobacion ComprobarTraspasada(const QString& ruta, const QString& rutaLectura) {
    QTemporaryDir carpeta;
    if (!carpeta.isValid()) return {DefectoCopia::Danada, carpeta.errorString()};
    const QString prueba = carpeta.filePath(QStringLiteral("prueba.mdb"));
    try {
        CopiarBaseEnLinea(ruta, prueba);
        brunsel::cTraspaso traspaso;
        traspaso.mdbmod(prueba.toStdString());
        traspaso.mdblec(rutaLectura.toStdString());
        traspaso.mdbPath(carpeta.path().toStdString() + "/");
        traspaso.Traspaso();
        const auto faltas = brunsel::FaltasBaseUsuario(prueba.toStdString(), brunsel::Traspasado::Si);
        if (!faltas.empty()) return {DefectoCopia::FaltanTablas, Unidas(faltas)};
    } catch (const vb::Error& e) {
        return {DefectoCopia::FaltanTablas, QString::fromStdString(e.Description())};
    }
    return {};
}

}  // namespace

ResultadoComprobacion ComprobarCopiaCompleta(const QString& ruta, const QString& rutaLectura) {
    const ResultadoComprobacion r = ComprobarCopia(ruta, kTablas);
    return r.defecto == DefectoCopia::Ninguno ? ComprobarTraspasada(ruta, rutaLectura) : r;
}

QString DefectoBaseUsuario(const QString& ruta) {
    try {
        return Unidas(brunsel::FaltasBaseUsuario(ruta.toStdString(), brunsel::Traspasado::No));
    } catch (const vb::Error& e) {
        return QString::fromStdString(e.Description());
    }
}

QStringList SinPermisoEscritura(const QString& ruta) {
    const QFileInfo archivo(ruta);
    QStringList sin;
    if (!archivo.isWritable()) sin << archivo.filePath();
    if (!QFileInfo(archivo.path()).isWritable()) sin << archivo.path();
    return sin;
}

}  // namespace oxalde
