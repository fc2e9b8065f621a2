// The dialogs as modal Qt dialogs owned by the main window. While one is
// open its own event loop keeps the game's timers running.
#pragma once

#include "app/Dialogos.h"

class CJanela;

class DialogosQt : public Dialogos {
public:
    explicit DialogosQt(CJanela& janela) : janela(janela) {}

    bool mIniciarPartida(uint32_t& personagem, std::string& fase) override;
    bool mEscolheColega(uint32_t personagem, uint32_t& colega) override;
    bool mConfigurar(std::string& faseSugerida, uint32_t& tamanho) override;
    void mSobre() override;
    bool mPedeComputador(std::string& nome) override;
    bool mPedePorta(std::string& porta) override;
    bool mPedeNomeAluno(std::string& nome) override;

private:
    CJanela& janela;
};
