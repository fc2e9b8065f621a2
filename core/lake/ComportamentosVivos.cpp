#include "core/lake/ComportamentosVivos.h"

#include "core/data/Parametros.h"
#include "core/lake/CAgente.h"
#include "core/lake/CTabelaAgentes.h"
#include "core/lake/Gabaritos.h"
#include "core/platform/Plataforma.h"
#include "core/scene/CCena3D.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float ENERGIA_CANSADO = 5.0f;       // below it a fish stops
constexpr float VELOCIDADE_PARADO = 0.0001f;  // a tired fish's speed, keeping its facing
constexpr float ENERGIA_FOME = 15.0f;         // a fish eats only at or below it
constexpr float GANHO_PRESA = 10.0f;          // energy of an eaten prey
constexpr float CUSTO_VIDA = 0.03f;           // upkeep per step
constexpr float IDADE_MAXIMA = 1100.0f;       // steps an alga or micro-organism lives
constexpr float ENERGIA_BROTO = 45.0f;        // above it algae and micro-organisms bud
constexpr float ENERGIA_DESOVA = 10.0f;       // a fish spawns only above it
constexpr int32_t MAX_DA_ESPECIE = 15;        // no young when the species has more
constexpr uint32_t RUMO_MINIMO_MS = 2000;     // a fish keeps a direction 2 s ..
constexpr uint32_t RUMO_VARIACAO_MS = 4000;   // .. to about 6 s
constexpr float PERTO_DE_CASA_X = 40.0f;      // a fish is home within these distances
constexpr float PERTO_DE_CASA_Y = 20.0f;

// r mod 100 mapped to −1.00 .. +0.98.
float componenteAleatoria(uint32_t r) {
    return static_cast<float>(static_cast<int32_t>(r % 100) - 50) / 50.0f;
}

CObjetoFisico* corpoDe(CComportamento& c) { return c.dono->corpo.get(); }

void mudaVelocidade(CAgente& agente, Vetor3 velocidade) {
    if (agente.cena && agente.corpo)
        agente.cena->mMudaVelocidade(agente.corpo->grupo, agente.corpo->instancia, velocidade);
}

Vetor3 leVelocidade(const CAgente& agente) {
    if (!agente.cena || !agente.corpo) return {};
    return agente.cena->mLeVelocidade(agente.corpo->grupo, agente.corpo->instancia);
}

Vetor3 lePosicao(const CAgente& agente) {
    if (!agente.cena || !agente.corpo) return {};
    return agente.cena->mLePosicao(agente.corpo->grupo, agente.corpo->instancia);
}

}  // namespace

bool comestivel(int32_t predador, int32_t presa) {
    switch (predador) {
    case TIPO_GORDO: return presa == TIPO_AZUL || presa == TIPO_LISTRADO;
    case TIPO_AZUL: return presa == TIPO_MICRO || presa == TIPO_LISTRADO;
    case TIPO_LISTRADO: return presa == TIPO_MICRO || presa == TIPO_ALGA;
    default: return false;
    }
}

uint32_t ComportamentoNovaDirecao::mTrata(ArgumentoMensagem a, ArgumentoMensagem) {
    CObjetoFisico* corpo = corpoDe(*this);
    if (!corpo) return 1;

    // 1-2. Tired: stop, keeping the facing; else a random heading.
    Vetor3 v;
    if (corpo->energia < ENERGIA_CANSADO) {
        v.x = leVelocidade(*dono).x < 0.0f ? -VELOCIDADE_PARADO : VELOCIDADE_PARADO;
    } else {
        v.x = componenteAleatoria(mSorteia());
        v.y = componenteAleatoria(mSorteia());
    }

    // 3. Away from the borders crossed.
    const uint32_t bordas = static_cast<uint32_t>(a);
    if ((bordas & BORDA_TOPO) && v.y > 0) v.y = -v.y;
    else if ((bordas & BORDA_BASE) && v.y < 0) v.y = -v.y;
    if ((bordas & BORDA_ESQUERDA) && v.x < 0) v.x = -v.x;
    else if ((bordas & BORDA_DIREITA) && v.x > 0) v.x = -v.x;

    // 4-6.
    mudaVelocidade(*dono, v);
    corpo->tempoDirecao = plataforma().mRelogioMs();
    dono->mTrocaComportamento(slot, parametro, parametro);
    return 1;
}

