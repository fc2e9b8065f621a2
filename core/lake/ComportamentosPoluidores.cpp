#include "core/lake/ComportamentosPoluidores.h"

#include "core/lake/Aleatorio.h"
#include "core/lake/CAgente.h"
#include "core/lake/CTabelaAgentes.h"
#include "core/scene/CCena3D.h"


namespace {

constexpr float DANO_POR_TAXA = -25.0f;     // energy a rate of 1 takes
constexpr float INICIO_PULVERIZACAO = 15.0f;
const Vetor3 EIXO_GOTA{0, 1, 0};            // drops turn about y

struct Construcao {
    uint32_t mascaraBorda;
    float vx, vy;
};

// Mask and start velocity of each polluting kind, 10 to 20 (12 is the food
// source, not a polluter). The pesticide's vy is drawn per record.
Construcao construcaoDe(int32_t tipo) {
    switch (tipo) {
    case COMP_DRAGA: return {BORDA_DIREITA, 1.0f, 0};
    case COMP_AGROTOXICO: return {BORDA_ESQUERDA, -1.75f, 0};
    case COMP_REDE: return {BORDA_ESQUERDA, -0.6f, 0};
    case COMP_LIXO: return {BORDA_BASE, 0, -1.0f};
    case COMP_LANCHA: return {BORDA_ESQUERDA, -1.4f, 0};
    case COMP_PESCA_PREDATORIA: return {BORDA_DIREITA, 0.8f, 0};
    case COMP_ESGOTO_RESIDENCIAL: return {0, 1.0f, 0};
    case COMP_ESGOTO_INDUSTRIAL: return {0, -1.0f, 0};
    case COMP_GASOLINA: return {BORDA_DIREITA, 1.0f, 0};
    default: return {0, 1.0f, 0};
    }
}

float mod(uint32_t r, uint32_t n) { return static_cast<float>(r % n); }

// A turn of (r mod 10) / 20 − 0.25 radians per scene tick.
float giroDeGota(uint32_t r) { return mod(r, 10) / 20.0f - 0.25f; }

// The discharges of the liquid polluters, by kind.
struct Descarga {
    float contadorBorda;      // the counter value of the border check
    float ultimoContador;     // drops while 0 <= counter <= this
    int gotas;                // drops per message
    int modelo;
    uint32_t vidaBase, vidaFaixa;
    float divisor, vyBase, vxDesvio;
};

Descarga descargaDe(int32_t tipo) {
    switch (tipo) {
    case COMP_ESGOTO_RESIDENCIAL: return {100, 12, 2, 13, 60, 10, 400, 0.2f, 0.125f};
    case COMP_ESGOTO_INDUSTRIAL: return {110, 20, 1, 14, 90, 5, 800, 0.35f, 0.0625f};
    default: return {65, 14, 2, 15, 75, 10, 400, 0.25f, 0.125f};
    }
}

}  // namespace

int interventorDoTipo(int32_t tipo) {
    switch (tipo) {
    case COMP_DRAGA: return 0;
    case COMP_AGROTOXICO: return 1;
    case COMP_REDE: return 2;
    case COMP_LIXO: return 3;
    case COMP_LANCHA: return 4;
    case COMP_PESCA_PREDATORIA: return 5;
    case COMP_ESGOTO_RESIDENCIAL: return 6;
    case COMP_ESGOTO_INDUSTRIAL: return 7;
    case COMP_GASOLINA: return 8;
    default: return -1;
    }
}

CComportamentoPoluidor::CComportamentoPoluidor(int32_t tipoPoluidor) {
    const Construcao c = construcaoDe(tipoPoluidor);
    mascaraBorda = c.mascaraBorda;
    vx = c.vx;
    vy = c.vy;
    if (const int n = interventorDoTipo(tipoPoluidor); n >= 0)
        taxas = gTaxas[static_cast<std::size_t>(n)];
    if (tipoPoluidor == COMP_AGROTOXICO) inicioPulverizacao = INICIO_PULVERIZACAO;
}

void CComportamentoPoluidor::mCriado() {
    if (tipo == COMP_AGROTOXICO) vy = mod(mSorteia(), 100) / 1000.0f - 0.05f;
}

void CComportamentoPoluidor::mVerificaBorda(uint32_t bordas) {
    if (bordas & mascaraBorda) dono->mTrocaComportamento(MSG_CICLO_1, COMP_MORRE, COMP_MORRE);
}

void CComportamentoPoluidor::mDano() {
    if (!dono->tabela) return;
    for (std::size_t i = 0; i < NUM_AGENTES; ++i) {
        CObjetoFisico* corpo = dono->tabela[i].corpo.get();
        if (!corpo || corpo->marca != MARCA_CORPO) continue;
        const int32_t linha = indiceTaxa(corpo->tipo);
        if (linha < 0 || linha >= static_cast<int32_t>(NUM_TAXAS)) continue;
        corpo->energia += taxas[static_cast<std::size_t>(linha)] * DANO_POR_TAXA;
    }
}

void CComportamentoPoluidor::mInicia() {
    if (dono->cena && dono->corpo)
        dono->cena->mMudaVelocidade(dono->corpo->grupo, dono->corpo->instancia, {vx, vy, 0});
}

