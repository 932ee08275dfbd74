// The print dialog: its options, the presentation-date check, one job per copy in the right
// order, a failure mid-print, and the PDF files themselves.
#include <QApplication>
#include <QDate>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QToolButton>
#include <iostream>

#include "GarobelLib/cMiscelaneos.h"
#include "GarobelLib/registro.h"
#include "cliente/cups_prueba.h"
#include "cliente/pdf_prueba.h"
#include "cliente/prueba.h"
#include "com/com.h"
#include "controles/CajaFecha.h"
#include "controles/controles.h"
#include "form731/cDatos731.h"
#include "form732/cDatos732.h"
#include "impresion/FrmImOf.h"
#include "impresion/ImpresoraGrabadora.h"
#include "impresion/ImpresoraQt.h"
#include "impresion/cImOf.h"
#include "compartido/imagenes.h"
#include "compartido/cDecResumen.h"

using namespace oxalde;

namespace {

class Dialogo : public prueba::Principal {
protected:
    std::shared_ptr<ImpresoraGrabadora> impresora = std::make_shared<ImpresoraGrabadora>();
    vb::Long csde = 0;

    void SetUp() override {
        Principal::SetUp();
        GarobelLib_Registrar();
        EstablecerImpresora(impresora);
        Sql("INSERT INTO T01_DECLARANTES (T01_CSCO, T01_DNI, T01_NOMBRE) VALUES (7, '12345678Z', 'KELMORIAKO DENDA')");
        Sql("INSERT INTO T02_COMUNDECLA (T02_CSCO, T02_MODELO, T02_MODO, T02_FECHA, T02_EJERCICIO, T02_PERIODO, "
            "T02_TIPOLOGIA) VALUES (7, '732', 'P', 20120930, 2012, '3T', 2)");
        csde = Valor("SELECT max(T02_CSDE) FROM T02_COMUNDECLA").CLng();
        Sql("INSERT INTO T04_732DECLA (T04_CSDE, T04_TRANIF, T04_TRAPAIS, T04_SITTIB1, T04_HECHO1, T04_BASE16, "
            "T04_CUOTA16, T04_BAEQ4, T04_TOTAL) VALUES (" +
            std::to_string(csde) + ", 'B1234567', 'ORVANDIA', 'X', 'X', 123456, 25926, 0, 25926)");
        Preparar("732");
    }

    void TearDown() override {
        EstablecerImpresora(nullptr);
        Principal::TearDown();
    }

    // What the declarations window's Print command puts in before it opens the dialog.
    void Preparar(const QString& modelo) {
        auto& o = cImOf::Instancia();
        o.CSCO(7), o.CSDE(csde), o.Modelo(modelo), o.MODOP("P"), o.PERIODO("3T");
        auto& r = cDecResumen::Instancia();
        r.Modelo(modelo), r.MODOP("P"), r.Ejercicio(2012), r.PERIODO("3T"), r.FECHA(20120930);
    }

    void Idioma(bool euskera) {
        DesplIdioma = euskera ? kDesplEuskera : 0;
        cFecha::Instancia().fecidioma(euskera ? "E" : "C");
    }

    // The copy stamp a printed PDF page carries, known by its picture's size.
    static QString SelloPdf(const QString& pdf) {
        for (QSize s : prueba::ImagenesPdf(pdf))
            for (auto [nombre, tamano] : {std::pair{"Borrador", QSize(17, 295)}, {"Administracion", QSize(16, 344)},
                                          {"Informatica", QSize(18, 280)}})
                if (s == tamano * 4) return QString(nombre);
        return QString();
    }

