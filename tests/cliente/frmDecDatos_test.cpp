// The taxpayer entry window inside the main window: its opening, the look-up lists, the box
// handlers, the checks and the save, the hand-over and every way of cancelling.
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

#include "cliente/ventana_prueba.h"
#include "controles/Pindaro.h"
#include "controles/controles.h"
#include "registro/FrmDecResumen.h"
#include "registro/cDecDatos.h"
#include "compartido/cDecResumen.h"
#include "registro/frmDecDatos.h"

using namespace oxalde;

namespace {

using prueba::Pulsar;

class Datos : public prueba::ConVentana<frmDecDatos, QLineEdit> {
protected:
    frmDecDatos& Nuevo() {
        if (!ventana) Abrir();
        ventana->mnuNuevoDeclarante_Click();
        return Buscar();
    }

    frmDecDatos& Existente(vb::Long csco) {
        if (!ventana) Abrir();
        cDecDatos::Instancia().MODO("C");
        cDecDatos::Instancia().CSCO(csco);
        ventana->MostrarHija(new frmDecDatos);
        return Buscar();
    }

    frmDecDatos& Buscar() {
        w = Hija<frmDecDatos>("frmDecDatos");
        EXPECT_NE(w, nullptr);
        QCoreApplication::processEvents();
        return *w;
    }

    void Tecla(QWidget* destino, Qt::Key tecla) {
        QTest::keyClick(destino, tecla);
        QCoreApplication::processEvents();
    }

    // A new taxpayer that passes every check.
    void Rellenar(const QString& dni) {
        Teclear("txtdni", dni);
        Teclear("txtnombre", "BEA");
        Teclear("txtdomicilio", "NAGUSIA");
        Teclear("txtcodpos", "20001");
        Teclear("txtcodmun", "79");
    }

    bool Cerrada() {
        QCoreApplication::processEvents();
        return Hija("frmDecDatos") == nullptr;
    }
};

TEST_F(Datos, UnNuevoDeclaranteAbreConCLYLaProvinciaDeCasa) {
    Nuevo();
    EXPECT_EQ(C("txtvia")->text(), "CL");
    EXPECT_EQ(C("txtviaaux")->text(), "CALLE");
    EXPECT_EQ(C("txtcodprov")->text(), "20");
    EXPECT_EQ(C("txtnomprov")->text(), "KELMORIA");
    EXPECT_FALSE(C("txtcodmun")->isReadOnly());
    EXPECT_TRUE(C("txtnommun")->isReadOnly());
    EXPECT_TRUE(C<QPushButton>("cmdMunicipio")->isEnabled());
    EXPECT_FALSE(w->DatosModificados());
    EXPECT_EQ(Foto(*ventana), "mnu=00 bot=00010 imp=0 d=0000");
}

TEST_F(Datos, TitulosEnLosDosIdiomas) {
    for (auto [idioma, titulo, provincia] : {std::tuple{0, "Datos del declarante", "Provincia ..."},
                                             {kDesplEuskera, "Aitortzailearen datuak", "Probintzia ..."}}) {
        DesplIdioma = idioma;
        Nuevo();
        EXPECT_EQ(w->windowTitle(), titulo);
        EXPECT_EQ(C<QPushButton>("cmdProvincia")->text(), provincia);
        w->parentWidget()->close();
        QCoreApplication::processEvents();
    }
}

TEST_F(Datos, TipoDeViaPorCodigoOPorLaLista) {
    Nuevo();
    const cDecDatos& d = cDecDatos::Instancia();
    Teclear("txtvia", "av");
    EXPECT_EQ(d.VIA(), "AV");
    EXPECT_EQ(C("txtviaaux")->text(), "AVENIDA");
    Teclear("txtvia", "cl");
    EXPECT_EQ(C("txtvia")->text(), "CL");
    EXPECT_EQ(C("txtviaaux")->text(), "CALLE");

    // An unknown code opens the list over a window that is off; Esc puts the record back.
    Teclear("txtvia", "zz");
    auto* lista = C<QListWidget>("lstvia");
    EXPECT_TRUE(lista->isVisible());
    EXPECT_FALSE(C<QFrame>("fraDatos")->isEnabled());
    EXPECT_EQ(d.VIA(), "CL");
    Tecla(lista, Qt::Key_Escape);
    EXPECT_FALSE(lista->isVisible());
    EXPECT_TRUE(C<QFrame>("fraDatos")->isEnabled());
    EXPECT_EQ(C("txtvia")->text(), "CL");
    EXPECT_EQ(C("txtviaaux")->text(), "CALLE");
    EXPECT_EQ(QApplication::focusWidget(), C("txtvia"));
}

TEST_F(Datos, OtraProvinciaCambiaLasCajasDelMunicipio) {
    Nuevo();
    const cDecDatos& d = cDecDatos::Instancia();
    Teclear("txtcodmun", "79");
    EXPECT_EQ(C("txtnommun")->text(), "KELMORIA");
    EXPECT_EQ(d.CODMUN(), "79");
    Teclear("txtcodprov", "1");
    EXPECT_EQ(d.CODPROV(), "01");
    EXPECT_EQ(d.NOMPROV(), "PROVINCIA ABRELDA");
    EXPECT_EQ(d.CODMUN(), "");
    EXPECT_TRUE(C("txtcodmun")->isReadOnly());
    EXPECT_FALSE(C("txtnommun")->isReadOnly());
    EXPECT_FALSE(C<QPushButton>("cmdMunicipio")->isEnabled());

    // An unknown code opens the list; province 48 is chosen there with Enter.
    Teclear("txtcodprov", "99");
    auto* lista = C<QListWidget>("lstcodprov");
    ASSERT_TRUE(lista->isVisible());
    EXPECT_EQ(d.CODPROV(), "01");
    for (int i = 0; i < lista->count(); ++i)
        if (lista->item(i)->data(Qt::UserRole) == "c48") lista->setCurrentRow(i);
    Tecla(lista, Qt::Key_Return);
    EXPECT_FALSE(lista->isVisible());
    EXPECT_EQ(d.CODPROV(), "48");
    EXPECT_EQ(C("txtnomprov")->text(), "PROVINCIA ESTERVIA");
    EXPECT_FALSE(C<QPushButton>("cmdMunicipio")->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), C("txtcodpos"));
    EXPECT_TRUE(w->DatosModificados());
}

