// The terms a game sends its tutor when the pupil gave a name, beside the
// terms every game sends: who the pupil is, a match's start and end, and
// what the pupil writes. Strings go in double quotes, UTF-8, with `"` and
// `\` escaped by a `\`; like the others, terms follow one another with
// nothing between them.
#pragma once

#include "core/match/Ecometro.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

inline constexpr std::size_t MAX_NOME_ALUNO = 40;    // characters of a pupil's name
inline constexpr std::size_t MAX_NOME_FASE = 200;    // characters of a phase's name in a term
inline constexpr std::size_t MAX_TEXTO_ALUNO = 200;  // characters of a pupil's message

// The text as one line of at most maxCaracteres characters, in UTF-8 (bytes
// that are not UTF-8 read as Windows-1252): line breaks and other control
// characters become blanks, and blanks at both ends go.
std::string linhaDeTexto(std::string_view texto, std::size_t maxCaracteres);

// [aluno("NOME")]
std::string termoAluno(std::string_view nome);

// [partida(inicio,"FASE",SEMENTE)]
std::string termoInicioPartida(std::string_view fase, uint32_t semente);

// [partida(fim,P,COR)], P the reading in percent, COR the band's name.
std::string termoFimPartida(int32_t percentual, CorEcometro cor);

// [diz("TEXTO")]
std::string termoDiz(std::string_view texto);
