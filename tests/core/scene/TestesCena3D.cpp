#include "core/lake/Aleatorio.h"
#include "core/lake/CAgente.h"
#include "core/lake/Gabaritos.h"
#include "core/scene/CCena3D.h"
#include "tests/comum/DiretorioTemporario.h"
#include "tests/comum/ModelosTeste.h"
#include "tests/comum/PlataformaRoteiro.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <numbers>
#include <vector>

namespace {

constexpr int MODELO_CAIXA = 0;   // a 4 × 2 × 2 box centred on its origin
constexpr int MODELO_GRANDE = 1;  // a 20 × 20 × 2 box
constexpr int MODELO_FINO = 2;    // a 2 × 2 × 2 box

// What an agent received.
struct Recebida {
    uint32_t numero;
    ArgumentoMensagem a, b;
};

class Gravador : public CComportamento {
public:
    Gravador(std::vector<Recebida>& lista, uint32_t numero) : lista(lista), numero(numero) {}
    uint32_t mTrata(ArgumentoMensagem a, ArgumentoMensagem b) override {
        lista.push_back({numero, a, b});
        return 1;
    }
    std::vector<Recebida>& lista;
    uint32_t numero;
};

class Cena : public testing::Test {
protected:
    Cena() {
        escreveCaixaX("caixa.x", {-2, -1, -1}, {2, 1, 1});
        escreveCaixaX("grande.x", {-10, -10, -1}, {10, 10, 1});
        escreveCaixaX("fino.x", {-1, -1, -1}, {1, 1, 1});
        cena->mIniciaCena(0, 0, 600, 450, {0.68f, 0.15f, 0.08f, 0.08f});
        EXPECT_TRUE(cena->mCarregaModelo(MODELO_CAIXA, "caixa.x"));
        EXPECT_TRUE(cena->mCarregaModelo(MODELO_GRANDE, "grande.x"));
        EXPECT_TRUE(cena->mCarregaModelo(MODELO_FINO, "fino.x"));
        for (std::size_t i = 0; i < agentes.size(); ++i) {
            agentes[i].mMonta(GABARITO_LIVRE, agentes.data(), cena.get(), &aleatorio);
            agentes[i].slots[MSG_BORDA] = std::make_unique<Gravador>(recebidas[i], MSG_BORDA);
            agentes[i].slots[MSG_TOQUE] = std::make_unique<Gravador>(recebidas[i], MSG_TOQUE);
        }
    }

    int poe(std::size_t agente, int modelo, Vetor3 posicao, int grupo = GRUPO_SERES) {
        return cena->mAdicionaAgente(&agentes[agente], grupo, modelo, posicao, {}, {0, 1, 1}, 0);
    }

