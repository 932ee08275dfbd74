#include <QDir>
#include <cstring>
#include <fstream>
#include <functional>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include "cliente/ficheros_prueba.h"
#include "cliente/modos_prueba.h"
#include "cliente/prueba.h"
#include "comun/errores.h"
#include "intercambio/cExportar.h"
#include "intercambio/fichero_contri.h"
#include "intercambio/importacion.h"
#include "intercambio/lista_exportar.h"

namespace {

using oxalde::ContadoresImportacion;

using prueba::Escribir;
using prueba::Leer;
using prueba::LineaValida;

class Pregunta : public oxalde::PreguntaSustitucion {
public:
    bool respuesta = true;
    QStringList preguntados;
    QString ficheroErrores;
    QByteArray erroresAlPreguntar;  // what the error file held when the question came
    bool Sustituir(const QString& dni) override {
        preguntados << dni;
        erroresAlPreguntar = Leer(ficheroErrores);
        return respuesta;
    }
};

class Importacion : public prueba::Principal {
protected:
    Pregunta pregunta;
    QString ruta = carpeta.filePath("Contri.txt");

    void SetUp() override {
        Principal::SetUp();
        Sql("INSERT INTO T01_DECLARANTES (T01_DNI, T01_NOMBRE, T01_NUM731, T01_NUM732) "
            "VALUES ('11111111H', 'VIEJO', 4, 5)");
    }

    // Good new taxpayer (an apostrophe and a statement in its name), a short line, an empty
    // line, a line failing three rules, and a registered NIF; LF and CR LF line ends.
    QByteArray Muestra() {
        QByteArray tresFallos = LineaValida("22222222J", "");
        tresFallos.replace(49, 2, "ZZ").replace(51, 30, QByteArray(30, ' '));
        return LineaValida("12345678Z", "O'HARA');DELETE FROM T01_DECLARANTES;--") + "\n" +
               LineaValida("33333333P", "CORTA").left(152) + "\r\n" + "\r\n" + tresFallos + "\n" +
               LineaValida("11111111H", "NUEVO NOMBRE") + "\r\n";
    }

    std::string Fila(const std::string& dni) {
        return Valor("SELECT T01_NOMBRE || '|' || T01_DOMICILIO || '|' || CAST(T01_NUM731 AS INTEGER) || '|' || "
                     "CAST(T01_NUM732 AS INTEGER) || '|' || T01_CODMUN || '|' || T01_VIA || '|' "
                     "FROM T01_DECLARANTES WHERE T01_DNI = '" + dni + "'")
            .CStr();
    }

