#include "core/lake/Aleatorio.h"
#include "core/lake/CTabelaAgentes.h"
#include "core/lake/Gabaritos.h"
#include "core/scene/CCena3D.h"
#include "tests/comum/DiretorioTemporario.h"
#include "tests/comum/ModelosTeste.h"
#include "tests/comum/PlataformaRoteiro.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A lake scene of 600 × 450 with small box models for the five species.
class Tabela : public testing::Test {
protected:
    Tabela() {
        cena->mIniciaCena(0, 0, 600, 450, {0.68f, 0.15f, 0.08f, 0.08f});
        for (int m = 0; m <= TIPO_MICRO; ++m) {
            const std::string arquivo = "modelo" + std::to_string(m) + ".x";
            escreveCaixaX(arquivo, {-2, -1, -1}, {2, 1, 1});
            EXPECT_TRUE(cena->mCarregaModelo(m, arquivo));
        }
        tabela->aleatorio.mSemeia(1);
    }

    void criaEm(std::size_t indice, const CGabarito& gabarito, float x = 0, float y = 0) {
        const float posicao[3] = {x, y, 0};
        tabela->agentes[indice].mEnvia(MSG_CRIA, comoArgumento(&gabarito), comoArgumento(posicao));
    }

    PlataformaRoteiro plataforma;
    DiretorioTemporario diretorio;
    std::unique_ptr<CCena3D> cena = std::make_unique<CCena3D>();
    std::unique_ptr<CTabelaAgentes> tabela = std::make_unique<CTabelaAgentes>();
};

TEST(Aleatorio, SequenciaDoGeradorDoJogo) {
    GeradorAleatorio gerador(1);
    EXPECT_EQ(gerador.mProximo(), 41u);
    EXPECT_EQ(gerador.mProximo(), 18467u);
    EXPECT_EQ(gerador.mProximo(), 6334u);
    gerador.mSemeia(0xFFFFFFFF);
    for (int i = 0; i < 1000; ++i) EXPECT_LE(gerador.mProximo(), 32767u);
}

TEST(Aleatorio, DoisGeradoresNaoDividemEstado) {
    GeradorAleatorio um(1), outro(1);
    um.mProximo();
    EXPECT_EQ(outro.mProximo(), 41u) << "drawing from one leaves the other where it was";
    um.mSemeia(1);
    EXPECT_EQ(um.mProximo(), 41u) << "seeding starts the sequence again";
}

TEST_F(Tabela, InativaIgnoraMensagensSomasELeitura) {
    EXPECT_EQ(tabela->mEnviaTodos(MSG_CICLO_1, 0, 0), 1u);
    LeituraEcometro leitura{7, 7.0f, 7.0f};
    tabela->mLeEcometro(leitura);
    EXPECT_EQ(leitura.quantos, 7);
    EXPECT_EQ(leitura.soma, 7.0f);
}

TEST_F(Tabela, EnviaTodosParaNoAgenteComSlotVazio) {
    ASSERT_EQ(tabela->mInicia(cena.get()), 1u);
    int recebidas = 0;
    struct Conta : CComportamento {
        int* contador;
        explicit Conta(int* c) : contador(c) {}
        uint32_t mTrata(ArgumentoMensagem, ArgumentoMensagem) override { return ++*contador, 1u; }
    };
    for (CAgente& agente : tabela->agentes) agente.slots[6] = std::make_unique<Conta>(&recebidas);
    tabela->agentes[40].slots[6].reset();
    EXPECT_EQ(tabela->mEnviaTodos(MSG_CICLO_1, 0, 0), 0u);
    EXPECT_EQ(recebidas, 40);
}

TEST_F(Tabela, NasceConstroiOCorpoComDesvioDeEnergia) {
    ASSERT_EQ(tabela->mInicia(cena.get()), 1u);
    tabela->aleatorio.mSemeia(1);  // first value 41: deviation (41 mod 300 − 150) / 100 = −1.09
    criaEm(5, gabaritoEspecie(TIPO_AZUL), 10, -20);
    const CAgente& azul = tabela->agentes[5];
    ASSERT_NE(azul.corpo, nullptr);
    EXPECT_FLOAT_EQ(azul.corpo->energia, 25.0f - 1.09f);
    EXPECT_EQ(azul.corpo->tipo, TIPO_AZUL);
    EXPECT_EQ(azul.corpo->classe, CLASSE_ANIMAL);
    EXPECT_EQ(azul.corpo->periodoReproducao, 265);
    EXPECT_FLOAT_EQ(azul.corpo->casaX, 60.0f);
    EXPECT_FLOAT_EQ(azul.corpo->custoReproducao, -3.0f);
    EXPECT_EQ(azul.corpo->grupo, GRUPO_SERES);
    EXPECT_EQ(azul.corpo->instancia, 0);
    EXPECT_EQ(cena->mLePosicao(GRUPO_SERES, 0), (Vetor3{10, -20, 0}));
    EXPECT_EQ(cena->mInstancia(GRUPO_SERES, 0).agente, &azul);
    EXPECT_FALSE(azul.mLivre());
    ASSERT_NE(azul.slots[2], nullptr);
    EXPECT_EQ(azul.slots[2]->tipo, COMP_MORRE);
}

