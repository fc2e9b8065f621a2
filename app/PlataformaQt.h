// The platform on Qt: QMessageBox with Brazilian Portuguese buttons, the
// primary screen, a steady millisecond clock, an OpenGL 3.3 probe on an
// offscreen surface and detached outside programs.
#pragma once

#include "core/platform/Plataforma.h"

class PlataformaQt : public Plataforma {
public:
    Resposta mMensagem(const std::string& texto, const std::string& titulo, Icone icone,
                       Botoes botoes, Resposta padrao) override;
    TamanhoTela mTamanhoTela() const override;
    uint32_t mRelogioMs() const override;
    bool mSuportaGraficos() override;
    std::string mProcuraPrograma(const std::string& nome) const override;
    void mIniciaPrograma(const std::vector<std::string>& argumentos,
                         ProcessoExterno& processo) override;
    bool mProgramaRodando(const ProcessoExterno& processo) const override;
    std::unique_ptr<SaidaSom> mCriaSaidaSom() override;
};