    PlataformaRoteiro plataforma;
    DiretorioTemporario diretorio;
    std::unique_ptr<CCena3D> cena = std::make_unique<CCena3D>();
    GeradorAleatorio aleatorio;
    std::array<CAgente, 4> agentes;
    std::array<std::vector<Recebida>, 4> recebidas;
};

TEST_F(Cena, LimitesDoLagoSeguemAVista) {
    LimitesLago limites = cena->mLimitesLago();
    EXPECT_FLOAT_EQ(limites.topo, 93.75f);
    EXPECT_FLOAT_EQ(limites.base, -93.75f);
    EXPECT_FLOAT_EQ(limites.direita, 125.0f);
    EXPECT_FLOAT_EQ(limites.esquerda, -125.0f);
    cena->mDefineVista(0, 0, 560, 315);
    limites = cena->mLimitesLago();
    EXPECT_FLOAT_EQ(limites.topo, 70.3125f);
}

TEST_F(Cena, AInstancia76DoGrupoEhRecusada) {
    for (int i = 0; i < NUM_SLOTS_GRUPO; ++i)
        ASSERT_EQ(cena->mCriaInstancia(GRUPO_LUZES, MODELO_CAIXA, {}, {}, {}, 0), i);
    EXPECT_EQ(cena->mCriaInstancia(GRUPO_LUZES, MODELO_CAIXA, {}, {}, {}, 0), -1);
    // A freed slot is the lowest and is taken again.
    cena->mRemoveInstancia(GRUPO_LUZES, 40);
    EXPECT_EQ(cena->mCriaInstancia(GRUPO_LUZES, MODELO_CAIXA, {}, {}, {}, 0), 40);
}

TEST_F(Cena, ModeloInexistenteOuNaoCarregadoNaoCriaInstancia) {
    EXPECT_EQ(cena->mCriaInstancia(GRUPO_SERES, NUM_MODELOS, {}, {}, {}, 0), -1);
    EXPECT_EQ(cena->mCriaInstancia(GRUPO_SERES, 100000, {}, {}, {}, 0), -1);
    EXPECT_EQ(cena->mCriaInstancia(GRUPO_SERES, 9, {}, {}, {}, 0), -1);
    EXPECT_EQ(cena->mCriaInstancia(NUM_GRUPOS, MODELO_CAIXA, {}, {}, {}, 0), -1);
}

TEST_F(Cena, ModeloIlegivelNaoCarrega) {
    diretorio.mEscreve("quebrado.x", "xof 0303txt 0032\nMesh { 3; 1;2;");
    EXPECT_FALSE(cena->mCarregaModelo(5, "quebrado.x"));
    EXPECT_FALSE(cena->mCarregaModelo(5, "nao-existe.x"));
    EXPECT_FALSE(cena->mCarregaModelo(NUM_MODELOS, "caixa.x"));
    EXPECT_TRUE(cena->mModelo(5).mVazia());
    EXPECT_EQ(plataforma.mTextos(),
              (std::vector<std::string>{"Arquivo 'quebrado.x' não encontrado.",
                                        "Arquivo 'nao-existe.x' não encontrado."}));
}

TEST_F(Cena, CaixaDoModeloVemDaMalha) {
    const Caixa& caixa = cena->mModelo(MODELO_CAIXA).caixa;
    EXPECT_EQ(caixa.minimo, (Vetor3{-2, -1, -1}));
    EXPECT_EQ(caixa.maximo, (Vetor3{2, 1, 1}));
}

TEST_F(Cena, RemoverMenosUmNaoFazNada) {
    const int i = cena->mCriaInstancia(GRUPO_SERES, MODELO_CAIXA, {}, {}, {}, 0);
    cena->mRemoveInstancia(GRUPO_SERES, -1);
    cena->mRemoveAgente(GRUPO_SERES, -1);
    EXPECT_TRUE(cena->mInstancia(GRUPO_SERES, i).ocupada);
}

TEST_F(Cena, MoverAvancaPosicaoERotacao) {
    const int i = cena->mCriaInstancia(GRUPO_SERES, MODELO_CAIXA, {1, 2, 0}, {0.5f, -1, 0},
                                       {0, 0, 1}, std::numbers::pi_v<float> / 2);
    cena->mMove();
    cena->mMove();
    EXPECT_EQ(cena->mLePosicao(GRUPO_SERES, i), (Vetor3{2, 0, 0}));
    // Two quarter turns about z: the model's x axis now points to −x.
    const Vetor3 eixoX = cena->mInstancia(GRUPO_SERES, i).quadro.orientacao * Vetor3{1, 0, 0};
    EXPECT_NEAR(eixoX.x, -1.0f, 1e-5f);
    EXPECT_NEAR(eixoX.y, 0.0f, 1e-5f);
}

TEST_F(Cena, MudaVelocidadeViraSoNaTrocaDeSinalDeVx) {
    const auto eixoX = [this](int i) {
        return cena->mInstancia(GRUPO_SERES, i).quadro.orientacao * Vetor3{1, 0, 0};
    };
    const int a = cena->mCriaInstancia(GRUPO_SERES, MODELO_CAIXA, {}, {1, 0, 0}, {}, 0);
    cena->mMudaVelocidade(GRUPO_SERES, a, {-1, 0, 0});
    EXPECT_NEAR(eixoX(a).x, -1.0f, 1e-5f);
    EXPECT_EQ(cena->mLeVelocidade(GRUPO_SERES, a), (Vetor3{-1, 0, 0}));
    // The turn also moved the instance once by its old velocity.
    EXPECT_EQ(cena->mLePosicao(GRUPO_SERES, a), (Vetor3{1, 0, 0}));

    const int b = cena->mCriaInstancia(GRUPO_SERES, MODELO_CAIXA, {}, {0, 1, 0}, {}, 0);
    cena->mMudaVelocidade(GRUPO_SERES, b, {0, -1, 0});
    EXPECT_NEAR(eixoX(b).x, 1.0f, 1e-5f);
    EXPECT_EQ(cena->mLePosicao(GRUPO_SERES, b), (Vetor3{0, 0, 0}));

    const int c = cena->mCriaInstancia(GRUPO_SERES, MODELO_CAIXA, {}, {0, 0, 0}, {}, 0);
    cena->mMudaVelocidade(GRUPO_SERES, c, {0.5f, 0, 0});
    EXPECT_NEAR(eixoX(c).x, 1.0f, 1e-5f);
    cena->mMudaVelocidade(GRUPO_SERES, c, {-0.0001f, 0, 0});
    EXPECT_NEAR(eixoX(c).x, -1.0f, 1e-5f);
}

TEST_F(Cena, GiraMantemARotacaoPropria) {
    const int i = cena->mCriaInstancia(GRUPO_SERES, MODELO_CAIXA, {}, {}, {0, 1, 1}, 0.1f);
    cena->mGira(GRUPO_SERES, i, {0, 0, 1}, 0.2f);
    EXPECT_EQ(cena->mInstancia(GRUPO_SERES, i).quadro.eixoRotacao, (Vetor3{0, 1, 1}));
    EXPECT_FLOAT_EQ(cena->mInstancia(GRUPO_SERES, i).quadro.velocidadeRotacao, 0.1f);
}

TEST_F(Cena, TemporariaDeVidaTresDuraQuatroQuadros) {
    cena->mCriaTemporaria(3, GRUPO_TEMPORARIAS, MODELO_FINO, {}, {0, -1, 0}, {0, 1, 0}, 0);
    for (int quadro = 1; quadro <= 3; ++quadro) {
        cena->mEnvelheceTemporarias();
        EXPECT_TRUE(cena->mInstancia(GRUPO_TEMPORARIAS, 0).ocupada) << quadro;
    }
    cena->mEnvelheceTemporarias();
    EXPECT_FALSE(cena->mInstancia(GRUPO_TEMPORARIAS, 0).ocupada);
    EXPECT_FALSE(cena->mTemporarias()[0].ativa);
}

TEST_F(Cena, TemporariaDeVidaZeroDuraUmQuadro) {
    cena->mCriaTemporaria(0, GRUPO_TEMPORARIAS, MODELO_FINO, {}, {}, {}, 0);
    EXPECT_TRUE(cena->mInstancia(GRUPO_TEMPORARIAS, 0).ocupada);
    cena->mEnvelheceTemporarias();
    EXPECT_FALSE(cena->mInstancia(GRUPO_TEMPORARIAS, 0).ocupada);
}

TEST_F(Cena, SemRegistroLivreNaoHaTemporaria) {
    for (int i = 0; i < NUM_TEMPORARIAS; ++i)
        cena->mCriaTemporaria(10, GRUPO_TEMPORARIAS, MODELO_FINO, {}, {}, {}, 0);
    cena->mCriaTemporaria(10, GRUPO_LUZES, MODELO_FINO, {}, {}, {}, 0);
    EXPECT_FALSE(cena->mInstancia(GRUPO_LUZES, 0).ocupada);
}

struct CasoBorda {
    int largura, altura;
    Vetor3 posicao;
    uint32_t bordas;
};

class Bordas : public Cena, public testing::WithParamInterface<CasoBorda> {};

TEST_P(Bordas, BitsDasLinhasUltrapassadas) {
    const CasoBorda& caso = GetParam();
    cena->mDefineVista(0, 0, caso.largura, caso.altura);
    poe(0, MODELO_CAIXA, caso.posicao);
    cena->mVerificaBordas(GRUPO_SERES);
    if (caso.bordas == 0) {
        EXPECT_TRUE(recebidas[0].empty());
    } else {
        ASSERT_EQ(recebidas[0].size(), 1u);
        EXPECT_EQ(recebidas[0][0].numero, MSG_BORDA);
        EXPECT_EQ(recebidas[0][0].a, caso.bordas);
        EXPECT_EQ(recebidas[0][0].b, 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Vistas, Bordas,
    testing::Values(CasoBorda{600, 450, {0, 0, 0}, 0}, CasoBorda{600, 450, {0, 30.0f, 0}, 0},
                    CasoBorda{600, 450, {0, 30.01f, 0}, BORDA_TOPO},
                    CasoBorda{600, 450, {0, -79.6875f, 0}, 0},
                    CasoBorda{600, 450, {0, -79.7f, 0}, BORDA_BASE},
                    CasoBorda{600, 450, {-115.01f, 0, 0}, BORDA_ESQUERDA},
                    CasoBorda{600, 450, {115.0f, 0, 0}, 0},
                    CasoBorda{600, 450, {116, 31, 0}, BORDA_DIREITA | BORDA_TOPO},
                    CasoBorda{600, 450, {-120, -80, 0}, BORDA_ESQUERDA | BORDA_BASE},
                    CasoBorda{560, 315, {0, 22.5f, 0}, 0},
                    CasoBorda{560, 315, {0, 22.51f, 0}, BORDA_TOPO},
                    CasoBorda{560, 315, {0, -59.765625f, 0}, 0},
                    CasoBorda{560, 315, {0, -59.78f, 0}, BORDA_BASE}));

TEST_F(Cena, BordasSoParaInstanciasComAgente) {
    cena->mCriaInstancia(GRUPO_SERES, MODELO_CAIXA, {0, 50, 0}, {}, {}, 0);
    poe(1, MODELO_CAIXA, {0, 50, 0}, GRUPO_POLUIDORES);
    cena->mVerificaBordas(GRUPO_SERES);
    EXPECT_TRUE(recebidas[1].empty()) << "group 1 is not checked with group 0";
    cena->mVerificaBordas(GRUPO_POLUIDORES);
    EXPECT_EQ(recebidas[1].size(), 1u);
}

TEST_F(Cena, CaixasIguaisDistantesExatamenteUmaLarguraSeTocam) {
    poe(0, MODELO_CAIXA, {0, 0, 0});
    poe(1, MODELO_CAIXA, {4, 0, 0});   // x intervals [−2, 2] and [2, 6]
    poe(2, MODELO_CAIXA, {10.01f, 0, 0});
    cena->mVerificaColisoes(GRUPO_SERES, false);
    ASSERT_EQ(recebidas[0].size(), 1u);
    EXPECT_EQ(recebidas[0][0].numero, MSG_TOQUE);
    EXPECT_EQ(recebidas[0][0].a, 0u);
    EXPECT_EQ(recebidas[0][0].b, comoArgumento(&agentes[1]));
    ASSERT_EQ(recebidas[1].size(), 1u);
    EXPECT_EQ(recebidas[1][0].a, 1u);
    EXPECT_EQ(recebidas[1][0].b, comoArgumento(&agentes[0]));
    EXPECT_TRUE(recebidas[2].empty());
}

TEST_F(Cena, ZSoContaQuandoPedido) {
    poe(0, MODELO_CAIXA, {0, 0, 0});
    poe(1, MODELO_CAIXA, {0, 0, 50});
    cena->mVerificaColisoes(GRUPO_SERES, true);
    EXPECT_TRUE(recebidas[0].empty());
    cena->mVerificaColisoes(GRUPO_SERES, false);
    EXPECT_EQ(recebidas[0].size(), 1u);
}

TEST_F(Cena, CaixaPequenaDentroDaGrandeSoTocaComIndiceMenor) {
    poe(0, MODELO_FINO, {0, 0, 0});    // slot 0, inside
    poe(1, MODELO_GRANDE, {0, 0, 0});  // slot 1, around it
    cena->mVerificaColisoes(GRUPO_SERES, false);
    EXPECT_EQ(recebidas[0].size(), 1u);
    EXPECT_EQ(recebidas[1].size(), 1u);

    cena->mRemoveAgente(GRUPO_SERES, 0);
    cena->mRemoveAgente(GRUPO_SERES, 1);
    recebidas[0].clear();
    recebidas[1].clear();
    poe(1, MODELO_GRANDE, {0, 0, 0});  // now slot 0
    poe(0, MODELO_FINO, {0, 0, 0});    // now slot 1, inside the earlier one
    cena->mVerificaColisoes(GRUPO_SERES, false);
    EXPECT_TRUE(recebidas[0].empty());
    EXPECT_TRUE(recebidas[1].empty());
}

// A touch handler that removes one slot's agent, as eating or dying does.
class RemoveAoTocar : public CComportamento {
public:
    RemoveAoTocar(CCena3D& cena, int slot) : cena(cena), alvo(slot) {}
    uint32_t mTrata(ArgumentoMensagem, ArgumentoMensagem) override {
        cena.mRemoveAgente(GRUPO_SERES, alvo);
        return 1;
    }
    CCena3D& cena;
    int alvo;
};

TEST_F(Cena, ToqueReleOAgenteAntesDeCadaEnvio) {
    // Agent 0's touch removes agent 1 (as eating does): agent 1 gets nothing.
    poe(0, MODELO_CAIXA, {0, 0, 0});
    poe(1, MODELO_CAIXA, {1, 0, 0});
    agentes[0].slots[MSG_TOQUE] = std::make_unique<RemoveAoTocar>(*cena, 1);
    cena->mVerificaColisoes(GRUPO_SERES, false);
    EXPECT_TRUE(recebidas[1].empty());
}

TEST_F(Cena, ToqueDeQuemSumiuChegaSemParceiro) {
    // Agent 0's touch removes itself: agent 1 is told with no partner.
    poe(0, MODELO_CAIXA, {0, 0, 0});
    poe(1, MODELO_CAIXA, {1, 0, 0});
    agentes[0].slots[MSG_TOQUE] = std::make_unique<RemoveAoTocar>(*cena, 0);
    cena->mVerificaColisoes(GRUPO_SERES, false);
    ASSERT_EQ(recebidas[1].size(), 1u);
    EXPECT_EQ(recebidas[1][0].b, 0u);
}

// A crowded group, moved at random between checks: the touches come in the
// order of the pairs of slots, (0, 1), (0, 2) … (1, 2) …, each to the lower
// slot first, for every pair whose boxes have an end of the first inside the
// second along x and along y, exactly as testing every pair in turn finds
// them. Some boxes are put where no number is: they touch nothing.
TEST_F(Cena, ToquesSaoOsDeTestarCadaParEmOrdem) {
    constexpr int QUANTOS = 60;
    std::vector<Recebida> toques;
    std::vector<CAgente> muitos(QUANTOS);
    for (CAgente& agente : muitos) {
        agente.mMonta(GABARITO_LIVRE, agentes.data(), cena.get(), &aleatorio);
        agente.slots[MSG_TOQUE] = std::make_unique<Gravador>(toques, MSG_TOQUE);
    }
    const std::array<Caixa, 3> modelos{Caixa{{-2, -1, -1}, {2, 1, 1}}, Caixa{{-10, -10, -1}, {10, 10, 1}},
                                       Caixa{{-1, -1, -1}, {1, 1, 1}}};
    const float NADA = std::numeric_limits<float>::quiet_NaN();
    GeradorAleatorio sorteio(7);
    const auto sorteia = [&](int faixa) { return static_cast<float>(sorteio.mProximo() % faixa) * 0.5f; };
    std::vector<Vetor3> posicoes(QUANTOS);
    for (int i = 0; i < QUANTOS; ++i) {
        posicoes[i] = {sorteia(120), sorteia(60), 0};
        ASSERT_EQ(cena->mAdicionaAgente(&muitos[i], GRUPO_SERES, i % 3, posicoes[i], {}, {0, 1, 1}, 0), i);
    }
    const auto dentro = [](float v, float a, float b) { return a <= v && v <= b; };
    const auto ponta = [&](float a0, float a1, float b0, float b1) { return dentro(a0, b0, b1) || dentro(a1, b0, b1); };
    for (int rodada = 0; rodada < 20; ++rodada) {
        std::vector<Recebida> esperados;
        for (int i = 0; i < QUANTOS; ++i)
            for (int j = i + 1; j < QUANTOS; ++j) {
                const Caixa& a = modelos[i % 3];
                const Caixa& b = modelos[j % 3];
                const Vetor3 pa = posicoes[i], pb = posicoes[j];
                if (ponta(a.minimo.x + pa.x, a.maximo.x + pa.x, b.minimo.x + pb.x, b.maximo.x + pb.x) &&
                    ponta(a.minimo.y + pa.y, a.maximo.y + pa.y, b.minimo.y + pb.y, b.maximo.y + pb.y)) {
                    esperados.push_back({MSG_TOQUE, static_cast<ArgumentoMensagem>(i), comoArgumento(&muitos[j])});
                    esperados.push_back({MSG_TOQUE, static_cast<ArgumentoMensagem>(j), comoArgumento(&muitos[i])});
                }
            }
        toques.clear();
        cena->mVerificaColisoes(GRUPO_SERES, false);
        ASSERT_EQ(toques.size(), esperados.size()) << "round " << rodada;
        for (std::size_t k = 0; k < toques.size(); ++k) {
            EXPECT_EQ(toques[k].a, esperados[k].a) << "round " << rodada << ", touch " << k;
            EXPECT_EQ(toques[k].b, esperados[k].b) << "round " << rodada << ", touch " << k;
        }
        // Everyone moves a little, a few jump far or to where no number is.
        for (int i = 0; i < QUANTOS; ++i) {
            const uint32_t dado = sorteio.mProximo() % 20;
            if (dado == 0) posicoes[i] = {sorteia(120), sorteia(60), 0};
            else if (dado == 1) posicoes[i] = {NADA, posicoes[i].y, 0};
            else if (std::isnan(posicoes[i].x)) posicoes[i] = {sorteia(120), posicoes[i].y, 0};
            else posicoes[i] = posicoes[i] + Vetor3{sorteia(5) - 1.0f, sorteia(5) - 1.0f, 0};
            cena->mDefinePosicao(GRUPO_SERES, i, posicoes[i]);
        }
    }
}

TEST_F(Cena, EscolheAInstanciaNoPixelDela) {
    // 600 × 450: x = 50 is at pixel (50 / 125 + 1) / 2 × 600 = 420 and
    // y = 20 at (1 − 20 / 93.75) / 2 × 450 = 177.
    poe(2, MODELO_CAIXA, {50, 20, 0});
    EXPECT_EQ(cena->mAgenteEm(420, 177), &agentes[2]);
    EXPECT_EQ(cena->mAgenteEm(300, 225), nullptr);
    EXPECT_EQ(cena->mAgenteEm(440, 177), nullptr) << "2 units right of the box's edge";
    EXPECT_FALSE(cena->mEscolhe(-1, 10).has_value());
    EXPECT_FALSE(cena->mEscolhe(10, 450).has_value());
}

TEST_F(Cena, EscolheAMaisProximaDaCamera) {
    poe(0, MODELO_GRANDE, {0, 0, 30});
    poe(1, MODELO_CAIXA, {0, 0, 0});
    EXPECT_EQ(cena->mAgenteEm(300, 225), &agentes[1]);
    const int sinal = cena->mCriaInstancia(GRUPO_LUZES, MODELO_GRANDE, {0, 0, -20}, {}, {}, 0);
    const auto escolha = cena->mEscolhe(300, 225);
    ASSERT_TRUE(escolha.has_value());
    EXPECT_EQ(escolha->grupo, GRUPO_LUZES);
    EXPECT_EQ(escolha->slot, sinal);
    EXPECT_EQ(cena->mAgenteEm(300, 225), nullptr) << "an instance without agent hides the fish";
}

TEST_F(Cena, EscolhaSegueAVistaNaJanela) {
    cena->mDefineVista(0, 0, 560, 315);
    poe(0, MODELO_CAIXA, {-62.5f, 0, 0});  // x at a quarter of the width: pixel 140
    EXPECT_EQ(cena->mAgenteEm(140, 157), &agentes[0]);
    EXPECT_EQ(cena->mAgenteEm(140, 330), nullptr) << "below the view, on the panel";
}

TEST_F(Cena, LiberarEsvaziaTudo) {
    poe(0, MODELO_CAIXA, {});
    cena->mCriaTemporaria(5, GRUPO_TEMPORARIAS, MODELO_FINO, {}, {}, {}, 0);
    cena->mLiberaCena();
    EXPECT_FALSE(cena->mAtiva());
    EXPECT_FALSE(cena->mInstancia(GRUPO_SERES, 0).ocupada);
    EXPECT_FALSE(cena->mTemporarias()[0].ativa);
    EXPECT_TRUE(cena->mModelo(MODELO_CAIXA).mVazia());
}

}  // namespace
