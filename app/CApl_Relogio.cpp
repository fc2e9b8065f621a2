// The simulation clock: the step timer drives the lake, the phase timer
// the phase's events.
#include "app/CApl.h"

#include "core/match/Relogio.h"
#include "core/match/EventosFase.h"
#include "core/data/LeParametros.h"

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
    case ORIGEM_FASE:
        mEventoFase();
        break;
    default:
        break;
    }
}

void CApl::mEventoFase() {
    // A firing during a pause or after the end waits; the timer stays armed.
    if (estado != EM_JOGO) return;
    const EventoSorteado evento = sorteiaEventoFase(tabelaFase);
    if (evento.evento == EVENTO_FIM) {
        mTerminaPartida();
        return;
    }
    if (evento.evento >= EVENTO_SORTEADO) {
        sons.mTocaSom(SOM_INTERVENTOR);
        criaInterventor(evento.interventor, agentes, cena);
    }
    if (const auto periodo = agendaProximoEvento(tabelaFase, periodoPasso))
        janela.mDefineTemporizador(TIMER_FASE, *periodo);
    else
        janela.mParaTemporizador(TIMER_FASE);
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
