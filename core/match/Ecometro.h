// The eco-meter: the lake's energy against a full lake, as a ratio and a
// colour band. The band's value is also the panel picture of its bar.
#pragma once

#include "core/lake/CTabelaAgentes.h"

#include <cstdint>
#include <optional>
#include <string_view>

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
// The band of a name; none for another word.
std::optional<CorEcometro> corDoNome(std::string_view nome);

// The colour a game showed when it sent a colour term with the reading in
// percent (truncated). At a band's lower edge (66, 33) the truncated
// reading fits two bands; a colour term is sent only when the colour
// changed, so there it is the one of the two that is not the colour before
// (anterior); without one, the band of the whole percent.
CorEcometro corDoTermo(int64_t percentual, std::optional<CorEcometro> anterior);

// The reading of the lake now; an inactive table reads 0.
Ecometro leEcometro(const CTabelaAgentes& agentes);

// The reading in percent, truncated toward zero: (r × 100). A ratio beyond
// the 32-bit range (a lake of absurd energy) gives the nearest end of it.
int32_t percentualEcometro(float razao);
