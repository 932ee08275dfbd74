// The taxpayer exchange file. Export: 100,000 chosen taxpayers written to the file, beside
// writing the same bytes straight to a file; target under 1 s. Import: 10,000 new taxpayers read,
// checked and saved (automatic mode), beside one committed insert per line on the engine with the
// library's settings; target within 1.5 times per line.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "comun/bd_prueba.h"
#include "intercambio/fichero_contri.h"
#include "intercambio/formato_contri.h"
#include "intercambio/importacion.h"
#include "vb/ansi.h"
#include "registro.h"
#include "compartido/general.h"

namespace {

constexpr int kExportados = 100000;
constexpr int kImportados = 10000;
constexpr double kObjetivoExportarMs = 1000;
constexpr double kObjetivoRazon = 1.5;
double mejorExportar = 0, mejorEscribir = 0, mejorImportar = 0, mejorInsertar = 0;

double Medir(double& mejor, const auto& f) {
    const auto inicio = std::chrono::steady_clock::now();
    f();
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inicio).count();
    if (mejor == 0 || ms < mejor) mejor = ms;
    return ms;
}

// A valid NIF for a number.
QString Nif(int n) { return QString::asprintf("%08d%c", n, "TRWAGMYFPDXBNJZSQVHLCKE"[n % 23]); }

oxalde::RegistroContribuyente Contribuyente(int i) {
    oxalde::RegistroContribuyente r;
    r.CSCO = i;
    r.DNI = Nif(10000000 + i);
    r.NOMBRE = QStringLiteral("DECLARANTE Ñ %1").arg(i);
    r.VIA = "CL";
    r.DOMICILIO = "NAGUSIA";
    r.NUMERO = i % 300;
    r.CODIGOPROVINCIA = 20;
    r.CODIGOPOSTAL = 20001;
    r.CODIGOMUNICIPIO = 79;
    r.TELEFONO = 943000000 + i;
    return r;
}

void BM_Exportar(benchmark::State& state) {
    oxalde::cExportar e;
    for (int i = 1; i <= kExportados; ++i) {
        e.TablaContriAnadir(Contribuyente(i));
        e.COPIARELEMENTOENTRETABLAS(i);
    }
    QTemporaryDir dir;
    for (auto _ : state)
        Medir(mejorExportar, [&] {
            if (oxalde::BuscarExcedido(e) || oxalde::EscribirFicheroContri(dir.filePath("Contri.txt"), e).estado !=
                                                  oxalde::ResultadoEscritura::Escrito)
                std::abort();
        });
}

void BM_EscribirBytes(benchmark::State& state) {
    QByteArray linea = QByteArray::fromStdString(vb::Utf8AAnsi(oxalde::LineaContribuyente(Contribuyente(1)).toStdString())) + "\r\n";
    QTemporaryDir dir;
    for (auto _ : state)
        Medir(mejorEscribir, [&] {
            QFile f(dir.filePath("Contri.txt"));
            if (!f.open(QIODevice::WriteOnly)) std::abort();
            for (int i = 0; i < kExportados; ++i) f.write(linea);
        });
}

class SinPregunta : public oxalde::PreguntaSustitucion {
    bool Sustituir(const QString&) override { return true; }
};

void BM_Importar(benchmark::State& state) {
    QTemporaryDir dir;
    oxalde::cExportar e;
    for (int i = 1; i <= kImportados; ++i) {
        e.TablaContriAnadir(Contribuyente(i));
        e.COPIARELEMENTOENTRETABLAS(i);
    }
    const QString ruta = dir.filePath("Contri.txt");
    oxalde::EscribirFicheroContri(ruta, e);
    for (auto _ : state) {
        BdPrueba bd;  // an empty register each time
        oxalde::RutaBDModificable = QString::fromStdString(bd.Mod());
        oxalde::RutaBDLectura = QString::fromStdString(bd.Lec());
        SinPregunta pregunta;
        oxalde::ResultadoImportacion r;
        Medir(mejorImportar, [&] { r = oxalde::ImportarFichero(ruta, true, pregunta); });
        if (r.contadores.importados != kImportados) state.SkipWithError("lines not imported");
    }
}

void BM_InsertarConfirmado(benchmark::State& state) {
    for (auto _ : state) {
        BdPrueba bd;
        Medir(mejorInsertar, [&] {
            sqlite3* db = nullptr;
            if (sqlite3_open_v2(bd.Mod().c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) std::abort();
            sqlite3_exec(db, "PRAGMA journal_mode=DELETE; PRAGMA synchronous=FULL;", nullptr, nullptr, nullptr);
            sqlite3_stmt* st = nullptr;
            sqlite3_prepare_v2(db, "INSERT INTO T01_DECLARANTES (T01_DNI, T01_NOMBRE) VALUES (?, ?)", -1, &st, nullptr);
            for (int i = 1; i <= kImportados; ++i) {
                const QByteArray dni = Nif(10000000 + i).toUtf8();
                sqlite3_bind_text(st, 1, dni.constData(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_text(st, 2, "DECLARANTE", -1, SQLITE_STATIC);
                if (sqlite3_step(st) != SQLITE_DONE) std::abort();
                sqlite3_reset(st);
            }
            sqlite3_finalize(st);
            sqlite3_close(db);
        });
    }
}

BENCHMARK(BM_EscribirBytes)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_Exportar)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_InsertarConfirmado)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_Importar)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    brunsel::RegistrarClases();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("export, %d taxpayers: %.1f ms (target under %.0f ms): %s; plain write of the bytes %.1f ms, ratio %.2f\n",
                kExportados, mejorExportar, kObjetivoExportarMs, mejorExportar < kObjetivoExportarMs ? "met" : "NOT met",
                mejorEscribir, mejorEscribir > 0 ? mejorExportar / mejorEscribir : 0);
    const double porLinea = mejorImportar / kImportados * 1000, porInsercion = mejorInsertar / kImportados * 1000;
    const double razon = porInsercion > 0 ? porLinea / porInsercion : 0;
    std::printf("import, %d lines: %.0f us per line; one committed insert %.0f us; ratio %.2f (target within %.1fx): %s\n",
                kImportados, porLinea, porInsercion, razon, kObjetivoRazon, razon <= kObjetivoRazon ? "met" : "NOT met");
    return 0;
}
