// The game's dialogs answered from a script: each answer is taken in turn,
// and what the dialog was shown with is recorded. A dialog without an
// answer left is cancelled.
#pragma once

#include "app/Dialogos.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class DialogosRoteiro : public Dialogos {
public:
    struct Inicio {
        uint32_t personagem;
        std::string fase;
    };
    struct Configuracao {
        std::string fase;
        uint32_t tamanho;
        bool fechar = true;  // "&Fechar"; false: Esc
    };

    bool mIniciarPartida(uint32_t& personagem, std::string& fase) override {
        mostradoInicio.push_back({personagem, fase});
        if (inicios.empty()) return false;
        const std::optional<Inicio> resposta = inicios.front();
        inicios.pop_front();
        if (!resposta) return false;
        personagem = resposta->personagem;
        fase = resposta->fase;
        return true;
    }

    bool mEscolheColega(uint32_t personagem, uint32_t& colega) override {
        mostradoColega.push_back(personagem);
        if (colegas.empty()) return false;
        const std::optional<uint32_t> resposta = colegas.front();
        colegas.pop_front();
        if (!resposta) return false;
        colega = *resposta;
        return true;
    }

    bool mConfigurar(std::string& faseSugerida, uint32_t& tamanho) override {
        mostradoConfiguracao.push_back({faseSugerida, tamanho});
        if (configuracoes.empty() || !configuracoes.front().fechar) {
            if (!configuracoes.empty()) configuracoes.pop_front();
            return false;
        }
        faseSugerida = configuracoes.front().fase;
        tamanho = configuracoes.front().tamanho;
        configuracoes.pop_front();
        return true;
    }

    void mSobre() override {
        ++sobres;
        if (aoMostrarSobre) aoMostrarSobre();
    }

    bool mPedeComputador(std::string& nome) override { return responde(computadores, nome); }
    bool mPedePorta(std::string& porta) override {
        portaMostrada.push_back(porta);
        return responde(portas, porta);
    }
    bool mPedeNomeAluno(std::string& nome) override {
        nomeMostrado.push_back(nome);
        return responde(nomes, nome);
    }

    // Answers; std::nullopt cancels.
    std::deque<std::optional<Inicio>> inicios;
    std::deque<std::optional<uint32_t>> colegas;
    std::deque<Configuracao> configuracoes;
    std::function<void()> aoMostrarSobre;
    std::deque<std::optional<std::string>> computadores, portas, nomes;

    // What the dialogs were shown with.
    std::vector<Inicio> mostradoInicio;
    std::vector<uint32_t> mostradoColega;
    std::vector<Configuracao> mostradoConfiguracao;
    int sobres = 0;
    std::vector<std::string> portaMostrada, nomeMostrado;

private:
    static bool responde(std::deque<std::optional<std::string>>& respostas, std::string& texto) {
        if (respostas.empty()) return false;
        const std::optional<std::string> resposta = respostas.front();
        respostas.pop_front();
        if (!resposta) return false;
        texto = *resposta;
        return true;
    }
};
