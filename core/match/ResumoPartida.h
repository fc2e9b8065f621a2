// The debrief of a match, built from its record: how long the lake was
// green, yellow and red, how it ended, and a few short sentences in simple
// Portuguese, for a ten-year-old, about what happened — which polluter did
// the most harm, which tool the pupil used most and what it did. The game's
// "Resumo da Partida" window and simula --resumo show the same.
#pragma once

#include "core/match/RegistroPartida.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

inline constexpr uint32_t JANELA_DANO_MS = 30000;  // a polluter's harm is looked at over 30 s

struct ResumoPartida {
    std::array<uint64_t, 3> msNaCor{};  // green, yellow, red: match time in ms
    CorEcometro corFinal = ECOMETRO_VERMELHO;
    double ecometroFinal = 0;                         // percent
    std::array<int32_t, NUM_ESPECIES> seresFinais{};  // of each kind
    uint64_t msPartida = 0;                           // the match's length
    std::vector<std::string> frases;                  // three to six
};

ResumoPartida resumoDaPartida(const RegistroPartida& registro);

// "m:ss", rounded to the nearest second: 80400 ms is "1:20".
std::string tempoPartida(uint64_t ms);

// "2 minutos e 10 segundos", "1 minuto", "45 segundos", rounded to the
// nearest second.
std::string duracaoEmPalavras(uint64_t ms);

// The polluter as a sentence names it, with its article: "o esgoto doméstico".
std::string nomePoluidor(uint32_t n);

// The kind of being, plural, with its article: "os peixes gordos", "as algas".
const char* nomeEspecie(std::size_t especie);

// What simula --resumo prints: the three durations, the final colour, then
// the sentences, a line each.
std::string textoResumo(const ResumoPartida& resumo);
