#pragma once
// Writing the exchange file: one line per chosen taxpayer in the order of choosing, each of 153
// characters in Windows-1252 followed by CR LF. The lines go to a temporary file beside the
// target, which takes the target's place only once every line is written, so a failure leaves
// an existing file as it was.
#include <QString>
#include <optional>

#include "intercambio/cExportar.h"
#include "intercambio/clase_fichero.h"
#include "intercambio/formato_contri.h"

namespace oxalde {

struct ResultadoEscritura {
    enum Estado { Escrito, Inalcanzable, NoEsFichero, Fallido };
    Estado estado = Escrito;
    QString detalle;                             // why it failed, as the user is told it
    ClaseFichero clase = ClaseFichero::Regular;  // what is there instead of a file (NoEsFichero)
};

// The first chosen taxpayer with a number field that cannot be written: a value too wide or
// negative, or no number at all.
struct Excedido {
    QString dni;
    const CampoLinea* campo = nullptr;
    bool esNumero = true;
};
std::optional<Excedido> BuscarExcedido(const cExportar& exportar);

// Writes the chosen taxpayers; every number must fit (BuscarExcedido). Inalcanzable: the folder
// does not exist (a removable disk taken out) or the path names no file. NoEsFichero: the path,
// through any links, names a folder, a device, a pipe or a socket, which is left as it is (a file
// would take its place).
ResultadoEscritura EscribirFicheroContri(const QString& ruta, const cExportar& exportar);

}  // namespace oxalde
