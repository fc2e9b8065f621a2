#include "core/lake/CAgente.h"

uint32_t CAgente::mEntrega(uint32_t numero, ArgumentoMensagem a, ArgumentoMensagem b) {
    ++profundidade;
    const uint32_t resposta = slots[numero]->mTrata(a, b);
    if (reinicioPendente || trocaPendente) mAtendePedidos();
    if (--profundidade == 0 && !descartados.empty()) descartados.clear();
    return resposta;
}

void CAgente::mAtendePedidos() {
    if (reinicioPendente) {
        mMonta(gabaritoPendente, tabela, cena, aleatorio);
        reinicioPendente = 0;
    }
    if (trocaPendente) {
        mCriaComportamento(trocaSlot, trocaTipo, trocaParametro);
        trocaPendente = 0;
    }
}

void CAgente::mCriaComportamento(int32_t slot, int32_t tipo, int32_t parametro) {
    if (slot < 0 || slot >= static_cast<int32_t>(NUM_SLOTS_AGENTE)) return;
    auto& lugar = slots[static_cast<std::size_t>(slot)];
    mDescarta(std::move(lugar));
    lugar = criaComportamento(tipo);
    if (!lugar) return;
    lugar->dono = this;
    lugar->slot = slot;
    lugar->tipo = tipo;
    lugar->parametro = parametro;
    lugar->mCriado();
}

void CAgente::mTrocaComportamento(int32_t slot, int32_t tipo, int32_t parametro) {
    trocaSlot = slot;
    trocaTipo = tipo;
    trocaParametro = parametro;
    trocaPendente = 1;
}

void CAgente::mReinicia(const CGabarito& gabarito) {
    gabaritoPendente = gabarito;
    reinicioPendente = 1;
}

uint32_t CAgente::mMonta(const CGabarito& gabarito, CAgente* novaTabela, CCena3D* novaCena,
                         GeradorAleatorio* novoAleatorio) {
    mLimpa();
    tabela = novaTabela;
    cena = novaCena;
    aleatorio = novoAleatorio;
    for (std::size_t s = 0; s < NUM_SLOTS_AGENTE; ++s) {
        const ParComportamento& par = gabarito.pares[s];
        mCriaComportamento(static_cast<int32_t>(s), par.tipo, par.parametro);
        if (!slots[s]) return 0;
    }
    return 1;
}

void CAgente::mLimpa() {
    for (auto& lugar : slots) mDescarta(std::move(lugar));
    tabela = nullptr;
    cena = nullptr;
    aleatorio = nullptr;
}

bool CAgente::mLivre() const {
    const CComportamento* nasce = slots[1].get();
    return nasce && nasce->tipo == COMP_NASCE;
}

void CAgente::mDescarta(std::unique_ptr<CComportamento> comportamento) {
    if (comportamento && profundidade > 0) descartados.push_back(std::move(comportamento));
}