    // Every taxpayer, every column.
    std::string Registro() {
        auto db = dao::DBEngine::Instancia().OpenDatabase(bd.Mod());
        auto rs = db->OpenRecordset("SELECT * FROM T01_DECLARANTES ORDER BY T01_CSCO");
        std::string s;
        for (; !rs->Eof(); rs->MoveNext()) {
            for (int c = 0; c < 17; ++c) s += rs->Fields(c).CStr() + "|";
            s += "\n";
        }
        db->Close();
        return s;
    }
};

QByteArray ErroresEsperados() {
    QStringList l{"Linea 2: No se han importado todos los datos", "Linea 3: No se han importado todos los datos",
                  "Linea 4 La Sigla del Domicilio no es una de las admisibles",
                  "Linea 4 El Nombre debe tener algún valor", "Linea 4 El Domicilio debe tener algún valor", "",
                  "FORMATO: "};
    for (const char* c : {"DNI(9)", "NOMBRE(40)", "SIGLAS(2)", "DOMICILIO(30)", "NUMERO(5)", "LETRA(2)", "ESCALERA(2)",
                          "PISO(2)", "MANO(3)", "CODIGO PROVINCIA(2)", "CODIGO POSTAL(5)", "CODIGO MUNICIPIO(3)",
                          "NOMBRE MUNICIOPIO(25)", "TELEFONO(9)", "NUMERO DECLARACIONES 731(7)",
                          "NUMERO DECLARACIONES 732(7)"})
        l << QString("         ") + c;
    return (l.join("\r\n") + "\r\n").toLatin1();  // Windows-1252 for these letters, never UTF-8
}

TEST_F(Importacion, FicheroMezcladoConSusContadoresYErrores) {
    struct Caso {
        bool automatico, respuesta;
        ContadoresImportacion esperados;
        int preguntas;
        std::string registrado;
    };
    const Caso casos[] = {
        {false, true, {5, 2, 3, 1, 0}, 1, "NUEVO NOMBRE|NAGUSIA|4|5|79|CL|"},
        {false, false, {5, 1, 3, 0, 1}, 1, "VIEJO||4|5|0||"},
        {true, false, {5, 2, 3, 1, 0}, 0, "NUEVO NOMBRE|NAGUSIA|4|5|79|CL|"},
    };
    for (const Caso& c : casos) {
        Sql("DELETE FROM T01_DECLARANTES WHERE T01_DNI <> '11111111H'");
        Sql("UPDATE T01_DECLARANTES SET T01_NOMBRE = 'VIEJO', T01_DOMICILIO = '', T01_CODMUN = 0, T01_VIA = ''");
        ASSERT_TRUE(Escribir(ruta, Muestra()));
        pregunta = {};
        pregunta.respuesta = c.respuesta;
        pregunta.ficheroErrores = carpeta.filePath("Errores.txt");
        const auto r = oxalde::ImportarFichero(ruta, c.automatico, pregunta);
        EXPECT_EQ(r.contadores, c.esperados);
        EXPECT_EQ(pregunta.preguntados.size(), c.preguntas);
        if (c.preguntas) {
            EXPECT_EQ(pregunta.preguntados[0], "11111111H");
            // The lines refused before the question are in the file already, each as it was found.
            const QByteArray antes = ErroresEsperados();
            EXPECT_EQ(pregunta.erroresAlPreguntar, antes.left(antes.indexOf("\r\n\r\n") + 2));
        }
        EXPECT_EQ(r.ficheroErrores, carpeta.filePath("Errores.txt"));
        EXPECT_EQ(Leer(r.ficheroErrores), ErroresEsperados());
        // Stored without trailing blanks, intact, with counters 0 whatever the file says.
        EXPECT_EQ(Fila("12345678Z"), "O'HARA');DELETE FROM T01_DECLARANTES;--|NAGUSIA|0|0|79|CL|");
        EXPECT_EQ(Fila("11111111H"), c.registrado);
        EXPECT_EQ(Valor("SELECT COUNT(*) FROM T01_DECLARANTES").CLng(), 2);
    }
}

TEST_F(Importacion, FicheroVacioYFicheroQueNoExiste) {
    ASSERT_TRUE(Escribir(ruta, "") && Escribir(carpeta.filePath("Errores.txt"), "old"));
    const auto r = oxalde::ImportarFichero(ruta, false, pregunta);
    EXPECT_EQ(r.contadores, ContadoresImportacion{});
    EXPECT_EQ(Leer(r.ficheroErrores), "");
    EXPECT_EQ(NumeroDeError([&] { oxalde::ImportarFichero(carpeta.filePath("no.txt"), false, pregunta); }), 53);
    EXPECT_EQ(NumeroDeError([&] { oxalde::ImportarFichero(carpeta.path(), false, pregunta); }), 75);
}

// The description of the error an import raises before reading: its number, then its text.
std::string Fallo(const QString& ruta, Pregunta& pregunta) {
    try {
        oxalde::ImportarFichero(ruta, true, pregunta);
    } catch (const vb::Error& e) {
        return std::to_string(e.Number()) + ": " + e.Description();
    }
    return "imported";
}

// What is not a regular file (a folder, a pipe no program writes to, a link to an endless device,
// a socket) is refused before it is opened, naming it, in the user's language: nothing is read,
// saved or written, not even the error file.
TEST_F(Importacion, LoQueNoEsUnFicheroSeRechazaSinAbrirlo) {
    const prueba::Plazo plazo(30);
    const QString fifo = carpeta.filePath("fifo");
    ASSERT_TRUE(prueba::Tuberia(fifo));
    const prueba::CasoNoFichero casos[] = {
        {0, "sub", [](const QString& r) { return QDir().mkpath(r); }, "sino una carpeta: no se ha importado nada."},
        {0, "Contri.txt", prueba::Tuberia, "sino una tubería con nombre (FIFO): no se ha importado nada."},
        {oxalde::kDesplEuskera, "cero.txt", [](const QString& r) { return QFile::link("/dev/zero", r); },
         "gailu bat baizik: ez da ezer inportatu."},
        {0, "enlace.txt", [&](const QString& r) { return QFile::link(fifo, r); },
         "sino una tubería con nombre (FIFO): no se ha importado nada."},
        {oxalde::kDesplEuskera, "socket", prueba::Socket, "socket bat baizik: ez da ezer inportatu."},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        oxalde::DesplIdioma = c.idioma;
        const QString entrada = carpeta.filePath(c.nombre);
        ASSERT_TRUE(c.crear(entrada));
        const QString inicio = QString("75: \"%1\" ").arg(entrada) +
                               (c.idioma ? "ez da fitxategi arrunta, " : "no es un fichero normal, ");
        EXPECT_EQ(Fallo(entrada, pregunta), (inicio + c.texto).toStdString());
        EXPECT_FALSE(QFile::exists(carpeta.filePath("Errores.txt")));
    }
    EXPECT_EQ(prueba::Tipo(fifo), 'p');
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM T01_DECLARANTES").CLng(), 1);
}

// The error file that cannot be made (a folder under its name, a folder the user may not write)
// and a file to import the user may not read are said alike, in the user's language.
TEST_F(Importacion, LosFallosDelFicheroDeErroresEnElIdiomaDelUsuario) {
    const QString errores = carpeta.filePath("Errores.txt");
    ASSERT_TRUE(Escribir(ruta, LineaValida("12345678Z", "ANA") + "\r\n") && QDir().mkpath(errores));
    for (int idioma : {0, oxalde::kDesplEuskera}) {
        oxalde::DesplIdioma = idioma;
        EXPECT_EQ(Fallo(ruta, pregunta),
                  (QString("75: \"%1\" ").arg(errores) +
                   (idioma ? "ez da fitxategi arrunta, karpeta bat baizik: ez da ezer inportatu."
                           : "no es un fichero normal, sino una carpeta: no se ha importado nada."))
                      .toStdString());
    }
    ASSERT_TRUE(QDir(errores).removeRecursively());
    const auto permisos = QFile::permissions(carpeta.path());
    const auto lectura = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
    QFile::setPermissions(carpeta.path(), lectura);
    const QString sinEscritura = prueba::SinSaltarPermisos([this] {
        oxalde::DesplIdioma = oxalde::kDesplEuskera;
        return QString::fromStdString(Fallo(ruta, pregunta));
    });
    QFile::setPermissions(carpeta.path(), permisos);
    QFile::setPermissions(ruta, {});
    const QString sinLectura = prueba::SinSaltarPermisos([this] {
        oxalde::DesplIdioma = 0;
        return QString::fromStdString(Fallo(ruta, pregunta));
    });
    EXPECT_EQ(sinEscritura.toStdString(), ("75: " + errores + ": baimena ukatu da").toStdString());
    EXPECT_EQ(sinLectura.toStdString(), "75: permiso denegado");
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM T01_DECLARANTES").CLng(), 1);
    // A file on a disk mounted read-only (a locked card): the error file cannot be made beside it.
    const QString solo = carpeta.filePath("solo");
    ASSERT_TRUE(QDir().mkdir(solo));
    const QString enSoloLectura = prueba::EnDiscoPequeno(solo, 64 * 1024, [&] {
        if (!Escribir(solo + "/Contri.txt", LineaValida("12345678Z", "ANA") + "\r\n") ||
            mount(nullptr, QFile::encodeName(solo).constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0)
            return QString("!no read-only disk: ") + std::strerror(errno);
        QString visto;
        for (int idioma : {0, oxalde::kDesplEuskera}) {
            oxalde::DesplIdioma = idioma;
            visto += QString::fromStdString(Fallo(solo + "/Contri.txt", pregunta)) + "\n";
        }
        return visto;
    });
    if (enSoloLectura.startsWith('!')) GTEST_SKIP() << enSoloLectura.toStdString();
    EXPECT_EQ(enSoloLectura.toStdString(),
              QString("75: %1: el disco solo admite lectura\n75: %1: diskoa irakurtzeko soilik dago\n")
                  .arg(solo + "/Errores.txt")
                  .toStdString());
}

TEST_F(Importacion, LongitudYEuskera) {
    oxalde::DesplIdioma = oxalde::kDesplEuskera;
    const QByteArray l = LineaValida("12345678Z", "X");
    Escribir(ruta, l.left(152) + "\n" + l + "EXTRA\r" + LineaValida("99999999A", "MAL") + "\r");
    const auto r = oxalde::ImportarFichero(ruta, true, pregunta);
    EXPECT_EQ(r.contadores, (ContadoresImportacion{3, 1, 2, 0, 0}));
    EXPECT_TRUE(Leer(r.ficheroErrores).startsWith("1. lerroa: ez dira inportatu datu guztiak\r\n"
                                                  "3. lerroa El DNI-CIF es err\xF3neo\r\n\r\nFORMATO: \r\n"));
}

TEST_F(Importacion, GuardadoRechazadoYFalloDeLineaSeExplican) {
    // An old row under key 0 is no registered taxpayer to the look-up, but the library refuses
    // a second taxpayer with its NIF: the line is wrong, explained, and not counted as imported.
    Sql("INSERT INTO T01_DECLARANTES (T01_CSCO, T01_DNI) VALUES (0, '12345678Z')");
    Escribir(ruta, LineaValida("12345678Z", "A") + "\r\n");
    auto r = oxalde::ImportarFichero(ruta, true, pregunta);
    EXPECT_EQ(r.contadores, (ContadoresImportacion{1, 0, 1, 0, 0}));
    EXPECT_TRUE(Leer(r.ficheroErrores).startsWith("Linea 1 El DNI-CIF ya est\xE1 registrado\r\n"));

    // A failing library call: the line is wrong with the error's number and text.
    com::RegistroTemporal roto("Brunsel.cDeclarante", []() -> std::shared_ptr<com::Object> {
        throw vb::Error(3044, "Brunsel", "disk I/O error");
    });
    r = oxalde::ImportarFichero(ruta, true, pregunta);
    EXPECT_EQ(r.contadores, (ContadoresImportacion{1, 0, 1, 0, 0}));
    EXPECT_TRUE(Leer(r.ficheroErrores).startsWith("Linea 1 ERROR N\xBA: 3044: disk I/O error\r\n"));
}

TEST_F(Importacion, ExportarEImportarNoCambiaNada) {
    Sql("DELETE FROM T01_DECLARANTES");
    Sql("INSERT INTO T01_DECLARANTES (T01_DNI, T01_NOMBRE, T01_VIA, T01_DOMICILIO, T01_NUMERO, T01_LETRA, T01_ESCALERA,"
        " T01_PISO, T01_MANO, T01_CODPROV, T01_CODPOS, T01_CODMUN, T01_NOMMUN, T01_TELEFONO, T01_NUM731, T01_NUM732)"
        " VALUES ('12345678Z', 'PEÑA D''ARTOLA, MIKEL', 'CL', 'ZUMALAKARREGI', 14, 'B', 'D', '3', 'DCH', 20, 20001,"
        " 79, '', 943111222, 2, 1),"
        " ('11111111H', 'ÇA ETXEA S.L.', 'AV', 'ITSASO', 0, '', '', '', '', 1, 1001, 0, 'ABRELDA', 0, 0, 7)");
    const std::string antes = Registro();
    oxalde::cExportar e;
    ASSERT_EQ(oxalde::CargarContribuyentes(e), 2);
    e.COPIARELEMENTOENTRETABLAS(2);
    e.COPIARELEMENTOENTRETABLAS(1);
    ASSERT_EQ(oxalde::EscribirFicheroContri(ruta, e).estado, oxalde::ResultadoEscritura::Escrito);
    const auto r = oxalde::ImportarFichero(ruta, true, pregunta);
    EXPECT_EQ(r.contadores, (ContadoresImportacion{2, 2, 0, 2, 0}));
    EXPECT_EQ(Registro(), antes);
}

// A field holding control characters is refused with one error line per field, in either
// language; one after the last field is ignored like the rest of a long line.
TEST_F(Importacion, CampoConCaracteresDeControlSeRechaza) {
    QByteArray controles = LineaValida("12345678Z", "ANA");
    controles[12] = '\t', controles[60] = '\0', controles[110] = '\x1f';
    const QByteArray fin = LineaValida("22222222J", "BEA") + "\t\x01";
    const struct {
        int idioma;
        const char* errores;
    } casos[] = {
        {0, "Linea 1 El campo NOMBRE contiene caracteres de control\r\n"
            "Linea 1 El campo DOMICILIO contiene caracteres de control\r\n"
            "Linea 1 El campo NOMBRE MUNICIOPIO contiene caracteres de control\r\n\r\nFORMATO: \r\n"},
        {oxalde::kDesplEuskera, "1. lerroa NOMBRE eremuak kontrol-karaktereak ditu\r\n"
                "1. lerroa DOMICILIO eremuak kontrol-karaktereak ditu\r\n"
                "1. lerroa NOMBRE MUNICIOPIO eremuak kontrol-karaktereak ditu\r\n\r\nFORMATO: \r\n"},
    };
    for (const auto& caso : casos) {
        oxalde::DesplIdioma = caso.idioma;
        Sql("DELETE FROM T01_DECLARANTES");
        ASSERT_TRUE(Escribir(ruta, controles + "\r\n" + fin + "\r\n"));
        const auto r = oxalde::ImportarFichero(ruta, true, pregunta);
        EXPECT_EQ(r.contadores, (ContadoresImportacion{2, 1, 1, 0, 0}));
        EXPECT_TRUE(Leer(r.ficheroErrores).startsWith(caso.errores)) << Leer(r.ficheroErrores).left(300).constData();
        EXPECT_EQ(Fila("12345678Z"), "");
        EXPECT_EQ(Fila("22222222J"), "BEA|NAGUSIA|0|0|79|CL|");
    }
}

// Control characters stored in a taxpayer go out as blanks, so another copy imports the file.
TEST_F(Importacion, ControlesGuardadosSeExportanComoBlancosYSeImportan) {
    Sql("DELETE FROM T01_DECLARANTES");
    Sql("INSERT INTO T01_DECLARANTES (T01_DNI, T01_NOMBRE, T01_VIA, T01_DOMICILIO, T01_CODPROV, T01_CODPOS, "
        "T01_CODMUN) VALUES ('12345678Z', 'ANA' || char(13, 10) || 'BELEN' || char(9) || 'X' || char(0) || 'Y', 'CL', "
        "'NAGUSIA' || char(13), 20, 20001, 79)");
    oxalde::cExportar e;
    ASSERT_EQ(oxalde::CargarContribuyentes(e), 1);
    e.COPIARELEMENTOENTRETABLAS(1);
    ASSERT_EQ(oxalde::EscribirFicheroContri(ruta, e).estado, oxalde::ResultadoEscritura::Escrito);
    const QByteArray escrito = Leer(ruta);
    EXPECT_EQ(escrito.size(), 155);
    EXPECT_EQ(escrito.mid(9, 14), "ANA  BELEN X Y");
    Sql("DELETE FROM T01_DECLARANTES");
    const auto r = oxalde::ImportarFichero(ruta, true, pregunta);
    EXPECT_EQ(r.contadores, (ContadoresImportacion{1, 1, 0, 0, 0}));
    EXPECT_EQ(Fila("12345678Z"), "ANA  BELEN X Y|NAGUSIA|0|0|79|CL|");
}

// The error file is emptied when it is opened: the file being read, reached by the error file's
// own name, a link or another spelling of its path, is refused as a file opened twice and left
// byte for byte as it was; so is an error file that is a link to the file being read.
TEST_F(Importacion, ElFicheroDeErroresNuncaEsElQueSeLee) {
    const QString errores = carpeta.filePath("Errores.txt");
    const QByteArray datos = LineaValida("12345678Z", "ANA") + "\r\n";
    ASSERT_TRUE(Escribir(errores, datos) && QDir(carpeta.path()).mkpath("sub/otra"));
    ASSERT_TRUE(QFile::link(errores, carpeta.filePath("simbolico.txt")));
    const QByteArray duro = QFile::encodeName(carpeta.filePath("duro.txt"));
    ASSERT_EQ(link(QFile::encodeName(errores).constData(), duro.constData()), 0);
    ASSERT_TRUE(Escribir(carpeta.filePath("sub/otra/Contri.txt"), datos));
    ASSERT_TRUE(QFile::link(carpeta.filePath("sub/otra/Contri.txt"), carpeta.filePath("sub/otra/Errores.txt")));
    for (const QString& ruta : {errores, carpeta.filePath("simbolico.txt"), carpeta.filePath("duro.txt"),
                                carpeta.filePath("sub/../Errores.txt"), carpeta.path() + "/./Errores.txt",
                                carpeta.filePath("sub/otra/Contri.txt")}) {
        EXPECT_EQ(NumeroDeError([&] { oxalde::ImportarFichero(ruta, true, pregunta); }), 55) << ruta.toStdString();
        EXPECT_TRUE(Leer(ruta) == datos) << ruta.toStdString();
    }
    EXPECT_EQ(Valor("SELECT COUNT(*) FROM T01_DECLARANTES").CLng(), 1);
}

// "Errores.txt" in a folder the program did not make may be a link to another file: a symbolic
// link, one to a file not there yet, a hard link. The import writes a file of its own in its place
// and leaves every other file as it was.
TEST_F(Importacion, UnEnlaceLlamadoErroresNuncaSeEscribe) {
    const QString errores = carpeta.filePath("Errores.txt"), victima = carpeta.filePath("victima.txt"),
                  ausente = carpeta.filePath("otra/nueva.txt");
    const QByteArray datos = "no tocar\r\n";
    ASSERT_TRUE(QDir(carpeta.path()).mkpath("otra"));
    const struct {
        const char* tipo;
        std::function<bool()> enlazar;
    } casos[] = {
        {"simbolico", [&] { return QFile::link(victima, errores); }},
        {"sin destino", [&] { return QFile::link(ausente, errores); }},
        {"duro",
         [&] { return link(QFile::encodeName(victima).constData(), QFile::encodeName(errores).constData()) == 0; }},
    };
    int idioma = 0;
    for (const auto& c : casos) {
        SCOPED_TRACE(c.tipo);
        oxalde::DesplIdioma = oxalde::kDesplEuskera * (idioma++ % 2);
        QFile::remove(errores);
        ASSERT_TRUE(Escribir(victima, datos) && c.enlazar());
        ASSERT_TRUE(Escribir(ruta, LineaValida("12345678Z", "ANA") + "\r\nCORTA\r\n"));
        const auto r = oxalde::ImportarFichero(ruta, true, pregunta);
        EXPECT_EQ(r.contadores, (ContadoresImportacion{2, 1, 1, 0, 0}));
        EXPECT_EQ(Leer(victima), datos);
        EXPECT_FALSE(QFile::exists(ausente));
        struct stat s {};
        ASSERT_EQ(lstat(QFile::encodeName(errores).constData(), &s), 0);
        EXPECT_TRUE(S_ISREG(s.st_mode) && s.st_nlink == 1);
        EXPECT_TRUE(Leer(errores).startsWith(oxalde::DesplIdioma ? "2. lerroa: " : "Linea 2: "));
        EXPECT_EQ(Fila("12345678Z"), "ANA|NAGUSIA|0|0|79|CL|");
        Sql("DELETE FROM T01_DECLARANTES WHERE T01_DNI = '12345678Z'");
    }
}

// A file with no line ends (a wrong file picked by mistake) is one line, of which only the first
// 153 characters are used: the rest is read past, and the import's peak memory does not grow
// with it. The line is imported as any longer line is.
TEST_F(Importacion, LineaSinFinNoOcupaMemoria) {
    constexpr qint64 kMegas = 64;
    {
        std::ofstream f(QFile::encodeName(ruta).toStdString(), std::ios::binary);
        f << LineaValida("12345678Z", "LARGA").toStdString();
        const std::string mega(1 << 20, 'X');
        for (int i = 0; i < kMegas; ++i) f << mega;
        ASSERT_TRUE(f.good());
    }
    // The kernel's peak of resident memory, in kB, after `clear_refs` sets it to the present use.
    auto estado = [](const char* campo) {
        std::ifstream s("/proc/self/status");
        for (std::string l; std::getline(s, l);)
            if (l.rfind(campo, 0) == 0) return std::stoll(l.substr(std::strlen(campo)));
        return -1LL;
    };
    std::ofstream("/proc/self/clear_refs") << "5";
    const long long antes = estado("VmRSS:");
    const auto r = oxalde::ImportarFichero(ruta, true, pregunta);
    const long long crecimiento = estado("VmHWM:") - antes;
    ASSERT_GE(antes, 0);
    EXPECT_LT(crecimiento, 16 * 1024) << "kB over " << kMegas << " MB of one line";
    EXPECT_EQ(r.contadores, (ContadoresImportacion{1, 1, 0, 0, 0}));
    EXPECT_EQ(Fila("12345678Z"), "LARGA|NAGUSIA|0|0|79|CL|");
    EXPECT_EQ(Leer(r.ficheroErrores), "");
}

TEST(MensajeFinal, SegunLosContadores) {
    struct Caso {
        ContadoresImportacion c;
        QString texto;
        QString euskera;
        int estilo;
    };
    const Caso casos[] = {
        {{3, 0, 3, 0, 0}, "Todos los declarantes que desea importar son erroneos",
         "Inportatu nahi dituzun zergadun guztiak okerrak dira", oxalde::vbInformation},
        {{4, 0, 3, 0, 1}, "Todos los declarantes que desea importar son erroneos",
         "Inportatu nahi dituzun zergadun guztiak okerrak dira", oxalde::vbInformation},
        {{3, 2, 1, 0, 0}, "Hay 1 declarante erroneo", "Aitortzaile bat okerra da", oxalde::vbInformation},
        {{3, 1, 2, 0, 0}, "Hay 2 declarantes erroneos", "2 aitortzaile okerrak dira", oxalde::vbInformation},
        {{14, 2, 12, 0, 0}, "Hay 12 declarantes erroneos", "12 aitortzaile okerrak dira", oxalde::vbInformation},
        {{3, 3, 0, 1, 0}, "Sus datos han sido importados correctamente", "Zure datuak behar bezala inportatu dira",
         oxalde::vbOKOnly},
    };
    for (int idioma : {0, oxalde::kDesplEuskera}) {
        oxalde::DesplIdioma = idioma;
        for (const Caso& c : casos) {
            const auto m = oxalde::MensajeFinal(c.c);
            ASSERT_TRUE(m) << c.texto.toStdString();
            EXPECT_EQ(m->texto, idioma ? c.euskera : c.texto);
            EXPECT_EQ(m->estilo, c.estilo);
            EXPECT_EQ(m->tituloVentana, c.estilo != oxalde::vbOKOnly);
        }
        EXPECT_FALSE(oxalde::MensajeFinal({}));
        EXPECT_FALSE(oxalde::MensajeFinal({2, 0, 0, 0, 2}));
    }
    oxalde::DesplIdioma = 0;
}

}  // namespace
