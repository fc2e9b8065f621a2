#include "core/lake/Aleatorio.h"
#include "core/lake/CTabelaAgentes.h"
#include "core/lake/ComportamentosVivos.h"
#include "core/lake/Gabaritos.h"
#include "core/scene/CCena3D.h"
#include "tests/comum/DiretorioTemporario.h"
#include "tests/comum/ModelosTeste.h"
#include "tests/comum/PlataformaRoteiro.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A 600 × 450 lake whose five species are small boxes.
class Vivos : public testing::Test {
protected:
    Vivos() {
        cena->mIniciaCena(0, 0, 600, 450, {0.68f, 0.15f, 0.08f, 0.08f});
        escreveCaixaX("peixe.x", {-6, -3, -2}, {6, 3, 2});
        escreveCaixaX("alga.x", {-3, 0, -1}, {3, 20, 1});
        escreveCaixaX("micro.x", {-2, -2, -2}, {2, 2, 2});
        for (int m = TIPO_GORDO; m <= TIPO_LISTRADO; ++m) cena->mCarregaModelo(m, "peixe.x");
        cena->mCarregaModelo(TIPO_ALGA, "alga.x");
        cena->mCarregaModelo(TIPO_MICRO, "micro.x");
        tabela->mInicia(cena.get());
        tabela->aleatorio.mSemeia(7);
    }

    // A being of the type at index i, at (x, y), with the given energy.
    CAgente& cria(std::size_t i, int32_t tipo, float energia, float x = 0, float y = 0) {
        const float posicao[3] = {x, y, 0};
        CAgente& agente = (*tabela)[i];
        agente.mEnvia(MSG_CRIA, comoArgumento(&gabaritoEspecie(tipo)), comoArgumento(posicao));
        agente.corpo->energia = energia;
        return agente;
    }

    Vetor3 velocidade(const CAgente& a) const {
        return cena->mLeVelocidade(a.corpo->grupo, a.corpo->instancia);
    }
    Vetor3 posicao(const CAgente& a) const {
        return cena->mLePosicao(a.corpo->grupo, a.corpo->instancia);
    }
    int quantos(int32_t tipo) const {
        int n = 0;
        for (const CAgente& a : tabela->agentes) n += a.corpo && a.corpo->tipo == tipo;
        return n;
    }

    PlataformaRoteiro plataforma;
    DiretorioTemporario diretorio;
    std::unique_ptr<CCena3D> cena = std::make_unique<CCena3D>();
    std::unique_ptr<CTabelaAgentes> tabela = std::make_unique<CTabelaAgentes>();
};

TEST(Comestivel, TeiaAlimentar) {
    EXPECT_TRUE(comestivel(TIPO_GORDO, TIPO_AZUL));
    EXPECT_TRUE(comestivel(TIPO_GORDO, TIPO_LISTRADO));
    EXPECT_TRUE(comestivel(TIPO_AZUL, TIPO_MICRO));
    EXPECT_TRUE(comestivel(TIPO_AZUL, TIPO_LISTRADO));
    EXPECT_TRUE(comestivel(TIPO_LISTRADO, TIPO_MICRO));
    EXPECT_TRUE(comestivel(TIPO_LISTRADO, TIPO_ALGA));
    EXPECT_FALSE(comestivel(TIPO_LISTRADO, TIPO_AZUL));
    EXPECT_FALSE(comestivel(TIPO_GORDO, TIPO_GORDO));
    EXPECT_FALSE(comestivel(TIPO_AZUL, TIPO_ALGA));
    EXPECT_FALSE(comestivel(TIPO_ALGA, TIPO_MICRO));
    EXPECT_FALSE(comestivel(TIPO_MICRO, TIPO_ALGA));
}

TEST_F(Vivos, PeixeComeComEnergiaQuinzeENaoComUmPoucoMais) {
    CAgente& azul = cria(0, TIPO_AZUL, 15.0f);
    CAgente& listrado = cria(1, TIPO_LISTRADO, 20.0f, 5);
    azul.mEnvia(MSG_TOQUE, 0, comoArgumento(&listrado));
    EXPECT_FLOAT_EQ(azul.corpo->energia, 25.0f);
    EXPECT_EQ(listrado.corpo, nullptr);

    CAgente& faminto = cria(2, TIPO_AZUL, 15.01f);
    CAgente& presa = cria(3, TIPO_MICRO, 20.0f);
    faminto.mEnvia(MSG_TOQUE, 0, comoArgumento(&presa));
    EXPECT_FLOAT_EQ(faminto.corpo->energia, 15.01f);
    EXPECT_NE(presa.corpo, nullptr);
}

