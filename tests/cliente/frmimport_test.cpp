#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QToolButton>
#include <functional>

#include "cliente/ficheros_prueba.h"
#include "cliente/prueba.h"
#include "compartido/etiqueta_ruta.h"
#include "intercambio/dialogo_fichero.h"
#include "intercambio/frmimport.h"
#include "principal/MDI7312.h"

namespace {

using oxalde::frmimport;

using prueba::Escribir;
using prueba::Leer;
using prueba::LineaValida;

class VentanaImportar : public prueba::Principal {
protected:
    frmimport* v = nullptr;
    std::vector<oxalde::DialogoFichero> dialogos;
    QString eleccion;

    void SetUp() override {
        Principal::SetUp();
        oxalde::EstablecerElectorFichero([this](const oxalde::DialogoFichero& d) {
            dialogos.push_back(d);
            return eleccion;
        });
        Sql("INSERT INTO T01_DECLARANTES (T01_DNI, T01_NOMBRE) VALUES ('11111111H', 'VIEJO')");
        Abrir();
        Reabrir();
    }
    void TearDown() override {
        oxalde::EstablecerElectorFichero({});
        Principal::TearDown();
    }
    // The window opened afresh in the main window's frame, in the language set.
    void Reabrir() {
        if (v) {
            v->Descargar();
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        v = new frmimport;
        ventana->MostrarHija(v);
    }
    void Pulsar(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
    // The five counters, then whether Accept is offered, the file can be chosen and the error
    // file is shown.
    QString Estado() const {
        QStringList l;
        for (int i = 0; i < 5; ++i) l << v->Valor(i)->text();
        auto b = [](bool x) { return x ? '1' : '0'; };
        return l.join(' ') + " | " + b(v->cmdace()->isVisible()) + b(v->imgmodi()->isEnabled()) +
               b(v->FraErrores()->isVisible());
    }
};

TEST_F(VentanaImportar, ImportaPreguntaYTermina) {
    const QString ruta = carpeta.filePath("Contri.txt");
    EXPECT_EQ(v->txtruta()->text(), ruta);
    EXPECT_EQ(Estado(), "0 0 0 0 0 | 110");
    ASSERT_TRUE(Escribir(ruta, LineaValida("12345678Z", "NUEVO") + "\r\n" + LineaValida("11111111H", "OTRO") + "\n" +
                                   "CORTA\n"));
    respuesta = oxalde::vbNo;
    Pulsar(v->cmdace());
    EXPECT_EQ(Estado(), "3 1 1 0 1 | 001");
    EXPECT_EQ(v->cmdcan()->text(), "&Salir");
    ASSERT_EQ(mensajes.size(), 2u);
    EXPECT_EQ(mensajes[0].texto,
              "El declarante con dni-cif 11111111H ya existe \n¿Está seguro que desea sustituirlo?");
    EXPECT_EQ(mensajes[0].estilo, oxalde::vbYesNo | oxalde::vbQuestion | oxalde::vbDefaultButton2);
    EXPECT_EQ(titulos[0], "Importación de declarantes");
    EXPECT_EQ(mensajes[1].texto, "Hay 1 declarante erroneo");
    EXPECT_EQ(v->lblError2()->text(), carpeta.filePath("Errores.txt"));  // the name as written
    EXPECT_TRUE(QFile::exists(v->lblError2()->text()));
    EXPECT_EQ(Valor("SELECT T01_NOMBRE FROM T01_DECLARANTES WHERE T01_DNI = '11111111H'").CStr(), "VIEJO");
}

// In Basque the question leads with the taxpayer's number.
TEST_F(VentanaImportar, LaPreguntaDeSustituirEnEuskera) {
    oxalde::DesplIdioma = oxalde::kDesplEuskera;
    Reabrir();
    ASSERT_TRUE(Escribir(carpeta.filePath("Contri.txt"), LineaValida("11111111H", "OTRO") + "\r\n"));
    respuesta = oxalde::vbNo;
    Pulsar(v->cmdace());
    EXPECT_EQ(Estado(), "1 0 0 0 1 | 000");
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_EQ(mensajes[0].texto,
              "11111111H zk.ko NA/IFK duen aitortzailea lehenagotik dago \nZiur al zaude ordeztu nahi duzula?");
}

TEST_F(VentanaImportar, AutomaticoEnEuskeraYSinErrores) {
    oxalde::DesplIdioma = oxalde::kDesplEuskera;
    v->Anadir_captions();
    ASSERT_TRUE(Escribir(carpeta.filePath("Contri.txt"), LineaValida("11111111H", "OTRO") + "\r\n"));
    QTest::mouseClick(v->chkauto(), Qt::LeftButton, {}, QPoint(6, v->chkauto()->height() / 2));  // on its box
    Pulsar(v->cmdace());
    EXPECT_EQ(Estado(), "1 1 0 1 0 | 000");
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_EQ(mensajes[0].texto + "|" + titulos[0], "Zure datuak behar bezala inportatu dira|");
}

TEST_F(VentanaImportar, ElegirFicheroYFicheroQueFalta) {
    const QString antes = v->txtruta()->text();
    Pulsar(v->imgmodi());  // cancelled
    ASSERT_EQ(dialogos.size(), 1u);
    EXPECT_EQ(dialogos[0].nombre, "Contri.txt");
    EXPECT_EQ(dialogos[0].carpeta, carpeta.path() + "/");
    EXPECT_EQ(v->txtruta()->text(), antes);
    eleccion = carpeta.filePath("otro.txt");
    Pulsar(v->imgmodi());
    EXPECT_EQ(v->txtruta()->text(), eleccion);
    EXPECT_EQ(v->txtruta()->toolTip(), eleccion);
    Pulsar(v->cmdace());
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_EQ(mensajes[0].texto, "No existe el fichero que se desea importar");
    EXPECT_EQ(Estado(), "0 0 0 0 0 | 110");  // still ready
}

// A path longer than the window is wide: the notice stays inside the main window's area and shows
// the end of the path, the file's name, behind an ellipsis; the tooltip holds it whole.
TEST_F(VentanaImportar, RutaLargaMuestraElNombreDelFichero) {
    const QString sub = QString("carpeta-de-un-nombre-bastante-largo/").repeated(8);
    ASSERT_TRUE(QDir(carpeta.path()).mkpath(sub));
    eleccion = carpeta.filePath(sub + "Contri.txt");
    ASSERT_TRUE(Escribir(eleccion, "CORTA\r\n"));
    Pulsar(v->imgmodi());
    Pulsar(v->cmdace());
    QCoreApplication::processEvents();
    const QString errores = carpeta.filePath(sub + "Errores.txt");
    const oxalde::EtiquetaRuta* aviso = v->lblError2();
    ASSERT_TRUE(aviso->isVisible());
    EXPECT_EQ(aviso->text(), errores);
    EXPECT_EQ(aviso->toolTip(), errores);
    const QString visto = aviso->TextoMostrado();
    EXPECT_TRUE(visto.startsWith(QChar(0x2026)) && visto.endsWith("/Errores.txt")) << visto.toStdString();
    EXPECT_LE(aviso->fontMetrics().horizontalAdvance(visto), aviso->contentsRect().width());
    const QWidget* area = ventana->Area()->viewport();
    const QRect enArea(aviso->mapTo(area, QPoint(0, 0)), aviso->size());
    EXPECT_TRUE(area->rect().contains(enArea)) << enArea.right() << " > " << area->width();
}

// Every kind of import, in both languages: all lines good, wrong lines (the error notice appears
// and the frame grows to show it), and the error file itself chosen (refused as a file opened
// twice and left whole, the window still ready). Every caption, value and notice shows whole.
TEST_F(VentanaImportar, CadaImportacionSeVeEnteraEnLosDosIdiomas) {
    const QByteArray buena = LineaValida("12345678Z", "NUEVO") + "\r\n";
    const struct {
        const char* fichero;
        QByteArray datos;
        const char* estado;
        const char* mensaje[2];
    } casos[] = {
        {"Contri.txt", buena, "1 1 0 0 0 | 000",
         {"Sus datos han sido importados correctamente", "Zure datuak behar bezala inportatu dira"}},
        {"Contri.txt", buena + "CORTA\r\nCORTA\r\n", "3 1 2 0 0 | 001",
         {"Hay 2 declarantes erroneos", "2 aitortzaile okerrak dira"}},
        {"Errores.txt", buena, "0 0 0 0 0 | 110",
         {"El fichero ya está abierto", "Fitxategia irekita dago jadanik"}},
    };
    for (int idioma : {0, 1}) {
        for (const auto& c : casos) {
            SCOPED_TRACE(std::string(c.fichero) + " " + c.estado + (idioma ? " eu" : " es"));
            oxalde::DesplIdioma = idioma * oxalde::kDesplEuskera;
            Reabrir();
            Sql("DELETE FROM T01_DECLARANTES WHERE T01_DNI = '12345678Z'");
            eleccion = carpeta.filePath(c.fichero);
            ASSERT_TRUE(Escribir(eleccion, c.datos));
            Pulsar(v->imgmodi());
            mensajes.clear();
            Pulsar(v->cmdace());
            QCoreApplication::processEvents();
            EXPECT_EQ(Estado(), c.estado);
            ASSERT_EQ(mensajes.size(), 1u);
            EXPECT_EQ(mensajes[0].texto, c.mensaje[idioma]);
            if (QLatin1String(c.fichero) == QLatin1String("Errores.txt")) {
                EXPECT_EQ(Leer(eleccion), c.datos);
            }
            for (const QLabel* l : v->findChildren<QLabel*>()) {
                if (!l->isVisible() || l->text().isEmpty()) continue;
                const QRect caja = l->contentsRect();
                const QSize texto =
                    l->fontMetrics().boundingRect(caja, int(l->alignment()) | Qt::TextShowMnemonic, l->text()).size();
                EXPECT_TRUE(texto.width() <= caja.width() && texto.height() <= caja.height())
                    << '"' << l->text().toStdString() << "\" needs " << texto.width() << "x" << texto.height()
                    << ", has " << caja.width() << "x" << caja.height();
            }
        }
    }
}

// A pipe no program writes to, or a link to an endless device, chosen as the file to import:
// Accept refuses it at once, naming it in the user's language, and the window stays ready.
TEST_F(VentanaImportar, UnaTuberiaOUnDispositivoSeRechazanSinColgarLaVentana) {
    const prueba::Plazo plazo(30);
    const prueba::CasoNoFichero casos[] = {
        {0, "Contri.txt", prueba::Tuberia,
         "ERROR Nº: 75: \"%1\" no es un fichero normal, sino una tubería con nombre (FIFO): "
         "no se ha importado nada."},
        {1, "cero.txt", [](const QString& r) { return QFile::link("/dev/zero", r); },
         "ERROR Nº: 75: \"%1\" ez da fitxategi arrunta, gailu bat baizik: ez da ezer inportatu."},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nombre);
        oxalde::DesplIdioma = c.idioma * oxalde::kDesplEuskera;
        Reabrir();
        eleccion = carpeta.filePath(c.nombre);
        ASSERT_TRUE(c.crear(eleccion));
        Pulsar(v->imgmodi());
        mensajes.clear();
        Pulsar(v->cmdace());
        EXPECT_EQ(Estado(), "0 0 0 0 0 | 110");
        ASSERT_EQ(mensajes.size(), 1u);
        EXPECT_EQ(mensajes[0].texto, QString(c.texto).arg(eleccion));
    }
}

}  // namespace
