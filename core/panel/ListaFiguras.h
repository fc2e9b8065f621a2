// The 2D layer's list, without its pictures: up to 50 entries, each a
// picture file and a rectangle in fractions of the client area, and the
// shown flags that a full repaint follows. The front end keeps the loaded
// pictures beside it, index for index, and paints what it says.
#pragma once

#include <array>
#include <cstddef>
#include <string>

inline constexpr std::size_t MAX_FIGURAS = 50;
inline constexpr std::size_t MAX_NOME_FIGURA = 51;  // characters of a file name
// A right or bottom of −1: the picture's natural width or height in pixels.
inline constexpr float TAMANHO_NATURAL = -1.0f;

struct Figura {
    std::string arquivo;
    // Fractions of the client width (esquerda, direita) and height (topo, base).
    float esquerda = 0, direita = 0, topo = 0, base = 0;
};

class ListaFiguras {
public:
    // Appends an entry (note the order: left, top, right, bottom); false
    // when the list is full.
    bool mRegistra(const std::string& arquivo, float esquerda, float topo, float direita,
                   float base);

    // Entry i's picture file; the picture changes when it is next read.
    void mTrocaArquivo(int i, const std::string& arquivo);

    // Whether entry i's rectangle holds the point, all four bounds included
    // (a stored −1 counts as −1), whatever its shown flag.
    bool mContem(int i, float fx, float fy) const;

    // Moves entry i's top edge.
    void mDefineTopo(int i, float topo);

    int mQuantos() const { return quantos; }
    const Figura& operator[](int i) const { return figuras.at(static_cast<std::size_t>(i)); }

    // 1: a full repaint draws the entry.
    std::array<int, MAX_FIGURAS> visivel{};

private:
    std::array<Figura, MAX_FIGURAS> figuras;
    int quantos = 0;
};
