#include <QKeyEvent>
#include <QTimer>
#include <stdexcept>

#include "cliente/prueba.h"
#include "compartido/mostrar_error.h"
#include "principal/aplicacion.h"

using namespace oxalde;

namespace {

class CajaQueFalla : public QWidget {
protected:
    void keyPressEvent(QKeyEvent*) override { throw vb::Error(3021, "Brunsel", "No current record"); }
};

using Frontera = prueba::Programa;

TEST_F(Frontera, ElErrorDeUnEventoSeMuestraYElProgramaSigue) {
    bool siguiente = false;
    QTimer::singleShot(0, [] { throw vb::Error(3024, "Brunsel.cDatosGeneral", "Could not find file"); });
    QTimer::singleShot(0, [] { throw std::runtime_error("disco lleno"); });
    QTimer::singleShot(0, [&] { siguiente = true; });
    QTest::qWait(100);
    ASSERT_EQ(mensajes.size(), 2u);
    EXPECT_EQ(mensajes[0].estilo, vbCritical);
    EXPECT_EQ(mensajes[0].texto, "Error: 3024\nOrigen: Brunsel.cDatosGeneral\nCould not find file");
    EXPECT_TRUE(mensajes[1].texto.contains("51") && mensajes[1].texto.contains("disco lleno"));
    EXPECT_TRUE(siguiente);

    CajaQueFalla caja;
    caja.show();
    QTest::keyClick(&caja, Qt::Key_A);
    EXPECT_EQ(mensajes.size(), 3u);
    EXPECT_TRUE(caja.isVisible());

    DesplIdioma = kDesplEuskera;
    MostrarError(vb::Error(13, "Oxalde", "Type mismatch"));
    EXPECT_EQ(mensajes.back().texto, "Errorea: 13\nJatorria: Oxalde\nType mismatch");
}

}  // namespace
