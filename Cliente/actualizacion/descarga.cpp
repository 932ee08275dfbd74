#include "actualizacion/descarga.h"

#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QTimer>
#include <QUrl>
#include <memory>

namespace oxalde {
namespace {

int& limiteMs() {
    static int ms = kLimiteDescargaMs;
    return ms;
}

// Waits for the answer and reads it as it comes; the user's input waits too, the rest of the
// window events run. Past the time limit, or past kMaximoDescarga bytes, the request is abandoned.
QByteArray EsperarRespuesta(QNetworkReply& respuesta, bool& correcta) {
    QEventLoop bucle;
    QTimer limite;
    QByteArray datos;
    bool excedida = false;
    const auto abandonar = [&] {
        excedida = true;
        respuesta.abort();
    };
    limite.setSingleShot(true);
    QObject::connect(&limite, &QTimer::timeout, &respuesta, &QNetworkReply::abort);
    QObject::connect(&respuesta, &QNetworkReply::finished, &bucle, &QEventLoop::quit);
    // A declared length over the limit is refused before its body arrives.
    QObject::connect(&respuesta, &QNetworkReply::metaDataChanged, &bucle, [&] {
        if (respuesta.header(QNetworkRequest::ContentLengthHeader).toLongLong() > kMaximoDescarga) abandonar();
    });
    QObject::connect(&respuesta, &QNetworkReply::readyRead, &bucle, [&] {
        datos += respuesta.read(kMaximoDescarga + 1 - datos.size());
        if (datos.size() > kMaximoDescarga) abandonar();
    });
    respuesta.setReadBufferSize(kMaximoDescarga + 1);
    limite.start(LimiteDescargaMs());
    if (!respuesta.isFinished()) bucle.exec(QEventLoop::ExcludeUserInputEvents);
    if (!excedida) datos += respuesta.read(kMaximoDescarga + 1 - datos.size());
    const int estado = respuesta.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    correcta = !excedida && datos.size() <= kMaximoDescarga && respuesta.error() == QNetworkReply::NoError &&
               estado >= 200 && estado < 300;
    return correcta ? datos : QByteArray();
}

bool Guardar(const QString& archivo, const QByteArray& datos) {
    QSaveFile salida(archivo);
    return salida.open(QIODevice::WriteOnly) && salida.write(datos) == datos.size() && salida.commit();
}

}  // namespace

bool EsDireccionHttp(const QUrl& url) {
    const QString esquema = url.scheme().toLower();
    return url.isValid() && (esquema == u"http" || esquema == u"https") && !url.host().isEmpty();
}

int LimiteDescargaMs() { return limiteMs(); }

void EstablecerLimiteDescargaMs(int ms) { limiteMs() = ms > 0 ? ms : kLimiteDescargaMs; }

bool DescargarAArchivo(const QString& direccion, const QString& archivo) {
    const QUrl url(direccion);
    if (!EsDireccionHttp(url)) return false;
    QNetworkAccessManager red;
    QNetworkRequest peticion(url);
    peticion.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    peticion.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    const std::unique_ptr<QNetworkReply> respuesta(red.get(peticion));
    bool correcta = false;
    const QByteArray datos = EsperarRespuesta(*respuesta, correcta);
    return correcta && Guardar(archivo, datos);
}

}  // namespace oxalde
