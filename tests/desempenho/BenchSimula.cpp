// Steps per second of the headless simulation with the shipped parameters:
// a match from its start, 2000 steps (about four and a half minutes of
// play), the same steps in every iteration; and a lake whose populations
// have grown, after 1000 steps, step after step.
#include "core/match/Simulacao.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int PASSOS = 2000;

OpcoesSimulacao opcoesPadrao() {
    OpcoesSimulacao opcoes;
    opcoes.valores = QELP_DIR_DP "/valores.txt";
    opcoes.modelos = QELP_DIR_DP "/";
    return opcoes;
}

void BM_PassosDaSimulacao(benchmark::State& estado) {
    for (auto _ : estado) {
        estado.PauseTiming();
        Simulacao simulacao(opcoesPadrao());
        if (!simulacao.mInicia()) {
            estado.SkipWithError("the shipped parameters or models could not be read");
            return;
        }
        estado.ResumeTiming();
        for (int i = 0; i < PASSOS; ++i) simulacao.mPasso();
    }
    estado.SetItemsProcessed(estado.iterations() * PASSOS);
}
BENCHMARK(BM_PassosDaSimulacao)->Unit(benchmark::kMillisecond);

void BM_PassosDoLagoCrescido(benchmark::State& estado) {
    Simulacao simulacao(opcoesPadrao());
    if (!simulacao.mInicia()) {
        estado.SkipWithError("the shipped parameters or models could not be read");
        return;
    }
    for (int i = 0; i < 1000; ++i) simulacao.mPasso();
    for (auto _ : estado)
        if (!simulacao.mPasso()) {
            estado.SkipWithError("the match ended");
            return;
        }
    estado.SetItemsProcessed(estado.iterations());
}
BENCHMARK(BM_PassosDoLagoCrescido);

}  // namespace
