// Many matches of one phase, one a seed, run without a window on every core:
// what the phase editor's balance check and simula --sementes show. Each
// seed's match is exactly simula's for that seed, so the result does not
// depend on how many cores ran it.
#pragma once

#include "core/data/ArquivoFase.h"
#include "core/match/Ecometro.h"
#include "core/match/Simulacao.h"

#include <atomic>
#include <cstdint>
#include <vector>

struct ResumoSemente {
    uint32_t semente = 0;
    bool iniciou = false;  // false: the match could not start (bad files)
    uint32_t passos = 0;   // steps run: to the end event or opcoes.passos
    // The eco-meter in percent: after the last step, and the least and the
    // mean of its readings after the lake is built and after every step.
    double ecometroFinal = 0, ecometroMin = 0, ecometroMedio = 0;
    CorEcometro corFinal = ECOMETRO_VERMELHO;
    int32_t seresFinal = 0;  // beings counted by the last reading
    // The reading every cadaSerie steps from step 0 (empty when cadaSerie
    // is 0); a match that ended early stops its series there.
    std::vector<float> serie;
};

// One match: opcoes with opcoes.semente replaced by semente.
ResumoSemente rodaSemente(OpcoesSimulacao opcoes, uint32_t semente, uint32_t cadaSerie = 0);

// The seeds de..ate (inclusive), in seed order, on controle.threads threads
// (0: as many as the machine has cores). Each finished seed adds 1 to
// feitas; once cancelar is set no new seed starts and the answer is empty.
struct ControleLote {
    std::atomic<bool> cancelar{false};
    std::atomic<uint32_t> feitas{0};
    uint32_t threads = 0;
};
std::vector<ResumoSemente> rodaSementes(const OpcoesSimulacao& opcoes, uint32_t de, uint32_t ate,
                                        ControleLote& controle, uint32_t cadaSerie = 0);

// The match's length in steps at the base period (a phase time t is step
// t × 1000 / 130): up to the end event the game would run first, or,
// without one, a minute after the last event that comes; at most 20
// minutes of match.
uint32_t passosDaFase(const std::vector<ParFase>& pares);
// The same, of the table the game read from a phase file.
uint32_t passosDaTabela(const TabelaFase& tabela);
