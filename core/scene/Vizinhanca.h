// Which instances of a group may touch. Two boxes may touch only when they
// meet along x and along y, ends included; for each slot this answers the
// slots after it whose boxes meet its box.
//
// The boxes are swept in order of their left ends, so that a box is compared
// only with those that begin before it ends; the order is kept from one
// answer to the next, which the boxes, moving little in a step, mostly keep.
#pragma once

#include "core/scene/Malha.h"

#include <array>
#include <cstddef>
#include <cstdint>

class Vizinhanca {
public:
    static constexpr int LUGARES = 75;  // slots of a group

    // Starts over with no boxes.
    void mLimpa() { presentes = {}; }
    // The box of a slot, in group coordinates.
    void mPoe(int slot, const Caixa& caixa);
    // Works the answer out for the boxes put since mLimpa.
    void mAtualiza();

    const Caixa& mCaixa(int slot) const { return caixas[static_cast<std::size_t>(slot)]; }
    // The first slot from the given one on that has a box, or -1.
    int mProximaPresente(int slot) const { return proximo(presentes, slot); }
    // The first slot after a, from the given one on, whose box meets the box
    // of slot a, or -1.
    int mProximaVizinha(int a, int slot) const { return proximo(vizinhas[static_cast<std::size_t>(a)], slot); }

private:
    static constexpr std::size_t PALAVRAS = (LUGARES + 63) / 64;
    using Marcas = std::array<uint64_t, PALAVRAS>;

    static int proximo(const Marcas& marcas, int slot);
    static void marca(Marcas& marcas, std::size_t slot) { marcas[slot / 64] |= uint64_t{1} << (slot % 64); }

    std::array<Caixa, LUGARES> caixas;
    Marcas presentes{};
    std::array<Marcas, LUGARES> vizinhas{};
    // The slots in order of the left ends of their boxes, as the last answer
    // found them.
    std::array<uint8_t, LUGARES> ordem{};
    std::size_t quantosNaOrdem = 0;
};
