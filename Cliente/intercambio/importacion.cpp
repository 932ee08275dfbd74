#include "intercambio/importacion.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <exception>

#include "intercambio/clase_fichero.h"
#include "intercambio/errores_importacion.h"
#include "intercambio/escritura.h"
#include "intercambio/fichero_propio.h"
#include "intercambio/formato_contri.h"
#include "intercambio/lector_lineas.h"
#include "intercambio/motivo_sistema.h"
#include "registro/cDecDatos.h"
#include "compartido/mostrar_error.h"
#include "compartido/biblioteca.h"
#include "compartido/cadenas.h"
#include "compartido/general.h"
#include "compartido/mensajes.h"
#include "compartido/procedimientos.h"
#include "vb/ansi.h"

namespace oxalde {
namespace {

// Indexes of the pieces of a line, in the layout's order.
enum Pieza {
    DNI, NOMBRE, VIA, DOMICILIO, NUMERO, LETRA, ESCALERA, PISO, MANO,
    CODPROV, CODPOS, CODMUN, NOMMUN, TELEFONO, NUM731, NUM732
};

// The pieces in the check's slot order.
constexpr Pieza kOrdenComprobacion[12] = {DNI,    NOMBRE, DOMICILIO, CODPROV, CODPOS, NOMMUN,
                                          CODMUN, NUMERO, NUM731,    NUM732,  VIA,    TELEFONO};

// The taxpayer service on the user's database.
std::shared_ptr<brunsel::cDeclarante> Registro() {
    auto declarante = Declarante();
    declarante->mdbnameM(RutaBDModificable.toStdString());
    return declarante;
}

QString SinBlancosFinales(const QString& s) {
    qsizetype n = s.size();
    while (n > 0 && s[n - 1] == u' ') --n;
    return s.left(n);
}

[[noreturn]] void FalloApertura(const QFile& fichero) {
    throw vb::Error(vb::errAccesoArchivo, "Oxalde", fichero.errorString().toStdString());
}

// A path that names something other than a regular file, refused in the user's words.
[[noreturn]] void NoEsFicheroNormal(const QString& ruta, ClaseFichero clase) {
    throw vb::Error(vb::errAccesoArchivo, "Oxalde", TextoNoEsFichero(kIdMsgNoSeImporta, ruta, clase).toStdString());
}

// The error file that could not be opened or replaced, named, and why (errno) in the words the
// file being imported would be refused in.
[[noreturn]] void FalloErrores(const QString& ruta) {
    const int numero = errno;
    if (numero == EISDIR) NoEsFicheroNormal(ruta, ClaseFichero::Carpeta);
    throw vb::Error(vb::errAccesoArchivo, "Oxalde",
                    (QDir::toNativeSeparators(ruta) + QStringLiteral(": ") + MotivoSistema(numero)).toStdString());
}

// The file to import, opened for reading only when it is a regular file: a pipe would block the
// window until something wrote to it, a device (a link to /dev/zero) would never end. It is
// opened without waiting and looked at again, should a pipe have taken the name meanwhile.
void AbrirEntrada(QFile& entrada, const QString& ruta) {
    const ClaseFichero clase = ClaseDe(ruta);
    if (clase == ClaseFichero::Ausente) throw vb::Error(vb::errArchivoInexistente, "Oxalde", "File not found");
    if (clase != ClaseFichero::Regular) NoEsFicheroNormal(ruta, clase);
    const int fd = ::open(QFile::encodeName(ruta).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) throw vb::Error(vb::errAccesoArchivo, "Oxalde", MotivoSistema(errno).toStdString());
    struct stat s {};
    if (::fstat(fd, &s) != 0) {
        const int numero = errno;
        ::close(fd);
        throw vb::Error(vb::errAccesoArchivo, "Oxalde", MotivoSistema(numero).toStdString());
    }
    if (!S_ISREG(s.st_mode)) {
        ::close(fd);
        NoEsFicheroNormal(ruta, ClaseDeModo(s.st_mode));
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!entrada.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        FalloApertura(entrada);
    }
}

// Whether the open file and the path are one file: the same name, a link to it or another
// spelling of its path.
bool MismoFichero(const QFile& abierto, const QString& ruta) {
    struct stat a {}, b {};
    return fstat(abierto.handle(), &a) == 0 && stat(QFile::encodeName(ruta).constData(), &b) == 0 &&
           a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

class Importador {
public:
    Importador(bool automatico, PreguntaSustitucion& pregunta, QFile& errores)
        : automatico_(automatico), pregunta_(pregunta), errores_(errores) {}

    ContadoresImportacion c;

    void Linea(const QByteArray& bytes) {
        const qint32 n = ++c.total;
        try {
            if (!Procesar(n, QString::fromStdString(vb::AnsiAUtf8(bytes.toStdString())))) ++c.incorrectos;
        } catch (...) {
            const vb::Error e = ErrorDe(std::current_exception());
            Escribir(LineaErrorFallo(n, e.Number(), DescripcionFallo(e)));
            ++c.incorrectos;
        }
    }

    // The system's account when the error file could not take a line; nothing more is written
    // to it then.
    QString falloErrores;

    // Each line goes to the error file as it is found, so that an import cut short (the program
    // killed, the machine stopped) leaves the file saying what was refused so far.
    void Escribir(const QString& linea) {
        if (!falloErrores.isEmpty()) return;
        EscribirTodo(errores_, QByteArray::fromStdString(vb::Utf8AAnsi(linea.toStdString())) + "\r\n", falloErrores);
    }

private:
    bool automatico_;
    PreguntaSustitucion& pregunta_;
    QFile& errores_;

    // False when the line is wrong (its error lines written).
    bool Procesar(qint32 n, const QString& linea) {
        const QStringList p = CortarLinea(linea);
        // Trailing blanks go before the look-up and the save, so that the register holds the
        // values and a NIF matches however it was padded; the check sees the pieces as cut.
        std::string dni = SinBlancosFinales(p[DNI]).toStdString();
        const vb::Long csco = Registro()->ExisteContribuyente(dni);
        if (!automatico_ && csco != 0 && !pregunta_.Sustituir(p[DNI])) {
            ++c.ignorados;
            return true;
        }
        if (linea.size() < kAnchoLinea) {
            Escribir(LineaErrorCorta(n));
            return false;
        }
        if (!SinControles(n, p) || !Comprobar(n, p)) return false;
        return Guardar(n, csco, p);
    }

    // No copy of the program writes control characters (a tab, a NUL...) into a field: a field
    // holding one is refused with its own error line, before the library sees it.
    bool SinControles(qint32 n, const QStringList& p) {
        bool limpia = true;
        for (qsizetype i = 0; i < p.size(); ++i)
            if (TieneControl(p[i])) {
                Escribir(LineaErrorControl(n, CamposLinea()[size_t(i)].etiqueta));
                limpia = false;
            }
        return limpia;
    }

    bool Comprobar(qint32 n, const QStringList& p) {
        auto buffer = vb::Variant::Array1(0, 11);
        for (vb::Long i = 0; i < 12; ++i) buffer(i) = p[kOrdenComprobacion[i]].toStdString();
        const vb::Variant errores = cDecDatos::Instancia().ValidarDatosImportar(buffer);
        const vb::Long fallos = errores.UBound(2);
        for (vb::Long i = 0; i < fallos; ++i) Escribir(LineaErrorRegla(n, errores(0, i).CInt()));
        return fallos == 0;
    }

    bool Guardar(qint32 n, vb::Long csco, const QStringList& p) {
        // A replaced taxpayer keeps its own declaration counters; the file's are never stored.
        vb::Long num731 = 0;
        vb::Long num732 = 0;
        vb::Long clave = csco;
        if (csco != 0) Registro()->ObtenerContadores(clave, num731, num732);
        auto buffer = vb::Variant::Array1(0, 16);
        buffer(0) = csco;
        for (int i = DNI; i <= TELEFONO; ++i) buffer(i + 1) = SinBlancosFinales(p[i]).toStdString();
        buffer(15) = num731;
        buffer(16) = num732;
        if (Registro()->GuardarDeclarante(buffer) != 0) {
            Escribir(LineaErrorRegistrado(n));
            return false;
        }
        ++c.importados;
        if (csco != 0) ++c.sustituidos;
        return true;
    }
};

}  // namespace

QString RutaFicheroErrores(const QString& rutaImportar) {
    return QFileInfo(rutaImportar).absoluteDir().filePath(QStringLiteral("Errores.txt"));
}

ResultadoImportacion ImportarFichero(const QString& ruta, bool automatico, PreguntaSustitucion& pregunta) {
    QFile entrada;
    AbrirEntrada(entrada, ruta);
    ResultadoImportacion resultado;
    resultado.ficheroErrores = RutaFicheroErrores(ruta);
    // The error file is emptied when it is opened: when it is the file being read, the import is
    // refused as a file opened twice, and the file is left as it was.
    if (MismoFichero(entrada, resultado.ficheroErrores))
        throw vb::Error(vb::errArchivoAbierto, "Oxalde", "File already open");
    // Opened (and emptied) before the first line, so that a folder it cannot be written in stops
    // the import before anything is saved; a link under its name is replaced, never written through.
    QFile errores;
    const int fd = AbrirVacioPropio(resultado.ficheroErrores);
    if (fd < 0) FalloErrores(resultado.ficheroErrores);
    if (!errores.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        FalloApertura(errores);
    }

    Importador importador(automatico, pregunta, errores);
    // Only a line's first kAnchoLinea characters are used (one byte each in the file's code
    // page): the rest of a longer line, however long, is read past and never kept or converted.
    LectorLineas lector(entrada, kAnchoLinea);
    for (QByteArray linea; lector.Siguiente(linea);) importador.Linea(linea);
    if (importador.c.incorrectos > 0)
        for (const QString& l : LeyendaFormato()) importador.Escribir(l);
    errores.close();
    resultado.contadores = importador.c;
    resultado.falloErrores = importador.falloErrores;
    return resultado;
}

std::optional<MensajeCierre> MensajeFinal(const ContadoresImportacion& c) {
    const qint32 leidos = c.total - c.ignorados;
    if (c.incorrectos == leidos && leidos != 0)
        return MensajeCierre{Cadena(kIdMsgImportacionErronea), vbInformation, true};
    if (c.incorrectos == 1) return MensajeCierre{Cadena(kIdMsgUnDeclaranteErroneo), vbInformation, true};
    if (c.incorrectos > 1)
        return MensajeCierre{Cadena(kIdMsgDeclarantesErroneos).arg(c.incorrectos), vbInformation, true};
    if (c.importados >= 1) return MensajeCierre{Cadena(kIdMsgImportacionCorrecta), vbOKOnly, false};
    return std::nullopt;
}

}  // namespace oxalde
