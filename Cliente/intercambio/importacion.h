#pragma once
// Reading an exchange file into the register: every line is cut into its fields, checked by the
// library, and saved (new, or replacing the taxpayer registered under the same NIF), skipped at
// the user's word, or written to the error file "Errores.txt" beside the imported file.
#include <QString>
#include <optional>

namespace oxalde {

// The replace-or-keep question for a NIF that is registered already.
class PreguntaSustitucion {
public:
    virtual ~PreguntaSustitucion() = default;
    // True to replace the registered taxpayer; `dni` as cut from the line.
    virtual bool Sustituir(const QString& dni) = 0;
};

struct ContadoresImportacion {
    qint32 total = 0;        // lines read
    qint32 importados = 0;   // saved, new or replacing
    qint32 incorrectos = 0;  // wrong
    qint32 sustituidos = 0;  // saved over a registered taxpayer
    qint32 ignorados = 0;    // kept at the user's word

    bool operator==(const ContadoresImportacion&) const = default;
};

struct ResultadoImportacion {
    ContadoresImportacion contadores;
    QString ficheroErrores;  // the path written
    QString falloErrores;    // the system's account when the error file could not be written whole
};

// The error file that goes with an imported file.
QString RutaFicheroErrores(const QString& rutaImportar);

// Imports the file into the user's database. With `automatico` a registered NIF is replaced
// without asking. Raises vb::Error before the first line is read: errArchivoInexistente when the
// file does not exist, errArchivoAbierto when the error file is the file itself, errAccesoArchivo
// (its description in the user's words) when it is no regular file (a folder, a pipe, a device,
// through any links) or it or the error file cannot be opened.
ResultadoImportacion ImportarFichero(const QString& ruta, bool automatico, PreguntaSustitucion& pregunta);

// The message that closes an import, if any: the text and the message-box style; `tituloVentana`
// says whether it carries the window's caption (else the application's).
struct MensajeCierre {
    QString texto;
    int estilo = 0;
    bool tituloVentana = false;
};
std::optional<MensajeCierre> MensajeFinal(const ContadoresImportacion& c);

}  // namespace oxalde
