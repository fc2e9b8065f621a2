// The four characters a pupil can play: their names, portraits and tools,
// and the three a colleague may take beside the pupil's.
#pragma once

#include "core/data/Parametros.h"

#include <array>
#include <cstdint>

inline constexpr std::size_t NUM_COLEGAS = NUM_PERSONAGENS - 1;

// "Mãe Natureza", "Pescador", "Prefeito", "Turista" (UTF-8).
const char* nomePersonagem(uint32_t personagem);

// The character's portrait: "dp/MAE.bmp", "dp/PESCADOR.bmp", …
const char* retratoPersonagem(uint32_t personagem);

// A character's tool as the panel shows it.
struct Ferramenta {
    const char* nome;            // "Abrir sol", … (UTF-8)
    const char* figura;          // its button, "dp/INTENS16.bmp", …
    const char* figuraApertada;  // its pressed button, "dp/bintenap.bmp", …
};

// Tool k (0..3) of the character.
const Ferramenta& ferramentaPersonagem(uint32_t personagem, uint32_t k);

// The colleague's choices, in the order the dialog shows them: the other
// three characters, the Pescador first unless the pupil plays it.
std::array<uint32_t, NUM_COLEGAS> colegasPossiveis(uint32_t personagem);
