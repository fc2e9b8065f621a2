// The four characters a pupil can play: their names and portraits, and the
// three a colleague may take beside the pupil's.
#pragma once

#include "core/data/Parametros.h"

#include <array>
#include <cstdint>

inline constexpr std::size_t NUM_COLEGAS = NUM_PERSONAGENS - 1;

// "Mãe Natureza", "Pescador", "Prefeito", "Turista" (UTF-8).
const char* nomePersonagem(uint32_t personagem);

// The character's portrait: "dp/MAE.bmp", "dp/PESCADOR.bmp", …
const char* retratoPersonagem(uint32_t personagem);

// The colleague's choices, in the order the dialog shows them: the other
// three characters, the Pescador first unless the pupil plays it.
std::array<uint32_t, NUM_COLEGAS> colegasPossiveis(uint32_t personagem);
