// The life of a match: starting, pausing and ending it, and what the pupil
// hears and sees of its events.
#include "app/CApl.h"

#include "app/Menu.h"
#include "core/match/TermosTutor.h"

namespace {
constexpr const char* TEXTO_TERMINAR_ANTERIOR =
    "Para iniciar uma nova partida é necessário primeiro terminar a anterior.";
}

CApl::CApl() { partida.mDefineOuvinte(this); }

bool CApl::mNovaPartida() {
    if (!partida.mPodeIniciar()) {
        mostraAviso(TEXTO_TERMINAR_ANTERIOR);
        return false;
    }
    if (!dialogos->mIniciarPartida(partida.personagem, faseAtual)) return false;
    if (!dialogos->mEscolheColega(partida.personagem, partida.personagemColega)) return false;
    mDefinePersonagens(partida.personagem, partida.personagemColega);
    const uint32_t semente = plataforma().mRelogioMs();
    if (!partida.mLeFase(faseAtual)) {
        mExibeAbertura();
        return false;
    }
    return mIniciaPartida(semente);
}

bool CApl::mIniciaPartida(uint32_t semente) {
    mDefinePersonagens(partida.personagem, partida.personagemColega);
    if (!partida.mInicia(semente, periodoPasso)) return false;
    mOfereceResumo(false);
    resumoPendente = true;
    efeitos.mLimpa();
    mMostraPainel();
    mExecEventosFase(ORIGEM_INICIO);
    mRedesenhaPainel();
    sons.mTocaSom(SOM_INICIO_PARTIDA);
    mContaInicioAoTutor(semente);
    return true;
}

bool CApl::mTerminaPartida() {
    partida.mTermina();
    return true;
}

bool CApl::mPausa() {
    partida.mPausa();
    mMarcaPausa();
    return true;
}

void CApl::mMarcaPausa() { janela.mMarcaComando(CMD_PAUSA, partida.estado == PAUSADA); }

void CApl::mAconteceu(const EventoPartida& evento) {
    switch (evento.tipo) {
    case EventoPartida::INTERVENTOR:
        sons.mTocaSom(SOM_INTERVENTOR);
        break;
    case EventoPartida::FIM:
        mMarcaPausa();
        sons.mTocaSom(SOM_FIM_PARTIDA);
        mContaFimAoTutor();
        if (resumoPendente) {
            resumoPendente = false;
            mOfereceResumo(true);
            mAbreResumo();
        }
        break;
    case EventoPartida::FERRAMENTA:
        sons.mTocaSom(SOM_SUCESSO);
        mIniciaEfeito(evento);
        break;
    case EventoPartida::RECUSADA:
        sons.mTocaSom(SOM_ERRO);
        break;
    case EventoPartida::COR:
        break;
    }
    if (gComTutor)
        if (const auto termo = termoDoEvento(evento, partida.passosPartida)) EnviaTutor(*termo);
}
