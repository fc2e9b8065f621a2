// The phase's events: their codes, and how an interventor enters the lake.
#pragma once

#include <cstdint>

class CCena3D;
class CTabelaAgentes;

// Event codes.
inline constexpr uint32_t EVENTO_NADA = 0;
inline constexpr uint32_t EVENTO_FIM = 1;
inline constexpr uint32_t EVENTO_SORTEADO = 2;             // an interventor drawn at random
inline constexpr uint32_t EVENTO_PRIMEIRO_INTERVENTOR = 3;  // 3..11: interventor code − 3

inline constexpr uint32_t NUM_AGENTES_POLUIDORES = 20;  // agents 78..97

// Throws interventor n into the next polluter agent: contaInterventor
// advances (20 becomes 0) and the agent is 97 − contaInterventor, so that
// interventors take 96, 95, … 78, 97, 96, … An agent still holding a body
// ignores it. A number above 8 shows "Interventor com esse numero nao
// existe. (CApl::mExecEventosFase)", creates nothing and leaves the counter.
void criaInterventor(uint32_t n, uint32_t& contaInterventor, CTabelaAgentes& agentes,
                     CCena3D& cena);
