#include "core/match/EventosFase.h"

#include "core/platform/Plataforma.h"
#include "core/lake/Aleatorio.h"
#include "core/lake/CTabelaAgentes.h"
#include "core/lake/ComportamentosPoluidores.h"
#include "core/lake/Gabaritos.h"
#include "core/match/Relogio.h"
#include "core/scene/CCena3D.h"

uint32_t gIndiceEvento = 0;
uint32_t gContaInterventor = 0;

namespace {
constexpr uint32_t NUM_AGENTES_POLUIDORES = 20;  // agents 78..97
constexpr std::size_t ULTIMO_AGENTE_POLUIDOR = 97;
}  // namespace

EventoSorteado sorteiaEventoFase(const TabelaFase& tabela) {
    const EventoFase& entrada = tabela[std::min<std::size_t>(gIndiceEvento, MAX_EVENTOS_FASE - 1)];
    uint32_t n = aleatorio() % NUM_TIPOS_INTERVENTOR;
    if (entrada.evento >= EVENTO_PRIMEIRO_INTERVENTOR) n = entrada.evento - EVENTO_PRIMEIRO_INTERVENTOR;
    return {entrada.evento, n};
}

void criaInterventor(uint32_t n, CTabelaAgentes& agentes, CCena3D& cena) {
    if (n >= static_cast<uint32_t>(NUM_TIPOS_INTERVENTOR)) {
        mostraAviso("Interventor com esse numero nao existe. (CApl::mExecEventosFase)");
        return;
    }
    const Vetor3 entrada = posicaoDeEntrada(static_cast<int>(n), cena.mLimitesLago());
    const float posicao[3] = {entrada.x, entrada.y, entrada.z};
    gContaInterventor = (gContaInterventor + 1) % NUM_AGENTES_POLUIDORES;
    agentes[ULTIMO_AGENTE_POLUIDOR - gContaInterventor].mEnvia(
        MSG_CRIA, comoArgumento(&gabaritoInterventor(static_cast<int>(n))), comoArgumento(posicao));
}

std::optional<uint32_t> agendaProximoEvento(const TabelaFase& tabela, uint32_t periodoPasso) {
    gIndiceEvento += 1;
    if (gIndiceEvento >= MAX_EVENTOS_FASE) return std::nullopt;
    const uint32_t intervalo = tabela[gIndiceEvento].tempo - tabela[gIndiceEvento - 1].tempo;
    return periodoPassoEfetivo(periodoFase(periodoPasso, intervalo));
}
