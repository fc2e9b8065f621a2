// The phase table: the timed events of a match, read from a phase file of
// whitespace-separated decimal integers taken in pairs (time, event code).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

inline constexpr std::size_t MAX_EVENTOS_FASE = 100;
inline constexpr uint32_t TEMPO_ENCHIMENTO = 1000000;  // s; time of an unused entry

struct EventoFase {
    uint32_t tempo = TEMPO_ENCHIMENTO;  // seconds from the match start, at a 130 ms step
    uint32_t evento = 0;                // event code
    bool operator==(const EventoFase&) const = default;
};

using TabelaFase = std::array<EventoFase, MAX_EVENTOS_FASE>;

// Fills the table from a phase text: every entry first holds the filler
// (1000000, 0), then at most 100 pairs are read (a read that finds no number
// stops the filling), then the entries are sorted by time, entries of equal
// time keeping the order of the file.
void interpretaFase(std::string_view texto, TabelaFase& tabela);

inline constexpr const char* PASTA_FASES = "dp/";  // where the editor saves phases

// Reads the phase file named nome into the table; a name not found as it is
// written but found in dp/ (where the editor saves) is taken from there.
// When it cannot be opened, the table holds only fillers, "Arquivo de fase
// não encontrado" and then the file name are shown, and the answer is false.
bool mLeFase(const std::string& nome, TabelaFase& tabela);
