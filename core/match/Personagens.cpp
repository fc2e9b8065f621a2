#include "core/match/Personagens.h"

#include <cassert>

namespace {
constexpr std::array<const char*, NUM_PERSONAGENS> NOMES = {"Mãe Natureza", "Pescador", "Prefeito",
                                                            "Turista"};
constexpr std::array<const char*, NUM_PERSONAGENS> RETRATOS = {
    "dp/MAE.bmp", "dp/PESCADOR.bmp", "dp/PREFEITO.bmp", "dp/TURISTA.bmp"};

using Ferramentas = std::array<Ferramenta, NUM_FERRAMENTAS>;
constexpr std::array<Ferramentas, NUM_PERSONAGENS> FERRAMENTAS = {{
    {{{"Abrir sol", "dp/INTENS16.bmp", "dp/bintenap.bmp"},
      {"Colocar Aguapés", "dp/PLANTA16.bmp", "dp/bplanape.bmp"},
      {"Trocar o fundo do lago", "dp/FUNDO16.bmp", "dp/bfundape.bmp"},
      {"Acelerar degradação", "dp/DEGRAD16.bmp", "dp/bdeapert.bmp"}}},
    {{{"Não pescar em área proibida", "dp/EQUIP16.bmp", "dp/bequiape.bmp"},
      {"Recolher lixo das margens", "dp/RELIXO16.bmp", "dp/brelixoa.bmp"},
      {"Pescar para se alimentar", "dp/DEVPEI16.bmp", "dp/bdevaper.bmp"},
      {"Pescar em época permitida", "dp/PESCA16.bmp", "dp/bpescape.bmp"}}},
    {{{"Proibir poluição sonora", "dp/PROIBE16.bmp", "dp/bproibea.bmp"},
      {"Multa (campanha de conscientização)", "dp/MULTA16.bmp", "dp/bmulaper.bmp"},
      {"Colocar lixeiras", "dp/LIXEIR16.bmp", "dp/blixeiap.bmp"},
      {"Cobrar licença (filtro nas fábricas)", "dp/LICENS16.bmp", "dp/blicenap.bmp"}}},
    {{{"Não nadar no lago", "dp/NADA16.bmp", "dp/bnadaape.bmp"},
      {"Recolher lixo do chão", "dp/LIXOCH16.bmp", "dp/blixocha.bmp"},
      {"Não levar lembrança do lago", "dp/NAOLEV16.bmp", "dp/bnaoleva.bmp"},
      {"Fotografar", "dp/FOTO16.bmp", "dp/bfotoape.bmp"}}},
}};
}

const char* nomePersonagem(uint32_t personagem) {
    assert(personagem < NUM_PERSONAGENS && "characters are numbered 0 to 3");
    return NOMES[personagem];
}

const char* retratoPersonagem(uint32_t personagem) {
    assert(personagem < NUM_PERSONAGENS && "characters are numbered 0 to 3");
    return RETRATOS[personagem];
}

const Ferramenta& ferramentaPersonagem(uint32_t personagem, uint32_t k) {
    assert(personagem < NUM_PERSONAGENS && k < NUM_FERRAMENTAS && "4 characters of 4 tools");
    return FERRAMENTAS[personagem][k];
}

std::array<uint32_t, NUM_COLEGAS> colegasPossiveis(uint32_t personagem) {
    switch (personagem) {
    case MAE_NATUREZA: return {PESCADOR, PREFEITO, TURISTA};
    case PESCADOR: return {MAE_NATUREZA, PREFEITO, TURISTA};
    case PREFEITO: return {PESCADOR, MAE_NATUREZA, TURISTA};
    default: return {PESCADOR, PREFEITO, MAE_NATUREZA};
    }
}
