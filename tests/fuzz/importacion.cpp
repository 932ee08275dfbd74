// Fuzz target for the import of an exchange file: the line reader, the cutting of the fields,
// the library's check of every line, the save and the error file. The input is the file; its
// first byte chooses the automatic mode, the answer to the question and the language.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "comun/bd_prueba.h"
#include "intercambio/importacion.h"
#include "servicios/registro.h"
#include "compartido/cadenas.h"
#include "compartido/general.h"

namespace {

class Respuesta : public oxalde::PreguntaSustitucion {
public:
    explicit Respuesta(bool si) : si_(si) {}
    bool Sustituir(const QString&) override { return si_; }

private:
    bool si_;
};

// The databases and the folder of the file, made once; the register grows only by the few
// valid lines the fuzzer finds.
struct Entorno {
    BdPrueba bd;
    QString ruta = QString::fromStdString(bd.Dir()) + "/Contri.txt";
    Entorno() {
        brunsel::RegistrarClases();
        oxalde::RutaBDModificable = QString::fromStdString(bd.Mod());
        oxalde::RutaBDLectura = QString::fromStdString(bd.Lec());
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t n) {
    static Entorno entorno;
    if (n == 0) return 0;
    const uint8_t modo = datos[0];
    QFile fichero(entorno.ruta);
    if (!fichero.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    fichero.write(reinterpret_cast<const char*>(datos + 1), static_cast<qint64>(n - 1));
    fichero.close();
    oxalde::DesplIdioma = (modo & 4) ? oxalde::kDesplEuskera : 0;
    Respuesta respuesta((modo & 2) != 0);
    const auto r = oxalde::ImportarFichero(entorno.ruta, (modo & 1) != 0, respuesta);
    const auto& c = r.contadores;
    // Every line read is saved, wrong or kept, exactly once; the replaced are among the saved.
    if (c.importados + c.incorrectos + c.ignorados != c.total || c.sustituidos > c.importados) std::abort();
    return 0;
}