TEST_F(Tabela, CriaParaAgenteVivoEhIgnorado) {
    ASSERT_EQ(tabela->mInicia(cena.get()), 1u);
    criaEm(3, gabaritoEspecie(TIPO_GORDO));
    const CObjetoFisico* corpoAntes = tabela->agentes[3].corpo.get();
    criaEm(3, gabaritoEspecie(TIPO_AZUL));
    EXPECT_EQ(tabela->agentes[3].corpo.get(), corpoAntes);
    EXPECT_EQ(corpoAntes->tipo, TIPO_GORDO);
}

TEST_F(Tabela, SemInstanciaUmSerNaoNasceMasOEsgotoSim) {
    ASSERT_EQ(tabela->mInicia(cena.get()), 1u);
    CGabarito semModelo = gabaritoEspecie(TIPO_GORDO);
    semModelo.tipo = 9;  // model 9 is not loaded here
    criaEm(0, semModelo);
    EXPECT_EQ(tabela->agentes[0].corpo, nullptr);
    EXPECT_TRUE(tabela->agentes[0].mLivre());

    CGabarito esgoto = GABARITO_AGUA;
    esgoto.tipo = TIPO_SEM_MODELO;
    criaEm(1, esgoto);
    ASSERT_NE(tabela->agentes[1].corpo, nullptr);
    EXPECT_EQ(tabela->agentes[1].corpo->instancia, -1);
}

TEST_F(Tabela, MorreDevolveOAgenteLivreERemoveAInstancia) {
    ASSERT_EQ(tabela->mInicia(cena.get()), 1u);
    criaEm(2, gabaritoEspecie(TIPO_ALGA));
    ASSERT_TRUE(cena->mInstancia(GRUPO_SERES, 0).ocupada);
    tabela->agentes[2].mEnvia(MSG_MORRE, 0, 0);
    EXPECT_EQ(tabela->agentes[2].corpo, nullptr);
    EXPECT_TRUE(tabela->agentes[2].mLivre());
    EXPECT_FALSE(cena->mInstancia(GRUPO_SERES, 0).ocupada);
    // It can be born again at once.
    criaEm(2, gabaritoEspecie(TIPO_MICRO));
    EXPECT_NE(tabela->agentes[2].corpo, nullptr);
}

TEST_F(Tabela, FonteDaAlimentoEnquantoTemEnergia) {
    ASSERT_EQ(tabela->mInicia(cena.get()), 1u);
    criaEm(AGENTE_LAGO, GABARITO_LAGO);
    CAgente& lago = tabela->agentes[AGENTE_LAGO];
    float alimento = -1;
    EXPECT_EQ(lago.mEnvia(MSG_CICLO_3, 0, comoArgumento(&alimento)), 1u);
    EXPECT_FLOAT_EQ(alimento, 0.15f);
    lago.corpo->energia = 0.0f;
    lago.mEnvia(MSG_CICLO_3, 0, comoArgumento(&alimento));
    EXPECT_FLOAT_EQ(alimento, 0.15f);
    lago.corpo->energia = -0.01f;
    lago.mEnvia(MSG_CICLO_3, 0, comoArgumento(&alimento));
    EXPECT_FLOAT_EQ(alimento, 0.0f);
    EXPECT_EQ(lago.mEnvia(MSG_CICLO_3, 0, 0), 1u);
}

TEST_F(Tabela, EcometroContaOLagoSoComEnergiaPositiva) {
    ASSERT_EQ(tabela->mInicia(cena.get()), 1u);
    criaEm(0, gabaritoEspecie(TIPO_GORDO));
    criaEm(AGENTE_LAGO, GABARITO_LAGO);
    tabela->agentes[0].corpo->energia = 20.0f;

    LeituraEcometro leitura;
    tabela->agentes[AGENTE_LAGO].corpo->energia = -3.0f;
    tabela->mLeEcometro(leitura);
    EXPECT_EQ(leitura.quantos, 1);
    EXPECT_FLOAT_EQ(leitura.soma, 20.0f);
    EXPECT_FLOAT_EQ(leitura.escala, 2555.0f);

    tabela->agentes[AGENTE_LAGO].corpo->energia = 3.0f;
    tabela->mLeEcometro(leitura);
    EXPECT_EQ(leitura.quantos, 2);
    EXPECT_FLOAT_EQ(leitura.soma, 23.0f);
}

