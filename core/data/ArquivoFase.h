// A phase file as its author sees it: every pair in the order written, also
// past the hundred the game reads, and the comment after the numbers. The
// phase editor reads and writes through here; the game reads with mLeFase.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One pair as the game reads it: a decimal integer each, clamped to the
// 32-bit range (the game then takes them as unsigned).
struct ParFase {
    int32_t tempo = 0;   // seconds from the match start, at a 130 ms step
    int32_t evento = 0;  // event code
    bool operator==(const ParFase&) const = default;
};

struct ArquivoFase {
    std::vector<ParFase> pares;
    std::string comentario;  // what follows the last number, lines ending in '\n'
    bool operator==(const ArquivoFase&) const = default;
};

// Reads the pairs until the first item that is not a number, as the game
// does, but all of them; the rest of the text is the comment. A time
// without its event gets the event 0, which is what the game does with it.
ArquivoFase leArquivoFase(std::string_view texto);

// Whether the text is a phase file: blank, or its first line that is not
// blank begins with a pair (two whole numbers). Any other text (the
// parameters file, a letter) reads as a phase without pairs whose comment is
// all of it, and saving it as a phase would replace it.
bool pareceArquivoFase(std::string_view texto);

// One pair a line ("10 11"), then an empty line and the comment. A comment
// that would begin with a number gets "# " before it, so that the game does
// not read it as a pair.
std::string escreveArquivoFase(const ArquivoFase& arquivo);

// What the game would do oddly with these pairs.
struct AvisoFase {
    enum Tipo {
        SEM_FIM,         // no end event: the match runs until the pupil ends it
        MAIS_DE_CEM,     // pairs past the hundredth are ignored
        FORA_DE_ORDEM,   // the game sorts the times (equal times keep their order)
        EVENTO_NAO_EXISTE,  // "numero nao existe" and nothing is created
        TEMPO_NUNCA,     // negative or ≥ 1,000,000 s: the event never comes
    };
    Tipo tipo;
    int indice;  // the pair it is about, −1 for the whole phase
    std::string texto;  // for the teacher, in Portuguese
};
std::vector<AvisoFase> avisosFase(const std::vector<ParFase>& pares);

// The event's name as a teacher reads it: "nada", "fim da partida",
// "poluidor sorteado", "draga", …, "vazamento de gasolina"; a code that does
// not exist gives "evento N (não existe)".
std::string nomeEventoFase(int32_t codigo);
inline constexpr int32_t NUM_CODIGOS_EVENTO = 12;  // codes 0..11 exist
