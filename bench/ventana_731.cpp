// The form-731 editor offscreen: opening it on a stored transport declaration until it is shown
// (target under 100 ms), beside the library's load of that declaration alone; and leaving an
// amount box with a new amount, which stores, recomputes and repaints (target under 2 ms),
// beside the calculation alone.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabBar>
#include <QtWidgets/qtestsupport_widgets.h>

#include "comun/bd_prueba.h"
#include "medir.h"
#include "ventana_editor.h"
#include "ventana_hija.h"
#include "controles/Pindaro.h"
#include "form731/FrmDatos731.h"
#include "form731/buffers731.h"
#include "form731/cDatos731.h"
#include "form731/liquidacion731.h"
#include "servicios/registro.h"
#include "compartido/cDecResumen.h"
#include "principal/MDI7312.h"
#include "compartido/general.h"
#include "principal/arranque.h"

using namespace oxalde;
using namespace banco_editor;

namespace {

struct Entorno : EntornoVentanas {
    vb::Long clave = 0;

    Entorno() : EntornoVentanas("INSERT INTO T01_DECLARANTES (T01_DNI, T01_NOMBRE) VALUES ('12345678Z', 'UNO')") {
        auto& r = cDecResumen::Instancia();
        r.CSCO(1), r.DNI("12345678Z"), r.NOMBRE("UNO"), r.Modelo("731"), r.TIPOLOGIA(1);
        r.FECHA(20120901), r.Ejercicio(2012), r.PERIODO("OA");
        auto& d = cDatos731::Instancia();
        d.MODO("A"), d.MODOP("T"), d.ADQNIF("B00000000"), d.ADQNOM("ADQUIRENTE"), d.ADQPAIS("PAIS");
        d.MARCAV("MARCA"), d.PREADQ(2000000), d.PREVEN(1500000);
        CalcularLiquidacion(d, r);
        vb::Variant buffer = BufferDeclaracion731(d, r);
        clave = d.GuardarDeclaracion(buffer);
        MostrarPrincipal();
    }

    FrmDatos731* Abrir() {
        auto& d = cDatos731::Instancia();
        d.MODO("C"), d.MODOP("T"), d.CSDE(clave);
        return AbrirHija<FrmDatos731>(*principal);
    }
};

Entorno& E() {
    static Entorno entorno;
    return entorno;
}

void BM_AbrirDeclaracionGuardada(benchmark::State& state) {
    for (auto _ : state) {
        FrmDatos731* w = nullptr;
        Medir(apertura, [&] {
            w = E().Abrir();
            QCoreApplication::processEvents();
        });
        state.PauseTiming();
        CerrarHija(w);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AbrirDeclaracionGuardada)->Unit(benchmark::kMillisecond)->Iterations(30)->UseRealTime();

// Baseline: the library's load of the same declaration.
void BM_CargaSola(benchmark::State& state) {
    for (auto _ : state) {
        vb::Long clave = E().clave;
        Medir(carga, [&] { cDatos731::Instancia().CargarDeclaracion(clave); });
    }
}
BENCHMARK(BM_CargaSola)->Unit(benchmark::kMillisecond)->Iterations(30)->UseRealTime();

void BM_SalirDeUnImporte(benchmark::State& state) {
    FrmDatos731* w = E().Abrir();
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(E().principal)) state.SkipWithError("the main window never became active");
    w->findChild<QTabBar*>(QStringLiteral("TabTra"))->setCurrentIndex(2);
    auto* precio = w->findChild<Pindaro*>(QStringLiteral("txtpreadq"));
    auto* venta = w->findChild<Pindaro*>(QStringLiteral("txtpreven"));
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        precio->setFocus();
        QCoreApplication::processEvents();
        precio->setText(QString::number(10000 + (++i % 1000)));
        state.ResumeTiming();
        Medir(salida, [&] {
            venta->setFocus();  // leaving the box stores, recomputes and repaints
            w->repaint();
        });
    }
    if (cDatos731::Instancia().PREADQ() < 1000000) state.SkipWithError("the amount was not stored");
    CerrarHija(w);
}
BENCHMARK(BM_SalirDeUnImporte)->Unit(benchmark::kMicrosecond)->Iterations(200)->UseRealTime();

// Baseline: the calculation alone.
void BM_CalculoSolo(benchmark::State& state) {
    auto& d = cDatos731::Instancia();
    for (auto _ : state) Medir(calculo, [&] { CalcularLiquidacion(d, cDecResumen::Instancia()); });
}
BENCHMARK(BM_CalculoSolo)->Unit(benchmark::kMicrosecond)->Iterations(200)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    return Ejecutar("form-731", argc, argv, [] { E(); });
}
