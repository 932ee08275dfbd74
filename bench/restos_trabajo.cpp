// The clean-up at start, backup and restore of 50 scratch folders that killed copies of the
// program left (each with its lock file and a file inside), set against removing the same
// folders and lock files with nothing checked. The clean-up should cost about as much.
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "correr.h"
#include "medir.h"
#include "principal/carpeta_trabajo.h"

namespace {

constexpr int kCarpetas = 50;
double mejorLimpieza = 0;
double mejorBorrado = 0;

// The folders a copy killed while using them leaves: made by a child that ends without letting
// any go. False when the child could not be started or did not make them all.
bool Abandonar(const QString& junto) {
    const pid_t pid = fork();
    if (pid < 0) return false;
    if (pid == 0) {
        for (int i = 0; i < kCarpetas; ++i) {
            auto* carpeta = new oxalde::CarpetaTrabajo(junto);
            QFile f(carpeta->Ruta("copia.mdb"));
            if (!f.open(QIODevice::WriteOnly) || f.write(QByteArray(4096, 'x')) != 4096) _exit(1);
        }
        _exit(0);
    }
    int estado = 0;
    return waitpid(pid, &estado, 0) == pid && WIFEXITED(estado) && WEXITSTATUS(estado) == 0;
}

void BM_LimpiezaDeRestos(benchmark::State& state) {
    QTemporaryDir dir;
    for (auto _ : state) {
        state.PauseTiming();
        if (!Abandonar(dir.path())) state.SkipWithError("the abandoned folders could not be made");
        state.ResumeTiming();
        Medir(mejorLimpieza, [&] { oxalde::BorrarRestosDeTrabajo({dir.path()}); });
        if (QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size() != 0)
            state.SkipWithError("folders left behind");
    }
}
BENCHMARK(BM_LimpiezaDeRestos)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

void BM_BorradoSolo(benchmark::State& state) {
    QTemporaryDir dir;
    for (auto _ : state) {
        state.PauseTiming();
        if (!Abandonar(dir.path())) state.SkipWithError("the abandoned folders could not be made");
        const QStringList nombres = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        state.ResumeTiming();
        Medir(mejorBorrado, [&] {
            for (const QString& nombre : nombres) {
                const QString ruta = QDir(dir.path()).filePath(nombre);
                if (!QFile::remove(ruta)) QDir(ruta).removeRecursively();
            }
        });
    }
}
BENCHMARK(BM_BorradoSolo)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    bench::Correr(argc, argv);
    std::printf("%d abandoned scratch folders: clean-up %.2f ms, removing them unchecked %.2f ms (%.1f times)\n",
                kCarpetas, mejorLimpieza, mejorBorrado, mejorBorrado > 0 ? mejorLimpieza / mejorBorrado : 0.0);
    return 0;
}
