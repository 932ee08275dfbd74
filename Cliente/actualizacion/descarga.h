#pragma once
// A plain download of one http(s) address into one file, as the version check needs it: the
// caller waits for the answer (window events other than the user's input keep running), a
// redirection is followed, only a 2xx answer counts and the whole request has a time limit.
#include <QString>
#include <QtGlobal>

class QUrl;

namespace oxalde {

// An absolute http or https address with a host.
bool EsDireccionHttp(const QUrl& url);

// The largest answer taken: a version file is a few hundred bytes, and anything larger is no
// version file (an endless answer would otherwise fill the memory).
constexpr qint64 kMaximoDescarga = 64 * 1024;

// True when the answer was saved in `archivo`; on any failure (an answer larger than
// kMaximoDescarga included) no file is left there.
bool DescargarAArchivo(const QString& direccion, const QString& archivo);

// The time limit of a whole request, 15 s; tests shorten it. A value of 0 or less restores it.
constexpr int kLimiteDescargaMs = 15000;
int LimiteDescargaMs();
void EstablecerLimiteDescargaMs(int ms);

}  // namespace oxalde
