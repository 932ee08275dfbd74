// Every window of the frame driven with the mouse and the keyboard alone: each picture that
// stands for a button clicked (its window may close and another open while the click is still
// being delivered), each access key pressed in both languages, Accept reached by its access key
// while a box is still being edited, and Accept clicked on a declaration deleted meanwhile.
#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QSignalBlocker>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTabBar>
#include <map>
#include <set>

#include "cliente/ventana_prueba.h"
#include "controles/FlexGrid.h"
#include "form731/FrmDatos731.h"
#include "form731/cDatos731.h"
#include "form732/FrmDatos732.h"
#include "intercambio/FrmExportar.h"
#include "intercambio/frmimport.h"
#include "form732/cDatos732.h"
#include "impresion/FrmImOf.h"
#include "principal/frmPreferencias.h"
#include "principal/visor_ayuda.h"
#include "registro/FrmDecLista.h"
#include "registro/FrmDecResumen.h"
#include "registro/cDecDatos.h"
#include "registro/cDecLista.h"
#include "compartido/cDecResumen.h"
#include "registro/frmDecDatos.h"

using namespace oxalde;

namespace {

// An access key shows its button down and Qt clicks it from a timer of the button a tenth of a
// second later; that timer is made to go off now, so the click is the one Qt would make, at once.
void VencerPulsacion(QAbstractButton& boton) {
    for (const auto& t : QAbstractEventDispatcher::instance()->registeredTimers(&boton)) {
        QTimerEvent vence(t.timerId);
        QCoreApplication::sendEvent(&boton, &vence);
    }
}

// Two taxpayers; the first with a quarterly declaration of each form, the form-732 one complete.
class Ventanas : public prueba::Principal {
protected:
    void SetUp() override {
        Principal::SetUp();
        Sql("INSERT INTO T01_DECLARANTES (T01_DNI, T01_NOMBRE, T01_CODPROV, T01_CODPOS, T01_DOMICILIO, T01_CODMUN, "
            "T01_NUM731, T01_NUM732) VALUES ('12345678Z', 'UNO', 20, '20001', 'MAYOR', 1, 1, 1), "
            "('87654321X', 'DOS', 20, '20001', 'MAYOR', 1, 0, 0)");
        Guardadas();
        Abrir();
        respuesta = vbNo;
    }
    void TearDown() override {
        cDatos731::Instancia().MODO("A");
        cDatos732::Instancia().MODO("A");
        cDecResumen::Instancia().CSDE(0);
        Principal::TearDown();
    }

    // The name of the window in front, once every closed window is gone.
    QString Delante() {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QMdiSubWindow* sub = ventana->Area()->currentSubWindow();
        return sub && sub->widget() ? sub->widget()->objectName() : QStringLiteral("-");
    }
    QWidget* Hija() { return ventana->Area()->currentSubWindow()->widget(); }

public:

