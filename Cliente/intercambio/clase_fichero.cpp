#include "intercambio/clase_fichero.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>

#include "compartido/cadenas.h"

namespace oxalde {

ClaseFichero ClaseDeModo(unsigned modo) {
    switch (modo & S_IFMT) {
        case S_IFREG: return ClaseFichero::Regular;
        case S_IFDIR: return ClaseFichero::Carpeta;
        case S_IFIFO: return ClaseFichero::Tuberia;
        case S_IFSOCK: return ClaseFichero::Socket;
        default: return ClaseFichero::Dispositivo;
    }
}

ClaseFichero ClaseDe(const QString& ruta) {
    struct stat s {};
    if (ruta.isEmpty() || ::stat(QFile::encodeName(ruta).constData(), &s) != 0) return ClaseFichero::Ausente;
    return ClaseDeModo(s.st_mode);
}

QString TextoNoEsFichero(int id, const QString& ruta, ClaseFichero clase) {
    int nombre = kIdClaseDispositivo;
    if (clase == ClaseFichero::Carpeta) nombre = kIdClaseCarpeta;
    if (clase == ClaseFichero::Tuberia) nombre = kIdClaseTuberia;
    if (clase == ClaseFichero::Socket) nombre = kIdClaseSocket;
    return Cadena(id).arg(QDir::toNativeSeparators(ruta), Cadena(nombre));
}

}  // namespace oxalde
