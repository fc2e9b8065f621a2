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

extern const std::array<ItemPainel, NUM_ITENS_PAINEL> ITENS_PAINEL;
