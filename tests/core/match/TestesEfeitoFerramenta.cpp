// Whom a tool's use reaches, and the eco-meter's change as the panel
// writes it.
#include "core/match/EfeitoFerramenta.h"
#include "core/match/Passo.h"
#include "core/scene/CCena3D.h"
#include "tests/comum/DiretorioTemporario.h"
#include "tests/comum/ModelosTeste.h"
#include "tests/comum/PlataformaRoteiro.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

namespace {

constexpr float NAN_F = std::numeric_limits<float>::quiet_NaN();

// A small lake: two fat fish (agents 0, 1), a blue fish (2), an alga (3), a
// micro-organism (4) and the lake bottom (99); no striped fish, no water.
class AlvosNoLago : public testing::Test {
protected:
    AlvosNoLago() {
        cena->mIniciaCena(0, 0, 600, 450, {0.68f, 0.15f, 0.08f, 0.08f});
        for (int m = 0; m <= TIPO_MICRO; ++m) {
            const std::string arquivo = "modelo" + std::to_string(m) + ".x";
            escreveCaixaX(arquivo, {-2, -1, -1}, {2, 1, 1});
            cena->mCarregaModelo(m, arquivo);
        }
        PopulacaoInicial populacao;
        populacao.gordo = 2;
        populacao.azul = 1;
        populacao.alga = 1;
        populacao.micro = 1;
        populacao.criaLago = true;
        tabela->aleatorio.mSemeia(1);
        tabela->mConstroiLago(*cena, populacao);
    }

    float energia(std::size_t agente) const { return tabela->agentes[agente].corpo->energia; }

    PlataformaRoteiro plataforma;
    DiretorioTemporario diretorio;
    std::unique_ptr<CCena3D> cena = std::make_unique<CCena3D>();
    std::unique_ptr<CTabelaAgentes> tabela = std::make_unique<CTabelaAgentes>();
};

TEST_F(AlvosNoLago, SaoQuemAFerramentaMudaComOSinalDoValor) {
    struct Caso {
        const char* nome;
        Alteracao alteracao;
        std::vector<std::size_t> seres;  // agents reached, in order
        float lago, agua;
    };
    const Caso casos[] = {
        {"fat fish only", {0.2f, 0, 0, 0, 0, 0, 0}, {0, 1}, 0, 0},
        {"alga lost, lake gained", {0, 0, 0, -0.15f, 0, 0.85f, 0}, {3}, 0.85f, 0},
        {"every being and the lake", {0.05f, 0.05f, 0.05f, 0.05f, 0.05f, 0.2f, 0.2f}, {0, 1, 2, 3, 4}, 0.2f, 0},
        {"a species the lake lacks", {0, 0, 0.3f, 0, 0, 0, 0}, {}, 0, 0},
        {"water the lake lacks", {0, 0, 0, 0, 0, 0, 0.55f}, {}, 0, 0},
        {"a lost lake bottom", {0, 0, 0, 0, 0, -0.3f, 0}, {}, -0.3f, 0},
        {"nothing", {0, 0, 0, 0, 0, 0, 0}, {}, 0, 0},
        {"NaN changes nothing visible", {NAN_F, 0, 0, 0, -0.1f, NAN_F, 0}, {4}, 0, 0},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        const AlvosFerramenta alvos = alvosDaFerramenta(*tabela, caso.alteracao);
        std::vector<std::size_t> agentes;
        for (const SerAlterado& ser : alvos.seres) {
            agentes.push_back(ser.agente);
            EXPECT_EQ(ser.instancia, tabela->agentes[ser.agente].corpo->instancia);
            EXPECT_EQ(ser.tipo, tabela->agentes[ser.agente].corpo->tipo);
            EXPECT_EQ(ser.valor, caso.alteracao[static_cast<std::size_t>(ser.tipo)]);
        }
        EXPECT_EQ(agentes, caso.seres);
        EXPECT_EQ(alvos.lago, caso.lago);
        EXPECT_EQ(alvos.agua, caso.agua);
        EXPECT_EQ(alvos.mVazio(), caso.seres.empty() && caso.lago == 0);
    }
}

TEST_F(AlvosNoLago, ConcordaComQuemORegraMuda) {
    // Every body the rule changes is named, with the sign its energy took,
    // and nobody else.
    const Alteracao alteracao = {-0.15f, 0.05f, 0.05f, 0, 0.15f, 0.35f, 0.2f};
    const AlvosFerramenta alvos = alvosDaFerramenta(*tabela, alteracao);
    std::array<float, NUM_AGENTES> antes{};
    for (std::size_t i = 0; i < NUM_AGENTES; ++i)
        if (tabela->agentes[i].corpo) antes[i] = energia(i);
    aplicaFerramenta(*tabela, alteracao);
    std::vector<std::size_t> mudaram;
    for (std::size_t i = 0; i < AGENTE_AGUA; ++i)
        if (tabela->agentes[i].corpo && energia(i) != antes[i]) mudaram.push_back(i);
    std::vector<std::size_t> nomeados;
    for (const SerAlterado& ser : alvos.seres) {
        nomeados.push_back(ser.agente);
        EXPECT_EQ(ser.valor > 0, energia(ser.agente) > antes[ser.agente]) << ser.agente;
    }
    EXPECT_EQ(nomeados, mudaram);
    EXPECT_GT(energia(AGENTE_LAGO), antes[AGENTE_LAGO]);
    EXPECT_EQ(alvos.lago, 0.35f);
}

TEST_F(AlvosNoLago, TabelaInativaNaoTemAlvos) {
    tabela->mLimpa();
    EXPECT_TRUE(alvosDaFerramenta(*tabela, {1, 1, 1, 1, 1, 1, 1}).mVazio());
}

TEST(TextoDaVariacao, InteirosComSinalEDecimosAbaixoDeUm) {
    const struct {
        float variacao;
        const char* texto;
    } casos[] = {
        {12.0f, "+12"},
        {12.5f, "+13"},
        {-3.2f, "\xE2\x88\x92" "3"},
        {0.4f, "+0,4"},
        {-0.44f, "\xE2\x88\x92" "0,4"},
        {0.949f, "+0,9"},
        {0.95f, "+1"},
        {-0.96f, "\xE2\x88\x92" "1"},
        {0.05f, "+0,1"},
        {0.049f, "0"},
        {-0.01f, "0"},
        {0.0f, "0"},
        {-0.0f, "0"},
        {123456.0f, "+999"},
        {-std::numeric_limits<float>::infinity(), "\xE2\x88\x92" "999"},
        {NAN_F, ""},
    };
    for (const auto& caso : casos) EXPECT_EQ(textoDaVariacao(caso.variacao), caso.texto) << caso.variacao;
}

}  // namespace
