// The control panel's pictures: the 29 entries of the 2D layer that start-up
// registers, in index order, with their rectangles in fractions of the client
// area (left, top, right, bottom). The pressed image of button b is b + 10.
#pragma once

#include <array>
#include <cstddef>

struct ItemPainel {
    const char* arquivo;
    float esquerda, topo, direita, base;
};

inline constexpr std::size_t NUM_ITENS_PAINEL = 29;

// Indices of the entries the program names.
inline constexpr int ITEM_ABERTURA = 0;
inline constexpr int ITEM_FUNDO_PAINEL = 1;
inline constexpr int ITEM_MOLDURA = 2;
inline constexpr int ITEM_RETRATO = 3;         // the first character's portrait
inline constexpr int ITEM_RETRATO_COLEGA = 4;  // the second character's
inline constexpr int ITEM_ECOMETRO = 5;
inline constexpr int ITEM_BARRA_VERDE = 6;   // then yellow 7 and red 8
inline constexpr int ITEM_BARRA_VERMELHA = 8;
inline constexpr int ITEM_MENTAL = 9;         // the first button
inline constexpr int ITEM_AJUDA = 10;
inline constexpr int ITEM_FERRAMENTA = 11;         // the first character's tools 11..14
inline constexpr int ITEM_FERRAMENTA_COLEGA = 15;  // the second character's 15..18
inline constexpr int ITEM_ULTIMO_BOTAO = 18;
inline constexpr int ITEM_PRIMEIRO_PRESSIONADO = 19;  // pressed images 19..28
inline constexpr int DESLOCAMENTO_PRESSIONADO = 10;   // the pressed image of button b is b + 10

// The bar's height: top = (1 − r) × 0.193 + 0.78 for the ratio r; its
// bottom stays at 0.973.
inline constexpr double ALTURA_BARRA = 0.193;
inline constexpr double TOPO_BARRA_CHEIA = 0.78;

extern const std::array<ItemPainel, NUM_ITENS_PAINEL> ITENS_PAINEL;
