// A scripted platform for tests: records every message box and answers from
// a script, reports a chosen screen, clock and graphics, and records the
// programs it is asked to start.
#pragma once

#include "app/Plataforma.h"

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

struct CaixaMostrada {
    std::string texto;
    std::string titulo;
    Icone icone;
    Botoes botoes;
    Resposta padrao;
};

class PlataformaRoteiro : public Plataforma {
public:
    PlataformaRoteiro() { instalaPlataforma(this); }
    ~PlataformaRoteiro() override { instalaPlataforma(nullptr); }

    // Answers are taken in order; when the script is used up a box is
    // answered with its default button.
    Resposta mMensagem(const std::string& texto, const std::string& titulo, Icone icone,
                       Botoes botoes, Resposta padrao) override;
    TamanhoTela mTamanhoTela() const override { return tela; }
    uint32_t mRelogioMs() const override { return relogioMs; }
    bool mSuportaGraficos() override { return graficos; }
    std::string mProcuraPrograma(const std::string& nome) const override;
    void mIniciaPrograma(const std::vector<std::string>& argumentos,
                         ProcessoExterno& processo) override;
    bool mProgramaRodando(const ProcessoExterno& processo) const override;

    // Texts of the boxes shown, in order.
    std::vector<std::string> mTextos() const;

    // Ends the program started with this record.
    void mTerminaPrograma(const ProcessoExterno& processo) { rodando.erase(processo.identificador); }

    std::deque<Resposta> respostas;
    std::vector<CaixaMostrada> caixas;
    TamanhoTela tela{1024, 768};
    uint32_t relogioMs = 0;
    bool graficos = true;
    std::map<std::string, std::string> programasNoPath;  // name → full path
    bool iniciaComSucesso = true;
    std::vector<std::vector<std::string>> iniciados;

private:
    int64_t proximoIdentificador = 1000;
    std::set<int64_t> rodando;
};
