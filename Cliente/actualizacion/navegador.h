#pragma once
// Opening the download page in the user's browser. The address comes from the network, so only
// an absolute http or https address is passed on, and always as one argument, never through a
// shell.
#include <QByteArray>
#include <QString>
#include <functional>

class QUrl;

namespace oxalde {

// An absolute http or https address with a host and no control characters.
bool DireccionNavegable(const QString& url);

// The one-line temporary page that names the address, in the ANSI code page with no line end;
// the characters that would end the attribute are written as entities.
QByteArray PaginaTemporal(const QString& url);
QString ArchivoPaginaTemporal();

// Writes the temporary page anew and opens the address in the browser. A refused address, a page
// that cannot be written or no browser to open it: message 349 titled 350.
void LanzarExplorador(const QString& url);

// What opens an address: the desktop's handler for it; true when a browser took it. Tests record
// the address instead; an empty function restores the desktop's.
using Navegador = std::function<bool(const QUrl& url)>;
void EstablecerNavegador(Navegador navegador);

}  // namespace oxalde
