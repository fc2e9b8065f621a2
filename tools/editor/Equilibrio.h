// The balance check of a phase: many matches of it left alone and as
// many played with the standard care, and what the editor shows of them
// (the eco-meter's median and range over time, the final colours).
// Plain C++; the window runs it in the background (ExecucaoEquilibrio).
#pragma once

#include "core/data/ArquivoFase.h"
#include "core/match/Lote.h"

#include <cstdint>
#include <string>
#include <vector>

inline constexpr uint32_t SEMENTES_PADRAO = 30;
inline constexpr uint32_t PONTOS_MAXIMOS = 300;  // per series, whatever the match's length

struct PedidoEquilibrio {
    std::vector<ParFase> pares;  // the phase as edited, saved or not
    uint32_t sementes = SEMENTES_PADRAO;  // seeds 1..sementes
    std::string valores = "dp/valores.txt";
    std::string modelos = "dp/";
};

struct ResultadoEquilibrio {
    uint32_t passos = 0;     // the match's length (passosDaFase)
    uint32_t cadaSerie = 1;  // steps between two points of a series
    std::vector<ResumoSemente> sozinho, cuidado;  // empty when cancelled
    bool cancelado = false;
};

// The steps between two points so that a match of passos steps gives at
// most PONTOS_MAXIMOS + 1 points.
uint32_t cadaSeriePara(uint32_t passos);

// Runs the seeds left alone, then with roteiroCuidado; blocking. Each
// finished match adds 1 to controle.feitas (2 × sementes in all); once
// controle.cancelar is set it stops soon and answers cancelado.
ResultadoEquilibrio verificaEquilibrio(const PedidoEquilibrio& pedido, ControleLote& controle);

// The eco-meter of many matches at each point in time: median, least and
// greatest of the series that reach that point. A series that ended early
// just stops counting; the answer is as long as the longest series.
struct FaixaEcometro {
    std::vector<float> mediana, minimo, maximo;
};
FaixaEcometro faixaEcometro(const std::vector<ResumoSemente>& resumos);

// The final colours counted, the most hopeful first, those that did not
// happen left out: "26 verde, 4 amarelo"; matches that could not start are
// counted apart ("2 não começaram").
std::string textoCores(const std::vector<ResumoSemente>& resumos);
// "sozinho: 30 vermelho; com cuidado: 26 verde, 4 amarelo"
std::string textoContagens(const ResultadoEquilibrio& resultado);

// True when not one of the matches could start (the data files are bad).
bool nenhumaComecou(const ResultadoEquilibrio& resultado);
