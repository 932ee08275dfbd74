#include "intercambio/clase_fichero.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>

#include "compartido/cadenas.h"

namespace oxalde {
namespace {

// The types of a file's mode told apart, each with the words naming it to the user (none for a
// regular file, which is never refused); any other type (a character or block device) is a device.
struct Tipo {
    unsigned bits;
    ClaseFichero clase;
    int nombre;
};
constexpr Tipo kTipos[] = {
    {S_IFREG, ClaseFichero::Regular, 0},
    {S_IFDIR, ClaseFichero::Carpeta, kIdClaseCarpeta},
    {S_IFIFO, ClaseFichero::Tuberia, kIdClaseTuberia},
    {S_IFSOCK, ClaseFichero::Socket, kIdClaseSocket},
};

}  // namespace

ClaseFichero ClaseDeModo(unsigned modo) {
    for (const Tipo& t : kTipos)
        if ((modo & S_IFMT) == t.bits) return t.clase;
    return ClaseFichero::Dispositivo;
}

ClaseFichero ClaseDe(const QString& ruta) {
    struct stat s {};
    if (ruta.isEmpty() || ::stat(QFile::encodeName(ruta).constData(), &s) != 0) return ClaseFichero::Ausente;
    return ClaseDeModo(s.st_mode);
}

QString TextoNoEsFichero(int id, const QString& ruta, ClaseFichero clase) {
    int nombre = kIdClaseDispositivo;
    for (const Tipo& t : kTipos)
        if (t.clase == clase && t.nombre != 0) nombre = t.nombre;
    return Cadena(id).arg(QDir::toNativeSeparators(ruta), Cadena(nombre));
}

}  // namespace oxalde