uint32_t CComportamentoPoluidor::mTrata(ArgumentoMensagem a, ArgumentoMensagem b) {
    switch (b) {
    case 0: mVerificaBorda(static_cast<uint32_t>(a)); break;
    case 1: mDano(); break;
    case 2: mInicia(); break;
    default: break;
    }
    return 1;
}

uint32_t ComportamentoAtravessa::mTrata(ArgumentoMensagem a, ArgumentoMensagem) {
    if (a != 0) mVerificaBorda(static_cast<uint32_t>(a));
    if (contador == 1.0f) return 1;
    mDano();
    mInicia();
    contador = 1.0f;
    return 1;
}

uint32_t ComportamentoAgrotoxico::mTrata(ArgumentoMensagem a, ArgumentoMensagem) {
    if (a != 0) mVerificaBorda(static_cast<uint32_t>(a));

    // Two spraying windows: counters 35..45 and 70..84.
    const float c = contador, s = inicioPulverizacao;
    const bool pulveriza = (s + 20 <= c && c <= s + 30) || (s + 55 <= c && c <= s + 69);
    if (pulveriza && dono->cena && dono->corpo) {
        const Vetor3 p = dono->cena->mLePosicao(dono->corpo->grupo, dono->corpo->instancia);
        const float vida = 80.0f + mod(mSorteia(), 10);
        const float queda = -(mod(mSorteia(), 100) / 10000.0f + 0.07f);
        const float deriva = mod(mSorteia(), 100) / 1000.0f - 0.05f;
        const float giro = giroDeGota(mSorteia());
        dono->cena->mCriaTemporaria(vida, GRUPO_TEMPORARIAS, 16, {p.x + 10.0f, p.y, p.z},
                                    {deriva, queda, 0}, EIXO_GOTA, giro);
    }
    if (c == 0.0f) {
        mDano();
        mInicia();
    }
    contador += 1.0f;
    return 1;
}

uint32_t ComportamentoDescarga::mTrata(ArgumentoMensagem a, ArgumentoMensagem) {
    const Descarga d = descargaDe(tipo);
    if (contador == 0.0f) mDano();
    if (contador == d.contadorBorda)
        mVerificaBorda(tipo == COMP_GASOLINA ? mascaraBorda : static_cast<uint32_t>(a));
    if (contador >= 0.0f && contador <= d.ultimoContador) mDespeja();
    contador += 1.0f;
    return 1;
}

void ComportamentoDescarga::mDespeja() {
    if (!dono->cena) return;
    const Descarga d = descargaDe(tipo);
    const LimitesLago limites = dono->cena->mLimitesLago();
    // Where the drops start: at the shore pipes, or at the slick.
    const float ySuperficie = limites.topo - limites.topo * 0.68f * 0.92f + 0.5f;
    Vetor3 origens[2];
    switch (tipo) {
    case COMP_ESGOTO_RESIDENCIAL:
        origens[0] = {-29.0f, ySuperficie, 0};
        origens[1] = {-45.0f, ySuperficie, 0};
        break;
    case COMP_ESGOTO_INDUSTRIAL:
        origens[0] = {limites.direita - 28.5f, ySuperficie, 0};
        break;
    default:
        origens[0] = origens[1] = {limites.esquerda + 13.0f,
                                   limites.topo - limites.topo * 0.68f * 0.98f, 0};
        break;
    }
    for (int g = 0; g < d.gotas; ++g) {
        const float vida = static_cast<float>(d.vidaBase) + mod(mSorteia(), d.vidaFaixa);
        const float vy = -(mod(mSorteia(), 100) / d.divisor + d.vyBase);
        const float vx = mod(mSorteia(), 100) / d.divisor - d.vxDesvio;
        const float giro = giroDeGota(mSorteia());
        dono->cena->mCriaTemporaria(vida, GRUPO_TEMPORARIAS, d.modelo, origens[g], {vx, vy, 0},
                                    EIXO_GOTA, giro);
    }
}

Vetor3 posicaoDeEntrada(int n, const LimitesLago& limites, GeradorAleatorio& aleatorio) {
    if (n < 0 || n >= static_cast<int>(NUM_INTERVENTORES)) return {};
    // y = top − top × 0.68 × f: f is how far below the top of the water,
    // as a share of the water's top margin.
    constexpr float FATOR_Y[NUM_INTERVENTORES] = {0.92f, 0.3f, 0.92f, 0.92f, 0.925f,
                                                  0.92f, 0.92f, 0.92f, 0.98f};
    const float topo = limites.topo, esquerda = limites.esquerda, direita = limites.direita;
    float x = esquerda;
    switch (n) {
    case 1: case 2: case 4: case 7: x = direita; break;
    case 3: x = esquerda - esquerda * (mod(aleatorio.mProximo(), 60) / 60.0f + 0.2f); break;
    case 8: x = esquerda * 0.89f; break;
    default: break;
    }
    return {x, topo - topo * 0.68f * FATOR_Y[static_cast<std::size_t>(n)], 0};
}
