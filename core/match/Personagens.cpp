#include "core/match/Personagens.h"

#include <cassert>

namespace {
constexpr std::array<const char*, NUM_PERSONAGENS> NOMES = {"Mãe Natureza", "Pescador", "Prefeito",
                                                            "Turista"};
constexpr std::array<const char*, NUM_PERSONAGENS> RETRATOS = {
    "dp/MAE.bmp", "dp/PESCADOR.bmp", "dp/PREFEITO.bmp", "dp/TURISTA.bmp"};
}

const char* nomePersonagem(uint32_t personagem) {
    assert(personagem < NUM_PERSONAGENS && "characters are numbered 0 to 3");
    return NOMES[personagem];
}

const char* retratoPersonagem(uint32_t personagem) {
    assert(personagem < NUM_PERSONAGENS && "characters are numbered 0 to 3");
    return RETRATOS[personagem];
}

std::array<uint32_t, NUM_COLEGAS> colegasPossiveis(uint32_t personagem) {
    switch (personagem) {
    case MAE_NATUREZA: return {PESCADOR, PREFEITO, TURISTA};
    case PESCADOR: return {MAE_NATUREZA, PREFEITO, TURISTA};
    case PREFEITO: return {PESCADOR, MAE_NATUREZA, TURISTA};
    default: return {PESCADOR, PREFEITO, MAE_NATUREZA};
    }
}
