#include "core/lake/Gabaritos.h"
#include "core/match/Ecometro.h"
#include "core/match/Passo.h"
#include "core/match/Relogio.h"
#include "core/scene/CCena3D.h"
#include "core/scene/CenaPadrao.h"
#include "tests/comum/DiretorioTemporario.h"
#include "tests/comum/ModelosTeste.h"
#include "tests/comum/PlataformaRoteiro.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

TEST(Relogio, PeriodoDoPassoNuncaAbaixoDeDezMs) {
    EXPECT_EQ(periodoPassoEfetivo(130), 130u);
    EXPECT_EQ(periodoPassoEfetivo(10), 10u);
    EXPECT_EQ(periodoPassoEfetivo(9), 10u);
    EXPECT_EQ(periodoPassoEfetivo(0), 10u);
}

TEST(Relogio, PeriodoDaFaseEscalaComOPasso) {
    EXPECT_EQ(periodoFase(130, 10), 10000u);
    EXPECT_EQ(periodoFase(260, 10), 20000u);
    EXPECT_EQ(periodoFase(100, 3), 2307u) << "100/130 × 3000 = 2307.69, truncated";
    EXPECT_EQ(periodoFase(130, 0), 0u);
}

TEST(Relogio, PeriodosEnormesNaoTransbordam) {
    // A filler time of 1 000 000 s, or a phase time near 2^32, or a huge
    // step period: the timer gets the longest period it can take.
    EXPECT_EQ(periodoFase(130, 1000000), 1000000000u);
    EXPECT_EQ(periodoFase(130, 4000000000u), 2147483647u);
    EXPECT_EQ(periodoFase(4000000000u, 1000), 2147483647u);
    EXPECT_EQ(periodoPassoEfetivo(4294967295u), 2147483647u);
}

TEST(Ecometro, CoresNosLimites) {
    EXPECT_EQ(corEcometro(1.2f), ECOMETRO_VERDE);
    EXPECT_EQ(corEcometro(0.666666f), ECOMETRO_VERDE);
    EXPECT_EQ(corEcometro(0.6666659f), ECOMETRO_AMARELO);
    EXPECT_EQ(corEcometro(0.333333f), ECOMETRO_AMARELO);
    EXPECT_EQ(corEcometro(0.3333329f), ECOMETRO_VERMELHO);
    EXPECT_EQ(corEcometro(-1.0f), ECOMETRO_VERMELHO);
}

class PassoDaCena : public testing::Test {
protected:
    PassoDaCena() {
        cena->mIniciaCena(0, 0, 600, 450, {0.68f, 0.15f, 0.08f, 0.08f});
        escreveCaixaX("caixa.x", {-1, -1, -1}, {1, 1, 1});
        cena->mCarregaModelo(0, "caixa.x");
        for (int luz = 0; luz < 4; ++luz)
            cena->mCriaLuz(LUZ_DIRECIONAL, GRUPO_LUZES, {0, -1, 0.1f}, 1, 1, 1);
    }
    PlataformaRoteiro plataforma;
    DiretorioTemporario diretorio;
    std::unique_ptr<CCena3D> cena = std::make_unique<CCena3D>();
};

TEST_F(PassoDaCena, LuzBalancaOitoPassosEDepoisDezDeCadaLado) {
    Balanco balanco;
    std::vector<int> inversoes;
    int sentidoAntes = balanco.sentido;
    for (int passo = 1; passo <= 40; ++passo) {
        balanca(balanco, *cena);
        if (balanco.sentido != sentidoAntes) inversoes.push_back(passo);
        sentidoAntes = balanco.sentido;
    }
    EXPECT_EQ(inversoes, (std::vector<int>{8, 18, 28, 38}));
}

TEST_F(PassoDaCena, LuzBalancadaMudaDeDirecao) {
    const auto direcao = [this] {
        return cena->mInstancia(GRUPO_LUZES, 3).quadro.orientacao * Vetor3{0, 0, 1};
    };
    const Vetor3 antes = direcao();
    Balanco balanco;
    balanca(balanco, *cena);
    const Vetor3 depois = direcao();
    // A turn of 0.2 radians about z.
    EXPECT_NEAR(std::acos(produtoEscalar(antes, depois) / (comprimento(antes) * comprimento(depois))),
                0.2f * std::hypot(antes.x, antes.y) / comprimento(antes), 1e-3f);
}

TEST_F(PassoDaCena, FerramentaSomaVinteECincoVezesOValorPorTipo) {
    auto tabela = std::make_unique<CTabelaAgentes>();
    ASSERT_TRUE(tabela->mConstroiLago(*cena, PopulacaoInicial{}));
    CGabarito gordo = GABARITO_AGUA;  // a body of type 0 without behaviours that matter
    gordo.tipo = TIPO_GORDO;
    const float origem[3] = {0, 0, 0};
    (*tabela)[0].mEnvia(MSG_CRIA, comoArgumento(&gordo), comoArgumento(origem));
    (*tabela)[AGENTE_AGUA].mEnvia(MSG_CRIA, comoArgumento(&GABARITO_AGUA), comoArgumento(origem));
    const float gordoAntes = (*tabela)[0].corpo->energia;
    const float aguaAntes = (*tabela)[AGENTE_AGUA].corpo->energia;
    aplicaFerramenta(*tabela, {0.2f, 0, 0, 0, 0, 0, -1.0f});
    EXPECT_FLOAT_EQ((*tabela)[0].corpo->energia, gordoAntes + 5.0f);
    EXPECT_FLOAT_EQ((*tabela)[AGENTE_AGUA].corpo->energia, aguaAntes - 25.0f);
}

}  // namespace
