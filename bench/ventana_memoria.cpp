// Memory kept by each window opened and closed in the main window, 200 times after a few
// rounds of warm-up: the growth of the heap in use per cycle (target under 1 KB), beside an
// empty child window opened and closed the same way in the same run (the frame's own cost).
#include <benchmark/benchmark.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QToolButton>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <malloc.h>
#include <string>
#include <vector>

#include "comun/bd_prueba.h"
#include "controles/FlexGrid.h"
#include "form731/FrmDatos731.h"
#include "form731/cDatos731.h"
#include "form732/FrmDatos732.h"
#include "form732/cDatos732.h"
#include "intercambio/FrmExportar.h"
#include "intercambio/frmimport.h"
#include "servicios/registro.h"
#include "registro/FrmDecLista.h"
#include "registro/FrmDecResumen.h"
#include "registro/cDecDatos.h"
#include "registro/frmDecDatos.h"
#include "registro/cDecLista.h"
#include "compartido/cDecResumen.h"
#include "principal/MDI7312.h"
#include "compartido/VentanaHija.h"
#include "principal/aplicacion.h"
#include "principal/arranque.h"
#include "compartido/general.h"
#include "compartido/modal.h"
#include "impresion/FrmImOf.h"
#include "ventana_hija.h"

using namespace oxalde;

namespace {

constexpr int kCiclos = 200, kCalentamiento = 20;
constexpr double kObjetivoBytes = 1024;

struct Resultado {
    std::string ventana;
    double bytesPorCiclo;
};
std::vector<Resultado> resultados;

// A child window with nothing in it.
struct Vacia : VentanaHija {
    Vacia() : VentanaHija(QStringLiteral("Vacia")) {}
};

// A taxpayer with a quarterly form-731 and a quarterly form-732 declaration.
struct Entorno : EntornoVentanas {
    Entorno()
        : EntornoVentanas(
            "INSERT INTO T01_DECLARANTES (T01_CSCO, T01_DNI, T01_NOMBRE, T01_NUM731, T01_NUM732) "
            "VALUES (1, '12345678Z', 'UNO', 1, 1), (2, '12345678Z', 'DOS', 0, 0);"
            "INSERT INTO T02_COMUNDECLA (T02_CSDE, T02_CSCO, T02_MODELO, T02_MODO, T02_FECHA, T02_EJERCICIO, "
            "T02_PERIODO, T02_TIPOLOGIA) VALUES (1, 1, '731', 'P', 20120331, 2012, '1T', 1), "
            "(2, 1, '732', 'P', 20120630, 2012, '2T', 2);"
            "INSERT INTO T03_731DECLA (T03_CSDE, T03_RESUL) VALUES (1, 100);"
            "INSERT INTO T04_732DECLA (T04_CSDE, T04_TOTAL) VALUES (2, 5000)") {
        MostrarPrincipal();
    }

    void Declaraciones() {
        auto& r = cDecResumen::Instancia();
        r.ENTRADA(QStringLiteral("A")), r.CSCO(1), r.DNI(QStringLiteral("12345678Z")), r.NOMBRE(QStringLiteral("UNO"));
    }

    template <class W>
    void AbrirYCerrar() {
        CerrarHija(AbrirHija<W>(*principal));
    }

    QWidget* Activa() const {
        QMdiSubWindow* sub = principal->Area()->activeSubWindow();
        return sub ? sub->widget() : nullptr;
    }

