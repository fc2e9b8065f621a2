// The behaviour kinds every template shares: 0 ignore, 1 be born, 2 die,
// and 12 the food source of the lake and the water.
#pragma once

#include "core/lake/CComportamento.h"

// Kind 0: ignores the message and answers 1.
class ComportamentoNulo : public CComportamento {
public:
    ComportamentoNulo() { soResponde = true; }
    uint32_t mTrata(ArgumentoMensagem a, ArgumentoMensagem b) override;
};

// Kind 1, slot 1 of a free agent, on MSG_CRIA (a: template, b: position):
// asks the scene for an instance, builds the body with a random deviation
// of its energy and requests the rebuild from the template. Answers 0 when
// a body with a model gets no instance; the agent then stays free.
class ComportamentoNasce : public CComportamento {
public:
    uint32_t mTrata(ArgumentoMensagem a, ArgumentoMensagem b) override;
};

// Kind 2: removes the body's instance and the body, and requests the
// rebuild from the free template.
class ComportamentoMorre : public CComportamento {
public:
    uint32_t mTrata(ArgumentoMensagem a, ArgumentoMensagem b) override;
};

// Kind 12, slot 8 of the lake and the water, on MSG_CICLO_3: with b = 0 the
// ordinary step (nothing); with b pointing to a float, the food query: 0.15
// while the own energy is not negative, else 0.
class ComportamentoFonte : public CComportamento {
public:
    uint32_t mTrata(ArgumentoMensagem a, ArgumentoMensagem b) override;
};