    // The stamps of the pages sent, in order.
    QStringList Sellos() const {
        QStringList r;
        QString ultimo;
        for (const Llamada& l : impresora->llamadas) {
            if (l.op == "Picture") ultimo = l.texto;
            if (l.op == "EndDoc") r << ultimo;
        }
        return r;
    }
};

TEST_F(Dialogo, OpcionesBorradorYCopias) {
    FrmImOf d;
    EXPECT_TRUE(d.optTipoImpreso(0)->isChecked() && d.chkCopiaAdministracion()->isChecked() &&
                d.chkCopiaInformatica()->isChecked());
    EstablecerOpcion(d.optTipoImpreso(1));
    EXPECT_EQ(cImOf::Instancia().TIPOIMP(), "B");
    EXPECT_FALSE(d.chkCopiaAdministracion()->isChecked() || d.chkCopiaInformatica()->isChecked() ||
                 d.chkCopiaAdministracion()->isEnabled());
    EXPECT_TRUE(d.btnAceptar()->isEnabled());

    EstablecerOpcion(d.optTipoImpreso(0));
    EXPECT_TRUE(d.chkCopiaAdministracion()->isChecked() && d.chkCopiaInformatica()->isChecked());
    EstablecerCasilla(d.chkCopiaAdministracion(), false);
    EXPECT_TRUE(d.btnAceptar()->isEnabled());
    EstablecerCasilla(d.chkCopiaInformatica(), false);
    EXPECT_EQ(cImOf::Instancia().COPIAINF() + cImOf::Instancia().COPIAADM(), "");
    EXPECT_FALSE(d.btnAceptar()->isEnabled() || d.PicAce()->isEnabled());
    EXPECT_EQ(d.PicAce()->icon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32),
              ImgBotones(12).toImage().convertToFormat(QImage::Format_ARGB32));
}

TEST_F(Dialogo, FechaDePresentacion) {
    // An accepted date goes into the options with no message; a refused one leaves them alone.
    const QString anterior = "La Fecha de presentación no puede ser anterior al 01/01/2002";
    const std::tuple<bool, QString, QString> casos[] = {
        {false, "01/01/2002", ""}, {false, "31/12/2001", anterior}, {false, "", anterior},
        {false, "31/02/2010", "La Fecha de presentación introducida no es correcta"}, {true, "2002/01/01", ""},
        {true, "2001/12/31", "Aurkezpen data ezin da 2002/01/01 baino lehenagokoa izan"},
        {true, "2010/02/31", "Aurkezpen data okerra da"}};
    for (const auto& [euskera, texto, mensaje] : casos) {
        Idioma(euskera);
        FrmImOf d;
        mensajes.clear(), titulos.clear();
        cImOf::Instancia().FECHAPRE(1);
        d.txtFechaPresentacion()->Text(texto);
        EXPECT_EQ(d.ValidarFechaPresentacion(), !mensaje.isEmpty()) << texto.toStdString();
        EXPECT_EQ(cImOf::Instancia().FECHAPRE(), mensaje.isEmpty() ? 20020101 : 1) << texto.toStdString();
        ASSERT_EQ(mensajes.size(), mensaje.isEmpty() ? 0u : 1u) << texto.toStdString();
        if (mensaje.isEmpty()) continue;
        EXPECT_TRUE(mensajes[0].texto == mensaje && mensajes[0].estilo == vbExclamation)
            << mensajes[0].texto.toStdString();
        EXPECT_EQ(titulos[0], euskera ? "Akatsa egon da datuak sartzen" : "Error en la Introducción de Datos");
    }
}

TEST_F(Dialogo, SinImpresorasNiSeMiraLaFecha) {
    impresora->impresoras = false;
    FrmImOf d;
    d.setWindowTitle("Imprimir");
    d.txtFechaPresentacion()->Text("31/02/2010");
    d.btnAceptar_Click();
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_EQ(mensajes[0].texto, "No es posible imprimir. No hay impresoras instaladas.");
    EXPECT_TRUE(mensajes[0].estilo == vbInformation && titulos[0] == "Imprimir");
    EXPECT_TRUE(impresora->llamadas.empty() && d.result() == 0);
}

