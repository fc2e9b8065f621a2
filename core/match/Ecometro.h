// The eco-meter: the lake's energy against a full lake, as a ratio and a
// colour band. The band's value is also the panel picture of its bar.
#pragma once

#include "core/lake/CTabelaAgentes.h"

#include <cstdint>

enum CorEcometro { ECOMETRO_VERDE = 6, ECOMETRO_AMARELO = 7, ECOMETRO_VERMELHO = 8 };
inline constexpr float LIMIAR_AMARELO = 0.666666f;   // below: yellow
inline constexpr float LIMIAR_VERMELHO = 0.333333f;  // below: red

struct Ecometro {
    LeituraEcometro leitura;  // beings counted, their energy, the full scale
    float razao = 0;          // energy / full scale; not clamped
    CorEcometro cor = ECOMETRO_VERMELHO;
};

// The bar's colour for the ratio energy / full scale.
CorEcometro corEcometro(float razao);

// The band's name: "verde", "amarelo", "vermelho".
const char* nomeCorEcometro(CorEcometro cor);

// The reading of the lake now; an inactive table reads 0.
Ecometro leEcometro(const CTabelaAgentes& agentes);

// The reading in percent, truncated toward zero: (r × 100). A ratio beyond
// the 32-bit range (a lake of absurd energy) gives the nearest end of it.
int32_t percentualEcometro(float razao);
