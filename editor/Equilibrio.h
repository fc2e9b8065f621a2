// The balance check of a phase: many matches of it left alone and as
// many played with the standard care, and what the editor shows of them
// (the eco-meter's median and middle 80 % over time, the final colours and
// the verdict they give).
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

// The p-th percentile (0-100) of values sorted from the least, by nearest
// rank: the value at rank ceil(p / 100 × n), 1-based, and at least the first.
// The values must not be empty.
float percentil(const std::vector<float>& ordenados, uint32_t p);

// The eco-meter of many matches at each point in time: the median and the
// 10th and 90th percentiles of the series that reach that point, so that
// the band between these holds the middle 80 % of the matches. A series
// that ended early just stops counting; the answer is as long as the
// longest series.
inline constexpr uint32_t PERCENTIL_BAIXO = 10;
inline constexpr uint32_t PERCENTIL_ALTO = 90;
struct FaixaEcometro {
    std::vector<float> mediana, percentilBaixo, percentilAlto;
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

// How hard the phase is, in a teacher's words, from the final colours. With
// g the share of the matches with care that end green and s that of the
// matches left alone (matches that could not start left out), taken in this
// order: impossible to win when g = 0; easy when g >= 90 % or s >= 50 % (the
// lake wins even alone); balanced when g >= 50 %; hard otherwise (0 < g <
// 50 %). No verdict when no match of one of the two kinds started.
enum class Dificuldade { SEM_VEREDITO, FACIL, EQUILIBRADA, DIFICIL, IMPOSSIVEL };
struct Verdes {
    std::size_t verdes = 0;     // started matches that ended green
    std::size_t iniciadas = 0;  // matches that started
};
Verdes contaVerdes(const std::vector<ResumoSemente>& resumos);
Dificuldade dificuldade(Verdes sozinho, Verdes cuidado);
// "fácil", "equilibrada", "difícil", "impossível de vencer"; "" without a verdict.
const char* nomeDificuldade(Dificuldade dificuldade);
// The verdict and the count behind it: "Esta fase é difícil: com cuidado,
// 45 de 100 partidas terminam no verde."; "" without a verdict.
std::string textoVeredito(const ResultadoEquilibrio& resultado);
