#include "tests/app/FixtureApl.h"
#include "view/Painel.h"

#include <QDir>

#include <string>

namespace {

class Relogio : public FixtureApl {
protected:
    void SetUp() override {
        diretorio.mEscreve("dp/apl.cnf", "130\n70\nlicao.fase\n");
        diretorio.mEscreve("licao.fase", "10 2\n30 1\n");
        ASSERT_TRUE(iniciaSemTutor());
    }
    Vetor3 posicaoDoPrimeiroPeixe() const { return apl->cena.mLePosicao(GRUPO_SERES, 0); }
};

TEST_F(Relogio, SemPartidaOPassoNaoFazNada) {
    apl->mPasso();
    EXPECT_EQ(apl->passosPartida, 0u);
    EXPECT_EQ(apl->janela.visivel[ITEM_BARRA_VERDE], 0);
}

TEST_F(Relogio, InicioArmaOsDoisTemporizadores) {
    ASSERT_TRUE(iniciaPartidaEmProcesso());
    EXPECT_EQ(apl->janela.mPeriodoTemporizador(TIMER_PASSO), 130);
    EXPECT_EQ(apl->janela.mPeriodoTemporizador(TIMER_FASE), 10000);
}

TEST_F(Relogio, PeriodoDobradoDobraOsTemporizadores) {
    apl->periodoPasso = 260;
    ASSERT_TRUE(iniciaPartidaEmProcesso());
    EXPECT_EQ(apl->janela.mPeriodoTemporizador(TIMER_PASSO), 260);
    EXPECT_EQ(apl->janela.mPeriodoTemporizador(TIMER_FASE), 20000);
}

TEST_F(Relogio, PeriodoMenorQueDezRodaADez) {
    apl->periodoPasso = 1;
    ASSERT_TRUE(iniciaPartidaEmProcesso());
    EXPECT_EQ(apl->janela.mPeriodoTemporizador(TIMER_PASSO), 10);
}

TEST_F(Relogio, EmJogoOPassoMoveEConta) {
    ASSERT_TRUE(iniciaPartidaEmProcesso());
    for (int i = 0; i < 3; ++i) apl->mPasso();
    EXPECT_EQ(apl->passosPartida, 3u);
    EXPECT_NE(apl->cena.mLeVelocidade(GRUPO_SERES, 0), (Vetor3{0, 0, 0}));
    const Vetor3 antes = posicaoDoPrimeiroPeixe();
    apl->mPasso();
    EXPECT_NE(posicaoDoPrimeiroPeixe(), antes);
}

TEST_F(Relogio, PausaParaOMovimentoEAContagemMasNaoOEcometro) {
    ASSERT_TRUE(iniciaPartidaEmProcesso());
    for (int i = 0; i < 3; ++i) apl->mPasso();
    apl->estado = PAUSADA;
    const Vetor3 antes = posicaoDoPrimeiroPeixe();
    const float topoAntes = apl->tela.mItem(apl->janela.visivel[ITEM_BARRA_VERDE] ? 6 : 7).topo;
    // A tool of the second character still acts while paused.
    aplicaFerramenta(apl->agentes, {1, 1, 1, 1, 1, 1, 1});
    apl->mPasso();
    EXPECT_EQ(apl->passosPartida, 3u);
    EXPECT_EQ(posicaoDoPrimeiroPeixe(), antes);
    int barra = 0;
    for (int i = ITEM_BARRA_VERDE; i <= ITEM_BARRA_VERMELHA; ++i)
        if (apl->janela.visivel[i]) barra = i;
    ASSERT_NE(barra, 0);
    EXPECT_LT(apl->tela.mItem(barra).topo, topoAntes) << "more energy: a taller bar";
}

TEST_F(Relogio, EcometroEscolheABarraEAltura) {
    ASSERT_TRUE(iniciaPartidaEmProcesso());
    apl->mAtualizaEcometro();
    LeituraEcometro leitura;
    apl->agentes.mLeEcometro(leitura);
    const float razao = leitura.soma / leitura.escala;
    const int barra = corEcometro(razao);
    EXPECT_EQ(apl->janela.visivel[barra], 1);
    for (int i = ITEM_BARRA_VERDE; i <= ITEM_BARRA_VERMELHA; ++i)
        if (i != barra) EXPECT_EQ(apl->janela.visivel[i], 0);
    EXPECT_FLOAT_EQ(apl->tela.mItem(barra).topo,
                    static_cast<float>((1.0 - razao) * 0.193 + 0.78));
}

TEST_F(Relogio, TerminadaDesenhaSemMover) {
    ASSERT_TRUE(iniciaPartidaEmProcesso());
    apl->mPasso();
    apl->estado = TERMINADA;
    const Vetor3 antes = posicaoDoPrimeiroPeixe();
    apl->mPasso();
    EXPECT_EQ(posicaoDoPrimeiroPeixe(), antes);
    EXPECT_EQ(apl->passosPartida, 1u);
}

TEST_F(Relogio, PartidaComTemporizadoresDeVerdadeGravaQuadros) {
    // The real timers drive a match; frames of the retained picture are
    // saved for looking at (build/quadros/).
    apl->periodoPasso = 10;
    ASSERT_TRUE(iniciaPartidaEmProcesso());
    const QString pasta = QString(QELP_DIR_QUADROS);
    QDir().mkpath(pasta);
    for (const uint32_t passo : {1u, 40u, 120u}) {
        rodaAtePasso(passo);
        ASSERT_GE(apl->passosPartida, passo);
        EXPECT_TRUE(apl->janela.mImagem().save(pasta + QString("/partida-%1.png").arg(passo)));
    }
    int vivos = 0;
    for (const CAgente& agente : apl->agentes.agentes) vivos += agente.corpo != nullptr;
    EXPECT_GT(vivos, 20);
}

}  // namespace
