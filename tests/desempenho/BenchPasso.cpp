// The engine work of one simulation step on a full table, and a pick.
#include "core/lake/CTabelaAgentes.h"
#include "core/lake/Gabaritos.h"
#include "core/match/RegistroPartida.h"
#include "core/scene/CCena3D.h"
#include "tests/comum/DiretorioTemporario.h"
#include "tests/comum/ModelosTeste.h"
#include "tests/comum/PlataformaRoteiro.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// 75 beings in group 0, 20 polluters in group 1, the water and the lake;
// every slot answers, so every pass visits all 100 agents.
struct LagoCheio {
    LagoCheio() {
        escreveCaixaX("peixe.x", {-6, -3, -2}, {6, 3, 2});
        cena->mIniciaCena(0, 0, 560, 315, {0.68f, 0.15f, 0.08f, 0.08f});
        cena->mCarregaModelo(0, "peixe.x");
        cena->mCarregaModelo(5, "peixe.x");
        tabela->mInicia(cena.get());
        tabela->aleatorio.mSemeia(1);

        CGabarito ser = gabaritoEspecie(TIPO_GORDO);
        for (std::size_t s = 3; s < NUM_SLOTS_AGENTE; ++s) ser.pares[s] = {COMP_NULO, 0};
        CGabarito poluidor = ser;
        poluidor.grupo = GRUPO_POLUIDORES;
        poluidor.tipo = 5;
        for (std::size_t i = 0; i < 95; ++i) {
            const float posicao[3] = {static_cast<float>(tabela->aleatorio.mProximo() % 250) - 125.0f,
                                      static_cast<float>(tabela->aleatorio.mProximo() % 140) - 70.0f, 0};
            const CGabarito& gabarito = i < 75 ? ser : poluidor;
            (*tabela)[i < 75 ? i : i + 3].mEnvia(MSG_CRIA, comoArgumento(&gabarito),
                                                 comoArgumento(posicao));
        }
        const float origem[3] = {0, 0, 0};
        (*tabela)[AGENTE_LAGO].mEnvia(MSG_CRIA, comoArgumento(&GABARITO_LAGO), comoArgumento(origem));
        (*tabela)[AGENTE_AGUA].mEnvia(MSG_CRIA, comoArgumento(&GABARITO_AGUA), comoArgumento(origem));
    }

    PlataformaRoteiro plataforma;
    DiretorioTemporario diretorio;
    std::unique_ptr<CCena3D> cena = std::make_unique<CCena3D>();
    std::unique_ptr<CTabelaAgentes> tabela = std::make_unique<CTabelaAgentes>();
};

void passoDoMotor(LagoCheio& lago) {
    lago.tabela->mEnviaTodos(MSG_CICLO_1, 0, 0);
    lago.tabela->mEnviaTodos(MSG_CICLO_2, 0, 0);
    lago.tabela->mEnviaTodos(MSG_CICLO_3, 0, 0);
    lago.cena->mVerificaBordas(GRUPO_POLUIDORES);
    lago.cena->mVerificaBordas(GRUPO_SERES);
    lago.cena->mVerificaColisoes(GRUPO_SERES, false);
}

void BM_PassoDoMotor(benchmark::State& estado) {
    LagoCheio lago;
    for (auto _ : estado) passoDoMotor(lago);
}
BENCHMARK(BM_PassoDoMotor);

// The same step and the match's record, as a running match keeps it.
void BM_PassoDoMotorComRegistro(benchmark::State& estado) {
    LagoCheio lago;
    RegistroPartida registro;
    registro.mInicia(130, leLago(*lago.tabela, 0));
    uint32_t passo = 0;
    for (auto _ : estado) {
        passoDoMotor(lago);
        registro.mPasso(*lago.tabela, ++passo);
    }
}
BENCHMARK(BM_PassoDoMotorComRegistro);

void BM_LeituraDoLago(benchmark::State& estado) {
    LagoCheio lago;
    for (auto _ : estado) benchmark::DoNotOptimize(leLago(*lago.tabela, 1));
}
BENCHMARK(BM_LeituraDoLago);

void BM_Escolha(benchmark::State& estado) {
    LagoCheio lago;
    for (auto _ : estado) benchmark::DoNotOptimize(lago.cena->mAgenteEm(280, 157));
}
BENCHMARK(BM_Escolha);

}  // namespace

BENCHMARK_MAIN();
