#include "core/lake/CTabelaAgentes.h"

#include "core/lake/Gabaritos.h"
#include "core/scene/CCena3D.h"

#include <algorithm>

namespace {

// Where new beings appear: x = (r mod 200) − 100; fish and micro-organisms
// y = (r mod 70) − 55; algae y = bottom + 2 + (r mod 4).
constexpr uint32_t FAIXA_X = 200;
constexpr float DESLOCA_X = 100.0f;
constexpr uint32_t FAIXA_Y_AGUA = 70;
constexpr float DESLOCA_Y_AGUA = 55.0f;
constexpr uint32_t FAIXA_Y_FUNDO = 4;
constexpr float ACIMA_DO_FUNDO = 2.0f;

}  // namespace

bool recebeEnergia(const CAgente& agente, int32_t tipo) {
    return agente.corpo && agente.corpo->marca == MARCA_CORPO && agente.corpo->tipo == tipo;
}

uint32_t CTabelaAgentes::mInicia(CCena3D* cena) {
    for (CAgente& agente : agentes)
        if (!agente.mMonta(GABARITO_LIVRE, agentes.data(), cena, &aleatorio)) return 0;
    ativa = 1;
    return 1;
}

void CTabelaAgentes::mLimpa() {
    if (ativa == 1) {
        for (CAgente& agente : agentes) {
            agente.mEnvia(MSG_MORRE, 0, 0);
            agente.mLimpa();
        }
    }
    ativa = 0;
}

uint32_t CTabelaAgentes::mEnviaTodos(uint32_t numero, ArgumentoMensagem a, ArgumentoMensagem b) {
    if (ativa == 0) return 1;
    for (CAgente& agente : agentes)
        if (agente.mEnvia(numero, a, b) == 0) return 0;
    return 1;
}

void CTabelaAgentes::mSomaEnergia(int32_t tipo, float valor) {
    if (ativa != 1) return;
    for (CAgente& agente : agentes)
        if (recebeEnergia(agente, tipo)) agente.corpo->energia += valor;
}

void CTabelaAgentes::mLeEcometro(LeituraEcometro& leitura) const {
    if (ativa == 0) return;
    leitura.quantos = 0;
    leitura.soma = 0;
    for (const CAgente& agente : agentes) {
        const CObjetoFisico* corpo = agente.corpo.get();
        if (!corpo || corpo->marca != MARCA_CORPO || !contaNoEcometro(*corpo)) continue;
        leitura.soma += corpo->energia;
        leitura.quantos += 1;
    }
    leitura.escala = ESCALA_ECOMETRO;
}

bool CTabelaAgentes::mConstroiLago(CCena3D& cena, const PopulacaoInicial& populacao) {
    const LimitesLago limites = cena.mLimitesLago();

    // 1-2. Everyone dies; the table is rebuilt free.
    mEnviaTodos(MSG_MORRE, 0, 0);
    mLimpa();
    if (!mInicia(&cena)) return false;

    // 3. The lake and the water, without instances.
    const float origem[3] = {0, 0, 0};
    if (populacao.criaLago)
        agentes[AGENTE_LAGO].mEnvia(MSG_CRIA, comoArgumento(&GABARITO_LAGO), comoArgumento(origem));
    if (populacao.criaAgua)
        agentes[AGENTE_AGUA].mEnvia(MSG_CRIA, comoArgumento(&GABARITO_AGUA), comoArgumento(origem));

    // 4. The beings, species after species, from index 0 up to 99 at most.
    const std::array<std::pair<int32_t, int32_t>, 5> especies = {{
        {TIPO_GORDO, populacao.gordo},
        {TIPO_AZUL, populacao.azul},
        {TIPO_LISTRADO, populacao.listrado},
        {TIPO_ALGA, populacao.alga},
        {TIPO_MICRO, populacao.micro},
    }};
    std::size_t indice = 0;
    for (const auto& [tipo, quantos] : especies) {
        for (int32_t n = 0; n < quantos && indice < NUM_AGENTES; ++n, ++indice) {
            const float x = static_cast<float>(aleatorio.mProximo() % FAIXA_X) - DESLOCA_X;
            const float y = tipo == TIPO_ALGA
                                ? limites.base + ACIMA_DO_FUNDO +
                                      static_cast<float>(aleatorio.mProximo() % FAIXA_Y_FUNDO)
                                : static_cast<float>(aleatorio.mProximo() % FAIXA_Y_AGUA) - DESLOCA_Y_AGUA;
            const float posicao[3] = {x, y, 0};
            agentes[indice].mEnvia(MSG_CRIA, comoArgumento(&gabaritoEspecie(tipo)),
                                   comoArgumento(posicao));
        }
    }
    return true;
}
