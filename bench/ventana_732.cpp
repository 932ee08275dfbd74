// The form-732 editor offscreen: opening it on a stored quarterly declaration until it is shown
// (target under 100 ms), beside the library's load of that declaration alone; and leaving an
// amount box with a new amount, which stores, recomputes and repaints the liquidation tab (target
// under 2 ms), beside the calculation alone.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtWidgets/qtestsupport_widgets.h>

#include "comun/bd_prueba.h"
#include "controles/Pindaro.h"
#include "controles/TiraPestanas.h"
#include "form732/FrmDatos732.h"
#include "form732/cDatos732.h"
#include "form732/liquidacion732.h"
#include "medir.h"
#include "ventana_editor.h"
#include "ventana_hija.h"
#include "servicios/registro.h"
#include "compartido/cDecResumen.h"
#include "principal/MDI7312.h"
#include "compartido/general.h"
#include "principal/arranque.h"

using namespace oxalde;
using namespace banco_editor;

namespace {

constexpr vb::Long kClave = 1;

struct Entorno : EntornoVentanas {
    Entorno()
        : EntornoVentanas(
            "INSERT INTO T01_DECLARANTES (T01_CSCO, T01_DNI, T01_NOMBRE) VALUES (1, '12345678Z', 'UNO');"
            "INSERT INTO T02_COMUNDECLA (T02_CSDE, T02_CSCO, T02_MODELO, T02_MODO, T02_FECHA, T02_EJERCICIO, "
            "T02_PERIODO, T02_TIPOLOGIA) VALUES (1, 1, '732', 'P', 20130331, 2013, '1T', 2);"
            "INSERT INTO T04_732DECLA (T04_CSDE, T04_SITTIB2, T04_HECHO1, T04_BASE16, T04_CUOTA16, T04_BASE7, "
            "T04_CUOTA7, T04_BAEQ4, T04_CUEQ4, T04_TOTAL) VALUES (1, 'X', 'X', 100000, 21000, 50000, 5000, 10000, 520, "
            "26520)") {
        auto& r = cDecResumen::Instancia();
        r.CSCO(1), r.DNI("12345678Z"), r.NOMBRE("UNO"), r.Modelo("732"), r.TIPOLOGIA(2);
        r.FECHA(20130331), r.Ejercicio(2013), r.PERIODO("1T"), r.MODOP("P");
        MostrarPrincipal();
    }

    FrmDatos732* Abrir() {
        auto& d = cDatos732::Instancia();
        d.MODO("C"), d.MODOP("P"), d.CSDE(kClave);
        return AbrirHija<FrmDatos732>(*principal);
    }
};

Entorno& E() {
    static Entorno entorno;
    return entorno;
}

void BM_AbrirEditor(benchmark::State& state) {
    for (auto _ : state) {
        FrmDatos732* w = nullptr;
        Medir(apertura, [&] { w = E().Abrir(); });
        CerrarHija(w);
    }
}

void BM_CargaDeLaBiblioteca(benchmark::State& state) {
    for (auto _ : state) Medir(carga, [] { cDatos732::Instancia().CargarDeclaracion(kClave); });
}

void BM_SalirDeUnImporte(benchmark::State& state) {
    FrmDatos732* w = E().Abrir();
    w->TabTra()->setCurrentIndex(1);  // the situation, then the liquidation tab
    w->TabTra()->setCurrentIndex(3);
    auto* base = static_cast<Pindaro*>(w->Control("txtbase16"));
    int i = 0;
    for (auto _ : state) {
        base->setFocus();
        QCoreApplication::processEvents();
        base->valor(QString::number(1000 + (++i % 500)) + ",00");
        Medir(salida, [&] { w->TabTra()->setFocus(); });
        if (cDatos732::Instancia().BASE16() != (1000 + i % 500) * 100.0)
            state.SkipWithError("the amount was not stored");
    }
    CerrarHija(w);
}

void BM_CalculoSolo(benchmark::State& state) {
    for (auto _ : state) Medir(calculo, [] { CalcularLiquidacion(); });
}

BENCHMARK(BM_AbrirEditor)->Unit(benchmark::kMillisecond)->Iterations(20)->UseRealTime();
BENCHMARK(BM_CargaDeLaBiblioteca)->Unit(benchmark::kMillisecond)->Iterations(20)->UseRealTime();
BENCHMARK(BM_SalirDeUnImporte)->Unit(benchmark::kMicrosecond)->Iterations(200)->UseRealTime();
BENCHMARK(BM_CalculoSolo)->Unit(benchmark::kMicrosecond)->Iterations(200)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    return Ejecutar("form-732", argc, argv, [] { E(); });
}
