#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QBuffer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <cstring>
#include <functional>

#include "cliente/ficheros_prueba.h"
#include "cliente/modos_prueba.h"
#include "comun/errores.h"
#include "compartido/cadenas.h"
#include "compartido/general.h"
#include "intercambio/cExportar.h"
#include "intercambio/fichero_contri.h"
#include "intercambio/formato_contri.h"
#include "intercambio/lista_exportar.h"
#include "intercambio/lector_lineas.h"
#include "vb/ansi.h"

using oxalde::cExportar;
using oxalde::RegistroContribuyente;

namespace {

// The taxpayer of the sample line.
RegistroContribuyente Muestra() {
    return {.CSCO = 5, .DNI = "12345678Z", .NOMBRE = "GARCIA LOPEZ, JUAN", .VIA = "CL", .DOMICILIO = "MAYOR",
            .NUMERO = 7, .LETRA = "A", .ESCALERA = {}, .PISO = "2", .MANO = "IZQ", .CODIGOPROVINCIA = 20,
            .CODIGOPOSTAL = 20001, .CODIGOMUNICIPIO = 69, .NOMBREMUNICIPIO = "ARGIPROBA", .TELEFONO = 900123456,
            .NUM731 = 3};
}

QByteArray Linea(const RegistroContribuyente& r) {
    return QByteArray::fromStdString(vb::Utf8AAnsi(oxalde::LineaContribuyente(r).toStdString()));
}

TEST(LineaContri, MuestraByteAByte) {
    QByteArray esperada =
        "12345678ZGARCIA·LOPEZ,·JUAN······················"
        "CLMAYOR·························00007A···2·IZQ20200010"
        "69ARGIPROBA················90012345600000030000000";
    esperada.replace("·", " ");
    EXPECT_EQ(Linea(Muestra()), esperada);
}

TEST(LineaContri, CadaCampoEnSuSitio) {
    struct Caso {
        std::function<void(RegistroContribuyente&)> cambio;
        int inicio;  // from 1
        QByteArray esperado;
    };
    const Caso casos[] = {
        {[](auto& r) { r.NUMERO = 0; }, 82, "00000"},
        {[](auto& r) { r.CODIGOPROVINCIA = 1; }, 96, "01"},
        {[](auto& r) { r.CODIGOPOSTAL = 1234; }, 98, "01234"},
        {[](auto& r) { r.CODIGOMUNICIPIO = 0; }, 103, "000"},
        {[](auto& r) { r.TELEFONO = 0; }, 131, "         "},
        {[](auto& r) { r.TELEFONO = 12; }, 131, "12       "},
        {[](auto& r) { r.NUM731 = 0; r.NUM732 = 9999999; }, 140, "00000009999999"},
        {[](auto& r) { r.NOMBRE = QString(45, 'N') + "X"; }, 10, QByteArray(40, 'N') + "CL"},
        {[](auto& r) { r.NOMBRE = "PEÑA"; }, 10, "PE\xD1" "A" + QByteArray(36, ' ') + "CL"},
        {[](auto& r) { r.NOMBRE = "O'HARA €"; }, 10, "O'HARA \x80" + QByteArray(32, ' ') + "CL"},
        // Outside the character set: one "?" per character, astral ones too, and the width holds.
        {[](auto& r) { r.NOMBRE = QString::fromUtf8("Łx中\U0001F600"); }, 10, "?x??" + QByteArray(36, ' ') + "CL"},
        {[](auto& r) { r.NOMBRE = QString::fromUtf8("\U0001F600").repeated(41); }, 10, QByteArray(40, '?') + "CL"},
        {[](auto& r) { r.DOMICILIO = "  DE LA PAZ"; }, 52, "  DE LA PAZ" + QByteArray(19, ' ') + "00007"},
        // A control character becomes one blank: a line never splits and the widths hold.
        {[](auto& r) { r.NOMBRE = QString("ANA\r\nBELEN\tX") + QChar(0) + "Y" + QChar(0x7F) + QChar(0x85); }, 10,
         "ANA  BELEN X Y  " + QByteArray(24, ' ') + "CL"},
        {[](auto& r) { r.DNI = "1234\n678Z"; }, 1, "1234 678ZGARCIA"},
        {[](auto& r) { r.MANO = "\x1b\x1b\x1b\x1b"; }, 91, "2    20"},
    };
    for (const Caso& c : casos) {
        RegistroContribuyente r = Muestra();
        c.cambio(r);
        const QByteArray linea = Linea(r);
        EXPECT_EQ(linea.size(), 153) << c.esperado.constData();
        EXPECT_EQ(linea.mid(c.inicio - 1, c.esperado.size()), c.esperado);
    }
}

TEST(LineaContri, NumeroQueNoCabeSeNombra) {
    const std::pair<std::function<void(RegistroContribuyente&)>, const char*> casos[] = {
        {[](auto& r) { r.NUMERO = 100000; }, "NUMERO"},
        {[](auto& r) { r.NUMERO = -1; }, "NUMERO"},
        {[](auto& r) { r.CODIGOPROVINCIA = 100; }, "CODIGO PROVINCIA"},
        {[](auto& r) { r.CODIGOPOSTAL = 100000; }, "CODIGO POSTAL"},
        {[](auto& r) { r.CODIGOMUNICIPIO = 1000; }, "CODIGO MUNICIPIO"},
        {[](auto& r) { r.TELEFONO = 1000000000; }, "TELEFONO"},
        {[](auto& r) { r.NUM732 = 10000000; }, "NUMERO DECLARACIONES 732"},
    };
    EXPECT_EQ(oxalde::CampoExcedido(Muestra()), nullptr);
    for (const auto& [cambio, campo] : casos) {
        RegistroContribuyente r = Muestra();
        cambio(r);
        ASSERT_NE(oxalde::CampoExcedido(r), nullptr) << campo;
        EXPECT_STREQ(oxalde::CampoExcedido(r)->etiqueta, campo);
    }
}

TEST(LineaContri, CortarDevuelveLasPiezasConSuAncho) {
    const QString linea = QString::fromStdString(vb::AnsiAUtf8(Linea(Muestra()).toStdString()));
    const QStringList p = oxalde::CortarLinea(linea + "SOBRA");
    ASSERT_EQ(p.size(), 16);
    EXPECT_EQ(p[0], "12345678Z");
    EXPECT_EQ(p[1], "GARCIA LOPEZ, JUAN" + QString(22, ' '));
    EXPECT_EQ(p[15], "0000000");
    const QStringList corta = oxalde::CortarLinea("123");
    EXPECT_EQ(corta[0], "123      ");
    EXPECT_EQ(corta[15], "       ");
    // The undefined bytes of the set read as "?", one character each.
    EXPECT_EQ(vb::AnsiAUtf8("a\x81\xD1\x80"), "a?Ñ€");
}

TEST(Exportar, TablasYPosiciones) {
    cExportar e;
    EXPECT_EQ(e.TablaContriPERTENECE(7), 0);
    for (qint32 csco : {7, 3, 9}) {
        RegistroContribuyente r = Muestra();
        r.CSCO = csco, r.NOMBRE = QString(45, 'A'), r.VIA = "C";
        e.TablaContriAnadir(r);
    }
    EXPECT_EQ(e.NUMCONTRISEL(), 3);
    EXPECT_EQ(e.TablaContriPERTENECE(3), 2);
    e.COPIARELEMENTOENTRETABLAS(2);
    EXPECT_EQ(e.NUMCONTRIEXP(), 1);
    const RegistroContribuyente& elegido = e.TablaContriExpELEMENTO(1);  // cut and padded to the widths
    EXPECT_EQ(QString::number(elegido.CSCO) + "|" + elegido.NOMBRE + "|" + elegido.VIA + "|" + elegido.ESCALERA + "|",
              "3|" + QString(40, 'A') + "|C |  |");
    for (int p : {1, 3, 1}) e.COPIARELEMENTOENTRETABLAS(p);  // the same code twice: the lower position is found
    EXPECT_EQ(e.TablaContriExpPERTENECE(7), 2);
    e.TablaContriExpBORRAR(1);
    e.TablaContriExpBORRAR(e.TablaContriExpCOUNT());
    EXPECT_EQ(e.NUMCONTRIEXP(), 2);
    EXPECT_EQ(std::pair(e.TablaContriExpELEMENTO(1).CSCO, e.TablaContriExpELEMENTO(2).CSCO), std::pair(7, 9));
    // The positions follow the records that moved down; a removed code is no longer found.
    EXPECT_EQ(std::tuple(e.TablaContriExpPERTENECE(7), e.TablaContriExpPERTENECE(9), e.TablaContriExpPERTENECE(3)),
              std::tuple(1, 2, 0));
    EXPECT_EQ(NumeroDeError([&] { e.TablaContriExpBORRAR(3); }), vb::errSubindice);
    EXPECT_EQ(NumeroDeError([&] { e.COPIARELEMENTOENTRETABLAS(0); }), vb::errSubindice);
    e.TablaContriCLEAR();
    e.TablaContriExpCLEAR();
    EXPECT_EQ(e.TablaContriCOUNT() + e.NUMCONTRIEXP() + e.TablaContriExpPERTENECE(7) + e.TablaContriPERTENECE(3), 0);
}

// The offered list loaded from a buffer of the library: its rows take positions 1 to n, a
// record added afterwards follows them, a row chosen is the record its row reads as, and loading
// again replaces the whole list.
TEST(Exportar, TablaOfrecidaCargadaDeUnaLista) {
    auto lista = vb::Variant::Array2(0, 16, 0, 2);
    const vb::Long codigos[] = {7, 3, 7};
    for (vb::Long f = 0; f < 3; ++f) {
        lista(0, f) = codigos[f];
        lista(1, f) = std::string("1111111") + char('A' + f);
        lista(2, f) = std::string(f == 1 ? 45 : 3, char('K' + f));
        lista(5, f) = std::string("12B");  // not a number: 0
        lista(10, f) = vb::Long(20);
        lista(13, f) = vb::Null;
    }
    cExportar e;
    e.TablaContriCARGAR(lista);
    EXPECT_EQ(std::tuple(e.NUMCONTRISEL(), e.TablaContriCOUNT(), e.TablaContriPERTENECE(7), e.TablaContriPERTENECE(3)),
              std::tuple(3, 3, 1, 2));
    EXPECT_EQ(e.TablaContriLISTA(), lista);
    RegistroContribuyente anadido = Muestra();
    anadido.CSCO = 3;
    e.TablaContriAnadir(anadido);
    anadido.CSCO = 11;
    e.TablaContriAnadir(anadido);
    EXPECT_EQ(std::tuple(e.TablaContriCOUNT(), e.TablaContriPERTENECE(3), e.TablaContriPERTENECE(11)),
              std::tuple(5, 2, 5));
    for (qint32 p : {2, 5}) e.COPIARELEMENTOENTRETABLAS(p);
    const RegistroContribuyente& elegido = e.TablaContriExpELEMENTO(1);
    EXPECT_EQ(QString::number(elegido.CSCO) + "|" + elegido.DNI + "|" + elegido.NOMBRE + "|" +
                  QString::number(elegido.NUMERO) + "|" + QString::number(elegido.CODIGOPROVINCIA) + "|" +
                  elegido.NOMBREMUNICIPIO + "|",
              "3|1111111B |" + QString(40, 'L') + "|0|20|" + QString(25, ' ') + "|");
    EXPECT_EQ(e.TablaContriExpELEMENTO(2).CSCO, 11);
    EXPECT_EQ(NumeroDeError([&] { e.COPIARELEMENTOENTRETABLAS(6); }), vb::errSubindice);
    auto otra = vb::Variant::Array2(0, 16, 0, 0);
    otra(0, 0) = vb::Long(9);
    e.TablaContriCARGAR(otra);
    EXPECT_EQ(
        std::tuple(e.NUMCONTRISEL(), e.TablaContriPERTENECE(9), e.TablaContriPERTENECE(7), e.TablaContriPERTENECE(11)),
        std::tuple(1, 1, 0, 0));
    e.TablaContriCLEAR();
    EXPECT_EQ(std::tuple(e.TablaContriCOUNT(), e.TablaContriPERTENECE(9), e.TablaContriLISTA().IsEmpty()),
              std::tuple(0, 0, true));
}

// The chosen list is held packed: every record reads back as it was chosen, its texts at their
// widths (blanks of its own, other scripts and cut texts included) and its numbers whole at
// both ends of 64 bits, also once the records before it have been removed.
TEST(Exportar, ElegidoSeLeeComoSeEligio) {
    cExportar e;
    RegistroContribuyente raro = Muestra();
    raro.CSCO = -4, raro.DNI = " 1 ", raro.NOMBRE = QString::fromUtf8("PEÑA \t€ 中\U0001F600").repeated(5);
    raro.DOMICILIO = QString(30, u' '), raro.MANO = "ÁÉÍÓ", raro.NOMBREMUNICIPIO = QString();
    raro.NUMERO = INT64_MIN, raro.CODIGOPROVINCIA = -1, raro.CODIGOPOSTAL = 128, raro.TELEFONO = INT64_MAX;
    raro.NUM731 = -9430000001, raro.NUM732 = 16383;
    for (qint32 csco : {7, 8}) {
        RegistroContribuyente r = Muestra();
        r.CSCO = csco;
        e.TablaContriAnadir(r);
    }
    e.TablaContriAnadir(raro);
    for (int p : {1, 2, 3, 1}) e.COPIARELEMENTOENTRETABLAS(p);
    e.TablaContriExpBORRAR(2);
    e.TablaContriExpBORRAR(1);
    RegistroContribuyente esperado = raro;
    for (const oxalde::CampoLinea& campo : oxalde::CamposLinea())
        if (campo.texto) esperado.*campo.texto = oxalde::AnchoFijo(raro.*campo.texto, campo.ancho);
    ASSERT_EQ(e.TablaContriExpCOUNT(), 2);
    EXPECT_TRUE(e.TablaContriExpELEMENTO(1) == esperado);
    EXPECT_EQ(e.TablaContriExpELEMENTO(1).NOMBRE.left(12), QString::fromUtf8("PEÑA \t€ 中\U0001F600P"));
    EXPECT_EQ(Linea(e.TablaContriExpELEMENTO(2)), Linea(Muestra()));
    EXPECT_EQ(std::pair(e.TablaContriExpPERTENECE(-4), e.TablaContriExpPERTENECE(7)), std::pair(1, 2));
}

std::vector<QByteArray> Lineas(const QByteArray& datos) {
    QBuffer b;
    b.setData(datos);
    b.open(QIODevice::ReadOnly);
    oxalde::LectorLineas lector(b);
    std::vector<QByteArray> r;
    for (QByteArray l; lector.Siguiente(l);) r.push_back(l);
    return r;
}

TEST(LectorLineas, TresFinesDeLinea) {
    using L = std::vector<QByteArray>;
    const std::pair<QByteArray, L> casos[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\nb\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},
        {"\r\n", {""}},
        {"a\n\nb", {"a", "", "b"}},
        {"a\r\r\n\n", {"a", "", ""}},
        {"a\n\rb", {"a", "", "b"}},
    };
    for (const auto& [datos, esperado] : casos) EXPECT_EQ(Lineas(datos), esperado) << datos.toStdString();
    // A CR LF split between two read blocks is still one line end.
    const QByteArray largo(64 * 1024 - 1, 'x');
    EXPECT_EQ(Lineas(largo + "\r\nb"), (L{largo, "b"}));
}

