// The language window of a first run and the preferences window.
#include <QCheckBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QRadioButton>

#include "principal_prueba.h"
#include "shell/FrmIdioma.h"
#include "shell/cadenas.h"
#include "shell/controles.h"
#include "shell/frmPreferencias.h"

using namespace oxalde;

namespace {

class Idioma : public prueba::Principal {
protected:
    vb::Long ActOnlineGuardado() { return Valor("SELECT T00_ActOnline FROM T00_GENERAL").CLng(); }
    std::string IdiomaGuardado() { return Valor("SELECT T00_Idioma FROM T00_GENERAL").CStr(); }
    void Reactivar(QWidget& w) {
        QEvent activacion(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&w, &activacion);
    }
};

TEST_F(Idioma, LaCasillaGuardaAlMomentoYElBotonCambiaElIdioma) {
    Sql("UPDATE T00_GENERAL SET T00_ActOnline = -1");
    LeerConfiguracion();
    MDI7312& v = Abrir();  // the window's own first activation was answered by closing it
    Sql("UPDATE T00_GENERAL SET T00_ActOnline = -1");
    cActOnline::Instancia().ActOnline(-1);

    FrmIdioma idioma(&v);
    // Loading checked the box, and that is stored before the user does anything.
    EXPECT_TRUE(idioma.chkActOnline()->isChecked());
    EXPECT_EQ(ActOnlineGuardado(), 1);
    EXPECT_EQ(idioma.cmdcastellano()->text(), "&Castellano\n\nGaztelania");
    EXPECT_EQ(idioma.cmdeuskera()->text(), "&Euskera\n\nEuskara");
    idioma.chkActOnline()->click();
    EXPECT_EQ(ActOnlineGuardado(), 0);
    EXPECT_EQ(cActOnline::Instancia().ActOnline(), 0);

    idioma.cmdeuskera()->click();
    EXPECT_EQ(idioma.result(), QDialog::Accepted);
    EXPECT_EQ(IdiomaGuardado(), "E");
    EXPECT_EQ(CEntrada::Instancia().IDI(), "E");
    EXPECT_EQ(v.windowTitle(), LoadResString(10155));
    EXPECT_EQ(v.Entrada("mnuUtilidades")->text(), "&Aukerak");
}

TEST_F(Idioma, ConLaEleccionHechaLaCasillaSaleDesmarcadaYNadaSeGuarda) {
    MDI7312& v = Abrir();
    FrmIdioma idioma(&v);
    EXPECT_FALSE(idioma.chkActOnline()->isChecked());
    EXPECT_EQ(ActOnlineGuardado(), 0);
}

TEST_F(Idioma, IntroPasaAlControlSiguiente) {
    MDI7312& v = Abrir();
    FrmIdioma idioma(&v);
    idioma.show();
    ASSERT_TRUE(Activar(idioma));
    EXPECT_EQ(idioma.focusWidget(), idioma.cmdcastellano());  // activation: the current language
    idioma.chkActOnline()->setFocus();
    QTest::keyClick(idioma.chkActOnline(), Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_NE(idioma.focusWidget(), idioma.chkActOnline());
    EXPECT_TRUE(idioma.isVisible());
    EXPECT_FALSE(idioma.chkActOnline()->isChecked());
}

TEST_F(Idioma, PreferenciasConEleccionSinHacerAceptaGuardandoCero) {
    Sql("UPDATE T00_GENERAL SET T00_Idioma = 'E'");
    LeerConfiguracion();
    MDI7312& v = Abrir();
    Sql("UPDATE T00_GENERAL SET T00_ActOnline = -1");
    cActOnline::Instancia().ActOnline(-1);
    v.setWindowTitle("x");
    frmPreferencias preferencias(&v);
    Reactivar(preferencias);
    EXPECT_FALSE(preferencias.chkActOnline()->isChecked());
    // Setting the option in code recorded the letter as a click would.
    EXPECT_TRUE(preferencias.optEusk()->isChecked());
    EXPECT_EQ(preferencias.IdiomaElegido(), "E");
    EXPECT_EQ(preferencias.windowTitle(), LoadResString(10335));
    EXPECT_EQ(preferencias.cmdAceptar()->text(), "&Ados");

    // Accepting with the same language stores it again and renews the main window's captions.
    Sql("UPDATE T00_GENERAL SET T00_Idioma = 'C'");
    preferencias.cmdAceptar()->click();
    EXPECT_EQ(preferencias.result(), QDialog::Accepted);
    EXPECT_EQ(ActOnlineGuardado(), 0);
    EXPECT_EQ(IdiomaGuardado(), "E");
    EXPECT_EQ(v.windowTitle(), LoadResString(10155));
}

TEST_F(Idioma, PreferenciasCanceladasNoCambianNada) {
    Sql("UPDATE T00_GENERAL SET T00_ActOnline = 1");
    LeerConfiguracion();
    MDI7312& v = Abrir();
    frmPreferencias preferencias(&v);
    Reactivar(preferencias);
    EXPECT_TRUE(preferencias.chkActOnline()->isChecked());
    preferencias.optEusk()->click();
    preferencias.chkActOnline()->click();
    EXPECT_EQ(preferencias.IdiomaElegido(), "E");
    preferencias.cmdCancelar()->click();
    EXPECT_EQ(preferencias.result(), QDialog::Rejected);
    EXPECT_EQ(ActOnlineGuardado(), 1);
    EXPECT_EQ(IdiomaGuardado(), "C");
    EXPECT_EQ(CEntrada::Instancia().IDI(), "C");
    EXPECT_EQ(DesplIdioma, 0);
}

TEST_F(Idioma, ComprobarAhoraYVolverALaVentanaMuestraLoGuardado) {
    MDI7312& v = Abrir();
    frmPreferencias preferencias(&v);
    Reactivar(preferencias);
    preferencias.optEusk()->click();
    preferencias.chkActOnline()->click();

    const qint64 antes = reloj.ahora;
    QTest::mouseClick(preferencias.lblActAhora(), Qt::LeftButton);
    EXPECT_GE(reloj.ahora - antes, 1000);  // the check ran
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    Reactivar(preferencias);
    EXPECT_TRUE(preferencias.optCast()->isChecked());
    EXPECT_EQ(preferencias.IdiomaElegido(), "C");
    EXPECT_FALSE(preferencias.chkActOnline()->isChecked());
}

}  // namespace
