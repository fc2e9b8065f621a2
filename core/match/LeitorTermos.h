// The tutor's side of the link: the game's terms read back from the bytes of
// one connection. Terms follow one another with nothing between them and may
// arrive split anywhere, so the reader keeps what could still become a term
// until the next bytes come. Whatever is no term is handed back as text,
// never dropped; memory stays bounded whatever arrives.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TermoLido {
    enum Tipo {
        ECOMETRO,  // "[sense(ecometro(P))]": valor = P, the reading in percent
        ACAO,      // "happens(E,N)\nact(E,(acao))": evento = E, valor = N, the step
        TEXTO,     // bytes that are no term, as they came
        // The terms of a game whose pupil gave a name; conteudo is the
        // string in double quotes, its escapes undone.
        ALUNO,           // [aluno("NOME")]: conteudo = the name
        INICIO_PARTIDA,  // [partida(inicio,"FASE",SEMENTE)]: conteudo = FASE, valor = SEMENTE
        FIM_PARTIDA,     // [partida(fim,P,COR)]: valor = P, evento = COR
        DIZ,             // [diz("TEXTO")]: conteudo = what the pupil wrote
    };
    Tipo tipo = TEXTO;
    int64_t valor = 0;
    std::string evento;    // ACAO: "e1".."e8", or any other name the game may send; FIM_PARTIDA: the colour
    std::string conteudo;  // ALUNO, INICIO_PARTIDA, DIZ: the string
    std::string texto;     // TEXTO: the bytes; every kind: the bytes of the term
    bool operator==(const TermoLido&) const = default;
};

class LeitorTermos {
public:
    // The terms completed by these bytes, in order. Text that is no term is
    // handed back at once, except the tail that could still begin a term.
    std::vector<TermoLido> mLe(std::string_view bytes);

    // The connection ended: what was kept (an unfinished term) as text.
    std::vector<TermoLido> mFim();

    // The longest string in a term (the game's are at most 200 characters
    // of up to 4 bytes), and the longest term, with room: more kept bytes
    // than this cannot begin a term.
    static constexpr std::size_t MAIOR_TEXTO = 1024;
    static constexpr std::size_t MAIOR_TERMO = MAIOR_TEXTO + 64;

private:
    std::string pendente;  // at most MAIOR_TERMO bytes
};