TEST_F(Vivos, ListradoNaoComeAzul) {
    CAgente& listrado = cria(0, TIPO_LISTRADO, 10.0f);
    CAgente& azul = cria(1, TIPO_AZUL, 20.0f);
    listrado.mEnvia(MSG_TOQUE, 0, comoArgumento(&azul));
    EXPECT_NE(azul.corpo, nullptr);
    EXPECT_FLOAT_EQ(listrado.corpo->energia, 10.0f);
    listrado.mEnvia(MSG_TOQUE, 0, 0);  // a touch without partner
    EXPECT_FLOAT_EQ(listrado.corpo->energia, 10.0f);
}

TEST_F(Vivos, MorreComEnergiaZeroEViveComUmPouquinho) {
    CAgente& morre = cria(0, TIPO_MICRO, 0.03f);
    CAgente& vive = cria(1, TIPO_MICRO, 0.0301f);
    tabela->mEnviaTodos(MSG_CICLO_1, 0, 0);
    EXPECT_EQ(morre.slots[MSG_CICLO_2]->tipo, COMP_MORRE);
    EXPECT_NE(vive.slots[MSG_CICLO_2]->tipo, COMP_MORRE);
    tabela->mEnviaTodos(MSG_CICLO_2, 0, 0);
    EXPECT_EQ(morre.corpo, nullptr);
    EXPECT_TRUE(morre.mLivre());
    EXPECT_NE(vive.corpo, nullptr);
}

TEST_F(Vivos, AlgaEMicroMorremDeVelhice) {
    CAgente& alga = cria(AGENTE_LAGO - 2, TIPO_ALGA, 30.0f);
    CAgente& peixe = cria(1, TIPO_AZUL, 30.0f);
    alga.corpo->idade = 1100.0f;
    peixe.corpo->idade = 5000.0f;
    alga.mEnvia(MSG_CICLO_1, 0, 0);
    peixe.mEnvia(MSG_CICLO_1, 0, 0);
    EXPECT_EQ(alga.slots[MSG_CICLO_2]->tipo, COMP_MORRE);
    EXPECT_NE(peixe.slots[MSG_CICLO_2]->tipo, COMP_MORRE) << "fish do not die of age";
}

TEST_F(Vivos, AlgaComDezesseisAlgasPerdeTrintaEMicroCinco) {
    for (std::size_t i = 0; i < 16; ++i) cria(i, TIPO_ALGA, 30.0f, -100.0f + 12 * i, -80);
    for (std::size_t i = 16; i < 32; ++i) cria(i, TIPO_MICRO, 30.0f);
    CAgente& alga = (*tabela)[0];
    CAgente& micro = (*tabela)[16];
    alga.corpo->energia = 50.03f;
    micro.corpo->energia = 50.03f;
    alga.mEnvia(MSG_CICLO_1, 0, 0);
    micro.mEnvia(MSG_CICLO_1, 0, 0);
    EXPECT_NEAR(alga.corpo->energia, 20.0f, 1e-4f);
    EXPECT_NEAR(micro.corpo->energia, 45.0f, 1e-4f);
    EXPECT_EQ(quantos(TIPO_ALGA), 16);
    EXPECT_EQ(quantos(TIPO_MICRO), 16);
}

TEST_F(Vivos, AlgaBrotaNoFundoNoMenorAgenteLivre) {
    CAgente& alga = cria(5, TIPO_ALGA, 46.03f, 0, -80);
    alga.mEnvia(MSG_CICLO_1, 0, 0);
    EXPECT_NEAR(alga.corpo->energia, 31.0f, 1e-4f);  // one cost of 15
    ASSERT_NE((*tabela)[0].corpo, nullptr);
    EXPECT_EQ((*tabela)[0].corpo->tipo, TIPO_ALGA);
    const Vetor3 broto = posicao((*tabela)[0]);
    EXPECT_GE(broto.y, -93.75f + 2.0f);
    EXPECT_LE(broto.y, -93.75f + 5.0f);
    EXPECT_GE(broto.x, -120.0f);
    EXPECT_LE(broto.x, 119.0f);
}

