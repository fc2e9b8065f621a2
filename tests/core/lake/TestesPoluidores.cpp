#include "core/lake/CTabelaAgentes.h"
#include "core/lake/ComportamentosPoluidores.h"
#include "core/lake/Gabaritos.h"
#include "core/match/EventosFase.h"
#include "core/match/Passo.h"
#include "core/scene/CCena3D.h"
#include "tests/comum/DiretorioTemporario.h"
#include "tests/comum/ModelosTeste.h"
#include "tests/comum/PlataformaRoteiro.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// A 600 × 450 lake with box models for every type, a lake and a water
// body, and two Peixes Gordos; all rates start at 0.
class Poluidores : public testing::Test {
protected:
    Poluidores() {
        cena->mIniciaCena(0, 0, 600, 450, {0.68f, 0.15f, 0.08f, 0.08f});
        escreveCaixaX("caixa.x", {-5, -3, -2}, {5, 3, 2});
        escreveCaixaX("gota.x", {-1, -1, -1}, {1, 1, 1});
        for (int m = 0; m < NUM_MODELOS; ++m) cena->mCarregaModelo(m, m >= 13 ? "gota.x" : "caixa.x");
        for (Taxas& taxas : gTaxas) taxas.fill(0.0f);
        PopulacaoInicial populacao;
        populacao.gordo = 2;
        populacao.criaLago = true;
        populacao.criaAgua = true;
        tabela->mConstroiLago(*cena, populacao);
        for (std::size_t i = 0; i < 2; ++i) (*tabela)[i].corpo->energia = 20.0f;
        tabela->aleatorio.mSemeia(3);
    }

    // Interventor n in the next polluter agent, as a phase event does.
    CAgente& chega(int n) {
        criaInterventor(static_cast<uint32_t>(n), contaInterventor, *tabela, *cena);
        return (*tabela)[97 - contaInterventor];
    }

    // One step of the game: the lake's step, then the frame's motion.
    void passo() {
        passoDoLago(*tabela, *cena);
        cena->mDesenha(true);
    }

    int gotas() const {
        int n = 0;
        for (const Temporaria& t : cena->mTemporarias()) n += t.ativa;
        return n;
    }

    float energia(std::size_t i) const { return (*tabela)[i].corpo->energia; }

    uint32_t contaInterventor = 0;  // as at a match start
    PlataformaRoteiro plataforma;
    DiretorioTemporario diretorio;
    std::unique_ptr<CCena3D> cena = std::make_unique<CCena3D>();
    std::unique_ptr<CTabelaAgentes> tabela = std::make_unique<CTabelaAgentes>();
};

TEST_F(Poluidores, DragaTiraCincoDeCadaGordoUmaVezSo) {
    gTaxas[0][TIPO_GORDO] = 0.1f;
    CAgente& draga = chega(0);
    ASSERT_NE(draga.corpo, nullptr);
    EXPECT_EQ(draga.corpo->tipo, 5);
    passo();
    // Both records act in the first step: 2 × 25 × 0.1, less the upkeep.
    EXPECT_NEAR(energia(0), 20.0f - 5.0f - 0.03f, 1e-4f);
    EXPECT_NEAR(energia(1), 20.0f - 5.0f - 0.03f, 1e-4f);
    for (int i = 0; i < 10; ++i) passo();
    EXPECT_NEAR(energia(0), 20.0f - 5.0f - 11 * 0.03f, 1e-3f);
}

TEST_F(Poluidores, TaxaNegativaDoLagoDaEnergia) {
    gTaxas[0][16] = -0.2f;
    gTaxas[6][16] = -0.2f;
    const float antes = energia(AGENTE_LAGO);
    chega(0);
    passo();
    EXPECT_NEAR(energia(AGENTE_LAGO), antes + 10.0f, 1e-4f);
    chega(6);  // residential sewage acts once
    passo();
    passo();
    EXPECT_NEAR(energia(AGENTE_LAGO), antes + 15.0f, 1e-4f);
}

TEST_F(Poluidores, TaxaDoProprioTipoMudaSoASuaEnergia) {
    gTaxas[4][10] = 0.2f;
    CAgente& lancha = chega(4);
    const float antes = lancha.corpo->energia;
    passo();
    EXPECT_NEAR(lancha.corpo->energia, antes - 10.0f, 1e-4f);
    EXPECT_NEAR(energia(0), 20.0f - 0.03f, 1e-4f);
}

