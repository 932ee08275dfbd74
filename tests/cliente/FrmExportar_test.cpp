#include <QFileInfo>
#include <QHeaderView>
#include <QToolButton>
#include <functional>

#include "cliente/ficheros_prueba.h"
#include "cliente/modos_prueba.h"
#include "cliente/prueba.h"
#include "controles/FlexGrid.h"
#include "intercambio/FrmExportar.h"
#include "intercambio/cExportar.h"
#include "intercambio/dialogo_fichero.h"

namespace {

using oxalde::cExportar;
using oxalde::FlexGrid;
using oxalde::FrmExportar;
using prueba::Leer;

class VentanaExportar : public prueba::Principal {
protected:
    FrmExportar* v = nullptr;
    bool cerrada = false;
    QString eleccion;
    std::vector<oxalde::DialogoFichero> dialogos;

    void SetUp() override {
        Principal::SetUp();
        // A, B and C by NIF; by name B, C, A.
        Sql("INSERT INTO T01_DECLARANTES (T01_DNI, T01_NOMBRE, T01_CODPROV, T01_CODPOS) VALUES "
            "('11111111H', 'ZETA', 20, 20001), ('22222222J', 'ALFA', 20, 20001), ('33333333P', 'MEDIO', 20, 20001)");
        oxalde::EstablecerElectorFichero([this](const oxalde::DialogoFichero& d) {
            dialogos.push_back(d);
            return eleccion;
        });
    }
    void TearDown() override {
        delete v;
        oxalde::EstablecerElectorFichero({});
        Principal::TearDown();
    }
    void AbrirVentana() {
        v = new FrmExportar;
        QObject::connect(v, &oxalde::VentanaHija::descargada, [this] { cerrada = true; });
        v->Cargar();
        v->show();
    }
    static QString Columna(const FlexGrid* g, int columna) {
        QStringList l;
        for (int f = 1; f < g->Rows(); ++f) l << g->TextMatrix(f, columna).trimmed();
        return l.join(',');
    }
    static bool Resaltada(const FlexGrid* g, int fila) { return g->CellBackColor(fila, 1) == QColor(0xFF, 0xC0, 0x80); }
    // How many are chosen, the enabled state of choose all, choose one, remove one, remove all and
    // Accept, and the chosen count's label ("-" when hidden).
    QString Estado() const {
        QString s = QString::number(cExportar::Instancia().NUMCONTRIEXP()) + " ";
        for (auto* b : {v->CmdSelTodos(), v->CmdSelUno(), v->CmdDeselUno(), v->CmdDeselTodos(), v->cmdAceptar()})
            s += b->isEnabled() ? '1' : '0';
        return s + " " + (v->lblresultado2()->isVisible() ? v->lblresultado2()->text() : "-");
    }
};

TEST_F(VentanaExportar, ElegirYQuitar) {
    AbrirVentana();
    const FlexGrid* o = v->flxDeclaraciones();
    const FlexGrid* s = v->FlxSeleccionados();
    auto& e = cExportar::Instancia();
    EXPECT_EQ(Columna(o, 1), "11111111H,22222222J,33333333P");
    EXPECT_TRUE(Resaltada(o, 1));
    EXPECT_EQ(v->lblResultado1()->text(), "3 Declarantes seleccionados");
    EXPECT_EQ(Estado(), "0 11000 -");

    v->CmdSelUno()->click();  // A chosen, the highlight moves to B
    EXPECT_EQ(Columna(s, 1), "11111111H");
    EXPECT_TRUE(Resaltada(o, 2));
    EXPECT_EQ(e.CSCO(), 2);
    v->flxDeclaraciones()->Row(1);  // back on A: choosing it again does nothing
    EXPECT_EQ(e.CSCO(), 1);
    v->CmdSelUno()->click();
    EXPECT_EQ(e.NUMCONTRIEXP(), 1);

    v->CmdSelTodos()->click();  // B and C follow A; the first row of each list is current
    EXPECT_EQ(Columna(s, 1), "11111111H,22222222J,33333333P");
    EXPECT_EQ(Estado(), "3 11111 3 Declarante/s seleccionado/s para exportar");

    v->FlxSeleccionados()->Row(2);  // B current in the chosen list, then removed
    EXPECT_EQ(e.CSCOEXP(), 2);
    v->CmdDeselUno()->click();
    EXPECT_EQ(Columna(s, 1), "11111111H,33333333P");
    EXPECT_EQ(e.CSCOEXP(), 1);
    EXPECT_TRUE(Resaltada(s, 1));
    v->CmdDeselTodos()->click();
    EXPECT_EQ(Estado(), "0 11000 -");

    // Another program empties the register: choosing all takes what was offered, and the next
    // presentation offers nothing (one blank row, as at opening).
    Sql("DELETE FROM T01_DECLARANTES");
    QTest::mouseClick(v->CmdSelTodos(), Qt::LeftButton);
    EXPECT_EQ(Columna(o, 1), "");
    EXPECT_EQ(Estado(), "3 00111 3 Declarante/s seleccionado/s para exportar");

    // Closed, the window keeps no copy of the register: it reads it again when it opens.
    QTest::mouseClick(v->cmdCancelar(), Qt::LeftButton);
    EXPECT_TRUE(cerrada);
    EXPECT_EQ(e.TablaContriCOUNT(), 0);
    EXPECT_TRUE(e.TablaContriLISTA().IsEmpty());
}

// The chosen grid reads the chosen list: the code, and the NIF and the name at their full widths.
TEST_F(VentanaExportar, ElegidosConSuAnchoCompleto) {
    AbrirVentana();
    QTest::mouseClick(v->CmdSelTodos(), Qt::LeftButton);
    const FlexGrid* s = v->FlxSeleccionados();
    ASSERT_EQ(s->Rows(), 4);
    EXPECT_EQ(QStringList({s->TextMatrix(3, 0), s->TextMatrix(3, 1), s->TextMatrix(3, 2)}),
              QStringList({"3", "33333333P", "MEDIO" + QString(35, ' ')}));
}

TEST_F(VentanaExportar, CabeceraOrdenaYEnterElige) {
    AbrirVentana();
    QHeaderView* cabecera = v->flxDeclaraciones()->horizontalHeader();
    const int x = cabecera->sectionViewportPosition(2) + 10;
    QTest::mouseClick(cabecera->viewport(), Qt::LeftButton, {}, QPoint(x, 5));
    EXPECT_EQ(cExportar::Instancia().ORDEN(), 2);
    EXPECT_EQ(Columna(v->flxDeclaraciones(), 2), "ALFA,MEDIO,ZETA");
    EXPECT_EQ(cExportar::Instancia().CSCO(), 2);
    EXPECT_GT(v->picasc()->x(), v->flxDeclaraciones()->x() + cabecera->sectionViewportPosition(2));
    QTest::keyClick(v->flxDeclaraciones(), Qt::Key_Return);
    EXPECT_EQ(Columna(v->FlxSeleccionados(), 2), "ALFA");
}

TEST_F(VentanaExportar, EscribeDondeSeEligeYPreguntaAntesDeSustituir) {
    AbrirVentana();
    v->CmdSelTodos()->click();
    const QString predeterminado = carpeta.filePath("Contri.txt");
    EXPECT_EQ(v->lblfichero()->text(), predeterminado);
    v->imgmodi()->click();  // cancelled
    ASSERT_EQ(dialogos.size(), 1u);
    EXPECT_TRUE(dialogos[0].guardar);
    EXPECT_EQ(v->lblfichero()->text(), predeterminado);
    eleccion = carpeta.filePath("x.txt");
    v->imgmodi()->click();
    EXPECT_EQ(v->lblfichero()->toolTip(), eleccion);

    ASSERT_TRUE(prueba::Escribir(eleccion, "OLD"));
    respuesta = oxalde::vbNo;
    v->cmdAceptar()->click();
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_EQ(mensajes[0].texto, "El archivo ya existe. ¿Desea sobreescribirlo?");
    EXPECT_EQ(mensajes[0].estilo, oxalde::vbYesNo | oxalde::vbQuestion);
    EXPECT_EQ(titulos[0], "Confirmación...");
    EXPECT_EQ(Leer(eleccion), "OLD");
    EXPECT_FALSE(cerrada);
    EXPECT_EQ(cExportar::Instancia().NUMCONTRIEXP(), 3);

    respuesta = oxalde::vbYes;
    v->cmdAceptar()->click();
    EXPECT_EQ(Leer(eleccion).size(), 3 * 155);  // the lines themselves are tested with the writer
    EXPECT_TRUE(Leer(eleccion).startsWith("11111111HZETA"));
    EXPECT_TRUE(cerrada);
}

TEST_F(VentanaExportar, FallosDejanLaVentanaAbierta) {
    // A postal code too wide for its field names the taxpayer and the field; nothing is written.
    Sql("UPDATE T01_DECLARANTES SET T01_CODPOS = 123456 WHERE T01_DNI = '22222222J'");
    AbrirVentana();
    v->CmdSelTodos()->click();
    v->cmdAceptar()->click();
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_TRUE(mensajes[0].texto.contains("22222222J") && mensajes[0].texto.contains("CODIGO POSTAL"));
    EXPECT_FALSE(QFile::exists(carpeta.filePath("Contri.txt")));
    EXPECT_FALSE(cerrada);

    Sql("UPDATE T01_DECLARANTES SET T01_CODPOS = 20001");
    v->CmdDeselTodos()->click();
    v->CmdSelTodos()->click();
    eleccion = carpeta.filePath("no/hay/carpeta.txt");
    v->imgmodi()->click();
    v->cmdAceptar()->click();
    ASSERT_EQ(mensajes.size(), 2u);
    EXPECT_EQ(mensajes[1].texto, QString(30, ' ') + "No hay diskete en la unidad");
    EXPECT_EQ(titulos[1], "Exportar declarantes");
    EXPECT_FALSE(cerrada);
}

// A pipe named Contri.txt, a link to a device (as /dev/full) or a folder, chosen as the file: Accept refuses
// it, naming it, in the user's language, without the overwrite question; the window stays open and
// what was there is still what it was.
TEST_F(VentanaExportar, UnaTuberiaOUnDispositivoNoSeSustituyen) {
    const prueba::CasoNoFichero casos[] = {
        {0, "Contri.txt", prueba::Tuberia,
         "\"%1\" no es un fichero normal, sino una tubería con nombre (FIFO): no se ha exportado nada."},
        {oxalde::kDesplEuskera, "lleno.txt", prueba::EnlaceADispositivo,
         "\"%1\" ez da fitxategi arrunta, gailu bat baizik: ez da ezer esportatu."},
        {0, "Exportado.txt", [](const QString& r) { return QDir().mkdir(r); },
         "\"%1\" no es un fichero normal, sino una carpeta: no se ha exportado nada."},
        {oxalde::kDesplEuskera, "karpeta/", [](const QString& r) { return QDir().mkdir(r); },
         "\"%1\" ez da fitxategi arrunta, karpeta bat baizik: ez da ezer esportatu."},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        oxalde::DesplIdioma = c.idioma;
        eleccion = carpeta.filePath(c.nombre);
        ASSERT_TRUE(c.crear(eleccion));
        const char tipo = prueba::Tipo(eleccion);
        AbrirVentana();
        QTest::mouseClick(v->CmdSelTodos(), Qt::LeftButton);
        QTest::mouseClick(v->imgmodi(), Qt::LeftButton);
        mensajes.clear();
        QTest::mouseClick(v->cmdAceptar(), Qt::LeftButton);
        ASSERT_EQ(mensajes.size(), 1u);
        EXPECT_EQ(mensajes[0].texto, QString(c.texto).arg(eleccion));
        EXPECT_FALSE(cerrada);
        EXPECT_EQ(prueba::Tipo(eleccion), tipo);
        if (tipo == 'l') {
            EXPECT_EQ(prueba::Tipo(QFileInfo(eleccion).symLinkTarget()), 'c');
        }
        delete v;
        v = nullptr;
    }
}

// A file that cannot be written, chosen as the file: the failure is said with its reason in the
// user's language, and that the earlier content is unchanged only where there was one; the window
// stays open and the file as it was.
TEST_F(VentanaExportar, LoQueNoSePuedeEscribirSeDiceEnElIdiomaDelUsuario) {
    const QString fichero = carpeta.filePath("Contri.txt"), sinEscritura = carpeta.filePath("cerrada");
    ASSERT_TRUE(prueba::Escribir(fichero, "OLD") && QFile::setPermissions(fichero, QFileDevice::ReadOwner));
    ASSERT_TRUE(QDir().mkdir(sinEscritura) &&
                QFile::setPermissions(sinEscritura, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const QString largo = carpeta.filePath(QString(256, u'n'));
    const struct {
        int idioma;
        QString destino;
        int mensajes;  // the replace question first where there is a file
        const char* texto;
    } casos[] = {
        {0, fichero, 2,
         "No se ha podido escribir el fichero %1 (permiso denegado). Su contenido anterior no ha cambiado."},
        {oxalde::kDesplEuskera, fichero, 2,
         "Ezin izan da %1 fitxategia idatzi (baimena ukatu da). Aurreko edukia ez da aldatu."},
        {0, sinEscritura + "/Nuevo.txt", 1, "No se ha podido escribir el fichero %1 (permiso denegado)."},
        {oxalde::kDesplEuskera, sinEscritura + "/Nuevo.txt", 1,
         "Ezin izan da %1 fitxategia idatzi (baimena ukatu da)."},
        {0, largo, 1, "No se ha podido escribir el fichero %1 (el nombre es demasiado largo)."},
        {oxalde::kDesplEuskera, largo, 1, "Ezin izan da %1 fitxategia idatzi (izena luzeegia da)."},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto);
        const QString visto = prueba::SinSaltarPermisos([&] {
            oxalde::DesplIdioma = c.idioma;
            eleccion = c.destino;
            AbrirVentana();
            QTest::mouseClick(v->CmdSelTodos(), Qt::LeftButton);
            QTest::mouseClick(v->imgmodi(), Qt::LeftButton);
            respuesta = oxalde::vbYes;
            QTest::mouseClick(v->cmdAceptar(), Qt::LeftButton);
            return QString::number(mensajes.size()) + "|" + mensajes.back().texto + "|" + QString::number(cerrada);
        });
        EXPECT_EQ(visto.toStdString(),
                  (QString::number(c.mensajes) + "|" + QString(c.texto).arg(c.destino) + "|0").toStdString());
    }
    EXPECT_EQ(Leer(fichero), "OLD");
    EXPECT_EQ(QDir(sinEscritura).entryList(QDir::Files | QDir::Hidden), QStringList{});
}

TEST_F(VentanaExportar, NumeroQueNoCabeSeEligeYSeNombraAlAceptar) {
    // Numbers wider than 16 or 32 bits or negative, and texts in a numeric column (an old or
    // hand-edited register): the taxpayer is listed and chosen like any other, and Accept names
    // it and the field, writing nothing.
    const QString noCabe =
        "El declarante con dni-cif 22222222J tiene en el campo %1 un valor que no cabe en ese campo "
        "del fichero. No se ha exportado nada.";
    const QString noEsNumero =
        "El declarante con dni-cif 22222222J tiene en el campo %1 un valor que no es un número. "
        "No se ha exportado nada.";
    const struct {
        const char* cambio;
        const char* campo;
        const QString& texto;
    } casos[] = {
        {"T01_TELEFONO = 9430000001", "TELEFONO", noCabe},
        {"T01_CODPROV = 40000", "CODIGO PROVINCIA", noCabe},
        {"T01_CODMUN = 99999", "CODIGO MUNICIPIO", noCabe},
        {"T01_NUMERO = 1e12", "NUMERO", noCabe},
        {"T01_CODPOS = -20001", "CODIGO POSTAL", noCabe},
        {"T01_NUM732 = -1", "NUMERO DECLARACIONES 732", noCabe},
        {"T01_CODPOS = '12x'", "CODIGO POSTAL", noEsNumero},
        {"T01_NUM731 = 'NaN'", "NUMERO DECLARACIONES 731", noEsNumero},
        {"T01_TELEFONO = 'TRUE'", "TELEFONO", noEsNumero},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.cambio);
        Sql(std::string("UPDATE T01_DECLARANTES SET ") + c.cambio + " WHERE T01_DNI = '22222222J'");
        AbrirVentana();
        ASSERT_TRUE(mensajes.empty()) << mensajes[0].texto.toStdString();
        EXPECT_EQ(Columna(v->flxDeclaraciones(), 1), "11111111H,22222222J,33333333P");
        QTest::mouseClick(v->CmdSelUno(), Qt::LeftButton);
        QTest::mouseClick(v->CmdSelUno(), Qt::LeftButton);  // the wrong one
        EXPECT_EQ(Columna(v->FlxSeleccionados(), 1), "11111111H,22222222J");
        QTest::mouseClick(v->CmdSelTodos(), Qt::LeftButton);
        EXPECT_EQ(Estado(), "3 11111 3 Declarante/s seleccionado/s para exportar");
        QTest::mouseClick(v->cmdAceptar(), Qt::LeftButton);
        ASSERT_EQ(mensajes.size(), 1u);
        EXPECT_EQ(mensajes[0].texto, c.texto.arg(c.campo));
        EXPECT_FALSE(QFile::exists(carpeta.filePath("Contri.txt")));
        EXPECT_FALSE(cerrada);
        EXPECT_EQ(cExportar::Instancia().NUMCONTRIEXP(), 3);
        Sql("UPDATE T01_DECLARANTES SET T01_TELEFONO = 0, T01_CODPROV = 20, T01_CODMUN = 0, T01_NUMERO = 0, "
            "T01_CODPOS = 20001, T01_NUM731 = 0, T01_NUM732 = 0");
        delete v;
        v = nullptr;
        mensajes.clear();
    }
    // In Basque, the value that is no number.
    oxalde::DesplIdioma = oxalde::kDesplEuskera;
    Sql("UPDATE T01_DECLARANTES SET T01_CODPOS = '12x' WHERE T01_DNI = '22222222J'");
    AbrirVentana();
    QTest::mouseClick(v->CmdSelTodos(), Qt::LeftButton);
    QTest::mouseClick(v->cmdAceptar(), Qt::LeftButton);
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_EQ(mensajes[0].texto,
              "22222222J zk.ko NA/IFK duen aitortzailearen CODIGO POSTAL eremuko balioa ez da zenbaki bat. "
              "Ez da ezer esportatu.");
}

TEST_F(VentanaExportar, EnEuskera) {
    oxalde::DesplIdioma = oxalde::kDesplEuskera;
    AbrirVentana();
    v->CmdSelUno()->click();
    v->CmdSelUno()->click();
    EXPECT_EQ(Estado(), "2 11111 2 Esportatzeko hautatutako aitortzailea(k)");
    ASSERT_TRUE(prueba::Escribir(carpeta.filePath("Contri.txt"), ""));
    v->cmdAceptar()->click();
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_EQ(mensajes[0].texto, "Hautatutako fitxategia lehenagotik dago. Gainean idatzi nahi al duzu?");
    EXPECT_EQ(titulos[0], "Confirmación...");
}

}  // namespace
