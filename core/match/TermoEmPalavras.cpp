#include "core/match/TermoEmPalavras.h"

#include "core/match/Ecometro.h"
#include "core/match/Personagens.h"
#include "core/match/TermosTutor.h"

std::string termoEmPalavras(const TermoLido& termo) {
    switch (termo.tipo) {
    case TermoLido::ECOMETRO:
        return "ecômetro " + std::to_string(termo.valor) + " % (" +
               nomeCorEcometro(corEcometro(static_cast<float>(termo.valor) / 100.0f)) + ")";
    case TermoLido::ACAO: {
        const std::string passo = ", passo " + std::to_string(termo.valor);
        for (uint32_t personagem = 0; personagem < NUM_PERSONAGENS; ++personagem)
            for (uint32_t k = 0; k < NUM_FERRAMENTAS; ++k) {
                const char* nome = eventoTutor(personagem, k);
                if (nome && termo.evento == nome)
                    return std::string(ferramentaPersonagem(personagem, k).nome) + " (" +
                           nomePersonagem(personagem) + ")" + passo;
            }
        return "ação " + termo.evento + passo;
    }
    case TermoLido::ALUNO:
        return "aluno: " + termo.conteudo;
    case TermoLido::INICIO_PARTIDA:
        return "começou a partida da fase " + termo.conteudo;
    case TermoLido::FIM_PARTIDA:
        return "terminou a partida: " + std::to_string(termo.valor) + " % (" + termo.evento + ")";
    case TermoLido::DIZ:
        return "diz: " + termo.conteudo;
    case TermoLido::TEXTO:
        break;
    }
    return "texto: " + termo.texto;
}
