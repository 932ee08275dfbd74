// Every picture that stands for a button, clicked with the mouse as a user clicks it: the
// window it belongs to may close and another open while the click is still being delivered.
#include <QMdiArea>
#include <QMdiSubWindow>

#include "cliente/prueba.h"
#include "controles/FlexGrid.h"
#include "form731/cDatos731.h"
#include "form732/cDatos732.h"
#include "registro/FrmDecLista.h"
#include "registro/FrmDecResumen.h"
#include "registro/cDecDatos.h"
#include "registro/cDecLista.h"
#include "registro/cDecResumen.h"
#include "registro/frmDecDatos.h"

using namespace oxalde;

namespace {

// Two taxpayers; the first with a quarterly declaration of each form, the form-732 one complete.
class ImagenesBotones : public prueba::Principal {
protected:
    void SetUp() override {
        Principal::SetUp();
        Sql("INSERT INTO T01_DECLARANTES (T01_DNI, T01_NOMBRE, T01_CODPROV, T01_CODPOS, T01_DOMICILIO, T01_CODMUN, "
            "T01_NUM731, T01_NUM732) VALUES ('12345678Z', 'UNO', 20, '20001', 'MAYOR', 1, 1, 1), "
            "('87654321X', 'DOS', 20, '20001', 'MAYOR', 1, 0, 0)");
        Sql("INSERT INTO T02_COMUNDECLA (T02_CSCO, T02_MODELO, T02_MODO, T02_FECHA, T02_EJERCICIO, T02_PERIODO, "
            "T02_TIPOLOGIA) VALUES (1, '731', 'P', 20120331, 2012, '1T', 1), (1, '732', 'P', 20120930, 2012, '3T', 2)");
        Sql("INSERT INTO T03_731DECLA (T03_CSDE) VALUES (1)");
        Sql("INSERT INTO T04_732DECLA (T04_CSDE, T04_SITTIB2, T04_HECHO1, T04_BASE16, T04_CUOTA16, T04_BAEQ4, "
            "T04_CUEQ4, T04_TOTAL) VALUES (2, 'X', 'X', 100000, 19000, 10000, 1000, 20000)");
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
        QMdiSubWindow* sub = ventana->Area()->activeSubWindow();
        return sub && sub->widget() ? sub->widget()->objectName() : QStringLiteral("-");
    }
    QWidget* Hija() { return ventana->Area()->activeSubWindow()->widget(); }

public:

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
};

TEST_F(ImagenesBotones, CadaImagenHaceLoQueSuBotonSinRomperNada) {
    struct Caso {
        std::function<void(ImagenesBotones&)> abrir;
        const char* desde;
        const char* imagen;
        const char* despues;  // the window in front after the click
    };
    using I = ImagenesBotones;
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
        for (QMdiSubWindow* sub : ventana->Area()->subWindowList()) sub->close();
        Delante();
    }
}

}  // namespace
