// One thing that happened with a pupil, as the console shows and logs it:
// the pupil came or left, a term of the game, or a message of the teacher.
#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>

struct Acontecimento {
    enum Tipo { ENTRADA, SAIDA, ECOMETRO, ACAO, TEXTO, MENSAGEM };
    Tipo tipo = TEXTO;
    QDateTime hora;
    int64_t valor = 0;  // ECOMETRO: percent; ACAO: the match step
    QString evento;     // ACAO: "e1".."e8" or whatever name came
    QString descricao;  // in words, one line, bounded
    QString texto;      // TEXTO: the pupil's text; MENSAGEM: the teacher's; bounded
};

// The name of the kind, as the class log writes it.
inline QString nomeTipo(Acontecimento::Tipo tipo) {
    switch (tipo) {
        case Acontecimento::ENTRADA: return "entrada";
        case Acontecimento::SAIDA: return "saida";
        case Acontecimento::ECOMETRO: return "ecometro";
        case Acontecimento::ACAO: return "acao";
        case Acontecimento::TEXTO: return "texto";
        case Acontecimento::MENSAGEM: return "mensagem";
    }
    return {};
}