    // The two declarations of taxpayer 1, as stored at the start: 1 of form 731, 2 of form 732.
    void Guardadas() {
        Sql("DELETE FROM T03_731DECLA; DELETE FROM T04_732DECLA; DELETE FROM T02_COMUNDECLA");
        Sql("INSERT INTO T02_COMUNDECLA (T02_CSDE, T02_CSCO, T02_MODELO, T02_MODO, T02_FECHA, T02_EJERCICIO, "
            "T02_PERIODO, T02_TIPOLOGIA) VALUES (1, 1, '731', 'P', 20120331, 2012, '1T', 1), "
            "(2, 1, '732', 'P', 20120930, 2012, '3T', 2)");
        Sql("INSERT INTO T03_731DECLA (T03_CSDE) VALUES (1)");
        Sql("INSERT INTO T04_732DECLA (T04_CSDE, T04_SITTIB2, T04_HECHO1, T04_BASE16, T04_CUOTA16, T04_BAEQ4, "
            "T04_CUEQ4, T04_TOTAL) VALUES (2, 'X', 'X', 100000, 19000, 10000, 1000, 20000)");
    }
    void Declaraciones(vb::Long csde) {
        auto& r = cDecResumen::Instancia();
        r.ENTRADA("P"), r.CSCO(1), r.DNI("12345678Z"), r.NOMBRE("UNO"), r.CSDE(csde);
        ventana->MostrarHija(new FrmDecResumen);
    }
    void Editor(const char* modelo) {
        Declaraciones(QLatin1String(modelo) == QLatin1String("731") ? 1 : 2);
        QTest::keyClick(Hija()->findChild<QWidget*>("cmdDatos"), Qt::Key_Space);
    }
    void Declarante() {
        cDecDatos::Instancia().MODO("C");
        cDecDatos::Instancia().CSCO(1);
        ventana->MostrarHija(new frmDecDatos);
    }
    void Lista(const char* modo) {
        cDecLista::Instancia().MODO(modo);
        ventana->MostrarHija(new FrmDecLista);
    }
    void Nueva(Qt::Key tecla) {
        Declaraciones(1);
        QTest::keyClick(Hija(), tecla, Qt::ControlModifier);
    }
    // A new transport declaration of either form, opened as the declarations window opens it.
    void Transporte(const char* modelo) {
        auto& r = cDecResumen::Instancia();
        const bool es731 = QLatin1String(modelo) == QLatin1String("731");
        r.ENTRADA("P"), r.CSCO(1), r.DNI("12345678Z"), r.NOMBRE("UNO"), r.CSDE(0), r.Modelo(modelo);
        r.TIPOLOGIA(es731 ? 1 : 2), r.MODOP("T"), r.FECHA(20130115), r.Ejercicio(2013), r.PERIODO("OA");
        if (es731) {
            cDatos731::Instancia().MODO("A"), cDatos731::Instancia().MODOP("T");
            ventana->MostrarHija(new FrmDatos731);
        } else {
            cDatos732::Instancia().MODO("A"), cDatos732::Instancia().MODOP("T");
            ventana->MostrarHija(new FrmDatos732);
        }
    }
    void Exportar() { ventana->MostrarHija(new FrmExportar); }
    void Importar() { ventana->MostrarHija(new frmimport); }
    void CerrarTodas() {
        for (QMdiSubWindow* sub : ventana->Area()->subWindowList()) sub->close();
        Delante();
        ventana->activateWindow();  // back from a dialog
        EXPECT_TRUE(QTest::qWaitForWindowActive(ventana));
    }
    // Types into a box without leaving it: over its text, or after it.
    void Escribir(const char* caja, const QString& texto, bool detras = false) {
        auto* c = Hija()->findChild<QLineEdit*>(caja);
        ASSERT_NE(c, nullptr) << caja;
        prueba::EscribirEn(c, texto, detras);
    }
    // The key of Accept, pressed where the focus is; the button is clicked once its press has
    // been shown, from the event loop.
    void AltA() {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::AltModifier);
        QPointer<QAbstractButton> aceptar;
        for (auto* b : Hija()->findChildren<QAbstractButton*>())
            if (b->isDown()) aceptar = b;
        ASSERT_NE(aceptar, nullptr);
        (void)QTest::qWaitFor([&] { return !aceptar || !aceptar->isDown(); }, 2000);
        Delante();
    }
};

// The access keys of a window's visible, enabled controls, by key: buttons, labels with a buddy
// and tabs (index >= 0).
struct Destino {
    QWidget* control;
    int pestana;
};
std::map<int, std::vector<Destino>> TeclasDeAcceso(QWidget* ventana) {
    std::map<int, std::vector<Destino>> teclas;
    auto anotar = [&](const QString& texto, QWidget* control, int pestana) {
        const QKeySequence k = QKeySequence::mnemonic(texto);
        if (!k.isEmpty()) teclas[k[0].key()].push_back({control, pestana});
    };
    for (auto* b : ventana->findChildren<QAbstractButton*>())
        if (b->isVisible() && b->isEnabled()) anotar(b->text(), b, -1);
    for (auto* l : ventana->findChildren<QLabel*>())
        if (l->isVisible() && l->buddy() && l->buddy()->isEnabled()) anotar(l->text(), l->buddy(), -1);
    for (auto* t : ventana->findChildren<QTabBar*>())
        for (int i = 0; i < t->count(); ++i)
            if (t->isVisible() && t->isTabEnabled(i)) anotar(t->tabText(i), t, i);
    return teclas;
}

