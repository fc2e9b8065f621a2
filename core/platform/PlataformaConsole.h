// A platform for programs without windows: every message box is written to
// standard error, one box a line, and answered with its default button.
#pragma once

#include "core/platform/Plataforma.h"

class PlataformaConsole : public Plataforma {
public:
    Resposta mMensagem(const std::string& texto, const std::string& titulo, Icone icone,
                       Botoes botoes, Resposta padrao) override;
    TamanhoTela mTamanhoTela() const override;
    uint32_t mRelogioMs() const override;
    bool mSuportaGraficos() override { return false; }
    std::string mProcuraPrograma(const std::string& nome) const override;
    void mIniciaPrograma(const std::vector<std::string>& argumentos,
                         ProcessoExterno& processo) override;
    bool mProgramaRodando(const ProcessoExterno& processo) const override;
    std::unique_ptr<SaidaSom> mCriaSaidaSom() override;

    // The number of boxes shown so far.
    int mCaixas() const { return caixas; }

private:
    int caixas = 0;
};