uint32_t ComportamentoNada::mTrata(ArgumentoMensagem, ArgumentoMensagem) {
    const CObjetoFisico* corpo = corpoDe(*this);
    if (!corpo) return 1;
    const Vetor3 v = leVelocidade(*dono);
    const bool parado = v.x == 0.0f && v.y == 0.0f && v.z == 0.0f;
    if (parado ||
        plataforma().mRelogioMs() - corpo->tempoDirecao >
            RUMO_MINIMO_MS + mSorteia() % RUMO_VARIACAO_MS ||
        corpo->energia < ENERGIA_CANSADO)
        dono->mTrocaComportamento(slot, COMP_NOVA_DIRECAO, COMP_NADA);
    return 1;
}

uint32_t ComportamentoCome::mTrata(ArgumentoMensagem, ArgumentoMensagem b) {
    CAgente* outro = comoPonteiro<CAgente>(b);
    CObjetoFisico* corpo = corpoDe(*this);
    if (!outro || !corpo || corpo->energia > ENERGIA_FOME) return 1;
    if (outro->corpo && comestivel(corpo->tipo, outro->corpo->tipo)) {
        outro->mEnvia(MSG_MORRE, 0, 0);
        corpo->energia += GANHO_PRESA;
    }
    return 1;
}

uint32_t ComportamentoMetabolismo::mTrata(ArgumentoMensagem, ArgumentoMensagem) {
    CObjetoFisico* corpo = corpoDe(*this);
    if (!corpo) return 1;

    // 1-3. Upkeep and age; death by hunger, or of old age for algae and
    // micro-organisms. Slot 7 runs COMP_MORRE at the next MSG_CICLO_2.
    corpo->energia -= CUSTO_VIDA;
    corpo->idade += 1.0f;
    if (corpo->energia <= 0.0f) {
        dono->mTrocaComportamento(MSG_CICLO_2, COMP_MORRE, COMP_MORRE);
        return 1;
    }
    const bool envelhece = corpo->tipo == TIPO_MICRO || corpo->classe == CLASSE_PLANTA;
    if (envelhece && corpo->idade > IDADE_MAXIMA)
        dono->mTrocaComportamento(MSG_CICLO_2, COMP_MORRE, COMP_MORRE);

    // 4-5. Budding; an alga that made no young pays its cost once more.
    if (corpo->classe == CLASSE_PLANTA && corpo->energia > ENERGIA_BROTO) {
        if (dono->mEnvia(MSG_REPRODUZ, 0, 1) == 0) corpo->energia += corpo->custoReproducao;
    }
    if (corpo->tipo == TIPO_MICRO && corpo->energia > ENERGIA_BROTO) dono->mEnvia(MSG_REPRODUZ, 0, 1);

    // 6. A fish starts home to spawn at every multiple of its period.
    const bool peixe = corpo->tipo >= TIPO_GORDO && corpo->tipo <= TIPO_LISTRADO;
    if (peixe && corpo->periodoReproducao > 0 &&
        parametroInteiro(corpo->idade) % corpo->periodoReproducao == 0 &&
        corpo->energia > ENERGIA_DESOVA)
        dono->mTrocaComportamento(MSG_CICLO_2, COMP_DESOVA, COMP_NADA);
    return 1;
}

uint32_t ComportamentoAbsorve::mTrata(ArgumentoMensagem, ArgumentoMensagem) {
    CObjetoFisico* corpo = corpoDe(*this);
    if (!corpo || !dono->tabela) return 1;
    const int32_t fonte = corpo->tipo == TIPO_ALGA   ? TIPO_LAGO
                          : corpo->tipo == TIPO_MICRO ? TIPO_AGUA
                                                      : -1;
    for (std::size_t i = NUM_AGENTES; i-- > 0;) {
        CAgente& agente = dono->tabela[i];
        if (!agente.corpo || agente.corpo->marca != MARCA_CORPO || agente.corpo->tipo != fonte)
            continue;
        float alimento = 0;
        agente.mEnvia(MSG_CICLO_3, 0, comoArgumento(&alimento));
        corpo->energia += alimento;
        return 1;
    }
    return 1;
}

