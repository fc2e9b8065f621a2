// The simulation clock: the step timer drives the match, the phase timer
// the phase's events.
#include "app/CApl.h"

void CApl::mExecEventosFase(uint32_t origem) {
    switch (origem) {
    case ORIGEM_INICIO:
        janela.mParaTemporizador(TIMER_PASSO);
        janela.mParaTemporizador(TIMER_FASE);
        janela.mDefineTemporizador(TIMER_PASSO, partida.mPeriodoPasso());
        janela.mDefineTemporizador(TIMER_FASE, partida.mPeriodoPrimeiroEvento());
        break;
    case ORIGEM_PASSO:
        mPasso();
        break;
    case ORIGEM_FASE:
        mEventoFase();
        break;
    default:
        break;
    }
}

void CApl::mEventoFase() {
    const ProximoEvento proximo = partida.mEventoFase();
    switch (proximo.acao) {
    case ProximoEvento::MANTEM:
        break;
    case ProximoEvento::REARMA:
        janela.mDefineTemporizador(TIMER_FASE, proximo.periodoMs);
        break;
    case ProximoEvento::PARA:
        janela.mParaTemporizador(TIMER_FASE);
        break;
    }
}

void CApl::mPasso() {
    if (!partida.mPasso()) return;
    mAtualizaEcometro();
    mMostraEfeitos();
    janela.mDesenhaQuadro(partida.estado == EM_JOGO);
    if (gComTutor) mLeTutor();
}
