#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>

#include "cliente/arranque_prueba.h"
#include "shell/frmInicio.h"

using namespace oxalde;
using prueba::Programa;

namespace {

class Presentacion : public Programa {
protected:
    // Time the splash stayed up, by the test clock.
    qint64 Duracion() {
        frmInicio inicio;
        const qint64 desde = reloj.ahora;
        inicio.Cargar();
        return reloj.ahora - desde;
    }
};

TEST_F(Presentacion, MuestraLaVersionSinBlanco) {
    VersionPrograma = "1.0.6";
    frmInicio inicio;
    inicio.MostrarVersion();
    EXPECT_EQ(inicio.lblVersion()->text(), "Bertsioa/Versión1.0.6");
    VersionPrograma.clear();
    inicio.MostrarVersion();
    EXPECT_EQ(inicio.lblVersion()->text(), "Bertsioa/Versión");
}

TEST_F(Presentacion, TresSegundosSinComprobacionAlInicio) {
    for (vb::Integer eleccion : {vb::Integer(0), vb::Integer(-1)}) {
        cActOnline::Instancia().ActOnline(eleccion);
        EXPECT_EQ(Duracion(), 3000) << eleccion;
    }
}

TEST_F(Presentacion, CuatroSegundosContadosAntesDeLaComprobacion) {
    cActOnline::Instancia().ActOnline(1);
    bool avisoDuranteLaPausa = false, avisoDespues = false;
    qint64 desde = reloj.ahora;
    reloj.alProcesar = [&](prueba::RelojFalso& r) {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* inicio = qobject_cast<frmInicio*>(w);
            if (!inicio || !inicio->LblAct()->isVisibleTo(inicio)) continue;
            (r.ahora - desde <= 1000 ? avisoDuranteLaPausa : avisoDespues) = true;
        }
    };
    EXPECT_EQ(Duracion(), 4000);
    EXPECT_TRUE(avisoDuranteLaPausa);
    EXPECT_FALSE(avisoDespues);
}

TEST_F(Presentacion, UnaComprobacionMasLargaTerminaLaPresentacionEnSeguida) {
    cActOnline::Instancia().ActOnline(1);
    int pasos = 0;
    reloj.alProcesar = [&](prueba::RelojFalso& r) {
        if (++pasos == 1) r.ahora += 5000;  // the check takes five seconds
    };
    EXPECT_EQ(Duracion(), 5010);
    EXPECT_EQ(pasos, 1);
}

TEST_F(Presentacion, TresSegundosDeVerdad) {
    EstablecerReloj(nullptr);
    cActOnline::Instancia().ActOnline(0);
    frmInicio inicio;
    QElapsedTimer cronometro;
    cronometro.start();
    inicio.Cargar();
    EXPECT_GE(cronometro.elapsed(), 3000);
    EXPECT_LT(cronometro.elapsed(), 3900);
}

}  // namespace