class Escritura : public ::testing::Test {
protected:
    QTemporaryDir dir;
    cExportar e;
    QString ruta = dir.filePath("Contri.txt");

    void SetUp() override {
        for (qint32 csco : {1, 2, 3}) {
            RegistroContribuyente r = Muestra();
            r.CSCO = csco;
            e.TablaContriAnadir(r);
        }
        for (qint32 p : {3, 1, 2}) e.COPIARELEMENTOENTRETABLAS(p);
        ASSERT_TRUE(prueba::Escribir(ruta, "OLD CONTENT"));
    }
};

TEST_F(Escritura, TresLineasConCRLFEnElOrdenElegido) {
    EXPECT_EQ(oxalde::EscribirFicheroContri(ruta, e).estado, oxalde::ResultadoEscritura::Escrito);
    // Replaced whole, nothing appended, no temporary left.
    EXPECT_EQ(prueba::Leer(ruta), (Linea(Muestra()) + "\r\n").repeated(3));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Contri.txt"});
}

TEST_F(Escritura, FalloDejaElFicheroAnterior) {
    EXPECT_EQ(oxalde::EscribirFicheroContri(dir.filePath("no/existe.txt"), e).estado,
              oxalde::ResultadoEscritura::Inalcanzable);
    // A path to a folder, ending in a separator, is a folder, not a missing disk.
    const auto carpeta = oxalde::EscribirFicheroContri(dir.path() + "/", e);
    EXPECT_EQ(carpeta.estado, oxalde::ResultadoEscritura::NoEsFichero);
    EXPECT_EQ(carpeta.clase, oxalde::ClaseFichero::Carpeta);
    // A full disk: the system refuses to let a file grow beyond 200 bytes.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit antes{};
    getrlimit(RLIMIT_FSIZE, &antes);
    rlimit limite = antes;
    limite.rlim_cur = 200;
    setrlimit(RLIMIT_FSIZE, &limite);
    const auto r = oxalde::EscribirFicheroContri(ruta, e);
    setrlimit(RLIMIT_FSIZE, &antes);
    EXPECT_EQ(r.estado, oxalde::ResultadoEscritura::Fallido);
    EXPECT_EQ(r.detalle.toStdString(), "el archivo supera el tamaño máximo permitido");  // not the system's English
    EXPECT_EQ(prueba::Leer(ruta), "OLD CONTENT");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Contri.txt"});  // no temporary left
}