// Every frame window, in each of the ways it opens.
using Abrir = std::function<void(Ventanas&)>;
const std::pair<const char*, Abrir> kVentanas[] = {
    {"frmDecDatos", [](Ventanas& t) { t.Declarante(); }},
    {"FrmDecLista C", [](Ventanas& t) { t.Lista("C"); }},
    {"FrmDecLista E", [](Ventanas& t) { t.Lista("E"); }},
    {"FrmDecResumen", [](Ventanas& t) { t.Declaraciones(1); }},
    {"FrmDecResumen P", [](Ventanas& t) { t.Nueva(Qt::Key_P); }},
    {"FrmDecResumen T", [](Ventanas& t) { t.Nueva(Qt::Key_T); }},
    {"FrmDatos731", [](Ventanas& t) { t.Editor("731"); }},
    {"FrmDatos732", [](Ventanas& t) { t.Editor("732"); }},
    {"FrmDatos731 T", [](Ventanas& t) { t.Transporte("731"); }},
    {"FrmDatos732 T", [](Ventanas& t) { t.Transporte("732"); }},
    {"FrmExportar", [](Ventanas& t) { t.Exportar(); }},
    {"frmimport", [](Ventanas& t) { t.Importar(); }},
};

TEST_F(Ventanas, CadaImagenHaceLoQueSuBotonSinRomperNada) {
    struct Caso {
        std::function<void(Ventanas&)> abrir;
        const char* desde;
        const char* imagen;
        const char* despues;  // the window in front after the click
    };
    using I = Ventanas;
    const Caso casos[] = {
        {[](I& t) { t.Declarante(); }, "frmDecDatos", "PicAce", "FrmDecResumen"},
        {[](I& t) { t.Declarante(); }, "frmDecDatos", "Piccan", "FrmDecResumen"},
        {[](I& t) { t.Lista("C"); }, "FrmDecLista", "PicAce", "FrmDecResumen"},
        {[](I& t) { t.Lista("C"); }, "FrmDecLista", "Piccan", "-"},
        {[](I& t) { t.Lista("E"); }, "FrmDecLista", "PicEli", "-"},  // the question is answered No
        {[](I& t) { t.Declaraciones(1); }, "FrmDecResumen", "PicDatos", "FrmDatos731"},
        {[](I& t) { t.Declaraciones(2); }, "FrmDecResumen", "PicDatos", "FrmDatos732"},
        {[](I& t) { t.Declaraciones(1); }, "FrmDecResumen", "PicEli", "FrmDecResumen"},
        {[](I& t) { t.Declaraciones(1); }, "FrmDecResumen", "PicImprimir", "FrmDecResumen"},
        {[](I& t) { t.Declaraciones(1); }, "FrmDecResumen", "PicDeclarante", "frmDecDatos"},
        {[](I& t) { t.Declaraciones(1); }, "FrmDecResumen", "PicCerrar", "-"},
        {[](I& t) { t.Declaraciones(1); }, "FrmDecResumen", "ImgPer", "FrmDecResumen"},
        {[](I& t) { t.Declaraciones(1); }, "FrmDecResumen", "ImgTra", "FrmDecResumen"},
        {[](I& t) { t.Nueva(Qt::Key_P); }, "FrmDecResumen", "ImgNueva0", "FrmDecResumen"},
        {[](I& t) { t.Nueva(Qt::Key_P); }, "FrmDecResumen", "ImgNueva1", "FrmDatos732"},
        {[](I& t) { t.Editor("731"); }, "FrmDatos731", "PicAce", "FrmDatos731"},  // an empty form fails its check
        {[](I& t) { t.Editor("731"); }, "FrmDatos731", "Piccan", "FrmDecResumen"},
        {[](I& t) { t.Editor("732"); }, "FrmDatos732", "PicAce", "FrmDecResumen"},
        {[](I& t) { t.Editor("732"); }, "FrmDatos732", "Piccan", "FrmDecResumen"},
    };
    // The print dialog is left by the picture beside its Cancel.
    bool dialogoCancelado = false;
    alModal = [&](QDialog& d) {
        d.show();
        QTest::mouseClick(d.findChild<QWidget*>("Piccan"), Qt::LeftButton);
        dialogoCancelado = d.result() == QDialog::Rejected && !d.isVisible();
        return d.result();
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::string(c.desde) + " " + c.imagen);
        c.abrir(*this);
        ASSERT_EQ(Delante().toStdString(), c.desde);
        QWidget* imagen = Hija()->findChild<QWidget*>(c.imagen);
        ASSERT_NE(imagen, nullptr);
        ASSERT_TRUE(imagen->isVisible());
        mensajes.clear();
        bool borrada = false;
        QObject::connect(imagen, &QObject::destroyed, [&] { borrada = true; });
        QTest::mouseClick(imagen, Qt::LeftButton, {}, imagen->rect().center());
        // Nothing of the window is deleted before the click has been delivered.
        EXPECT_FALSE(borrada);
        EXPECT_EQ(Delante().toStdString(), c.despues);
        CerrarTodas();
    }
    EXPECT_TRUE(dialogoCancelado);
}