TEST_F(Vivos, FilhoteDePeixeNasceComAEnergiaTruncadaDoPai) {
    CAgente& pai = cria(3, TIPO_LISTRADO, 12.7f);
    tabela->aleatorio.mSemeia(11);
    pai.mEnvia(MSG_REPRODUZ, 0, 1);
    // Draws: position r1, r2, then the young's deviation r3.
    GeradorAleatorio mesmo(11);
    mesmo.mProximo();
    mesmo.mProximo();
    const int32_t desvio = static_cast<int32_t>(mesmo.mProximo() % 300) - 150;
    ASSERT_NE((*tabela)[0].corpo, nullptr);
    EXPECT_FLOAT_EQ((*tabela)[0].corpo->energia, 12.0f + desvio / 100.0f);
    EXPECT_FLOAT_EQ(pai.corpo->energia, 12.7f - 4.0f);
    const Vetor3 filhote = posicao((*tabela)[0]);
    EXPECT_GE(filhote.x, -55.0f - 10.0f);
    EXPECT_LE(filhote.x, -55.0f + 9.0f);
}

TEST_F(Vivos, ReproduzSemCorpoFisicoAvisa) {
    CAgente& peixe = cria(0, TIPO_AZUL, 20.0f);
    peixe.corpo->marca = 0;
    EXPECT_EQ(peixe.mEnvia(MSG_REPRODUZ, 0, 1), 1u);
    EXPECT_EQ(plataforma.mTextos(), std::vector<std::string>{"Nao eh tipo fisico (reproduz.cpp)."});
    EXPECT_FLOAT_EQ(peixe.corpo->energia, 20.0f);
}

TEST_F(Vivos, PeixeNovoPedeDirecaoNoPrimeiroCicloENadaNoSegundo) {
    CAgente& peixe = cria(0, TIPO_GORDO, 25.0f);
    peixe.mEnvia(MSG_CICLO_2, 0, 0);
    EXPECT_EQ(velocidade(peixe), (Vetor3{0, 0, 0}));
    EXPECT_EQ(peixe.slots[MSG_CICLO_2]->tipo, COMP_NOVA_DIRECAO);
    plataforma.relogioMs = 777;
    peixe.mEnvia(MSG_CICLO_2, 0, 0);
    EXPECT_NE(velocidade(peixe), (Vetor3{0, 0, 0}));
    EXPECT_EQ(peixe.corpo->tempoDirecao, 777u);
    EXPECT_EQ(peixe.slots[MSG_CICLO_2]->tipo, COMP_NADA);
}

TEST_F(Vivos, MicroNovoComecaANadarNoPrimeiroCiclo) {
    CAgente& micro = cria(0, TIPO_MICRO, 25.0f);
    micro.mEnvia(MSG_CICLO_2, 0, 0);
    EXPECT_NE(velocidade(micro), (Vetor3{0, 0, 0}));
    EXPECT_EQ(micro.slots[MSG_CICLO_2]->tipo, COMP_ABSORVE);
}

TEST_F(Vivos, PeixeCansadoParaEMantemOLado) {
    CAgente& peixe = cria(0, TIPO_AZUL, 4.0f);
    cena->mMudaVelocidade(GRUPO_SERES, 0, {-0.8f, 0.3f, 0});
    peixe.mEnvia(MSG_CICLO_2, 0, 0);  // tired: asks for a direction
    peixe.mEnvia(MSG_CICLO_2, 0, 0);
    EXPECT_EQ(velocidade(peixe), (Vetor3{-0.0001f, 0, 0}));
    const Vetor3 frente = cena->mInstancia(GRUPO_SERES, 0).quadro.orientacao * Vetor3{1, 0, 0};
    EXPECT_NEAR(frente.x, -1.0f, 1e-5f) << "still facing left";
    // Still tired at the next step: it stays stopped.
    peixe.mEnvia(MSG_CICLO_2, 0, 0);
    EXPECT_EQ(peixe.slots[MSG_CICLO_2]->tipo, COMP_NOVA_DIRECAO);
    peixe.corpo->energia = 5.0f;
    peixe.mEnvia(MSG_CICLO_2, 0, 0);
    EXPECT_NE(velocidade(peixe).x, -0.0001f);
}

TEST_F(Vivos, PeixeNaBordaDeCimaViraParaBaixo) {
    CAgente& peixe = cria(0, TIPO_AZUL, 20.0f, 0, 40);
    for (uint32_t semente = 1; semente < 40; ++semente) {
        tabela->aleatorio.mSemeia(semente);
        peixe.mEnvia(MSG_BORDA, BORDA_TOPO | BORDA_DIREITA, 0);
        EXPECT_LE(velocidade(peixe).y, 0.0f);
        EXPECT_LE(velocidade(peixe).x, 0.0f);
    }
}

