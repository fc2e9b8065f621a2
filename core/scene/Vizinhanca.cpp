#include "core/scene/Vizinhanca.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <utility>

namespace {

// A box with an end along x or y that is no number meets nothing.
bool medida(const Caixa& c) {
    return !std::isnan(c.minimo.x) && !std::isnan(c.maximo.x) && !std::isnan(c.minimo.y) &&
           !std::isnan(c.maximo.y);
}

}  // namespace

void Vizinhanca::mPoe(int slot, const Caixa& caixa) {
    caixas[static_cast<std::size_t>(slot)] = caixa;
    marca(presentes, static_cast<std::size_t>(slot));
}

int Vizinhanca::proximo(const Marcas& marcas, int slot) {
    for (int p = std::max(slot, 0); p < LUGARES;) {
        const uint64_t resto = marcas[static_cast<std::size_t>(p) / 64] >> (p % 64);
        if (resto != 0) return p + std::countr_zero(resto);
        p = (p / 64 + 1) * 64;
    }
    return -1;
}

void Vizinhanca::mAtualiza() {
    vizinhas.fill({});

    // The boxes in the last order, then the new ones, sorted by left end
    // (from an order nearly right, by insertion).
    Marcas faltam = presentes;
    std::array<uint8_t, LUGARES> nova{};
    std::size_t quantos = 0;
    for (std::size_t k = 0; k < quantosNaOrdem; ++k) {
        const std::size_t s = ordem[k];
        uint64_t& palavra = faltam[s / 64];
        const uint64_t bit = uint64_t{1} << (s % 64);
        if (!(palavra & bit)) continue;
        palavra &= ~bit;
        if (medida(caixas[s])) nova[quantos++] = static_cast<uint8_t>(s);
    }
    for (int s = proximo(faltam, 0); s >= 0; s = proximo(faltam, s + 1))
        if (medida(mCaixa(s))) nova[quantos++] = static_cast<uint8_t>(s);
    for (std::size_t k = 1; k < quantos; ++k) {
        const uint8_t s = nova[k];
        std::size_t t = k;
        for (; t > 0 && caixas[nova[t - 1]].minimo.x > caixas[s].minimo.x; --t) nova[t] = nova[t - 1];
        nova[t] = s;
    }
    ordem = nova;
    quantosNaOrdem = quantos;

    // The sweep: each box against those after it in that order that begin
    // before it ends. Every pair looked at is written down, without a branch
    // (whether two boxes meet is hard to foresee), and only those that meet
    // are kept.
    std::array<float, LUGARES> esquerda, direita, baixo, cima;
    for (std::size_t k = 0; k < quantos; ++k) {
        const Caixa& c = caixas[nova[k]];
        esquerda[k] = c.minimo.x, direita[k] = c.maximo.x;
        baixo[k] = c.minimo.y, cima[k] = c.maximo.y;
    }
    std::array<std::pair<uint8_t, uint8_t>, LUGARES * (LUGARES - 1) / 2 + 1> pares;
    std::size_t encontrados = 0;
    for (std::size_t k = 0; k < quantos; ++k) {
        const float e = esquerda[k], d = direita[k], b = baixo[k], c = cima[k];
        for (std::size_t t = k + 1; t < quantos && esquerda[t] <= d; ++t) {
            pares[encontrados] = std::minmax(nova[k], nova[t]);
            encontrados += (direita[t] >= e) & (baixo[t] <= c) & (cima[t] >= b);
        }
    }
    for (std::size_t k = 0; k < encontrados; ++k) marca(vizinhas[pares[k].first], pares[k].second);
}
