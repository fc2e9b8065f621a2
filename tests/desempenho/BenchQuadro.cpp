// One rendered frame of the busy lake (tests/view/LagoCheio.h), plain and
// with a tool's effect showing everywhere, and a pick in it. Needs OpenGL (Xvfb gives Mesa's software renderer).
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

// The same frame while a tool's effect shows on every being, the lake
// bottom and the water: glows, halos, sparkles and the shimmering
// background, at a progress that goes round the effect.
void BM_QuadroDoLagoComEfeito(benchmark::State& estado) {
    PlataformaInstalada plataforma;
    const auto cena = lagoCheio();
    if (!cena) {
        estado.SkipWithError("no OpenGL 3.3 context or no models");
        return;
    }
    int quadro = 0;
    for (auto _ : estado) {
        // Within the part of the effect where it shows at full strength.
        realcaLagoCheio(*cena, 0.15f + 0.4f * static_cast<float>(quadro++ % 20) / 20.0f);
        cena->mDesenha(true);
    }
    cena->mLiberaCena();
}
BENCHMARK(BM_QuadroDoLagoComEfeito)->Unit(benchmark::kMillisecond);

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