    void Pulsar(const char* boton) {
        Activa()->findChild<QPushButton*>(QString::fromLatin1(boton))->click();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The road of a user checking a declaration: Datos, the editor, Cancel, back in the list.
    void DatosEditorCancelar() {
        Pulsar("cmdDatos");
        Pulsar("cmdCancelar");
    }
};

Entorno& E() {
    static Entorno entorno;
    return entorno;
}

long long HeapEnUso() { return (long long)mallinfo2().uordblks; }

void Medir(benchmark::State& state, const std::string& ventana, const std::function<void()>& ciclo) {
    for (int i = 0; i < kCalentamiento; ++i) ciclo();
    const long long antes = HeapEnUso();
    for (auto _ : state) ciclo();
    const double porCiclo = double(HeapEnUso() - antes) / double(state.iterations());
    state.counters["bytes_por_ciclo"] = porCiclo;
    resultados.push_back({ventana, porCiclo});
}

void Registrar(const std::string& ventana, std::function<void()> ciclo) {
    benchmark::RegisterBenchmark(("BM_Memoria/" + ventana).c_str(),
                                 [ventana, ciclo](benchmark::State& state) { Medir(state, ventana, ciclo); })
        ->Iterations(kCiclos)
        ->Unit(benchmark::kMillisecond);
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    Aplicacion aplicacion(argc, argv);  // the program's own style and settings
    benchmark::Initialize(&argc, argv);
    Registrar("Vacia", [] { E().AbrirYCerrar<Vacia>(); });
    Registrar("frmDecDatos", [] {
        cDecDatos::Instancia().MODO(QStringLiteral("A"));
        E().AbrirYCerrar<frmDecDatos>();
    });
    Registrar("FrmDecLista", [] {
        cDecLista::Instancia().MODO(QStringLiteral("C"));
        E().AbrirYCerrar<FrmDecLista>();
    });
    Registrar("FrmDecResumen", [] {
        E().Declaraciones();
        E().AbrirYCerrar<FrmDecResumen>();
    });
    Registrar("FrmDatos731", [] {
        auto& d = cDatos731::Instancia();
        d.MODO(QStringLiteral("C")), d.MODOP(QStringLiteral("P")), d.CSDE(1);
        E().AbrirYCerrar<FrmDatos731>();
    });
    Registrar("FrmDatos732", [] {
        auto& d = cDatos732::Instancia();
        d.MODO(QStringLiteral("C")), d.MODOP(QStringLiteral("P")), d.CSDE(2);
        E().AbrirYCerrar<FrmDatos732>();
    });
    Registrar("FrmExportar", [] { E().AbrirYCerrar<FrmExportar>(); });
    Registrar("frmimport", [] { E().AbrirYCerrar<frmimport>(); });
    Registrar("Datos-FrmDatos731-Cancelar", [] {
        E().Declaraciones();
        auto* w = AbrirHija<FrmDecResumen>(*E().principal);
        w->findChild<FlexGrid*>(QStringLiteral("flxDeclaraciones"))->Row(1);
        E().DatosEditorCancelar();
        CerrarHija(E().Activa());
    });
    Registrar("Declarante-frmDecDatos-Cancelar", [] {
        E().Declaraciones();
        AbrirHija<FrmDecResumen>(*E().principal);
        E().Pulsar("cmdDeclarante");
        E().Pulsar("cmdCancelar");
        CerrarHija(E().Activa());
    });
    // The print window is modal: its Cancel is pressed as soon as it shows.
    EstablecerConductorModal([](QDialog& d) {
        if (auto* impresion = qobject_cast<FrmImOf*>(&d)) impresion->Piccan()->click();
        return int(QDialog::Rejected);
    });
    Registrar("Imprimir-FrmImOf-Cancelar", [] {
        E().Declaraciones();
        AbrirHija<FrmDecResumen>(*E().principal);
        E().Pulsar("cmdImprimir");
        CerrarHija(E().Activa());
    });
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const double base = resultados.empty() ? 0 : resultados.front().bytesPorCiclo;
    std::printf("Heap kept per open and close, %d cycles after %d of warm-up (target under %.0f bytes):\n", kCiclos,
                kCalentamiento, kObjetivoBytes);
    for (const Resultado& r : resultados)
        std::printf("  %-28s %8.1f bytes per cycle: %-7s (%+.1f bytes beside the empty child window, %.1f)\n",
                    r.ventana.c_str(), r.bytesPorCiclo, r.bytesPorCiclo < kObjetivoBytes ? "met" : "NOT met",
                    r.bytesPorCiclo - base, base);
    return 0;
}