TEST_F(Ventanas, CadaTeclaDeAccesoLlegaASuControlEnLosDosIdiomas) {
    int pulsadas = 0;
    for (int idioma : {0, kDesplEuskera}) {
        DesplIdioma = idioma;
        ventana->Anadir_captions();
        RefrescarMenuPrincipal();
        // The keys of the menus that stay enabled while a window is open belong to them.
        std::set<int> deMenus;
        for (const char* menu : {"mnuAsistenciaOnline", "mnuAyuda"}) {
            const QKeySequence k = QKeySequence::mnemonic(ventana->Entrada(menu)->text());
            if (!k.isEmpty()) deMenus.insert(k[0].key());
        }
        for (const auto& [nombre, abrir] : kVentanas) {
            abrir(*this);
            Delante();
            for (const auto& [tecla, destinos] : TeclasDeAcceso(Hija())) {
                // Two controls captioned with one key share it, as captioned.
                if (destinos.size() != 1 || deMenus.count(tecla)) continue;
                SCOPED_TRACE(std::string(nombre) + " " + std::to_string(idioma) + " " + QChar(tecla).toLatin1());
                const Destino d = destinos.front();
                auto* boton = qobject_cast<QAbstractButton*>(d.control);
                auto* pestanas = qobject_cast<QTabBar*>(d.control);
                QList<int> elegidas;  // a window's tab guard may send it back at once
                QMetaObject::Connection conexion;
                if (pestanas)
                    conexion = QObject::connect(pestanas, &QTabBar::currentChanged, [&](int i) { elegidas << i; });
                QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : Hija(), Qt::Key(tecla),
                                Qt::AltModifier);
                ++pulsadas;
                EXPECT_EQ(QApplication::activePopupWidget(), nullptr);  // no menu opened
                if (boton) {
                    EXPECT_TRUE(boton->isDown());
                    // Its press is not carried out: the window stays for the next key.
                    const QSignalBlocker bloqueo(boton);
                    VencerPulsacion(*boton);
                    (void)QTest::qWaitFor([boton] { return !boton->isDown(); }, 1000);
                } else if (pestanas) {
                    QObject::disconnect(conexion);
                    EXPECT_TRUE(elegidas.contains(d.pestana) || pestanas->currentIndex() == d.pestana);
                } else {
                    EXPECT_TRUE(d.control->hasFocus() || d.control->isAncestorOf(QApplication::focusWidget()));
                }
                if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
                const std::string esta(nombre);
                ASSERT_EQ(Delante().toStdString(), esta.substr(0, esta.find(' ')));
            }
            CerrarTodas();
        }
    }
    EXPECT_GT(pulsadas, 30);
}

