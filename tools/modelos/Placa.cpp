// The end-of-match sign: a wooden board with a cream panel reading
// "FIM DE / PARTIDA" in raised block letters, between two chequered flags.
// It stands at the origin facing the camera (−z).
#include "tools/modelos/Modelos.h"

#include <cmath>
#include <map>
#include <string_view>

namespace modelos {

namespace {
// 5 × 7 block letters, top row first.
constexpr int COLUNAS_LETRA = 5;
constexpr int LINHAS_LETRA = 7;
using Letra = std::array<std::string_view, LINHAS_LETRA>;

const std::map<char, Letra>& fonte() {
    static const std::map<char, Letra> letras = {
        {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
        {'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
        {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
        {'F', {"#####", "#....", "#....", "####.", "#....", "#....", "#...."}},
        {'I', {".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}},
        {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
        {'P', {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}},
        {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
        {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    };
    return letras;
}

// Sizes of the sign, in lake units.
constexpr double LARGURA_QUADRO = 120, ALTURA_QUADRO = 45, RAIO_QUADRO = 7;
constexpr double LARGURA_PAINEL = 113, ALTURA_PAINEL = 38, RAIO_PAINEL = 5;
constexpr double PIXEL = 2.0;              // side of one dot of a letter
constexpr double AVANCO = 6;               // letter advance, in dots
constexpr double ENTRELINHA = 2.5;         // gap between the two lines, in dots
// Depths: the frame behind, the panel in front of it, the letters in front.
constexpr double Z_QUADRO_FRENTE = -0.7, Z_QUADRO_FUNDO = 2.0;
constexpr double Z_PAINEL_FRENTE = -1.3, Z_PAINEL_FUNDO = -0.5;
constexpr double Z_LETRA_FRENTE = -2.0, Z_LETRA_FUNDO = -1.2;

struct Retangulo {
    int coluna, linha, largura, altura;
};

// Covers a letter's dots with few rectangles: each free dot starts a run to
// the right, which then grows down while the rows below match.
std::vector<Retangulo> retangulosDe(const Letra& letra) {
    bool coberto[LINHAS_LETRA][COLUNAS_LETRA] = {};
    auto aceso = [&](int l, int c) { return letra[l][c] == '#' && !coberto[l][c]; };
    std::vector<Retangulo> r;
    for (int l = 0; l < LINHAS_LETRA; ++l)
        for (int c = 0; c < COLUNAS_LETRA; ++c) {
            if (!aceso(l, c)) continue;
            int largura = 1;
            while (c + largura < COLUNAS_LETRA && aceso(l, c + largura)) ++largura;
            int altura = 1;
            for (;; ++altura) {
                if (l + altura >= LINHAS_LETRA) break;
                bool cheia = true;
                for (int k = 0; k < largura; ++k) cheia = cheia && aceso(l + altura, c + k);
                if (!cheia) break;
            }
            for (int dl = 0; dl < altura; ++dl)
                for (int k = 0; k < largura; ++k) coberto[l + dl][c + k] = true;
            r.push_back({c, l, largura, altura});
        }
    return r;
}

// Writes a line of text centred on x = 0 with its top at yTopo.
void escreveLinha(Malha& malha, std::string_view texto, double yTopo, int material) {
    const double largura = (AVANCO * static_cast<double>(texto.size()) - 1) * PIXEL;
    double x = -largura / 2;
    for (char ch : texto) {
        const auto letra = fonte().find(ch);
        if (letra != fonte().end())
            for (const Retangulo& r : retangulosDe(letra->second))
                acrescentaCaixaEntre(malha,
                                     {x + r.coluna * PIXEL, yTopo - (r.linha + r.altura) * PIXEL,
                                      Z_LETRA_FRENTE},
                                     {x + (r.coluna + r.largura) * PIXEL, yTopo - r.linha * PIXEL,
                                      Z_LETRA_FUNDO},
                                     material);
        x += AVANCO * PIXEL;
    }
}

// A chequered flag on a pole; the cloth waves gently and points to `lado`.
void acrescentaBandeira(Malha& malha, double xMastro, double yBase, double lado, int mastro,
                        int claro, int escuro) {
    constexpr int COLUNAS = 4, LINHAS = 3;
    constexpr double QUADRADO = 2.2, ALTURA_MASTRO = 13.5;
    const double z0 = Z_PAINEL_FRENTE - 0.1, z1 = Z_LETRA_FRENTE + 0.2;
    acrescentaCaixaEntre(malha, {xMastro - 0.45, yBase, z1 - 0.1}, {xMastro + 0.45, yBase + ALTURA_MASTRO, z0},
                         mastro);
    for (int c = 0; c < COLUNAS; ++c)
        for (int l = 0; l < LINHAS; ++l) {
            const double onda = 0.6 * std::sin(c * 1.3);
            const double xa = xMastro + lado * (0.45 + c * QUADRADO);
            const double xb = xa + lado * QUADRADO;
            const double yt = yBase + ALTURA_MASTRO - 0.3 - l * QUADRADO + onda;
            acrescentaCaixaEntre(malha, {std::min(xa, xb), yt - QUADRADO, z1},
                                 {std::max(xa, xb), yt, z0}, (c + l) % 2 == 0 ? escuro : claro);
        }
}
}  // namespace

// The sign shown when a match ends.
Malha geraPlacaFimDePartida() {
    Malha m("partterm");
    const int madeira = m.material(material("placa_moldura", 0xd9892f, 0.22));
    const int painel = m.material(material("placa_painel", 0xfff3d0, 0.35));
    const int letraFim = m.material(material("placa_letra_fim", 0xd8322e, 0.2));
    const int letraPartida = m.material(material("placa_letra_partida", 0x1f4fa8, 0.2));
    const int mastro = m.material(material("placa_mastro", 0x7a5a3a));
    const int claro = m.material(material("placa_xadrez_claro", 0xffffff, 0.3));
    const int escuro = m.material(material("placa_xadrez_escuro", 0x22252b, 0.15));

    acrescentaPlaca(m, translacao({0, 0, (Z_QUADRO_FRENTE + Z_QUADRO_FUNDO) / 2}),
                    retanguloArredondado(LARGURA_QUADRO, ALTURA_QUADRO, RAIO_QUADRO, 5),
                    Z_QUADRO_FUNDO - Z_QUADRO_FRENTE, madeira);
    acrescentaPlaca(m, translacao({0, 0, (Z_PAINEL_FRENTE + Z_PAINEL_FUNDO) / 2}),
                    retanguloArredondado(LARGURA_PAINEL, ALTURA_PAINEL, RAIO_PAINEL, 5),
                    Z_PAINEL_FUNDO - Z_PAINEL_FRENTE, painel);

    const double alturaTexto = (2 * LINHAS_LETRA + ENTRELINHA) * PIXEL;
    const double topo = alturaTexto / 2;
    escreveLinha(m, "FIM DE", topo, letraFim);
    escreveLinha(m, "PARTIDA", topo - (LINHAS_LETRA + ENTRELINHA) * PIXEL, letraPartida);

    constexpr double X_BANDEIRA = 49;
    const double baseBandeira = topo - 15;
    acrescentaBandeira(m, -X_BANDEIRA, baseBandeira, 1, mastro, claro, escuro);
    acrescentaBandeira(m, X_BANDEIRA, baseBandeira, -1, mastro, claro, escuro);
    m.ajustaCaixa({120, 45, 4}, true);
    return m;
}

}  // namespace modelos
