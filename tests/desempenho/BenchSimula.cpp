// Steps per second of the headless simulation on a full lake: the shipped
// parameters after 1000 steps, when the populations have grown to their
// limits.
#include "tools/simula/Simulacao.h"

#include <benchmark/benchmark.h>

namespace {

void BM_PassosDaSimulacao(benchmark::State& estado) {
    OpcoesSimulacao opcoes;
    opcoes.valores = QELP_DIR_DP "/valores.txt";
    opcoes.modelos = QELP_DIR_DP "/";
    Simulacao simulacao(opcoes);
    if (!simulacao.mInicia()) {
        estado.SkipWithError("the shipped parameters or models could not be read");
        return;
    }
    for (int i = 0; i < 1000; ++i) simulacao.mPasso();
    for (auto _ : estado) simulacao.mPasso();
    estado.SetItemsProcessed(estado.iterations());
}
BENCHMARK(BM_PassosDaSimulacao);

}  // namespace