TEST_F(Ventanas, AceptarConSuTeclaGuardaLaCajaQueSeEstaEditando) {
    for (int idioma : {0, kDesplEuskera}) {
        SCOPED_TRACE(idioma);
        DesplIdioma = idioma;
        ventana->Anadir_captions();
        RefrescarMenuPrincipal();
        const std::string sufijo = std::to_string(idioma ? 2 : 1);

        // A stored taxpayer's name.
        Sql("UPDATE T01_DECLARANTES SET T01_NOMBRE = 'UNO' WHERE T01_CSCO = 1");
        Declarante();
        Escribir("txtnombre", " MARIA" + QString::fromStdString(sufijo), true);
        AltA();
        EXPECT_EQ(Valor("SELECT T01_NOMBRE FROM T01_DECLARANTES WHERE T01_CSCO = 1").CStr(), "UNO MARIA" + sufijo);
        EXPECT_EQ(Delante(), "FrmDecResumen");
        CerrarTodas();

        // A new taxpayer whose DNI is typed last.
        ventana->mnuNuevoDeclarante_Click();
        Delante();
        for (auto [caja, texto] : {std::pair{"txtnombre", "TRES"}, {"txtdomicilio", "NAGUSIA"}, {"txtcodpos", "20001"},
                                   {"txtcodmun", "79"}}) {
            Escribir(caja, texto);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        const QString dni = idioma ? "11111111H" : "22222222J";
        Escribir("txtdni", dni);
        mensajes.clear();
        AltA();
        EXPECT_TRUE(mensajes.empty()) << mensajes.front().texto.toStdString();
        EXPECT_EQ(Valor("SELECT COUNT(*) FROM T01_DECLARANTES WHERE T01_DNI = '" + dni.toStdString() + "'").CLng(), 1);
        CerrarTodas();

        // A box of a stored form-732 declaration.
        Editor("732");
        Delante();
        Hija()->findChild<QTabBar*>("TabTra")->setCurrentIndex(3);
        Escribir("txtbaeq4", "2" + QString::fromStdString(sufijo) + "0");
        mensajes.clear();
        AltA();
        EXPECT_TRUE(mensajes.empty());
        EXPECT_EQ(Valor("SELECT T04_BAEQ4 FROM T04_732DECLA WHERE T04_CSDE = 2").CDbl(), idioma ? 22000 : 21000);
        EXPECT_EQ(Delante(), "FrmDecResumen");
        CerrarTodas();

        // A box of a form-731 declaration reaches its record before the check.
        Editor("731");
        Delante();
        Hija()->findChild<QTabBar*>("TabTra")->setCurrentIndex(0);
        Escribir("txtbase4", "12");
        AltA();
        EXPECT_EQ(cDatos731::Instancia().BASE4(), 1200);
        CerrarTodas();
    }
}

// A declaration another connection deleted while its editor was open: Accept clicked saves
// nothing, and either editor says so from its window, in the session's language, and stays open
// with what was typed.
TEST_F(Ventanas, DeclaracionBorradaMientrasSeEditaNoSeGuardaYElEditorSigue) {
    struct Caso {
        const char* modelo;
        int pestana;
        const char* caja;
        const char* detalle;  // the form's own table, by its key column
        std::string completar;  // what the stored declaration lacks to pass the check
        std::function<double()> enRegistro;
    };
    const Caso casos[] = {
        {"731", 0, "txtbase4", "T03_731DECLA WHERE T03_CSDE",
         "UPDATE T03_731DECLA SET T03_CC = '" + prueba::IbanValido().toStdString() + "'",
         [] { return double(cDatos731::Instancia().BASE4()); }},
        {"732", 3, "txtbaeq4", "T04_732DECLA WHERE T04_CSDE", "", [] { return cDatos732::Instancia().BAEQ4(); }},
    };
    for (int idioma : {0, kDesplEuskera}) {
        DesplIdioma = idioma;
        for (const Caso& c : casos) {
            SCOPED_TRACE(std::string(c.modelo) + " " + std::to_string(idioma));
            Guardadas();
            if (!c.completar.empty()) Sql(c.completar);
            Editor(c.modelo);
            const QString editor = QStringLiteral("FrmDatos") + c.modelo;
            ASSERT_EQ(Delante(), editor);
            Hija()->findChild<QTabBar*>("TabTra")->setCurrentIndex(c.pestana);
            Escribir(c.caja, "12");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            const std::string clave = c.modelo == std::string("731") ? "1" : "2";
            Sql("DELETE FROM " + std::string(c.detalle) + " = " + clave +
                "; DELETE FROM T02_COMUNDECLA WHERE T02_CSDE = " + clave);
            mensajes.clear(), titulos.clear();
            QTest::mouseClick(Hija()->findChild<QPushButton*>("cmdAceptar"), Qt::LeftButton);
            ASSERT_EQ(Delante(), editor);
            ASSERT_EQ(mensajes.size(), 1u);
            EXPECT_EQ(mensajes[0].texto, LoadResString(kIdMsgDeclaracionNoGuardada + idioma));
            EXPECT_EQ(titulos[0], Hija()->windowTitle());
            EXPECT_EQ(Hija()->findChild<QLineEdit*>(c.caja)->text(), "12,00");
            EXPECT_EQ(c.enRegistro(), 1200);
            EXPECT_EQ(Valor("SELECT COUNT(*) FROM T02_COMUNDECLA WHERE T02_CSDE = " + clave).CLng(), 0);
            EXPECT_EQ(Valor("SELECT COUNT(*) FROM " + std::string(c.detalle) + " = " + clave).CLng(), 0);
            CerrarTodas();
        }
    }
}

// The window the program takes as active, as a window manager leaves it: none, or the main one.
void PonerActiva(QWidget* ventana) {
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    QApplication::setActiveWindow(ventana);
    QT_WARNING_POP
}

// A check message stands over the window that asked and gives it the activation back. Where
// nothing does (the window left inactive: a focus move then sends no event), what is typed into
// the box the message pointed to, then Tab, still reaches the record: on Accept by a click while
// still inactive, or by its access key once the window is active again. Each window that checks
// a record: the taxpayer's address, a form-731 base and acquirer's NIF, a form-732 transferor.
TEST_F(Ventanas, TrasUnMensajeLoTecleadoSeGuardaAunqueLaVentanaNoSeActive) {
    struct Caso {
        const char* nombre;
        std::function<void()> abrir;  // on the stored data as the case needs it
        const char* mensaje;
        const char* caja;
        const char* texto;
        std::function<QString()> guardado;  // what the record or the database holds
        const char* esperado;
    };
    auto domicilioGuardado = [this] {
        return QString::fromStdString(Valor("SELECT T01_DOMICILIO FROM T01_DECLARANTES WHERE T01_CSCO = 1").CStr());
    };
    const Caso casos[] = {
        {"frmDecDatos",
         [this] { Sql("UPDATE T01_DECLARANTES SET T01_DOMICILIO = '' WHERE T01_CSCO = 1"), Declarante(); },
         "La casilla Domicilio debe tener algún valor", "txtdomicilio", "NAGUSIA", domicilioGuardado, "NAGUSIA"},
        {"FrmDatos731", [this] { Sql("UPDATE T03_731DECLA SET T03_BASE16 = 0"), Editor("731"); },
         "Al menos una base imponible debe ser distinta de cero", "txtbase16", "100",
         [] { return QString::number(cDatos731::Instancia().BASE16()); }, "10000"},
        {"FrmDatos731 T", [this] { Transporte("731"); }, "La casilla NIF del adquiriente debe tener algún valor",
         "txtadqnif", "b00000000", [] { return cDatos731::Instancia().ADQNIF(); }, "B00000000"},
        {"FrmDatos732 T", [this] {
             Transporte("732");
             cDatos732::Instancia().HECHO2("X"), cDatos732::Instancia().TRANIF("12345678Z");
         }, "La casilla Razón social del transmitente debe tener algún valor", "txttranom", "TRANSMISOR",
         [] { return cDatos732::Instancia().TRANOM(); }, "TRANSMISOR"},
    };
    auto aceptar = [this] {
        auto* boton = Hija()->findChild<QPushButton*>("cmdAceptar");
        QTest::mouseClick(boton, Qt::LeftButton);
        prueba::Pausa();
    };
    for (const Caso& c : casos) {
        enum Via { Clic, Tecla, Imagen };
        for (Via via : {Clic, Tecla, Imagen}) {
            SCOPED_TRACE(std::string(c.nombre) + (via == Tecla ? " Alt" : via == Clic ? " click" : " picture"));
            c.abrir();
            Delante();
            QWidget* w = Hija();

            // The real box: its parent is the window that asked, active again once it closes.
            EstablecerRespondedor({});
            QPointer<QWidget> padre;
            QTimer usuario;
            QObject::connect(&usuario, &QTimer::timeout, [&padre] {
                if (auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    padre = caja->parentWidget();
                    caja->button(QMessageBox::Ok)->click();
                }
            });
            usuario.start(0);
            aceptar();
            usuario.stop();
            EXPECT_EQ(padre.data(), w);
            EXPECT_TRUE(QTest::qWaitForWindowActive(ventana));

            // The same message, after which no window is active.
            QString visto;
            EstablecerRespondedor([&visto](const QString& texto, int, const QString&) {
                visto = texto;
                PonerActiva(nullptr);
                return int(vbOK);
            });
            aceptar();
            EXPECT_EQ(visto.toStdString(), c.mensaje);
            ASSERT_FALSE(visto.isEmpty());
            ASSERT_EQ(QApplication::activeWindow(), nullptr);
            QWidget* caja = ventana->focusWidget();
            ASSERT_NE(caja, nullptr);
            EXPECT_EQ(caja->objectName().toStdString(), c.caja);
            prueba::Pulsar(caja, QString::fromLatin1(c.texto));
            // Accept's picture takes no focus: the box is still the one being edited when it is pressed.
            if (via != Imagen) QTest::keyClick(caja, Qt::Key_Tab);
            prueba::Pausa();
            const QString primero = visto;
            visto.clear();
            if (via == Imagen) {
                EXPECT_EQ(QApplication::activeWindow(), nullptr);
                QTest::mouseClick(Hija()->findChild<QWidget*>("PicAce"), Qt::LeftButton);
                prueba::Pausa();
            } else if (via == Tecla) {
                PonerActiva(ventana);
                AltA();
            } else {
                EXPECT_EQ(QApplication::activeWindow(), nullptr);
                aceptar();
            }
            EXPECT_EQ(c.guardado().toStdString(), c.esperado);
            EXPECT_NE(visto, primero);  // the box's message is not said again
            EstablecerRespondedor([](const QString&, int, const QString&) { return int(vbNo); });
            CerrarTodas();
        }
    }
}

// The taxpayer list and the declarations grid answer the arrows from the first press.
TEST_F(Ventanas, LasFlechasMuevenLaSeleccionDesdeLaPrimeraPulsacion) {
    Lista("C");
    Delante();
    const vb::Long primero = cDecLista::Instancia().CSCO();
    QTest::keyClick(Hija()->findChild<QWidget*>("flxDeclarantes"), Qt::Key_Down);
    EXPECT_NE(cDecLista::Instancia().CSCO(), primero);
    CerrarTodas();

    Declaraciones(2);  // the last row is highlighted
    Delante();
    QTest::keyClick(Hija()->findChild<QWidget*>("flxDeclaraciones"), Qt::Key_Up);
    EXPECT_EQ(cDecResumen::Instancia().CSDE(), 1);
}

// Every window's caption table names only controls the window has: each window opens in both
// languages without the error a row naming a missing control raises.
TEST_F(Ventanas, CadaTablaDeCaptionsNombraSoloControlesQueExisten) {
    for (int idioma : {0, kDesplEuskera}) {
        DesplIdioma = idioma;
        ventana->Anadir_captions();
        for (const auto& [nombre, abrir] : kVentanas) {
            abrir(*this);
            const std::string esta(nombre);
            EXPECT_EQ(Delante().toStdString(), esta.substr(0, esta.find(' '))) << idioma;
            CerrarTodas();
        }
        FrmImOf impresion;
        frmPreferencias preferencias;
        QEvent activar(QEvent::WindowActivate);  // the preferences take their captions on activation
        QApplication::sendEvent(&preferencias, &activar);
        EXPECT_EQ(preferencias.windowTitle(), LoadResString(335 + idioma));
    }
    for (const auto& m : mensajes) EXPECT_FALSE(m.texto.contains("EscribirCaptions")) << m.texto.toStdString();
}

// Every caption of a label shows whole: its text is no wider than the label.
TEST_F(Ventanas, CadaEtiquetaMuestraSuTextoEnteroEnLosDosIdiomas) {
    int vistas = 0;
    for (int idioma : {0, kDesplEuskera}) {
        DesplIdioma = idioma;
        for (const auto& [nombre, abrir] : kVentanas) {
            abrir(*this);
            Delante();
            for (QLabel* l : Hija()->findChildren<QLabel*>()) {
                const QString texto = QString(l->text()).remove(u'&');
                // Rows of dots lead to a box and may be cut; a hidden label in a layout has no size yet.
                if (texto.isEmpty() || texto.count(u'.') == texto.size() || l->textFormat() == Qt::RichText ||
                    !l->pixmap().isNull() || (l->parentWidget()->layout() && !l->isVisible()))
                    continue;
                ++vistas;
                if (l->wordWrap())
                    EXPECT_LE(l->heightForWidth(l->width()), l->height()) << nombre << " " << idioma << " "
                                                                          << l->objectName().toStdString();
                else
                    EXPECT_LE(l->fontMetrics().horizontalAdvance(texto), l->contentsRect().width())
                        << nombre << " " << idioma << " " << l->objectName().toStdString() << " \""
                        << texto.toStdString() << "\"";
            }
            CerrarTodas();
        }
    }
    EXPECT_GT(vistas, 100);
}

// The keys go to the window that holds the focus, as the keyboard's do; none when no window is active.
void Tecla(Qt::Key tecla, Qt::KeyboardModifiers mod = Qt::NoModifier) {
    QWidget* destino = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    ASSERT_NE(destino, nullptr) << "no window takes the keys";
    QTest::keyClick(destino, tecla, mod);
}

// Each modal window and the help window, opened as the user opens it and closed with keys, gives
// the activation back to the window that opened it, also where nothing else does (no window is
// active once it has gone): a key typed next reaches that window. The version check's outcome
// stands over the preferences, which are active again under it.
TEST_F(Ventanas, CadaVentanaQueSeCierraDevuelveLaActivacionASuAbridor) {
    EstablecerConductorModal({});
    EstablecerCarpetaPrograma(QString(OXALDE_DIR_SQL) + "/..");  // the help files
    // The next key in the main window: Alt+D opens its taxpayer menu.
    auto menuDeclarante = [this] {
        Tecla(Qt::Key_D, Qt::AltModifier);
        QWidget* menu = QApplication::activePopupWidget();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu, ventana->Entrada("mnuDeclarante")->menu());
        QTest::keyClick(menu, Qt::Key_Escape);
        if (qobject_cast<QMenuBar*>(QApplication::focusWidget())) Tecla(Qt::Key_Escape);  // the bar lets go
        // The offscreen platform activates a menu late, once it has closed: the main window back.
        prueba::Pausa();
        ventana->activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == ventana; }));
    };
    auto preferencias = [] {
        Tecla(Qt::Key_U, Qt::AltModifier);
        QWidget* menu = QApplication::activePopupWidget();
        ASSERT_NE(menu, nullptr);
        QTest::keyClick(menu, Qt::Key_Up);  // the last entry
        QTest::keyClick(menu, Qt::Key_Return);
    };
    struct Caso {
        const char* nombre;
        std::function<void()> abrir;                              // returns once the modal windows it opens are closed
        std::map<QString, std::function<void(QWidget&)>> enCada;  // the user in each, ending in its close
        std::vector<QString> abiertas;
        std::function<void()> siguiente;  // the next key, in the window that opened them
    };
    const Caso casos[] = {
        {"language on a first start",
         [this] {
             delete ventana;
             Sql("UPDATE T00_GENERAL SET T00_ActOnline = -1");
             LeerConfiguracion();
             Abrir();
         },
         {{"FrmIdioma", [](QWidget&) { Tecla(Qt::Key_C, Qt::AltModifier); }}},
         {"FrmIdioma"},
         menuDeclarante},
        {"preferences",
         preferencias,
         {{"frmPreferencias", [](QWidget&) { Tecla(Qt::Key_Escape); }}},
         {"frmPreferencias"},
         menuDeclarante},
        {"version check from the preferences",
         preferencias,
         {{"frmPreferencias",
           [](QWidget& w) {
               QTest::mouseClick(w.findChild<QWidget*>("lblActAhora"), Qt::LeftButton);
               EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
               Tecla(Qt::Key_Escape);
           }},
          {"FrmSinConexion", [](QWidget&) { Tecla(Qt::Key_Return); }}},
         {"frmPreferencias", "FrmSinConexion"},
         menuDeclarante},
        {"about",
         [] {
             Tecla(Qt::Key_Y, Qt::AltModifier);
             QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_A);
         },
         {{"frmAbout", [](QWidget&) { Tecla(Qt::Key_Return); }}},
         {"frmAbout"},
         menuDeclarante},
        {"printing",
         [this] {
             Declaraciones(1);
             Delante();
             Tecla(Qt::Key_I, Qt::AltModifier);
         },
         {{"FrmImOf", [](QWidget&) { Tecla(Qt::Key_C, Qt::AltModifier); }}},
         {"FrmImOf"},
         [this] {  // Down moves to the second declaration in the declarations window opened again
             EXPECT_EQ(Delante(), "FrmDecResumen");
             Tecla(Qt::Key_Down);
             EXPECT_EQ(cDecResumen::Instancia().CSDE(), 2);
         }},
        {"help",
         [] {
             Tecla(Qt::Key_Y, Qt::AltModifier);
             QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_C);
             ASSERT_TRUE(QTest::qWaitFor([] { return qobject_cast<VentanaAyuda*>(QApplication::activeWindow()); }));
             Tecla(Qt::Key_Escape);
             PonerActiva(nullptr);
         },
         {},
         {},
         menuDeclarante},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        // The user, in each modal window once it is active; as it closes, no window is left active.
        std::vector<QString> abiertas;
        QTimer usuario;
        QObject::connect(&usuario, &QTimer::timeout, [&] {
            auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!modal || QApplication::activeWindow() != modal || modal->property("visto").toBool()) return;
            modal->setProperty("visto", true);
            abiertas.push_back(modal->objectName());
            QObject::connect(modal, &QDialog::finished, [] { PonerActiva(nullptr); });
            const auto accion = c.enCada.find(modal->objectName());
            ASSERT_NE(accion, c.enCada.end()) << modal->objectName().toStdString();
            // From a timer of its own, so that this one serves a window the action opens.
            QTimer::singleShot(0, modal, [modal, f = accion->second] { f(*modal); });
        });
        usuario.start(0);
        c.abrir();
        EXPECT_TRUE(QTest::qWaitFor([&] { return abiertas.size() >= c.abiertas.size(); }, 5000));
        usuario.stop();
        EXPECT_EQ(abiertas, c.abiertas);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowActive(ventana));
        c.siguiente();
        CerrarTodas();
    }
}

}  // namespace