TEST_F(Tabela, SomaEnergiaSoNoTipoESemLimite) {
    ASSERT_EQ(tabela->mInicia(cena.get()), 1u);
    criaEm(0, gabaritoEspecie(TIPO_GORDO));
    criaEm(1, gabaritoEspecie(TIPO_GORDO));
    criaEm(2, gabaritoEspecie(TIPO_AZUL));
    const float azulAntes = tabela->agentes[2].corpo->energia;
    const float gordoAntes = tabela->agentes[1].corpo->energia;
    tabela->mSomaEnergia(TIPO_GORDO, 0.2f * 25.0f);
    EXPECT_FLOAT_EQ(tabela->agentes[1].corpo->energia, gordoAntes + 5.0f);
    EXPECT_FLOAT_EQ(tabela->agentes[2].corpo->energia, azulAntes);
    tabela->mSomaEnergia(TIPO_GORDO, -1000.0f);
    EXPECT_LT(tabela->agentes[1].corpo->energia, -900.0f);
}

TEST_F(Tabela, LimpaMataTodosEDesativa) {
    ASSERT_EQ(tabela->mInicia(cena.get()), 1u);
    criaEm(0, gabaritoEspecie(TIPO_GORDO));
    tabela->mLimpa();
    EXPECT_EQ(tabela->ativa, 0);
    EXPECT_EQ(tabela->agentes[0].corpo, nullptr);
    EXPECT_FALSE(cena->mInstancia(GRUPO_SERES, 0).ocupada);
    EXPECT_EQ(tabela->agentes[0].slots[1], nullptr);
}

TEST_F(Tabela, ConstroiLagoComPopulacaoEPosicoes) {
    PopulacaoInicial populacao;
    populacao.gordo = 2;
    populacao.alga = 1;
    populacao.criaLago = true;
    ASSERT_TRUE(tabela->mConstroiLago(*cena, populacao));
    EXPECT_EQ(tabela->ativa, 1);
    ASSERT_NE(tabela->agentes[AGENTE_LAGO].corpo, nullptr);
    EXPECT_EQ(tabela->agentes[AGENTE_LAGO].corpo->tipo, TIPO_LAGO);
    EXPECT_EQ(tabela->agentes[AGENTE_LAGO].corpo->instancia, -1);
    EXPECT_EQ(tabela->agentes[AGENTE_AGUA].corpo, nullptr);
    EXPECT_EQ(tabela->agentes[0].corpo->tipo, TIPO_GORDO);
    EXPECT_EQ(tabela->agentes[1].corpo->tipo, TIPO_GORDO);
    EXPECT_EQ(tabela->agentes[2].corpo->tipo, TIPO_ALGA);
    EXPECT_EQ(tabela->agentes[3].corpo, nullptr);

    // The alga stands 2..5 units above the bottom (−93.75 for 600 × 450).
    const Vetor3 alga = cena->mLePosicao(GRUPO_SERES, tabela->agentes[2].corpo->instancia);
    EXPECT_GE(alga.y, -91.75f);
    EXPECT_LE(alga.y, -88.75f);
    for (int i = 0; i < 2; ++i) {
        const Vetor3 peixe = cena->mLePosicao(GRUPO_SERES, tabela->agentes[i].corpo->instancia);
        EXPECT_GE(peixe.x, -100.0f);
        EXPECT_LE(peixe.x, 99.0f);
        EXPECT_GE(peixe.y, -55.0f);
        EXPECT_LE(peixe.y, 14.0f);
    }
}

TEST_F(Tabela, ConstroiLagoAlemDo98PerdeOsExcedentes) {
    PopulacaoInicial populacao;
    populacao.gordo = 30;
    populacao.azul = 30;
    populacao.micro = 50;  // 110 beings for 98 places
    populacao.criaLago = true;
    populacao.criaAgua = true;
    ASSERT_TRUE(tabela->mConstroiLago(*cena, populacao));
    EXPECT_EQ(tabela->agentes[AGENTE_AGUA].corpo->tipo, TIPO_AGUA);
    EXPECT_EQ(tabela->agentes[AGENTE_LAGO].corpo->tipo, TIPO_LAGO);
    int vivos = 0;
    for (std::size_t i = 0; i < AGENTE_AGUA; ++i) vivos += tabela->agentes[i].corpo != nullptr;
    // Group 0 holds 75 instances: the 76th being and those after it find no
    // place, and the creations that reach 98 and 99 are ignored there.
    EXPECT_EQ(vivos, 75);
}

TEST_F(Tabela, ReconstruirOLagoRemoveOAnterior) {
    PopulacaoInicial populacao;
    populacao.gordo = 5;
    ASSERT_TRUE(tabela->mConstroiLago(*cena, populacao));
    populacao.gordo = 1;
    ASSERT_TRUE(tabela->mConstroiLago(*cena, populacao));
    int instancias = 0;
    for (int i = 0; i < NUM_SLOTS_GRUPO; ++i) instancias += cena->mInstancia(GRUPO_SERES, i).ocupada;
    EXPECT_EQ(instancias, 1);
}

}  // namespace
