// The terms the game sends its tutor, byte for byte, as pure functions of
// what happens in the match: a change of the eco-meter's colour, and a tool
// of Mãe Natureza or the Pescador used. Terms follow one another on the
// link with nothing between them.
#pragma once

#include "core/match/CPartida.h"

#include <cstdint>
#include <optional>
#include <string>

// "[sense(ecometro(P))]", P the reading in percent.
std::string termoEcometro(int32_t percentual);

// The tutor's name of a tool: "e1".."e4" for Mãe Natureza's tools 0..3,
// "e5".."e8" for the Pescador's; none for the Prefeito's and the Turista's.
const char* eventoTutor(uint32_t personagem, uint32_t ferramenta);

// "happens(E,N)\nact(E,(acao))", E the tool's name, N the match's running
// steps.
std::string termoAcao(const char* evento, uint32_t passosPartida);

// The term a match event tells the tutor, if any: a change of colour, or a
// tool with a name used; refused uses and the other events tell nothing.
std::optional<std::string> termoDoEvento(const EventoPartida& evento, uint32_t passosPartida);