TEST_F(Dialogo, ElModelo731SeImprimeCopiaACopiaSinTocarElOtroRegistro) {
    Sql("INSERT INTO T02_COMUNDECLA (T02_CSCO, T02_MODELO, T02_MODO, T02_FECHA, T02_EJERCICIO, T02_PERIODO, "
        "T02_TIPOLOGIA) VALUES (7, '731', 'P', 20120930, 2012, '3T', 1)");
    csde = Valor("SELECT max(T02_CSDE) FROM T02_COMUNDECLA").CLng();
    Sql("INSERT INTO T03_731DECLA (T03_CSDE, T03_BASE16, T03_RESUL, T03_CC) VALUES (" + std::to_string(csde) +
        ", 100000, 5200, 'KE2012345678901234567890')");
    Preparar("731");
    cDatos732::Instancia().CSDE(999);
    FrmImOf d;
    d.btnAceptar_Click();
    EXPECT_EQ(Sellos(), (QStringList{"Administracion", "Informatica"}));
    EXPECT_TRUE(impresora->Textos().contains("1.000,00") && impresora->Textos().contains("KELMORIAKO DENDA"));
    EXPECT_EQ(cDatos732::Instancia().CSDE(), 999);
    EXPECT_TRUE(mensajes.empty() && d.result() == QDialog::Accepted);
}

// The outside component fails from its n-th creation on: the letterhead of that copy fails.
class ComponenteQueFalla : public GarobelLib::cMiscelaneos {
public:
    std::string ErarioTributos() override { throw vb::Error(429, "GarobelLib", "component gone"); }
};

TEST_F(Dialogo, UnFalloAMitadSeAvisaYElDialogoSigueAbierto) {
    int creados = 0;
    com::RegistroTemporal falla("GarobelLib.cMiscelaneos", [&creados]() -> std::shared_ptr<com::Object> {
        if (++creados >= 2) return std::make_shared<ComponenteQueFalla>();
        return std::make_shared<GarobelLib::cMiscelaneos>();
    });
    FrmImOf d;
    d.btnAceptar_Click();
    EXPECT_EQ(Sellos(), QStringList{"Administracion"});
    EXPECT_EQ(impresora->llamadas.back().op, "KillDoc");
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_TRUE(mensajes[0].texto.contains("component gone") &&
                mensajes[0].texto.contains("Copias ya impresas: 1 de 2"))
        << mensajes[0].texto.toStdString();
    EXPECT_TRUE(mensajes[0].estilo == vbExclamation && titulos[0] == d.windowTitle());
    EXPECT_TRUE(d.result() == 0 && QApplication::overrideCursor() == nullptr);
}

TEST_F(Dialogo, UnFalloAlCargarAlDeclaranteNoImprimeNada) {
    FrmImOf d;
    RutaBDModificable = carpeta.filePath("no-existe.mdb");
    d.btnAceptar_Click();
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_TRUE(mensajes[0].texto.contains("Copias ya impresas: 0 de 2")) << mensajes[0].texto.toStdString();
    EXPECT_TRUE(impresora->llamadas.empty() && d.result() == 0 && QApplication::overrideCursor() == nullptr);
}

TEST_F(Dialogo, BotonDeLaBarraMientrasEstaAbiertoYVueltaALasDeclaraciones) {
    MDI7312& principal = Abrir();
    alModal = [&](QDialog&) {
        EXPECT_TRUE(principal.Boton(6)->isVisible());
        EXPECT_EQ(principal.Boton(6)->toolTip(), "Opciones Impresora");
        EXPECT_FALSE(principal.Entrada("mnuDeclarante")->isEnabled());
        return int(QDialog::Rejected);
    };
    MostrarFrmImOf();
    QCoreApplication::processEvents();
    EXPECT_EQ(modales, std::vector<QString>{"FrmImOf"});
    EXPECT_TRUE(!principal.Boton(6)->isVisible() && cDecResumen::Instancia().ENTRADA() == "P");
    QMdiSubWindow* activa = principal.Area()->activeSubWindow();
    ASSERT_NE(activa, nullptr);
    EXPECT_EQ(activa->widget()->objectName(), "FrmDecResumen");
}

