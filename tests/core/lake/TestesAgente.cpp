#include "core/lake/Aleatorio.h"
#include "core/lake/CAgente.h"
#include "core/lake/Gabaritos.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// A behaviour whose handler the test writes.
class ComportamentoTeste : public CComportamento {
public:
    using Acao = std::function<uint32_t(ComportamentoTeste&, ArgumentoMensagem, ArgumentoMensagem)>;
    explicit ComportamentoTeste(Acao acao) : acao(std::move(acao)) {}
    uint32_t mTrata(ArgumentoMensagem a, ArgumentoMensagem b) override { return acao(*this, a, b); }
    Acao acao;
    int chamadas = 0;
};

ComportamentoTeste& instala(CAgente& agente, int slot, ComportamentoTeste::Acao acao) {
    auto novo = std::make_unique<ComportamentoTeste>(std::move(acao));
    novo->dono = &agente;
    novo->slot = slot;
    novo->tipo = 99;
    ComportamentoTeste& referencia = *novo;
    agente.slots[static_cast<std::size_t>(slot)] = std::move(novo);
    return referencia;
}

class Agente : public testing::Test {
protected:
    Agente() { agente.mMonta(GABARITO_LIVRE, &agente, nullptr, &aleatorio); }
    GeradorAleatorio aleatorio;
    CAgente agente;
};

TEST_F(Agente, SlotNuloRespondeUmESlotVazioZero) {
    EXPECT_EQ(agente.mEnvia(MSG_CICLO_1, 0, 0), 1u);
    agente.slots[4].reset();
    EXPECT_EQ(agente.mEnvia(MSG_TOQUE, 0, 0), 0u);
    EXPECT_EQ(agente.mEnvia(9, 0, 0), 0u) << "there is no slot 9";
}

TEST_F(Agente, MontaCriaOsNoveSlotsDoGabarito) {
    for (std::size_t s = 0; s < NUM_SLOTS_AGENTE; ++s) {
        ASSERT_NE(agente.slots[s], nullptr);
        EXPECT_EQ(agente.slots[s]->tipo, GABARITO_LIVRE.pares[s].tipo);
        EXPECT_EQ(agente.slots[s]->parametro, GABARITO_LIVRE.pares[s].parametro);
        EXPECT_EQ(agente.slots[s]->slot, static_cast<int32_t>(s));
        EXPECT_EQ(agente.slots[s]->dono, &agente);
    }
    EXPECT_TRUE(agente.mLivre());
}

TEST_F(Agente, MontaParaNoPrimeiroTipoInexistente) {
    CGabarito gabarito = GABARITO_LIVRE;
    gabarito.pares[4] = {21, 0};
    EXPECT_EQ(agente.mMonta(gabarito, &agente, nullptr, &aleatorio), 0u);
    EXPECT_NE(agente.slots[3], nullptr);
    for (std::size_t s = 4; s < NUM_SLOTS_AGENTE; ++s) EXPECT_EQ(agente.slots[s], nullptr) << s;
}

TEST_F(Agente, ComportamentoQueSeSubstituiTerminaOTratamento) {
    int depoisDoPedido = 0;
    instala(agente, 3, [&](ComportamentoTeste& eu, ArgumentoMensagem, ArgumentoMensagem) {
        eu.dono->mTrocaComportamento(3, COMP_MORRE, 2);
        depoisDoPedido = eu.parametro + 1;  // still itself after the request
        return 5u;
    });
    EXPECT_EQ(agente.mEnvia(MSG_BORDA, 0, 0), 5u);
    EXPECT_EQ(depoisDoPedido, 1);
    ASSERT_NE(agente.slots[3], nullptr);
    EXPECT_EQ(agente.slots[3]->tipo, COMP_MORRE);
    EXPECT_EQ(agente.slots[3]->parametro, 2);
    EXPECT_EQ(agente.trocaPendente, 0);
}

TEST_F(Agente, DoisPedidosNaMesmaEntregaSoOUltimoValeu) {
    instala(agente, 6, [](ComportamentoTeste& eu, ArgumentoMensagem, ArgumentoMensagem) {
        eu.dono->mTrocaComportamento(7, COMP_MORRE, 2);
        eu.dono->mTrocaComportamento(5, COMP_FONTE, 12);
        return 1u;
    });
    agente.mEnvia(MSG_CICLO_1, 0, 0);
    EXPECT_EQ(agente.slots[7]->tipo, COMP_NULO);
    EXPECT_EQ(agente.slots[5]->tipo, COMP_FONTE);
}

TEST_F(Agente, RemontagemAntesDaTrocaNaMesmaEntrega) {
    instala(agente, 6, [](ComportamentoTeste& eu, ArgumentoMensagem, ArgumentoMensagem) {
        eu.dono->mTrocaComportamento(8, COMP_MORRE, 2);
        eu.dono->mReinicia(GABARITO_LAGO);
        return 1u;
    });
    agente.mEnvia(MSG_CICLO_1, 0, 0);
    // The lake template put COMP_FONTE in slot 8; the change came after it.
    EXPECT_EQ(agente.slots[8]->tipo, COMP_MORRE);
    EXPECT_EQ(agente.slots[2]->tipo, COMP_MORRE);
    EXPECT_EQ(agente.slots[1]->tipo, COMP_NULO);
}

TEST_F(Agente, PedidoAntesDeEntregaAninhadaAplicaSeNelaSemApagarQuemRoda) {
    // Slot 6 asks for a rebuild (which deletes every behaviour, itself too),
    // then delivers to its own agent and keeps using its own fields: the
    // rebuild happens at the end of the nested delivery, and the running
    // behaviour must still be alive when the nested delivery returns.
    int lidoDepois = 0;
    instala(agente, 5, [](ComportamentoTeste&, ArgumentoMensagem, ArgumentoMensagem) { return 1u; });
    instala(agente, 6, [&](ComportamentoTeste& eu, ArgumentoMensagem, ArgumentoMensagem) {
        eu.dono->mReinicia(GABARITO_AGUA);
        eu.dono->mEnvia(MSG_REPRODUZ, 0, 1);
        lidoDepois = eu.tipo;
        return 1u;
    });
    agente.mEnvia(MSG_CICLO_1, 0, 0);
    EXPECT_EQ(lidoDepois, 99);
    EXPECT_EQ(agente.slots[6]->tipo, COMP_NULO);
    EXPECT_EQ(agente.slots[8]->tipo, COMP_FONTE);
}

TEST_F(Agente, LimpaApagaOsComportamentosEMantemOCorpo) {
    agente.corpo = std::make_unique<CObjetoFisico>();
    agente.mLimpa();
    for (const auto& comportamento : agente.slots) EXPECT_EQ(comportamento, nullptr);
    EXPECT_EQ(agente.tabela, nullptr);
    EXPECT_NE(agente.corpo, nullptr);
}

TEST(IndiceTaxa, TiposGrandesVaoParaAsUltimasLinhas) {
    EXPECT_EQ(indiceTaxa(0), 0);
    EXPECT_EQ(indiceTaxa(12), 12);
    EXPECT_EQ(indiceTaxa(TIPO_SEM_MODELO), 15);
    EXPECT_EQ(indiceTaxa(TIPO_LAGO), 16);
    EXPECT_EQ(indiceTaxa(TIPO_AGUA), 17);
}

}  // namespace
