#pragma once
// Writing the exchange file: one line per chosen taxpayer in the order of choosing, each of 153
// characters in Windows-1252 followed by CR LF. The lines go to a temporary file beside the
// target, which takes the target's place only once every line is written, so a failure leaves
// an existing file as it was.
#include <QString>
#include <optional>

#include "intercambio/cExportar.h"
#include "intercambio/formato_contri.h"

namespace oxalde {

struct ResultadoEscritura {
    enum Estado { Escrito, Inalcanzable, Fallido };
    Estado estado = Escrito;
    QString detalle;  // the system's account of a failure
};

// The first chosen taxpayer with a number field that cannot be written: a value too wide or
// negative, or no number at all.
struct Excedido {
    QString dni;
    const CampoLinea* campo = nullptr;
    bool esNumero = true;
};
std::optional<Excedido> BuscarExcedido(const cExportar& exportar);

// Whether a file (not a folder) exists at the path.
bool ExisteFichero(const QString& ruta);

// Writes the chosen taxpayers; every number must fit (BuscarExcedido). Inalcanzable: the folder
// does not exist or the path names no file.
ResultadoEscritura EscribirFicheroContri(const QString& ruta, const cExportar& exportar);

}  // namespace oxalde