TEST_F(Dialogo, ArchivosPdf) {
    QTemporaryDir carpeta;
    carpeta.setAutoRemove(!qEnvironmentVariableIsSet("OXALDE_CONSERVAR_PDF"));
    if (!carpeta.autoRemove()) std::cout << "PDF: " << carpeta.path().toStdString() << std::endl;
    EstablecerImpresora(std::make_shared<ImpresoraQt>(ImpresoraQt::Pdf, carpeta.path()));
    const auto archivos = [&] { return QDir(carpeta.path()).entryList(QDir::Files, QDir::Name); };
    const auto sello = [&](const QString& archivo) { return SelloPdf(carpeta.filePath(archivo)); };
    // Each choice of copies as its jobs, in order: one file per copy, known by its stamp.
    const std::pair<std::function<void(FrmImOf&)>, QStringList> pasos[] = {
        {[](FrmImOf& d) { EstablecerOpcion(d.optTipoImpreso(1)); }, {"Borrador"}},
        {[](FrmImOf& d) { d.txtFechaPresentacion()->Text("15/03/2012"); }, {"Administracion", "Informatica"}},
        {[](FrmImOf& d) { EstablecerCasilla(d.chkCopiaAdministracion(), false); }, {"Informatica"}},
        {[](FrmImOf& d) { EstablecerCasilla(d.chkCopiaInformatica(), false); }, {"Administracion"}},
        // An early presentation date: its message, and no file.
        {[](FrmImOf& d) { d.txtFechaPresentacion()->Text("31/12/2001"); }, {}}};
    cDatos731::Instancia().CSDE(999);
    for (const auto& [elegir, sellos] : pasos) {
        const int antes = archivos().size();
        FrmImOf d;
        elegir(d);
        d.btnAceptar_Click();
        ASSERT_EQ(archivos().size(), antes + sellos.size()) << sellos.join(' ').toStdString();
        for (int i = 0; i < sellos.size(); ++i) EXPECT_EQ(sello(archivos()[antes + i]), sellos[i]);
        EXPECT_EQ(d.result(), sellos.isEmpty() ? 0 : int(QDialog::Accepted));
    }
    // An untouched date box gives today's date; a form-732 printout leaves the form-731 record alone.
    EXPECT_EQ(cImOf::Instancia().FECHAPRE(), QDate::currentDate().toString("yyyyMMdd").toInt());
    EXPECT_EQ(cDatos731::Instancia().CSDE(), 999);
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_EQ(mensajes[0].texto, "La Fecha de presentación no puede ser anterior al 01/01/2002");

    const QString pagina = carpeta.filePath("trabajo-002.pdf");
    EXPECT_EQ(prueba::Paginas(pagina), 1);
    for (const QString& f : prueba::FuentesPdf(pagina)) EXPECT_TRUE(f.startsWith("Liberation")) << f.toStdString();
    const auto palabras = prueba::Palabras(pagina);
    auto buscar = [&](const QString& texto) {
        for (const prueba::Palabra& p : palabras)
            if (p.texto == texto) return p;
        ADD_FAILURE() << "not in the PDF: " << texto.toStdString();
        return prueba::Palabra{};
    };
    constexpr double kTol = 0.8;
    for (auto [texto, x] : {std::pair{"2012", 64.}, {"3T", 125.}, {"21%", 100.}, {"5.2%", 100.}})
        EXPECT_NEAR(buscar(texto).x1, x, kTol) << texto;
    EXPECT_NEAR(buscar("1.234,56").x2, 90, kTol);
    EXPECT_NEAR(buscar("1.234,56").y1, 198.5, kTol);
    EXPECT_NEAR(buscar("2012/03/15ean").y1, buscar("sinadura").y1, 0.2);
    EXPECT_NEAR((buscar("12345678Z").x1 + buscar("12345678Z").x2) / 2, 24, kTol);
    // Zero amounts print nothing; the total is printed once.
    int total = 0;
    for (const prueba::Palabra& p : palabras) {
        EXPECT_NE(p.texto, "0,00");
        total += p.texto == "259,26";
    }
    EXPECT_EQ(total, 2);  // the quota and the total
}

