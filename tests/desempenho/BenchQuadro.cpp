// One rendered frame of the busy lake (tests/view/LagoCheio.h), and a pick
// in it. Needs OpenGL (Xvfb gives Mesa's software renderer).
#include "core/platform/PlataformaConsole.h"
#include "tests/view/LagoCheio.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct PlataformaInstalada {
    PlataformaInstalada() { instalaPlataforma(&plataforma); }
    ~PlataformaInstalada() { instalaPlataforma(nullptr); }
    PlataformaConsole plataforma;
};

void BM_QuadroDoLago(benchmark::State& estado) {
    PlataformaInstalada plataforma;
    const auto cena = lagoCheio();
    if (!cena) {
        estado.SkipWithError("no OpenGL 3.3 context or no models");
        return;
    }
    for (auto _ : estado) cena->mDesenha(true);
    cena->mLiberaCena();
}
BENCHMARK(BM_QuadroDoLago)->Unit(benchmark::kMillisecond);

// A right click on the busy lake: the ray against every instance's
// triangles of the game's models.
void BM_EscolhaNoLagoCheio(benchmark::State& estado) {
    PlataformaInstalada plataforma;
    const auto cena = lagoCheio();
    if (!cena) {
        estado.SkipWithError("no OpenGL 3.3 context or no models");
        return;
    }
    for (auto _ : estado) benchmark::DoNotOptimize(cena->mAgenteEm(460, 259));
    cena->mLiberaCena();
}
BENCHMARK(BM_EscolhaNoLagoCheio)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication aplicacao(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
