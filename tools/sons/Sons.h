// The game's eight sound effects, each made by its own function.
#pragma once

#include "tools/sons/Sintese.h"

#include <vector>

namespace sons {

Faixa geraAbertura();       // opening jingle, when the game opens
Faixa geraInicioPartida();  // a match starts
Faixa geraFimPartida();     // a match ends
Faixa geraRecebe();         // a message arrives
Faixa geraSucesso();        // a button press is accepted
Faixa geraErro();           // a button press is refused
Faixa geraSobre();          // the About box opens
Faixa geraInterventor();    // a polluter arrives in the lake

// A sound effect: its file name in dp/, the longest it may last, and the
// function that makes it.
struct Som {
    const char* arquivo;
    double duracaoMaxima;
    Faixa (*gera)();
};

// Every sound effect, in the order of the game's sound slots.
const std::vector<Som>& sonsDoJogo();

}  // namespace sons
