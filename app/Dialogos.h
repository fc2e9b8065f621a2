// The dialogs a match, the settings and the tutor link are set up with. The game shows Qt
// dialogs owned by the main window (DialogosQt); tests answer from a script.
#pragma once

#include <cstdint>
#include <string>

class Dialogos {
public:
    virtual ~Dialogos() = default;

    // "Iniciar Partida" on the pupil's character and the phase file name.
    // True when "&Iniciar Partida" closed it, and then both hold the choice;
    // false ("&Cancelar", Esc) leaves both as they were.
    virtual bool mIniciarPartida(uint32_t& personagem, std::string& fase) = 0;

    // The colleague's character, one of the three besides the pupil's.
    // False when the dialog was left with Esc.
    virtual bool mEscolheColega(uint32_t personagem, uint32_t& colega) = 0;

    // "Configurar" on the suggested phase file name and the window size in
    // %. True when "&Fechar" closed it, and then both hold the choice;
    // false (Esc) leaves both as they were.
    virtual bool mConfigurar(std::string& faseSugerida, uint32_t& tamanho) = 0;

    // "Sobre", with the licence viewer.
    virtual void mSobre() = 0;

    // "Configura Comunicação com Tutor": the name of the tutor's computer,
    // at most 299 characters. False when "Cancelar" closed it.
    virtual bool mPedeComputador(std::string& nome) = 0;

    // "Número da Porta" on the port's text. False when "Cancelar" closed it.
    virtual bool mPedePorta(std::string& porta) = 0;

    // "Nome do Aluno" on the name given last time, at most 40 characters;
    // it may be left empty. False when "Cancelar" closed it.
    virtual bool mPedeNomeAluno(std::string& nome) = 0;
};