TEST_F(Vivos, SemOLagoAsAlgasNaoGanhamNada) {
    CAgente& alga = cria(0, TIPO_ALGA, 20.0f);
    alga.mEnvia(MSG_CICLO_2, 0, 0);
    EXPECT_FLOAT_EQ(alga.corpo->energia, 20.0f);
    const float origem[3] = {0, 0, 0};
    (*tabela)[AGENTE_LAGO].mEnvia(MSG_CRIA, comoArgumento(&GABARITO_LAGO), comoArgumento(origem));
    alga.mEnvia(MSG_CICLO_2, 0, 0);
    EXPECT_FLOAT_EQ(alga.corpo->energia, 20.15f);
    (*tabela)[AGENTE_LAGO].corpo->energia = -1.0f;
    alga.mEnvia(MSG_CICLO_2, 0, 0);
    EXPECT_FLOAT_EQ(alga.corpo->energia, 20.15f);
}

TEST_F(Vivos, MicroSeAlimentaDaAguaENaoDoLago) {
    CAgente& micro = cria(0, TIPO_MICRO, 20.0f);
    micro.mEnvia(MSG_CICLO_2, 0, 0);  // its first step: a direction
    const float origem[3] = {0, 0, 0};
    (*tabela)[AGENTE_LAGO].mEnvia(MSG_CRIA, comoArgumento(&GABARITO_LAGO), comoArgumento(origem));
    micro.mEnvia(MSG_CICLO_2, 0, 0);
    EXPECT_FLOAT_EQ(micro.corpo->energia, 20.0f);
    (*tabela)[AGENTE_AGUA].mEnvia(MSG_CRIA, comoArgumento(&GABARITO_AGUA), comoArgumento(origem));
    micro.mEnvia(MSG_CICLO_2, 0, 0);
    EXPECT_FLOAT_EQ(micro.corpo->energia, 20.15f);
}

TEST_F(Vivos, AlgasNuncaSeMovem) {
    CAgente& alga = cria(0, TIPO_ALGA, 20.0f, 30, -85);
    for (int i = 0; i < 5; ++i) {
        alga.mEnvia(MSG_BORDA, BORDA_BASE | BORDA_ESQUERDA, 0);
        alga.mEnvia(MSG_CICLO_2, 0, 0);
        alga.mEnvia(MSG_TOQUE, 0, 0);
    }
    EXPECT_EQ(velocidade(alga), (Vetor3{0, 0, 0}));
}

TEST_F(Vivos, PeixeVaiParaCasaNoPeriodoEDesovaPerto) {
    CAgente& gordo = cria(0, TIPO_GORDO, 20.0f, 100, -40);
    gordo.corpo->idade = 679.0f;
    gordo.mEnvia(MSG_CICLO_1, 0, 0);  // age 680: the period
    EXPECT_EQ(gordo.slots[MSG_CICLO_2]->tipo, COMP_DESOVA);
    gordo.mEnvia(MSG_CICLO_2, 0, 0);
    // Home is (0, 5): dx = −100, dy = 45; speed 1 along x.
    EXPECT_EQ(velocidade(gordo), (Vetor3{-1.0f, 0.45f, 0}));
    EXPECT_EQ(quantos(TIPO_GORDO), 1);

    cena->mDefinePosicao(GRUPO_SERES, 0, {30, -10, 0});
    gordo.mEnvia(MSG_CICLO_2, 0, 0);
    EXPECT_EQ(quantos(TIPO_GORDO), 2) << "within 40 × 20 of home it spawns";
    EXPECT_EQ(gordo.slots[MSG_CICLO_2]->tipo, COMP_NADA);
}

TEST_F(Vivos, PeixeExatamenteEmCasaMantemAVelocidade) {
    CAgente& azul = cria(0, TIPO_AZUL, 20.0f, 60, -42);
    cena->mMudaVelocidade(GRUPO_SERES, 0, {0.3f, -0.2f, 0});
    azul.mCriaComportamento(MSG_CICLO_2, COMP_DESOVA, COMP_NADA);
    azul.mEnvia(MSG_CICLO_2, 0, 0);
    EXPECT_EQ(velocidade(azul), (Vetor3{0.3f, -0.2f, 0}));
    EXPECT_EQ(quantos(TIPO_AZUL), 2);
}

TEST_F(Vivos, PeixeComPoucaEnergiaNaoDesova) {
    CAgente& azul = cria(0, TIPO_AZUL, 10.03f);
    azul.corpo->idade = 264.0f;
    azul.mEnvia(MSG_CICLO_1, 0, 0);
    EXPECT_NE(azul.slots[MSG_CICLO_2]->tipo, COMP_DESOVA);
}

}  // namespace
