#include <QKeyEvent>
#include <QTest>
#include <QTimer>
#include <stdexcept>

#include "cliente/arranque_prueba.h"
#include "shell/aplicacion.h"

using namespace oxalde;
using prueba::Programa;

namespace {

// A box whose key handler fails on every key after counting it.
class CajaQueFalla : public QWidget {
public:
    int teclas = 0;

protected:
    void keyPressEvent(QKeyEvent*) override {
        ++teclas;
        throw vb::Error(3021, "Brunsel", "No current record");
    }
};

using Frontera = Programa;

TEST_F(Frontera, ElErrorDeUnEventoSeMuestraYElProgramaSigue) {
    bool siguiente = false;
    QTimer::singleShot(0, [] { throw vb::Error(3024, "Brunsel.cDatosGeneral", "Could not find file"); });
    QTimer::singleShot(0, [] { throw std::runtime_error("disco lleno"); });
    QTimer::singleShot(0, [&] { siguiente = true; });
    QTest::qWait(100);
    ASSERT_EQ(mensajes.size(), 2u);
    EXPECT_EQ(mensajes[0].estilo, vbCritical);
    EXPECT_EQ(mensajes[0].texto, "Error: 3024\nOrigen: Brunsel.cDatosGeneral\nCould not find file");
    EXPECT_TRUE(mensajes[1].texto.contains("51")) << mensajes[1].texto.toStdString();
    EXPECT_TRUE(mensajes[1].texto.contains("disco lleno"));
    EXPECT_TRUE(siguiente);
}

TEST_F(Frontera, UnaTeclaQueFallaNoCierraLaVentana) {
    CajaQueFalla caja;
    caja.show();
    QTest::keyClick(&caja, Qt::Key_A);
    QTest::keyClick(&caja, Qt::Key_B);
    EXPECT_EQ(caja.teclas, 2);
    EXPECT_EQ(mensajes.size(), 2u);
    EXPECT_TRUE(caja.isVisible());
}

TEST_F(Frontera, ElErrorEnEuskeraConElDesplazamiento) {
    DesplIdioma = 10000;
    MostrarError(vb::Error(13, "Oxalde", "Type mismatch"));
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_EQ(mensajes[0].texto, "Errorea: 13\nJatorria: Oxalde\nType mismatch");
}

}  // namespace