TEST_F(Datos, ListasSinCoincidenciaOSinElegidoNoFallan) {
    Nuevo();
    // A name that begins no item leaves the list on its first item.
    C("txtnomprov")->setText("ZZZ");
    C<QPushButton>("cmdProvincia")->click();
    auto* lista = C<QListWidget>("lstcodprov");
    EXPECT_EQ(lista->currentRow(), 0);
    // Enter with nothing chosen does nothing.
    lista->setCurrentItem(nullptr);
    Tecla(lista, Qt::Key_Return);
    EXPECT_TRUE(lista->isVisible());
    EXPECT_EQ(cDecDatos::Instancia().CODPROV(), "20");
    Tecla(lista, Qt::Key_Escape);
    EXPECT_EQ(C("txtnomprov")->text(), "KELMORIA");

    // An empty municipality code opens the list on every leave.
    for (int vez = 0; vez < 2; ++vez) {
        Teclear("txtcodmun", "");
        EXPECT_TRUE(C<QListWidget>("lstcodmun")->isVisible());
        Tecla(C<QListWidget>("lstcodmun"), Qt::Key_Escape);
    }
}

TEST_F(Datos, FiltrosDeTeclas) {
    Nuevo();
    Teclear("txtnombre", "ñandú@#'x");
    EXPECT_EQ(C("txtnombre")->text(), "ÑANDX");
    Teclear("txttelefono", "94a12");
    EXPECT_EQ(C("txttelefono")->text(), "9412");
    C("txtdomicilio")->setFocus();
    C("txtdomicilio")->insert("o'donnell");
    EXPECT_EQ(C("txtdomicilio")->text(), "ODONNELL");
    // Over the whole telephone, selected on entry, a refused key or paste keeps it.
    Teclear("txttelefono", "943112233");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);  // back from Accept
    prueba::Pausa();
    ASSERT_EQ(QApplication::focusWidget(), C("txttelefono"));
    ASSERT_EQ(C("txttelefono")->selectedText(), "943112233");
    Pulsar(C("txttelefono"), "a");
    prueba::Pegar("-");
    prueba::Salir();
    EXPECT_EQ(C("txttelefono")->text() + "|" + cDecDatos::Instancia().TELEFONO(), "943112233|943112233");
}