TEST_F(Dialogo, AspectoEnAmbosIdiomas) {
    for (bool euskera : {false, true}) {
        Idioma(euskera);
        FrmImOf d;
        d.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
        EXPECT_EQ(d.windowTitle(), euskera ? "Imprimatu" : "Imprimir");
        EXPECT_EQ(d.txtFechaPresentacion()->Text(),
                  QDate::currentDate().toString(euskera ? "yyyy/MM/dd" : "dd/MM/yyyy"));
        // Every caption fits its control.
        for (QWidget* w : {static_cast<QWidget*>(d.chkCopiaAdministracion()), static_cast<QWidget*>(d.btnAceptar())})
            EXPECT_GE(w->width(), w->sizeHint().width());
        if (const QString carpeta = qEnvironmentVariable("OXALDE_CAPTURAS"); !carpeta.isEmpty())
            d.grab().save(QStringLiteral("%1/impresion_%2.png").arg(carpeta, euskera ? "eu" : "es"));
    }
}

// The dialog on the system's printer, a real print server of the test's own: a copy counts as
// printed only when the server took its job; a queue that refuses jobs is reported in the
// program's language with the copies already printed, and the dialog stays open.
class DialogoCups : public Dialogo {
protected:
    static inline std::unique_ptr<prueba::ServidorCups> servidor;

    static void SetUpTestSuite() { servidor = std::make_unique<prueba::ServidorCups>(); }
    static void TearDownTestSuite() { servidor.reset(); }

    void SetUp() override {
        Dialogo::SetUp();
        if (!servidor->Motivo().isEmpty()) GTEST_SKIP() << "no print server: " << servidor->Motivo().toStdString();
        EstablecerImpresora(std::make_shared<ImpresoraQt>(ImpresoraQt::Sistema));
    }
};

TEST_F(DialogoCups, UnaCopiaCuentaSoloSiLaColaLaAcepta) {
    struct Caso {
        bool euskera;
        int rechazaDesde;  // the copy from which the queue refuses jobs; 0: it takes them all
        QStringList impresas;
        QString mensaje;
    };
    const Caso casos[] = {
        {false, 0, {"Administracion", "Informatica"}, ""},
        {false, 1, {},
         "Se ha producido un error al imprimir:\nLa impresora no acepta trabajos en este momento.\n"
         "Copias ya impresas: 0 de 2"},
        {true, 2, {"Administracion"},
         "Errore bat gertatu da inprimatzean:\nInprimagailuak ez du lanik onartzen une honetan.\n"
         "Inprimatutako aleak: 1 / 2"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.mensaje.toStdString());
        Idioma(c.euskera);
        mensajes.clear();
        ASSERT_TRUE(servidor->Rechazar(c.rechazaDesde == 1));
        // Each copy creates the letterhead's component once: the queue starts refusing just
        // before the copy `rechazaDesde` is drawn.
        int creados = 0;
        com::RegistroTemporal contador("GarobelLib.cMiscelaneos", [&]() -> std::shared_ptr<com::Object> {
            if (++creados == c.rechazaDesde && creados > 1) {
                EXPECT_TRUE(servidor->Rechazar(true));
            }
            return std::make_shared<GarobelLib::cMiscelaneos>();
        });
        const int antes = servidor->Trabajos();
        const QStringList previos = servidor->Impresos(antes);
        FrmImOf d;
        d.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
        QTest::mouseClick(d.btnAceptar(), Qt::LeftButton);

        const QStringList impresos = servidor->Impresos(antes + c.impresas.size()).mid(previos.size());
        QStringList sellos;
        for (const QString& pdf : impresos) sellos << SelloPdf(pdf);
        EXPECT_EQ(sellos, c.impresas);
        EXPECT_EQ(servidor->Trabajos(), antes + c.impresas.size());  // a refused copy leaves no job
        if (c.mensaje.isEmpty()) {
            EXPECT_TRUE(mensajes.empty());
            EXPECT_TRUE(!d.isVisible() && d.result() == QDialog::Accepted);
        } else {
            ASSERT_EQ(mensajes.size(), 1u);
            EXPECT_EQ(mensajes[0].texto, c.mensaje);
            EXPECT_TRUE(mensajes[0].estilo == vbExclamation && titulos.back() == d.windowTitle());
            EXPECT_TRUE(d.isVisible() && d.result() == 0);
        }
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
    EXPECT_TRUE(servidor->Rechazar(false));
}

}  // namespace
