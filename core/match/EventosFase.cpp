#include "core/match/EventosFase.h"

#include "core/lake/CTabelaAgentes.h"
#include "core/lake/ComportamentosPoluidores.h"
#include "core/lake/Gabaritos.h"
#include "core/platform/Plataforma.h"
#include "core/scene/CCena3D.h"

namespace {
constexpr std::size_t ULTIMO_AGENTE_POLUIDOR = 97;
}

void criaInterventor(uint32_t n, uint32_t& contaInterventor, CTabelaAgentes& agentes,
                     CCena3D& cena) {
    if (n >= static_cast<uint32_t>(NUM_TIPOS_INTERVENTOR)) {
        mostraAviso("Interventor com esse numero nao existe. (CApl::mExecEventosFase)");
        return;
    }
    const Vetor3 entrada =
        posicaoDeEntrada(static_cast<int>(n), cena.mLimitesLago(), agentes.aleatorio);
    const float posicao[3] = {entrada.x, entrada.y, entrada.z};
    contaInterventor = (contaInterventor + 1) % NUM_AGENTES_POLUIDORES;
    agentes[ULTIMO_AGENTE_POLUIDOR - contaInterventor].mEnvia(
        MSG_CRIA, comoArgumento(&gabaritoInterventor(static_cast<int>(n))), comoArgumento(posicao));
}