TEST_F(Datos, CadaReglaFallidaDaSuMensajeYSuCaja) {
    struct Caso {
        const char *dni, *codpos;
        const char* mensaje;
        const char* caja;
    };
    const Caso casos[] = {
        {"12345678A", "20001", "El campo DNI-CIF es erróneo o carece de dígito de control.", "txtdni"},
        {"11111111H", "48001", "El Código de Provincia y el Código Postal no coinciden", "txtcodpos"},
        {"11111111H", "20000",
         "Los tres últimos dígitos del Código Postal deben ser distintos de cero.", "txtcodpos"},
    };
    for (const Caso& c : casos) {
        Nuevo();
        Rellenar(c.dni);
        Teclear("txtcodpos", c.codpos);
        mensajes.clear();
        QTest::mouseClick(C<QPushButton>("cmdAceptar"), Qt::LeftButton);
        ASSERT_EQ(mensajes.size(), 1u) << c.codpos;
        EXPECT_EQ(mensajes[0].texto, c.mensaje);
        EXPECT_EQ(mensajes[0].estilo, vbOKOnly | vbExclamation);
        EXPECT_EQ(titulos[0], "Datos del declarante");
        EXPECT_EQ(QApplication::focusWidget(), C(c.caja));
        EXPECT_FALSE(Cerrada());
        w->parentWidget()->close();
        QCoreApplication::processEvents();
    }
}

TEST_F(Datos, UnNuevoDeclaranteSeGuardaYAbreSusDeclaraciones) {
    Nuevo();
    Rellenar("11111111H");
    QTest::mouseClick(C<QPushButton>("cmdAceptar"), Qt::LeftButton);
    EXPECT_TRUE(mensajes.empty());
    ASSERT_TRUE(Cerrada());
    EXPECT_NE(Hija("FrmDecResumen"), nullptr);
    const auto csco = Valor("SELECT T01_CSCO FROM T01_DECLARANTES WHERE T01_DNI = '11111111H'").CLng();
    EXPECT_GT(csco, 0);
    EXPECT_EQ(Valor("SELECT T01_CODMUN FROM T01_DECLARANTES").CLng(), 79);
    const cDecResumen& r = cDecResumen::Instancia();
    EXPECT_EQ(r.CSCO(), csco);
    EXPECT_EQ(r.ENTRADA(), "A");
    EXPECT_EQ(r.NOMBRE(), "BEA");

    // The same DNI again is refused with its message and the window stays as typed.
    Hija("FrmDecResumen")->parentWidget()->close();
    Nuevo();
    Rellenar("11111111H");
    QTest::mouseClick(C<QPushButton>("cmdAceptar"), Qt::LeftButton);
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_EQ(mensajes[0].texto,
              "No se puede dar de alta al nuevo declarante. Ya existe un declarante con ese nuevo DNI");
    EXPECT_FALSE(Cerrada());
    EXPECT_EQ(C("txtnombre")->text(), "BEA");
}

TEST_F(Datos, UnGuardadoQueLaBibliotecaRechazaSeMuestraYLaVentanaSigue) {
    Sql("CREATE TRIGGER rechazo BEFORE INSERT ON T01_DECLARANTES BEGIN SELECT RAISE(ABORT, 'disco lleno'); END");
    Nuevo();
    Rellenar("11111111H");
    QTest::mouseClick(C<QPushButton>("cmdAceptar"), Qt::LeftButton);
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_TRUE(mensajes[0].texto.contains("disco lleno")) << mensajes[0].texto.toStdString();
    EXPECT_FALSE(Cerrada());
    EXPECT_EQ(C("txtdni")->text(), "11111111H");
    EXPECT_EQ(Hija("FrmDecResumen"), nullptr);
}

