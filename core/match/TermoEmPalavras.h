// A term read from a game, in words for the teacher.
#pragma once

#include "core/match/LeitorTermos.h"

#include <string>

// "ecômetro 42 % (amarelo)", "Abrir sol (Mãe Natureza), passo 120", "aluno:
// Ana", "começou a partida da fase fase1.txt", "terminou a partida: 70 %
// (verde)", "diz: …", "texto: …"; a tool name the game does not use is given
// as it came.
std::string termoEmPalavras(const TermoLido& termo);