// Each route by which the file cannot be put in place for want of permission (an existing file
// that may not be written, a folder that may not be written with a file there or none) is said in
// the program's words in the user's language, never the toolkit's, and no file changes.
TEST_F(Escritura, SinPermisoSeDiceEnElIdiomaDelUsuario) {
    const QString cerrada = dir.filePath("cerrada");
    const QString dentro = cerrada + "/Contri.txt";
    ASSERT_TRUE(QDir().mkpath(cerrada) && prueba::Escribir(dentro, "OLD CONTENT"));
    const auto todos = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther |
                       QFileDevice::WriteOther;
    ASSERT_TRUE(QFile::setPermissions(dentro, todos) && QFile::setPermissions(ruta, QFileDevice::ReadOwner));
    const auto permisos = QFile::permissions(cerrada);
    ASSERT_TRUE(QFile::setPermissions(cerrada, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const std::pair<const char*, QString> casos[] = {
        {"existing file not writable", ruta},
        {"folder not writable, a file there", dentro},
        {"folder not writable, no file there", cerrada + "/Nuevo.txt"},
    };
    for (int idioma : {0, oxalde::kDesplEuskera}) {
        for (const auto& [caso, destino] : casos) {
            SCOPED_TRACE(std::string(caso) + " " + std::to_string(idioma));
            const QString visto = prueba::SinSaltarPermisos([&, destino = destino] {
                oxalde::DesplIdioma = idioma;
                const auto r = oxalde::EscribirFicheroContri(destino, e);
                return QString::number(r.estado) + "|" + r.detalle;
            });
            EXPECT_EQ(visto.toStdString(), idioma ? "3|baimena ukatu da" : "3|permiso denegado");
        }
    }
    QFile::setPermissions(cerrada, permisos);
    EXPECT_EQ(prueba::Leer(ruta), "OLD CONTENT");
    EXPECT_EQ(prueba::Leer(dentro), "OLD CONTENT");
    EXPECT_EQ(QDir(cerrada).entryList(QDir::Files | QDir::Hidden), QStringList{"Contri.txt"});
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Contri.txt"});
}

// Failures the program has no words of its own for (a name longer than the system takes, the
// file's or a folder's on the way, a disk mounted read-only) are said by their number in the
// user's language, never in the system's English.
TEST_F(Escritura, OtrosFallosEnElIdiomaDelUsuario) {
    const std::shared_ptr<void> castellano(nullptr, [](void*) { oxalde::DesplIdioma = 0; });
    const QString largo(256, u'n'), solo = dir.filePath("solo");
    ASSERT_TRUE(QDir().mkdir(solo));
    // A loop of links has no words of the program's own: it is named by its number.
    ASSERT_TRUE(QFile::link(dir.filePath("bucle"), dir.filePath("bucle")));
    const struct {
        QString destino;
        const char* es;
        const char* eu;
        bool soloLectura;  // last: skipped where no file system can be mounted
    } casos[] = {
        {dir.filePath(largo), "el nombre es demasiado largo", "izena luzeegia da", false},
        {dir.filePath(largo + "/Contri.txt"), "el nombre es demasiado largo", "izena luzeegia da", false},
        {dir.filePath("bucle/Contri.txt"), "error nº 40 del sistema", "sistemaren 40 zk.ko errorea", false},
        {solo + "/Contri.txt", "el disco solo admite lectura", "diskoa irakurtzeko soilik dago", true},
    };
    for (const auto& c : casos) {
        for (int idioma : {0, oxalde::kDesplEuskera}) {
            SCOPED_TRACE(c.destino.toStdString() + " " + std::to_string(idioma));
            const auto intento = [&] {
                oxalde::DesplIdioma = idioma;
                const auto r = oxalde::EscribirFicheroContri(c.destino, e);
                return QString::number(r.estado) + "|" + r.detalle;
            };
            const QString visto = !c.soloLectura ? intento() : prueba::EnDiscoPequeno(solo, 64 * 1024, [&] {
                if (mount(nullptr, QFile::encodeName(solo).constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr))
                    return QString("!no read-only remount: ") + std::strerror(errno);
                return intento();
            });
            if (visto.startsWith('!')) GTEST_SKIP() << visto.toStdString();
            EXPECT_EQ(visto.toStdString(), std::string("3|") + (idioma ? c.eu : c.es));
        }
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Contri.txt"});
}

// The routes only root can stage: a disk that is really full (a small memory file system) stops
// the write, and a sticky folder of another user keeps that user's file from being replaced,
// which stops the commit. Both said in the user's language; the file there stays as it was.
TEST_F(Escritura, DiscoLlenoYSustitucionNegadaEnElIdiomaDelUsuario) {
    if (geteuid() != 0) GTEST_SKIP() << "only root can mount a small disk and give a folder to another user";
    const std::shared_ptr<void> castellano(nullptr, [](void*) { oxalde::DesplIdioma = 0; });
    prueba::DiscoPequeno disco;
    if (!disco.Motivo().empty()) GTEST_SKIP() << "no memory file system can be mounted here: " << disco.Motivo();
    const QString llena = disco.Fichero("Contri.txt");
    ASSERT_TRUE(prueba::Escribir(llena, "OLD CONTENT") && disco.Llenar("relleno"));
    const QString pegajosa = dir.filePath("pegajosa");
    const QString ajeno = pegajosa + "/Contri.txt";
    ASSERT_TRUE(QDir().mkdir(pegajosa) && prueba::Escribir(ajeno, "OLD CONTENT"));
    ASSERT_EQ(chmod(QFile::encodeName(pegajosa).constData(), 01777), 0);
    ASSERT_EQ(chmod(QFile::encodeName(ajeno).constData(), 0666), 0);
    for (const QString& r : {pegajosa, ajeno}) ASSERT_EQ(chown(QFile::encodeName(r).constData(), 4242, 4242), 0);
    for (int idioma : {0, oxalde::kDesplEuskera}) {
        SCOPED_TRACE(idioma);
        oxalde::DesplIdioma = idioma;
        const auto r = oxalde::EscribirFicheroContri(llena, e);
        EXPECT_EQ(QString::number(r.estado) + "|" + r.detalle,
                  idioma ? "3|diskoa beteta dago" : "3|el disco está lleno");
        const QString visto = prueba::SinSaltarPermisos([&] {
            oxalde::DesplIdioma = idioma;
            const auto r = oxalde::EscribirFicheroContri(ajeno, e);
            return QString::number(r.estado) + "|" + r.detalle;
        });
        EXPECT_EQ(visto.toStdString(), idioma ? "3|baimena ukatu da" : "3|permiso denegado");
    }
    EXPECT_EQ(prueba::Leer(llena), "OLD CONTENT");
    EXPECT_EQ(prueba::Leer(ajeno), "OLD CONTENT");
    EXPECT_EQ(QDir(pegajosa).entryList(QDir::Files | QDir::Hidden), QStringList{"Contri.txt"});
    EXPECT_EQ(QDir(disco.Ruta()).entryList(QDir::Files | QDir::Hidden), (QStringList{"Contri.txt", "relleno"}));
}

// A target that is not a regular file, through a link or not, is refused and left as it is (the
// write would have put a file in its place); a link to a regular file is written through.
TEST_F(Escritura, LoQueNoEsUnFicheroNoSeSustituye) {
    using oxalde::ClaseFichero;
    const QString fifo = dir.filePath("fifo"), normal = dir.filePath("normal.txt");
    ASSERT_TRUE(prueba::Tuberia(fifo) && prueba::Escribir(normal, "OLD"));
    const struct {
        const char* nombre;
        std::function<bool(const QString&)> crear;
        oxalde::ResultadoEscritura::Estado estado;
        ClaseFichero clase;
        char tipo, destino;  // what stands under the name afterwards; for a link, what it points to
    } casos[] = {
        {"pipe", prueba::Tuberia, oxalde::ResultadoEscritura::NoEsFichero, ClaseFichero::Tuberia, 'p', 0},
        {"link to a device", prueba::EnlaceADispositivo, oxalde::ResultadoEscritura::NoEsFichero,
         ClaseFichero::Dispositivo, 'l', 'c'},
        {"link to a pipe", [&](const QString& r) { return QFile::link(fifo, r); },
         oxalde::ResultadoEscritura::NoEsFichero, ClaseFichero::Tuberia, 'l', 'p'},
        {"socket", prueba::Socket, oxalde::ResultadoEscritura::NoEsFichero, ClaseFichero::Socket, 's', 0},
        {"link to a file", [&](const QString& r) { return QFile::link(normal, r); },
         oxalde::ResultadoEscritura::Escrito, ClaseFichero::Regular, 'l', 'f'},
        // Last: the next row could not take its place.
        {"folder", [](const QString& r) { return QDir().mkdir(r); }, oxalde::ResultadoEscritura::NoEsFichero,
         ClaseFichero::Carpeta, 'd', 0},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        ASSERT_TRUE(QFile::remove(ruta) && c.crear(ruta));
        const auto r = oxalde::EscribirFicheroContri(ruta, e);
        EXPECT_EQ(r.estado, c.estado);
        EXPECT_EQ(r.clase, c.clase);
        EXPECT_EQ(prueba::Tipo(ruta), c.tipo);
        if (c.tipo == 'l') {
            EXPECT_EQ(prueba::Tipo(QFileInfo(ruta).symLinkTarget()), c.destino);
        }
    }
    EXPECT_EQ(prueba::Tipo(fifo), 'p');
    EXPECT_EQ(prueba::Leer(normal), (Linea(Muestra()) + "\r\n").repeated(3));
}

TEST_F(Escritura, ExcedidoNombraElDni) {
    EXPECT_FALSE(oxalde::BuscarExcedido(e));
    RegistroContribuyente r = Muestra();
    r.CSCO = 9, r.DNI = "99999999R", r.CODIGOPOSTAL = -20001;
    e.TablaContriAnadir(r);
    e.COPIARELEMENTOENTRETABLAS(4);
    const auto x = oxalde::BuscarExcedido(e);
    ASSERT_TRUE(x);
    EXPECT_EQ(x->dni, "99999999R");
    EXPECT_STREQ(x->campo->etiqueta, "CODIGO POSTAL");
}

}  // namespace
