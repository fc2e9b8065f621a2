// One tick of a running match as the game runs it: the step, the eco-meter,
// the frame and its copy into the window. The match is the game's own, in a
// run directory of its own, grown for 1000 steps first (without drawing
// them) so that the lake is as full as in a match's middle. Needs OpenGL
// (Xvfb gives Mesa's software renderer). And what the Conversa window adds
// to a tick when the tutor sends a word without end.
#include "tests/app/FixtureApl.h"
#include "tutor/Conversa.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

// The application suites' fixture, used outside a test.
struct PartidaEmCurso : FixtureApl {
    void TestBody() override {}
    using FixtureApl::apl;
    using FixtureApl::iniciaPartida;
    using FixtureApl::iniciaSemTutor;
    using FixtureApl::rodaPassos;
};

void BM_TickDaPartida(benchmark::State& estado) {
    PartidaEmCurso partida;
    if (!partida.iniciaSemTutor() || !partida.iniciaPartida()) {
        estado.SkipWithError("the game did not start (no OpenGL 3.3 context or no data)");
        return;
    }
    for (int i = 0; i < 1000; ++i) partida.apl->partida.mPasso();  // the lake alone, undrawn
    QApplication::processEvents();
    for (auto _ : estado) {
        partida.rodaPassos(1);
        QApplication::processEvents();  // the window paints the new frame
    }
}
BENCHMARK(BM_TickDaPartida)->Unit(benchmark::kMillisecond);

// What the Conversa window costs a tick at the worst: a full transcript of
// one word without end, and the tutor's thousand bytes more of it, shown.
void BM_ConversaPalavraSemFim(benchmark::State& estado) {
    abreConversa(nullptr);
    const std::string pedaco(1000, 'w');
    for (int i = 0; i < 250; ++i) acrescentaConversa(pedaco);
    QApplication::processEvents();
    for (auto _ : estado) {
        acrescentaConversa(pedaco);
        QApplication::processEvents();  // the window lays out and paints it
    }
    fechaConversa();
}
BENCHMARK(BM_ConversaPalavraSemFim)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
    QApplication aplicacao(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
