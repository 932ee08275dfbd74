// The export window over 100,000 taxpayers: opening it (list read, offered grid filled and shown
// offscreen) and "choose all" (every taxpayer to the chosen list, both grids redrawn), beside the
// library's export list call alone. Targets: opening and choosing all each under 500 ms.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QApplication>
#include <QPushButton>
#include <cstdio>
#include <cstdlib>

#include "cien_mil_declarantes.h"
#include "medir.h"
#include "controles/FlexGrid.h"
#include "intercambio/FrmExportar.h"
#include "intercambio/cExportar.h"
#include "registro.h"
#include "servicios/cDeclarante.h"
#include "tablas/cT01.h"
#include "tablas/cotejo.h"
#include "compartido/general.h"

namespace {

using bench::Datos;
using bench::kDeclarantes;
constexpr double kObjetivoMs = 500;
double mejorLista = 0, mejorBase = 0, mejorApertura = 0, mejorTodos = 0;
// The first opening of the run: the library has not yet read that list on its connection.
double primeraApertura = 0;

void ListaBiblioteca() {
    vb::Variant buffer;
    Medir(mejorLista, [&] {
        brunsel::cDeclarante d;
        d.mdbnameM(Datos().mod.string());
        vb::Integer orden = 1;
        d.dameResultadoExportar(buffer, orden);
    });
}

// The same statement's rows read straight from the engine into plain values: the floor the list
// call is measured against.
struct Celda {
    sqlite3_int64 entero = 0;
    double real = 0;
    std::string texto;
};

void LecturaDirecta() {
    std::vector<Celda> celdas;
    Medir(mejorBase, [&] {
        sqlite3* db = nullptr;
        if (sqlite3_open_v2(Datos().mod.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) std::abort();
        brunsel::RegistrarCotejo(db);
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, brunsel::cT01().SQLBusqueda(1, true).c_str(), -1, &st, nullptr) != SQLITE_OK)
            std::abort();
        while (sqlite3_step(st) == SQLITE_ROW)
            for (int i = 0; i < 17; ++i) {
                Celda& c = celdas.emplace_back();
                switch (sqlite3_column_type(st, i)) {
                    case SQLITE_INTEGER: c.entero = sqlite3_column_int64(st, i); break;
                    case SQLITE_FLOAT: c.real = sqlite3_column_double(st, i); break;
                    case SQLITE_NULL: break;
                    default:
                        c.texto.assign(reinterpret_cast<const char*>(sqlite3_column_text(st, i)),
                                       static_cast<size_t>(sqlite3_column_bytes(st, i)));
                }
            }
        sqlite3_finalize(st);
        sqlite3_close(db);
    });
    benchmark::DoNotOptimize(celdas);
}

void AbrirYElegirTodos(benchmark::State& state) {
    QCoreApplication::processEvents();
    auto* ventana = new oxalde::FrmExportar;
    const double apertura = Medir(mejorApertura, [&] {
        ventana->Cargar();
        ventana->show();
        QCoreApplication::processEvents();
    });
    if (primeraApertura == 0) primeraApertura = apertura;
    if (ventana->flxDeclaraciones()->Rows() != kDeclarantes + 1) state.SkipWithError("wrong number of offered rows");
    Medir(mejorTodos, [&] {
        ventana->CmdSelTodos()->click();
        QCoreApplication::processEvents();
    });
    if (oxalde::cExportar::Instancia().NUMCONTRIEXP() != kDeclarantes ||
        ventana->FlxSeleccionados()->Rows() != kDeclarantes + 1)
        state.SkipWithError("not every taxpayer was chosen");
    ventana->Descargar();
    delete ventana;
    QCoreApplication::processEvents();
}

// The list call alone and the window in turn, so that both see the same load on the machine.
void BM_VentanaExportar(benchmark::State& state) {
    for (auto _ : state) {
        AbrirYElegirTodos(state);
        ListaBiblioteca();
        LecturaDirecta();
    }
}

BENCHMARK(BM_VentanaExportar)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void Informe(const char* que, double ms) {
    std::printf("%s: %.1f ms (target under %.0f ms): %s; ratio to the library's list call %.2f\n", que, ms, kObjetivoMs,
                ms < kObjetivoMs ? "met" : "NOT met", mejorLista > 0 ? ms / mejorLista : 0);
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication aplicacion(argc, argv);
    benchmark::Initialize(&argc, argv);
    brunsel::RegistrarClases();
    auto& a = Datos();
    oxalde::RutaBDModificable = QString::fromStdString(a.mod.string());
    oxalde::RutaBDLectura = QString::fromStdString(a.lec.string());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("export window, %d taxpayers; library export list call alone: %.1f ms\n", kDeclarantes, mejorLista);
    std::printf("bare engine fetch of the same rows: %.1f ms; list call ratio %.2f (target within 1.5x)\n", mejorBase,
                mejorBase > 0 ? mejorLista / mejorBase : 0);
    Informe("opening", mejorApertura);
    Informe("opening, first of the run", primeraApertura);
    Informe("choose all", mejorTodos);
    return 0;
}