TEST_F(Datos, CancelarUnNuevoVuelveAlPrincipalSeaComoSea) {
    const std::vector<std::pair<const char*, std::function<void()>>> caminos = {
        {"boton", [this] { QTest::mouseClick(C<QPushButton>("cmdCancelar"), Qt::LeftButton); }},
        {"imagen", [this] { QTest::mouseClick(C<EtiquetaEnlace>("Piccan"), Qt::LeftButton); }},
        {"teclado",
         [this] {
             C<QPushButton>("cmdCancelar")->setFocus();
             QTest::keyClick(C<QPushButton>("cmdCancelar"), Qt::Key_Space);
         }},
        {"cierre", [this] { w->parentWidget()->close(); }},
    };
    cDecResumen::Instancia().CSCO(0);
    for (const auto& [nombre, cancelar] : caminos) {
        Nuevo();
        cancelar();
        EXPECT_TRUE(Cerrada()) << nombre;
        EXPECT_EQ(Hija("FrmDecResumen"), nullptr) << nombre;
        EXPECT_EQ(Foto(*ventana), "mnu=11 bot=10011 imp=0 d=0000") << nombre;
    }

    // A press on Cancel or its picture with a half-typed code neither looks it up nor stores
    // it, even when the events run in between.
    for (const char* control : {"cmdCancelar", "Piccan"}) {
        Nuevo();
        C("txtcodprov")->setFocus();
        QCoreApplication::processEvents();
        Pulsar(C("txtcodprov"), "9");
        QTest::mousePress(C<QWidget>(control), Qt::LeftButton);
        QCoreApplication::processEvents();
        EXPECT_FALSE(C<QListWidget>("lstcodprov")->isVisible()) << control;
        QTest::mouseRelease(C<QWidget>(control), Qt::LeftButton);
        EXPECT_TRUE(Cerrada()) << control;
        EXPECT_EQ(cDecDatos::Instancia().CODPROV(), "20") << control;
    }
}

TEST_F(Datos, UnExistenteSeEditaYVuelveASusDeclaraciones) {
    Sql("INSERT INTO T01_DECLARANTES (T01_DNI, T01_NOMBRE, T01_DOMICILIO, T01_CODPROV, T01_CODPOS, T01_CODMUN, "
        "T01_NOMMUN) VALUES ('11111111H', 'BEA', 'NAGUSIA', 1, 1001, 0, 'HERRI'), "
        "('22222222J', 'ANE', 'KALEA', 20, 20001, 79, '')");
    cDecResumen& r = cDecResumen::Instancia();

    // Untouched: nothing saved, and the declarations window follows.
    Existente(1);
    EXPECT_EQ(C("txtcodpos")->text(), "01001");
    r.CSDE(7);
    QTest::mouseClick(C<QPushButton>("cmdAceptar"), Qt::LeftButton);
    EXPECT_TRUE(mensajes.empty()) << mensajes[0].texto.toStdString();
    EXPECT_TRUE(Cerrada());
    EXPECT_EQ(r.CSDE(), 0);
    ASSERT_NE(Hija("FrmDecResumen"), nullptr);
    Hija("FrmDecResumen")->parentWidget()->close();

    // The home province's municipality name comes from its list.
    Existente(2);
    EXPECT_EQ(C("txtnommun")->text(), "KELMORIA");
    // Another taxpayer's DNI is refused.
    Teclear("txtdni", "11111111H");
    QTest::mouseClick(C<QPushButton>("cmdAceptar"), Qt::LeftButton);
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_EQ(mensajes[0].texto, "Ya existe un declarante con ese DNI, no se pueden modificar los datos");
    // Closing it is Cancel: back to its declarations.
    r.ENTRADA("A");
    w->parentWidget()->close();
    EXPECT_TRUE(Cerrada());
    EXPECT_EQ(r.ENTRADA(), "P");
    EXPECT_EQ(Valor("SELECT T01_DNI FROM T01_DECLARANTES WHERE T01_CSCO = 2").CStr(), "22222222J");

    // The declarations window's taxpayer button opens its taxpayer's data; Cancel goes back there.
    ASSERT_NE(Hija("FrmDecResumen"), nullptr);
    r.CSCO(2);
    Hija("FrmDecResumen")->findChild<QPushButton*>("cmdDeclarante")->click();
    Buscar();
    EXPECT_EQ(C("txtdni")->text(), "22222222J");  // from the file, not the refused typing
    r.ENTRADA("A");
    QTest::mouseClick(C<QPushButton>("cmdCancelar"), Qt::LeftButton);
    EXPECT_TRUE(Cerrada());
    EXPECT_NE(Hija("FrmDecResumen"), nullptr);
    EXPECT_EQ(r.ENTRADA(), "P");
}

TEST_F(Datos, IntroPasaALaSiguienteYLasCajasQueSoloMuestranPasanElFoco) {
    Nuevo();
    C("txtdni")->setFocus();
    QCoreApplication::processEvents();
    Tecla(C("txtdni"), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), C("txtnombre"));
    // A click on the street-type name goes on to the street.
    QTest::mouseClick(C("txtviaaux"), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), C("txtdomicilio"));
    // Tab skips the boxes that only show: from the province code to its button, then the postal code.
    C("txtcodprov")->setFocus();
    Tecla(C("txtcodprov"), Qt::Key_Tab);
    Tecla(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), C("txtcodpos"));
}

}  // namespace
