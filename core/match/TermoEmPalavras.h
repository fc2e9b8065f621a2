// A term read from a game, in words for the teacher.
#pragma once

#include "core/match/LeitorTermos.h"

#include <string>

// "ecômetro 42 % (amarelo)", "Abrir sol (Mãe Natureza), passo 120", "texto:
// …"; a tool name the game does not use is given as it came.
std::string termoEmPalavras(const TermoLido& termo);
