// The form-731 editor offscreen: opening, layout by kind and tab, calculation on screen, box
// handlers, captions, and the way back to the declarations window.
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <cstdlib>

#include "cliente/prueba.h"
#include "controles/Pindaro.h"
#include "form731/FrmDatos731.h"
#include "form731/buffers731.h"
#include "form731/cDatos731.h"
#include "registro/FrmDecResumen.h"
#include "registro/cDecResumen.h"

using namespace oxalde;

namespace {

class Editor731 : public prueba::Principal {
protected:
    cDatos731& d = cDatos731::Instancia();
    cDecResumen& r = cDecResumen::Instancia();
    FrmDatos731* w = nullptr;

    void SetUp() override {
        Principal::SetUp();
        Declarantes(1);
        r.CSCO(1);
        r.DNI("12345678Z");
        r.NOMBRE("DECLARANTE 1");
        r.Modelo("731");
        r.TIPOLOGIA(1);
        r.CSDE(0);
        Abrir();
    }

    void Cabecera(long fecha, vb::Integer ejercicio, const char* periodo) {
        r.FECHA(fecha);
        r.Ejercicio(ejercicio);
        r.PERIODO(periodo);
    }

    // Opens the editor as the declarations window does: MODO, then MODOP, then the key.
    FrmDatos731& Editor(const char* modo, const char* modop, vb::Long csde = 0) {
        d.MODO(modo);
        d.MODOP(modop);
        if (csde) d.CSDE(csde);
        ventana->MostrarHija(new FrmDatos731);
        w = qobject_cast<FrmDatos731*>(ventana->Area()->activeSubWindow()->widget());
        EXPECT_NE(w, nullptr);
        QCoreApplication::processEvents();
        return *w;
    }
    FrmDatos731& Trimestral(long fecha, vb::Integer ejercicio, const char* periodo) {
        Cabecera(fecha, ejercicio, periodo);
        return Editor("A", "P");
    }
    FrmDatos731& Transporte(long fecha) {
        Cabecera(fecha, static_cast<vb::Integer>(fecha / 10000), "OA");
        return Editor("A", "T");
    }

    // The declaration in the record saved as the library saves it; answers its key.
    vb::Long Guardar() {
        vb::Variant buffer = BufferDeclaracion731(d, r);
        return d.GuardarDeclaracion(buffer);
    }

    template <class T = QWidget>
    T* C(const char* nombre) const {
        T* c = w->findChild<T*>(QString::fromLatin1(nombre));
        EXPECT_NE(c, nullptr) << nombre;
        return c;
    }
    QString Texto(const char* nombre) const { return C<QLineEdit>(nombre)->text(); }
    bool Visible(const char* nombre) const { return C(nombre)->isVisibleTo(w); }

    static void Pausa() {
        for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    }
    // Types into a box as the user would, then leaves it with Tab.
    void Teclear(const char* caja, const QString& texto) {
        QWidget* c = C(caja);
        c->setFocus(Qt::MouseFocusReason);
        Pausa();
        Pulsar(c, texto);
        Salir();
    }
    // Key presses, also of characters beyond ASCII.
    static void Pulsar(QWidget* c, const QString& texto) {
        for (QChar ch : texto) {
            if (ch.unicode() < 128) {
                QTest::keyClick(c, ch.toLatin1());
            } else {
                QTest::sendKeyEvent(QTest::Press, c, Qt::Key_unknown, QString(ch), Qt::NoModifier);
                QTest::sendKeyEvent(QTest::Release, c, Qt::Key_unknown, QString(ch), Qt::NoModifier);
            }
        }
    }
    void Salir() {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        Pausa();
    }
    void Pestana(int n) {
        C<QTabBar>("TabTra")->setCurrentIndex(n - 1);
        Pausa();
    }
};

TEST_F(Editor731, EjemplosTrimestralesEnPantalla) {
    struct Caso {
        long fecha;
        vb::Integer ejercicio;
        const char *periodo, *base16, *base7, *base4, *cuota16, *cuota7, *cuota4, *ivadev2, *tipo16, *tipo7;
        bool cuenta;
    };
    for (const Caso& c : {Caso{20121231, 2012, "4T", "1234,50", "50,05", "12,50", "259,25", "5,01", "0,50", "264,76",
                               "21%", "10%", true},
                          Caso{20100930, 2010, "3T", "0,25", "123,45", "10", "0,05", "9,88", "0,40", "10,33", "18%",
                               "8%", true},
                          Caso{20100630, 2010, "2T", "0,25", "123,45", "10", "0,04", "8,64", "0,40", "9,08", "16%", "7%",
                               false}}) {
        Trimestral(c.fecha, c.ejercicio, c.periodo);
        EXPECT_FALSE(w->DatosModificados());
        EXPECT_EQ(QApplication::focusWidget(), C("txtbase16"));
        EXPECT_FALSE(Visible("fraPCC"));
        Teclear("txtbase16", c.base16);
        Teclear("txtbase7", c.base7);
        Teclear("txtbase4", c.base4);
        EXPECT_EQ(Texto("txtcuota16"), c.cuota16) << c.fecha;
        EXPECT_EQ(Texto("txtcuota7"), c.cuota7) << c.fecha;
        EXPECT_EQ(Texto("txtcuota4"), c.cuota4) << c.fecha;
        EXPECT_EQ(Texto("txtivadev2"), c.ivadev2) << c.fecha;
        EXPECT_EQ(C<QLabel>("lblTipo16")->text(), c.tipo16);
        EXPECT_EQ(C<QLabel>("lblTipo7")->text(), c.tipo7);
        EXPECT_EQ(Visible("fraPCC"), c.cuenta) << c.fecha;
        EXPECT_TRUE(w->DatosModificados());
        w->cmdCancelar_Click();
        Pausa();
    }
}

}  // namespace

namespace {

// Pictures of every tab in both languages, written to the folder OXALDE_CAPTURAS names.
TEST_F(Editor731, Capturas) {
    const char* carpeta = std::getenv("OXALDE_CAPTURAS");
    if (!carpeta) GTEST_SKIP() << "OXALDE_CAPTURAS not set";
    auto foto = [&](const QString& nombre) {
        Pausa();
        ventana->resize(900, 560);
        Pausa();
        ventana->grab().save(QString::fromLatin1(carpeta) + "/" + nombre + ".png");
    };
    for (int idioma : {0, 10000}) {
        DesplIdioma = idioma;
        cFecha::Instancia().fecidioma(idioma ? "E" : "C");
        const QString sufijo = idioma ? "_eu" : "_es";
        Trimestral(20121231, 2012, "4T");
        Teclear("txtbase16", "1234,50");
        Teclear("txtbase7", "50,05");
        Teclear("txtbase4", "12,50");
        foto("p" + sufijo);
        w->cmdCancelar_Click();
        Transporte(20120901);
        Teclear("txtadqnom", "ñandú");
        foto("t1" + sufijo);
        Pestana(2);
        foto("t2v" + sufijo);
        C<QRadioButton>("OptTmedio1")->click();
        foto("t2b" + sufijo);
        C<QRadioButton>("OptTmedio2")->click();
        foto("t2a" + sufijo);
        Pestana(3);
        Teclear("txtpreadq", "20000");
        Teclear("txtpreven", "15000");
        foto("t3" + sufijo);
        w->cmdCancelar_Click();
    }
}

}  // namespace
