// The printouts: one form-732 copy and one form-731 copy written as PDF files, and a form-732 draft
// plus both copies, each beside the same pages drawn on the recorder alone (layout and text
// measuring without any output).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

#include "GarobelLib/registro.h"
#include "form731/cDatos731.h"
#include "form732/cDatos732.h"
#include "impresion/ImpresoraGrabadora.h"
#include "impresion/ImpresoraQt.h"
#include "impresion/cImOf.h"
#include "impresion/modelo731.h"
#include "impresion/modelo732.h"
#include "registro/cDecDatos.h"
#include "compartido/cDecResumen.h"

using namespace oxalde;

namespace {

QTemporaryDir* carpeta = nullptr;

// A declaration with every section filled.
void Llenar() {
    cDatos732& d = cDatos732::Instancia();
    d.TRANIF("B12345678");
    d.TRANOM("ARGITALPENAK S.L.");
    d.TRADIRECC("KALE NAGUSIA 1");
    d.TRAPROVINCIA("KELMORIA");
    d.TRAPAIS("ORVANDIA");
    d.SITTIB1("X");
    d.HECHO2("X");
    d.TMEDIO("V");
    d.MARCAV("MARKA");
    d.TIPOV("TURISMOA");
    d.MODELOV("M1");
    d.NBASTIDOR("VF1234567890");
    d.CLASIF(1234);
    d.BASE16(1234567);
    d.CUOTA16(259259);
    d.TOTAL(259259);
    // Form 731: a transport declaration with every box but the liquidation, and an account.
    cDatos731& t = cDatos731::Instancia();
    t.MODOP("T");
    t.TMEDIO("B");
    t.FABRICB("ASTILLEROS KELMORIA");
    t.ESLORAMAX(12.5f);
    t.NCONSTRUC("C-77");
    t.MARCAB("ITSAS");
    t.MODELOB("V9");
    t.ADQNIF("B12345678");
    t.ADQNOM("GARRAIOAK S.A.");
    t.ADQPAIS("ORVANDIA");
    t.PREADQ(10000000);
    t.TIPOADQ(21);
    t.IVASOP(2100000);
    t.MAXDEV(2100000);
    t.IVADEV1(2100000);
    t.resul(2100000);
    t.CC("KE2012345678901234567890");
    cDecResumen::Instancia().MODOP("T");
    cDecResumen::Instancia().Ejercicio(2012);
    cDecResumen::Instancia().FECHA(20121015);
    cImOf::Instancia().PERIODO("OA");
    cImOf::Instancia().FECHAPRE(20121020);
    cDecDatos::Instancia().DNI("12345678Z");
    cDecDatos::Instancia().NOMBRE("KELMORIAKO DENDA S.L.");
}

void Copias(benchmark::State& estado, std::shared_ptr<Impresora> impresora, std::initializer_list<const char*> copias,
            void (*imprimir)(const QString&) = ImprimirModelo732) {
    EstablecerImpresora(impresora);
    for (auto _ : estado) {
        for (const char* copia : copias) imprimir(copia);
        if (auto* g = dynamic_cast<ImpresoraGrabadora*>(impresora.get())) g->llamadas.clear();
    }
    EstablecerImpresora(nullptr);
    for (const QString& f : QDir(carpeta->path()).entryList(QDir::Files)) QFile::remove(carpeta->filePath(f));
}

void Una732_Pdf(benchmark::State& e) {
    Copias(e, std::make_shared<ImpresoraQt>(ImpresoraQt::Pdf, carpeta->path()), {"AD"});
}
void Una732_Grabadora(benchmark::State& e) { Copias(e, std::make_shared<ImpresoraGrabadora>(), {"AD"}); }
void Tres732_Pdf(benchmark::State& e) {
    Copias(e, std::make_shared<ImpresoraQt>(ImpresoraQt::Pdf, carpeta->path()), {"BO", "AD", "IF"});
}
void Tres732_Grabadora(benchmark::State& e) { Copias(e, std::make_shared<ImpresoraGrabadora>(), {"BO", "AD", "IF"}); }

void Una731_Pdf(benchmark::State& e) {
    Copias(e, std::make_shared<ImpresoraQt>(ImpresoraQt::Pdf, carpeta->path()), {"AD"}, ImprimirModelo731);
}
void Una731_Grabadora(benchmark::State& e) {
    Copias(e, std::make_shared<ImpresoraGrabadora>(), {"AD"}, ImprimirModelo731);
}

BENCHMARK(Una732_Pdf)->Unit(benchmark::kMillisecond);
BENCHMARK(Una732_Grabadora)->Unit(benchmark::kMillisecond);
BENCHMARK(Tres732_Pdf)->Unit(benchmark::kMillisecond);
BENCHMARK(Tres732_Grabadora)->Unit(benchmark::kMillisecond);
BENCHMARK(Una731_Pdf)->Unit(benchmark::kMillisecond);
BENCHMARK(Una731_Grabadora)->Unit(benchmark::kMillisecond);

class Informe : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> ms;
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const auto& r : runs)
            if (!r.error_occurred && r.run_type == Run::RT_Iteration)
                ms[r.run_name.function_name] = r.GetAdjustedRealTime();
    }
};

void Razon(const Informe& informe, const std::string& nombre, double objetivoMs) {
    auto p = informe.ms.find(nombre + "_Pdf"), g = informe.ms.find(nombre + "_Grabadora");
    if (p == informe.ms.end() || g == informe.ms.end()) return;
    std::printf("%-8s PDF %7.2f ms  recorder %7.2f ms  ratio %.1f  (target: PDF under %.0f ms) %s\n", nombre.c_str(),
                p->second, g->second, p->second / g->second, objetivoMs, p->second < objetivoMs ? "met" : "MISSED");
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication aplicacion(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    GarobelLib_Registrar();
    QTemporaryDir temporal;
    carpeta = &temporal;
    Llenar();
    Informe informe;
    benchmark::RunSpecifiedBenchmarks(&informe);
    std::printf("\n");
    Razon(informe, "Una732", 100);
    Razon(informe, "Tres732", 300);
    Razon(informe, "Una731", 100);
    benchmark::Shutdown();
    return 0;
}
