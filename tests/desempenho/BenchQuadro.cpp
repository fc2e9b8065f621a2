// One rendered frame of a busy lake: 75 beings, 20 polluters and 75 drops,
// at 921 × 518 (the view of a 90 % window on a 1024 × 768 screen), with the
// game's models, lights and background, and a pick in it. Needs OpenGL
// (Xvfb gives Mesa's software renderer).
#include "core/lake/Aleatorio.h"
#include "core/platform/PlataformaConsole.h"
#include "core/scene/CCena3D.h"
#include "core/scene/CenaPadrao.h"
#include "view/RenderizadorGL.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

struct PlataformaInstalada {
    PlataformaInstalada() { instalaPlataforma(&plataforma); }
    ~PlataformaInstalada() { instalaPlataforma(nullptr); }
    PlataformaConsole plataforma;
};

// The busy lake, drawn by OpenGL; none without an OpenGL 3.3 context.
std::unique_ptr<CCena3D> lagoCheio() {
    auto cena = std::make_unique<CCena3D>();
    cena->mDefineDispositivo(std::make_unique<RenderizadorGL>(nullptr));
    if (!cena->mIniciaCena(0, 0, 921, 518, {0.68f, 0.15f, 0.08f, 0.08f}) ||
        !cena->mCarregaFundo(QELP_DIR_DP "/FUNDOCEN.bmp") ||
        !carregaCenaPadrao(*cena, QELP_DIR_DP "/"))
        return nullptr;
    for (int quadro = 0; quadro < NUM_QUADROS_TOPO; ++quadro) cena->mZBuffer(quadro, false);

    GeradorAleatorio aleatorio(1);
    const auto ao = [&aleatorio](int faixa) {
        return static_cast<float>(aleatorio.mProximo() % faixa) - faixa / 2.0f;
    };
    for (int i = 0; i < NUM_SLOTS_GRUPO; ++i)
        cena->mCriaInstancia(GRUPO_SERES, i % 5, {ao(230), ao(120), 0}, {}, {0, 1, 1}, 0.1f);
    for (int i = 0; i < 20; ++i)
        cena->mCriaInstancia(GRUPO_POLUIDORES, 5 + i % 8 + (i % 8 >= 3), {ao(230), 26, 0}, {}, {}, 0);
    for (int i = 0; i < NUM_TEMPORARIAS; ++i)
        cena->mCriaTemporaria(1e9f, GRUPO_TEMPORARIAS, 13 + i % 4, {ao(230), ao(100), 0}, {}, {0, 1, 0}, 0.1f);
    return cena;
}

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
