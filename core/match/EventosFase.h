// The phase's events during a match: which entry of the phase table runs
// next, which of the 20 polluter agents the next interventor goes to, and
// the three steps of running an event that the game and the headless
// simulation share.
#pragma once

#include "core/data/Fase.h"

#include <cstdint>
#include <optional>

class CCena3D;
class CTabelaAgentes;

// Both restart at 0 with every match.
extern uint32_t gIndiceEvento;
extern uint32_t gContaInterventor;

// Event codes.
inline constexpr uint32_t EVENTO_NADA = 0;
inline constexpr uint32_t EVENTO_FIM = 1;
inline constexpr uint32_t EVENTO_SORTEADO = 2;             // an interventor drawn at random
inline constexpr uint32_t EVENTO_PRIMEIRO_INTERVENTOR = 3;  // 3..11: interventor code − 3

struct EventoSorteado {
    uint32_t evento;
    uint32_t interventor;  // the interventor an event of code 2 or more creates
};

// The entry at gIndiceEvento, with an interventor number drawn for it (a
// random number is drawn for every event, whatever its code).
EventoSorteado sorteiaEventoFase(const TabelaFase& tabela);

// Throws interventor n into the next polluter agent (96, 95, … 78, 97, …).
// An agent still holding a body ignores it. A number above 8 shows
// "Interventor com esse numero nao existe. (CApl::mExecEventosFase)".
void criaInterventor(uint32_t n, CTabelaAgentes& agentes, CCena3D& cena);

// Moves to the next entry and answers the phase timer's period until it,
// or none after the last entry: no further event is scheduled then.
std::optional<uint32_t> agendaProximoEvento(const TabelaFase& tabela, uint32_t periodoPasso);
