// The simulation clock: the step timer drives the lake, the phase timer
// the phase's events.
#include "app/CApl.h"

#include "lake/Relogio.h"
#include "phase/EventosFase.h"
#include "phase/LeParametros.h"

void CApl::mExecEventosFase(uint32_t origem) {
    switch (origem) {
    case ORIGEM_INICIO:
        gIndiceEvento = 0;
        gContaInterventor = 0;
        janela.mParaTemporizador(TIMER_PASSO);
        janela.mParaTemporizador(TIMER_FASE);
        janela.mDefineTemporizador(TIMER_PASSO, periodoPassoEfetivo(periodoPasso));
        janela.mDefineTemporizador(
            TIMER_FASE, periodoPassoEfetivo(periodoFase(periodoPasso, tabelaFase[0].tempo)));
        break;
    case ORIGEM_PASSO:
        mPasso();
        break;
    default:
        break;
    }
}

void CApl::mPasso() {
    if (estado == SEM_PARTIDA) return;
    if (estado == EM_JOGO) {
        passoDoLago(agentes, cena);
        passosPartida += 1;
        mBalanca();
    }
    mAtualizaEcometro();
    janela.mDesenhaQuadro(estado == EM_JOGO);
}

void CApl::mBalanca() { balanca(balanco, cena); }

bool CApl::mLeParametros() { return leParametros(); }