TEST_F(Poluidores, AtravessaNaVelocidadeDoTipoESaiPelaBordaDaMascara) {
    CAgente& draga = chega(0);
    const int i = draga.corpo->instancia;
    passo();
    EXPECT_EQ(cena->mLeVelocidade(GRUPO_POLUIDORES, i), (Vetor3{1.0f, 0, 0}));
    // It entered at the left edge: the left and top bits do not remove it.
    int passos = 1;
    while (draga.corpo && passos < 400) {
        passo();
        ++passos;
    }
    EXPECT_EQ(draga.corpo, nullptr);
    EXPECT_TRUE(draga.mLivre());
    // The border check of step k sees x = −125 + (k − 1): beyond the right
    // line (x > 115) first in step 242, and COMP_MORRE runs in step 243.
    EXPECT_EQ(passos, 243);
}

TEST_F(Poluidores, LixoAfundaRetoESaiAbaixoDoFundo) {
    tabela->aleatorio.mSemeia(1);  // first value 41
    CAgente& lixo = chega(3);  // x = −125 + 125 × (0.2 + k/60), k = 41 mod 60
    const int i = lixo.corpo->instancia;
    const float x = cena->mLePosicao(GRUPO_POLUIDORES, i).x;
    EXPECT_FLOAT_EQ(x, -125.0f + 125.0f * (41 / 60.0f + 0.2f));
    int passos = 0;
    while (lixo.corpo && passos < 400) {
        passo();
        ++passos;
        if (lixo.corpo) {
            EXPECT_EQ(cena->mLePosicao(GRUPO_POLUIDORES, i).x, x);
            // Seen below the bottom line (−79.6875) in one step, gone in the next.
            EXPECT_GE(cena->mLePosicao(GRUPO_POLUIDORES, i).y, -79.6875f - 2.0f);
        }
    }
    EXPECT_EQ(lixo.corpo, nullptr) << "below y = −79.6875 it leaves";
    EXPECT_LT(passos, 200);
}

TEST_F(Poluidores, EsgotoResidencialDespeja26GotasEFica) {
    CAgente& esgoto = chega(6);
    EXPECT_EQ(esgoto.corpo->instancia, -1) << "sewage has no model";
    int despejadas = 0;
    for (int passoAtual = 1; passoAtual <= 200; ++passoAtual) {
        const int antes = gotas();
        passo();
        despejadas += std::max(0, gotas() - antes);
        if (passoAtual == 13) EXPECT_EQ(despejadas, 26);
    }
    EXPECT_EQ(despejadas, 26);
    EXPECT_NE(esgoto.corpo, nullptr) << "it stays until the lake is rebuilt";
}

TEST_F(Poluidores, EsgotoIndustrialDespeja21GotasEmVinteEUmPassos) {
    CAgente& esgoto = chega(7);
    int despejadas = 0;
    for (int passoAtual = 1; passoAtual <= 150; ++passoAtual) {
        const int antes = gotas();
        passo();
        despejadas += std::max(0, gotas() - antes);
        if (passoAtual == 21) EXPECT_EQ(despejadas, 21);
    }
    EXPECT_EQ(despejadas, 21);
    EXPECT_NE(esgoto.corpo, nullptr);
}

TEST_F(Poluidores, GasolinaDespejaQuinzePassosESaiNoSexagesimoSetimo) {
    CAgente& gasolina = chega(8);
    const Vetor3 lugar = cena->mLePosicao(GRUPO_POLUIDORES, gasolina.corpo->instancia);
    EXPECT_FLOAT_EQ(lugar.x, -111.25f);
    int passosComGotaNova = 0;
    for (int passoAtual = 1; passoAtual <= 67; ++passoAtual) {
        const int antes = gotas();
        passo();
        if (gotas() > antes) passosComGotaNova = passoAtual;
        if (passoAtual == 66) {
            ASSERT_NE(gasolina.corpo, nullptr);
            EXPECT_EQ(cena->mLePosicao(GRUPO_POLUIDORES, gasolina.corpo->instancia), lugar);
        }
    }
    EXPECT_EQ(passosComGotaNova, 15);
    EXPECT_EQ(gasolina.corpo, nullptr);
}

