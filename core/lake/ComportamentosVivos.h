// The behaviours of the living beings: swimming, eating, the energy budget,
// feeding on the lake and the water, reproduction and spawning.
//
//   3 COMP_NOVA_DIRECAO   a new swimming velocity, then the slot goes to its parameter
//   4 COMP_NADA           watches swimming, asks for a new direction
//   5 COMP_COME           a hungry fish eats the prey it touches
//   6 COMP_METABOLISMO    upkeep, ageing, death, reproduction triggers
//   7 COMP_ABSORVE        algae and micro-organisms feed on the lake or the water
//   8 COMP_REPRODUZ       makes a young one in the lowest free agent
//   9 COMP_DESOVA         a fish swims home and spawns there
#pragma once

#include "core/lake/CComportamento.h"

class ComportamentoNovaDirecao : public CComportamento {
public:
    uint32_t mTrata(ArgumentoMensagem a, ArgumentoMensagem b) override;
};

class ComportamentoNada : public CComportamento {
public:
    uint32_t mTrata(ArgumentoMensagem a, ArgumentoMensagem b) override;
};

class ComportamentoCome : public CComportamento {
public:
    uint32_t mTrata(ArgumentoMensagem a, ArgumentoMensagem b) override;
};

class ComportamentoMetabolismo : public CComportamento {
public:
    uint32_t mTrata(ArgumentoMensagem a, ArgumentoMensagem b) override;
};

class ComportamentoAbsorve : public CComportamento {
public:
    uint32_t mTrata(ArgumentoMensagem a, ArgumentoMensagem b) override;
};

// Answers 1 when it found a free agent for a young one, else 0.
class ComportamentoReproduz : public CComportamento {
public:
    uint32_t mTrata(ArgumentoMensagem a, ArgumentoMensagem b) override;
};

class ComportamentoDesova : public CComportamento {
public:
    uint32_t mTrata(ArgumentoMensagem a, ArgumentoMensagem b) override;
};

// True when a being of type predador eats one of type presa.
bool comestivel(int32_t predador, int32_t presa);
