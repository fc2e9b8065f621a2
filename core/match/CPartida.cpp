#include "core/match/CPartida.h"

#include "core/match/EventosFase.h"
#include "core/scene/CCena3D.h"

#include <algorithm>

CPartida::CPartida(CCena3D& cenaDaPartida) : cena(cenaDaPartida) {}

bool CPartida::mLeFase(const std::string& nome) { return ::mLeFase(nome, tabelaFase); }

bool CPartida::mInicia(uint32_t semente, uint32_t periodo, const std::string& arquivoValores) {
    agentes.aleatorio.mSemeia(semente);
    if (!leParametros(arquivoValores)) return false;
    if (!agentes.mConstroiLago(cena, populacaoDosParametros())) return false;
    if (idFimPartida != -1) {
        cena.mRemoveInstancia(GRUPO_LUZES, idFimPartida);
        idFimPartida = -1;
    }
    estado = EM_JOGO;
    periodoPasso = periodo;
    indiceEvento = 0;
    contaInterventor = 0;
    mCarregaFerramentas();
    passosPartida = 0;
    registro.mInicia(mPeriodoPasso(), leLago(agentes, 0));
    return true;
}

bool CPartida::mPasso() {
    if (estado == SEM_PARTIDA) return false;
    if (estado == EM_JOGO) {
        passoDoLago(agentes, cena);
        passosPartida += 1;
        balanca(balanco, cena);
        registro.mPasso(agentes, passosPartida);
    }
    return true;
}

ProximoEvento CPartida::mEventoFase() {
    // A firing during a pause or after the end waits; the timer stays armed.
    if (estado != EM_JOGO) return {};
    const EventoFase& entrada = tabelaFase[std::min<std::size_t>(indiceEvento, MAX_EVENTOS_FASE - 1)];
    uint32_t n = agentes.aleatorio.mProximo() % NUM_INTERVENTORES;
    if (entrada.evento >= EVENTO_PRIMEIRO_INTERVENTOR) n = entrada.evento - EVENTO_PRIMEIRO_INTERVENTOR;

    if (entrada.evento == EVENTO_FIM) {
        mTermina();
        return {};
    }
    if (entrada.evento >= EVENTO_SORTEADO) {
        if (n < NUM_INTERVENTORES) registro.mPoluidor(leLago(agentes, passosPartida), n);
        mAnuncia({EventoPartida::INTERVENTOR, n});
        criaInterventor(n, contaInterventor, agentes, cena);
    }

    indiceEvento += 1;
    if (indiceEvento >= MAX_EVENTOS_FASE) return {ProximoEvento::PARA};
    const uint32_t intervalo = tabelaFase[indiceEvento].tempo - tabelaFase[indiceEvento - 1].tempo;
    return {ProximoEvento::REARMA, periodoPassoEfetivo(periodoFase(periodoPasso, intervalo))};
}

bool CPartida::mUsaFerramenta(uint32_t c, uint32_t k) {
    int32_t& restantes = usos.at(c).at(k);
    if (restantes == 0) {
        mAnuncia({EventoPartida::RECUSADA, c, k});
        return false;
    }
    --restantes;
    const LeituraLago antes = leLago(agentes, passosPartida);
    aplicaFerramenta(agentes, gAlteraFerramenta[c][k]);
    const float variacao = (leEcometro(agentes).razao - antes.razao) * 100.0f;
    registro.mFerramenta(antes, c, k, gAlteraFerramenta[c][k], variacao);
    mAnuncia({EventoPartida::FERRAMENTA, c, k, 0, variacao});
    return true;
}

void CPartida::mPausa() {
    if (estado == EM_JOGO) estado = PAUSADA;
    else if (estado == PAUSADA) estado = EM_JOGO;
}

void CPartida::mTermina() {
    // On the opening screen there is no match to end, and nothing changes.
    if (estado == TERMINADA || estado == SEM_PARTIDA) return;
    if (estado == PAUSADA) mPausa();
    // One sign at most, whatever came before.
    if (idFimPartida == -1) idFimPartida = cena.mCriaInstancia(GRUPO_LUZES, MODELO_FIM_PARTIDA, {}, {}, {}, 0);
    estado = TERMINADA;
    registro.mFim(leLago(agentes, passosPartida));
    mAnuncia({EventoPartida::FIM});
}

Ecometro CPartida::mAvaliaEcometro() {
    const Ecometro ecometro = leEcometro(agentes);
    if (corAnterior && *corAnterior != ecometro.cor)
        mAnuncia({EventoPartida::COR, static_cast<uint32_t>(ecometro.cor), 0,
                  percentualEcometro(ecometro.razao)});
    corAnterior = ecometro.cor;
    return ecometro;
}

void CPartida::mCarregaFerramentas() {
    for (std::size_t c = 0; c < NUM_PERSONAGENS; ++c)
        for (std::size_t k = 0; k < NUM_FERRAMENTAS; ++k)
            usos[c][k] = parametroInteiro(gNumFerramentas[c][k]);
}

uint32_t CPartida::mPeriodoPasso() const { return periodoPassoEfetivo(periodoPasso); }

uint32_t CPartida::mPeriodoPrimeiroEvento() const {
    return periodoPassoEfetivo(periodoFase(periodoPasso, tabelaFase[0].tempo));
}

void CPartida::mAnuncia(const EventoPartida& evento) {
    if (ouvinte) ouvinte->mAconteceu(evento);
}