TEST_F(Poluidores, AgrotoxicoPulverizaNasDuasJanelas) {
    CAgente& aviao = chega(1);
    ASSERT_NE(aviao.corpo, nullptr);
    std::vector<int> passosComGota;
    for (int passoAtual = 1; passoAtual <= 90 && aviao.corpo; ++passoAtual) {
        const int antes = gotas();
        passo();
        if (gotas() > antes) passosComGota.push_back(passoAtual);
    }
    // Counters 35..45 and 70..84 are reached in steps 36..46 and 71..85.
    ASSERT_FALSE(passosComGota.empty());
    EXPECT_EQ(passosComGota.front(), 36);
    EXPECT_EQ(std::count_if(passosComGota.begin(), passosComGota.end(),
                            [](int p) { return p >= 36 && p <= 46; }),
              11);
    EXPECT_EQ(std::count_if(passosComGota.begin(), passosComGota.end(),
                            [](int p) { return p >= 71 && p <= 85; }),
              15);
}

TEST_F(Poluidores, VintePoluidoresOcupam78A97EOVigesimoPrimeiroSePerde) {
    for (int k = 0; k < 20; ++k) chega(6);  // sewage: no instance needed
    for (std::size_t i = 78; i <= 97; ++i) ASSERT_NE((*tabela)[i].corpo, nullptr) << i;
    EXPECT_EQ(contaInterventor, 0u) << "the 20th went to 97";
    const float energiaDo96 = (*tabela)[96].corpo->energia;
    chega(0);  // the 21st: agent 96 is still busy
    EXPECT_EQ((*tabela)[96].corpo->tipo, TIPO_SEM_MODELO);
    EXPECT_EQ((*tabela)[96].corpo->energia, energiaDo96);
}

TEST_F(Poluidores, PrimeiroInterventorVaiPara96) {
    chega(5);
    EXPECT_EQ(contaInterventor, 1u);
    ASSERT_NE((*tabela)[96].corpo, nullptr);
    EXPECT_EQ((*tabela)[96].corpo->tipo, 11);
}

TEST_F(Poluidores, NumeroAcimaDeOitoAvisaENaoCria) {
    criaInterventor(9, contaInterventor, *tabela, *cena);
    EXPECT_EQ(plataforma.mTextos(), std::vector<std::string>{
                                        "Interventor com esse numero nao existe. (CApl::mExecEventosFase)"});
    EXPECT_EQ(contaInterventor, 0u);
    for (std::size_t i = 78; i <= 97; ++i) EXPECT_EQ((*tabela)[i].corpo, nullptr);
}

TEST_F(Poluidores, ReconstruirOLagoRemoveOsPoluidores) {
    chega(0);
    chega(6);
    tabela->mConstroiLago(*cena, PopulacaoInicial{});
    for (std::size_t i = 78; i <= 97; ++i) EXPECT_EQ((*tabela)[i].corpo, nullptr);
    for (int i = 0; i < NUM_SLOTS_GRUPO; ++i)
        EXPECT_FALSE(cena->mInstancia(GRUPO_POLUIDORES, i).ocupada);
}

TEST(EntradaDosInterventores, PosicoesParaAVista600x450) {
    const LimitesLago limites{93.75f, -93.75f, 125, -125};
    GeradorAleatorio aleatorio;
    EXPECT_FLOAT_EQ(posicaoDeEntrada(0, limites, aleatorio).x, -125.0f);
    EXPECT_NEAR(posicaoDeEntrada(0, limites, aleatorio).y, 35.1f, 1e-4f);
    EXPECT_FLOAT_EQ(posicaoDeEntrada(1, limites, aleatorio).x, 125.0f);
    EXPECT_NEAR(posicaoDeEntrada(1, limites, aleatorio).y, 74.625f, 1e-4f);
    // 93.75 − 93.75 × 0.68 × 0.925.
    EXPECT_NEAR(posicaoDeEntrada(4, limites, aleatorio).y, 34.78125f, 1e-4f);
    EXPECT_FLOAT_EQ(posicaoDeEntrada(8, limites, aleatorio).x, -111.25f);
    EXPECT_NEAR(posicaoDeEntrada(8, limites, aleatorio).y, 31.275f, 1e-4f);
    EXPECT_FLOAT_EQ(posicaoDeEntrada(7, limites, aleatorio).x, 125.0f);
}

}  // namespace
