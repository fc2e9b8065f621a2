// One thing that happened with a pupil, as the console shows and logs it:
// the pupil came or left, a term of the game, or a message of the teacher.
#pragma once

#include <QDateTime>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

struct Acontecimento {
    enum Tipo { ENTRADA, SAIDA, ECOMETRO, ACAO, TEXTO, MENSAGEM, ALUNO, INICIO, FIM, DIZ };
    Tipo tipo = TEXTO;
    QDateTime hora;
    int64_t valor = 0;  // ECOMETRO, FIM: percent; ACAO: the match step; INICIO: the seed
    QString evento;     // ACAO: "e1".."e8" or whatever name came; ECOMETRO, FIM: the colour shown
    QString descricao;  // in words, one line, bounded
    QString texto;      // TEXTO: the pupil's text; MENSAGEM: the teacher's; ALUNO: the name;
                        // INICIO: the phase; DIZ: what the pupil wrote; bounded
    QString bytes;      // the term as it came; bounded
};

inline constexpr std::array<const char*, 10> NOMES_TIPOS = {
    "entrada", "saida", "ecometro", "acao", "texto", "mensagem", "aluno", "inicio", "fim", "diz"};

// The name of the kind, as the class log writes it, and back.
inline QString nomeTipo(Acontecimento::Tipo tipo) { return NOMES_TIPOS[static_cast<std::size_t>(tipo)]; }
inline std::optional<Acontecimento::Tipo> tipoDoNome(const QString& nome) {
    for (std::size_t i = 0; i < NOMES_TIPOS.size(); ++i)
        if (nome == NOMES_TIPOS[i]) return static_cast<Acontecimento::Tipo>(i);
    return std::nullopt;
}
