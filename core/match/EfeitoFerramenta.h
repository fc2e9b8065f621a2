// What a tool's use did to the lake, as the pupil is shown it: which bodies
// it changed and which way (the beings by their instances, the lake bottom
// and the water, which have none), and the eco-meter's change as the panel
// writes it. The rule itself is aplicaFerramenta (core/match/Passo.h); this
// only names whom it reaches.
#pragma once

#include "core/data/Parametros.h"
#include "core/lake/CTabelaAgentes.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A being whose energy a tool changed.
struct SerAlterado {
    std::size_t agente = 0;  // its index in the agent table
    int32_t instancia = -1;  // its instance in the group of the beings
    int32_t tipo = 0;        // its body type (0..4)
    float valor = 0;         // the tool's value for its type: energy / 25, never 0
};

// Everyone a tool changed. lago and agua are the tool's values for the lake
// bottom and the water, 0 when the tool leaves them or the lake has no
// such body.
struct AlvosFerramenta {
    std::vector<SerAlterado> seres;  // in agent order
    float lago = 0;
    float agua = 0;
    bool mVazio() const { return seres.empty() && lago == 0 && agua == 0; }
};

// Whom tool values alteracao reach in the lake now: every body that
// aplicaFerramenta gives a value other than 0 (NaN counts as 0). Nobody in
// an inactive table.
AlvosFerramenta alvosDaFerramenta(const CTabelaAgentes& agentes, const Alteracao& alteracao);

// The eco-meter's change in percent points as the panel writes it: whole
// points with their sign ("+12", "−3", the minus sign U+2212), one decimal
// after a comma below one point ("+0,4"), "0" when it rounds to nothing,
// at most ±999. Empty for a change that is not a number.
std::string textoDaVariacao(float variacao);