uint32_t ComportamentoReproduz::mTrata(ArgumentoMensagem, ArgumentoMensagem b) {
    CObjetoFisico* corpo = corpoDe(*this);
    if (!corpo || corpo->marca != MARCA_CORPO) {
        mostraAviso("Nao eh tipo fisico (reproduz.cpp).");
        return 1;
    }
    if (!dono->tabela) return 1;
    CAgente* const tabela = dono->tabela;

    // 2. How many of the species live now, the parent included.
    int32_t daEspecie = 0;
    for (std::size_t i = 0; i < NUM_AGENTES; ++i) {
        const CObjetoFisico* outro = tabela[i].corpo.get();
        daEspecie += outro && outro->marca == MARCA_CORPO && outro->tipo == corpo->tipo;
    }

    // 3. The young, each in the lowest free agent. The number asked for is
    // never more than the table could hold.
    uint32_t feito = 0;
    const std::size_t filhotes = std::min<ArgumentoMensagem>(b, NUM_AGENTES);
    for (std::size_t n = 0; daEspecie <= MAX_DA_ESPECIE && n < filhotes; ++n) {
        CAgente* livre = nullptr;
        for (std::size_t i = 0; i < NUM_AGENTES && !livre; ++i)
            if (tabela[i].mLivre()) livre = &tabela[i];
        if (!livre) continue;
        feito = 1;

        const LimitesLago limites = dono->cena ? dono->cena->mLimitesLago() : LimitesLago{};
        // Fish near their home point, algae on the bottom, micro-organisms
        // anywhere in the water.
        const uint32_t r1 = mSorteia();
        const uint32_t r2 = mSorteia();
        const auto mod = [](uint32_t r, uint32_t n) { return static_cast<float>(r % n); };
        float posicao[3];
        if (corpo->tipo == TIPO_ALGA) {
            posicao[0] = mod(r1, 240) - 120.0f;
            posicao[1] = limites.base + 2.0f + mod(r2, 4);
        } else if (corpo->tipo == TIPO_MICRO) {
            posicao[0] = mod(r1, 200) - 100.0f;
            posicao[1] = mod(r2, 70) - 55.0f;
        } else {
            posicao[0] = corpo->casaX + mod(r1, 20) - 10.0f;
            posicao[1] = corpo->casaY + mod(r2, 20) - 10.0f;
        }
        posicao[2] = corpo->casaZ;

        CGabarito gabarito = gabaritoEspecie(std::clamp(corpo->tipo, TIPO_GORDO, TIPO_MICRO));
        if (corpo->tipo <= TIPO_LISTRADO) gabarito.energia = parametroInteiro(corpo->energia);
        livre->mEnvia(MSG_CRIA, comoArgumento(&gabarito), comoArgumento(posicao));
    }

    // 4. The attempt costs, young or not.
    corpo->energia += corpo->custoReproducao;
    return feito;
}

uint32_t ComportamentoDesova::mTrata(ArgumentoMensagem, ArgumentoMensagem) {
    const CObjetoFisico* corpo = corpoDe(*this);
    if (!corpo) return 1;
    const Vetor3 p = lePosicao(*dono);
    const Vetor3 d{corpo->casaX - p.x, corpo->casaY - p.y, corpo->casaZ - p.z};

    if (std::fabs(d.x) < PERTO_DE_CASA_X && std::fabs(d.y) < PERTO_DE_CASA_Y) {
        dono->mEnvia(MSG_REPRODUZ, 0, 1);
        dono->mTrocaComportamento(slot, COMP_NADA, COMP_NADA);
    }
    // Home at speed 1 along the dominant axis; exactly at home the fish
    // keeps its old velocity.
    const float m = std::max({std::fabs(d.x), std::fabs(d.y), std::fabs(d.z)});
    if (m > 0.0f) mudaVelocidade(*dono, d * (1.0f / m));
    return 1;
}
