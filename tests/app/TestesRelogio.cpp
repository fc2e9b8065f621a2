#include "core/match/EventosFase.h"
#include "core/panel/Painel.h"
#include "tests/app/FixtureApl.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>

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
    EXPECT_EQ(apl->partida.passosPartida, 0u);
    EXPECT_EQ(apl->painel.figuras.visivel[ITEM_BARRA_VERDE], 0);
}

TEST_F(Relogio, InicioArmaOsDoisTemporizadores) {
    ASSERT_TRUE(iniciaPartida());
    EXPECT_EQ(apl->janela.mPeriodoTemporizador(TIMER_PASSO), 130);
    EXPECT_EQ(apl->janela.mPeriodoTemporizador(TIMER_FASE), 10000);
}

TEST_F(Relogio, PeriodoDobradoDobraOsTemporizadores) {
    apl->periodoPasso = 260;
    ASSERT_TRUE(iniciaPartida());
    EXPECT_EQ(apl->janela.mPeriodoTemporizador(TIMER_PASSO), 260);
    EXPECT_EQ(apl->janela.mPeriodoTemporizador(TIMER_FASE), 20000);
}

TEST_F(Relogio, PeriodoMenorQueDezRodaADez) {
    apl->periodoPasso = 1;
    ASSERT_TRUE(iniciaPartida());
    EXPECT_EQ(apl->janela.mPeriodoTemporizador(TIMER_PASSO), 10);
}

TEST_F(Relogio, EmJogoOPassoMoveEConta) {
    ASSERT_TRUE(iniciaPartida());
    for (int i = 0; i < 3; ++i) apl->mPasso();
    EXPECT_EQ(apl->partida.passosPartida, 3u);
    EXPECT_NE(apl->cena.mLeVelocidade(GRUPO_SERES, 0), (Vetor3{0, 0, 0}));
    const Vetor3 antes = posicaoDoPrimeiroPeixe();
    apl->mPasso();
    EXPECT_NE(posicaoDoPrimeiroPeixe(), antes);
}

TEST_F(Relogio, PausaParaOMovimentoEAContagemMasNaoOEcometro) {
    ASSERT_TRUE(iniciaPartida());
    for (int i = 0; i < 3; ++i) apl->mPasso();
    apl->mPausa();
    const Vetor3 antes = posicaoDoPrimeiroPeixe();
    const float topoAntes = apl->tela.mItem(apl->painel.figuras.visivel[ITEM_BARRA_VERDE] ? 6 : 7).topo;
    // A tool of the second character still acts while paused.
    ASSERT_TRUE(apl->partida.mUsaFerramenta(PESCADOR, 1));
    apl->mPasso();
    EXPECT_EQ(apl->partida.passosPartida, 3u);
    EXPECT_EQ(posicaoDoPrimeiroPeixe(), antes);
    int barra = 0;
    for (int i = ITEM_BARRA_VERDE; i <= ITEM_BARRA_VERMELHA; ++i)
        if (apl->painel.figuras.visivel[i]) barra = i;
    ASSERT_NE(barra, 0);
    EXPECT_LT(apl->tela.mItem(barra).topo, topoAntes) << "more energy: a taller bar";
}

TEST_F(Relogio, EcometroEscolheABarraEAltura) {
    ASSERT_TRUE(iniciaPartida());
    apl->mAtualizaEcometro();
    const Ecometro ecometro = leEcometro(apl->partida.agentes);
    const float razao = ecometro.leitura.soma / ecometro.leitura.escala;
    const int barra = ecometro.cor;
    EXPECT_EQ(apl->painel.figuras.visivel[barra], 1);
    for (int i = ITEM_BARRA_VERDE; i <= ITEM_BARRA_VERMELHA; ++i)
        if (i != barra) EXPECT_EQ(apl->painel.figuras.visivel[i], 0);
    EXPECT_FLOAT_EQ(apl->tela.mItem(barra).topo,
                    static_cast<float>((1.0 - razao) * 0.193 + 0.78));
}

TEST_F(Relogio, TerminadaDesenhaSemMover) {
    ASSERT_TRUE(iniciaPartida());
    apl->mPasso();
    apl->partida.estado = TERMINADA;
    const Vetor3 antes = posicaoDoPrimeiroPeixe();
    apl->mPasso();
    EXPECT_EQ(posicaoDoPrimeiroPeixe(), antes);
    EXPECT_EQ(apl->partida.passosPartida, 1u);
}

TEST_F(Relogio, PartidaNosTemporizadoresGravaQuadros) {
    // The two timers drive a match at a 10 ms step; frames of the retained
    // picture are saved for looking at (build/quadros/).
    apl->periodoPasso = 10;
    ASSERT_TRUE(iniciaPartida());
    const QString pasta = QString(QELP_DIR_QUADROS);
    QDir().mkpath(pasta);
    for (const uint32_t passo : {1u, 40u, 120u}) {
        rodaAtePasso(passo);
        ASSERT_EQ(apl->partida.passosPartida, passo);
        EXPECT_TRUE(apl->janela.mImagem().save(pasta + QString("/partida-%1.png").arg(passo)));
    }
    // 10 phase seconds at 10 ms: 769 ms, so the first event ran at step 77.
    EXPECT_EQ(apl->partida.indiceEvento, 1u);
    EXPECT_EQ(apl->partida.estado, EM_JOGO);
    int vivos = 0;
    for (const CAgente& agente : apl->partida.agentes.agentes) vivos += agente.corpo != nullptr;
    EXPECT_GT(vivos, 20);
}

}  // namespace

namespace {

class EventosDaFase : public FixtureApl {
protected:
    void SetUp() override {
        diretorio.mEscreve("dp/apl.cnf", "130\n70\nlicao.fase\n");
        diretorio.mEscreve("licao.fase", "10 3\n30 14\n35 0\n50 1\n");
        ASSERT_TRUE(iniciaSemTutor());
        ASSERT_TRUE(iniciaPartida());
    }
    void disparaFase() { apl->mTrataMensagem({TipoMensagem::TEMPORIZADOR, TIMER_FASE}); }
    bool menuPausaMarcado() {
        QWidget* janela = janelaComTitulo("QELP - Tarvelo 1.0");
        for (QAction* menu : janela->findChild<QMenuBar*>()->actions())
            for (QAction* item : menu->menu()->actions())
                if (item->text() == "&Pausa\tF3") return item->isChecked();
        return false;
    }
};

TEST_F(EventosDaFase, InterventorEntraEOProximoEventoEhAgendado) {
    const std::size_t tocadosAntes = plataforma.saidaSom->tocados.size();
    disparaFase();
    ASSERT_EQ(plataforma.saidaSom->tocados.size(), tocadosAntes + 1);
    EXPECT_EQ(plataforma.saidaSom->tocados.back(), SOM_INTERVENTOR) << "buffers follow the slots";
    ASSERT_NE(apl->partida.agentes[96].corpo, nullptr);
    EXPECT_EQ(apl->partida.agentes[96].corpo->tipo, 5) << "code 3: the dredger";
    EXPECT_EQ(apl->partida.indiceEvento, 1u);
    EXPECT_EQ(apl->janela.mPeriodoTemporizador(TIMER_FASE), 20000);
}

TEST_F(EventosDaFase, NumeroInexistenteAvisaEAgendaOProximo) {
    disparaFase();
    const std::size_t caixas = plataforma.caixas.size();
    disparaFase();  // code 14: interventor 11
    ASSERT_EQ(plataforma.caixas.size(), caixas + 1);
    EXPECT_EQ(plataforma.caixas.back().texto,
              "Interventor com esse numero nao existe. (CApl::mExecEventosFase)");
    EXPECT_EQ(apl->janela.mPeriodoTemporizador(TIMER_FASE), 5000);
}

TEST_F(EventosDaFase, DisparoDuranteAPausaEsperaAVolta) {
    apl->mPausa();
    EXPECT_TRUE(menuPausaMarcado());
    disparaFase();
    EXPECT_EQ(apl->partida.agentes[96].corpo, nullptr);
    EXPECT_EQ(apl->partida.indiceEvento, 0u);
    EXPECT_EQ(apl->janela.mPeriodoTemporizador(TIMER_FASE), 10000) << "still armed";
    apl->mPausa();
    EXPECT_FALSE(menuPausaMarcado());
    disparaFase();
    EXPECT_NE(apl->partida.agentes[96].corpo, nullptr);
}

TEST_F(EventosDaFase, FimTerminaAPartidaEPoeAPlaca) {
    for (int i = 0; i < 3; ++i) disparaFase();
    const int periodo = apl->janela.mPeriodoTemporizador(TIMER_FASE);
    apl->mPausa();
    apl->mPausa();
    disparaFase();  // code 1
    EXPECT_EQ(apl->partida.estado, TERMINADA);
    EXPECT_EQ(plataforma.saidaSom->tocados.back(), SOM_FIM_PARTIDA);
    ASSERT_GE(apl->partida.idFimPartida, 0);
    EXPECT_EQ(apl->cena.mInstancia(GRUPO_LUZES, apl->partida.idFimPartida).modelo, 8);
    EXPECT_EQ(apl->janela.mPeriodoTemporizador(TIMER_FASE), periodo) << "not re-armed";
    disparaFase();  // ignored from now on
    EXPECT_EQ(apl->partida.indiceEvento, 3u);
}

TEST_F(EventosDaFase, TerminarDuranteAPausaTiraAMarca) {
    apl->mPausa();
    ASSERT_TRUE(menuPausaMarcado());
    EXPECT_TRUE(apl->mTerminaPartida());
    EXPECT_EQ(apl->partida.estado, TERMINADA);
    EXPECT_FALSE(menuPausaMarcado());
    const int placa = apl->partida.idFimPartida;
    EXPECT_TRUE(apl->mTerminaPartida());
    EXPECT_EQ(apl->partida.idFimPartida, placa) << "a second end changes nothing";
}

TEST_F(EventosDaFase, PausaForaDeJogoNaoFazNada) {
    apl->mTerminaPartida();
    apl->mPausa();
    EXPECT_EQ(apl->partida.estado, TERMINADA);
    EXPECT_FALSE(menuPausaMarcado());
}

}  // namespace

namespace {

// The shipped phases on screen: each phase's times shortened fourfold, so
// that its polluters enter, act, pour and leave in a few hundred steps.
// Frames are saved to build/quadros/ for looking at.
class FasesNaTela : public FixtureApl, public testing::WithParamInterface<const char*> {};

TEST_P(FasesNaTela, PoluidoresEntramDespejamESaem) {
    diretorio.mEscreve("dp/apl.cnf", std::string("10\n40\ndp/") + GetParam() + "\n");
    ASSERT_TRUE(iniciaSemTutor());
    for (EventoFase& entrada : apl->partida.tabelaFase)
        if (entrada.tempo != TEMPO_ENCHIMENTO) entrada.tempo /= 4;
    ASSERT_TRUE(iniciaPartida());

    const QString pasta = QString(QELP_DIR_QUADROS);
    QDir().mkpath(pasta);
    int poluidoresVistos = 0;
    bool houveGotas = false, algumSaiu = false;
    std::array<bool, 20> estava{};
    for (uint32_t passo = 80; passo <= 560 && apl->partida.estado == EM_JOGO; passo += 80) {
        rodaAtePasso(passo);
        int poluidores = 0;
        for (std::size_t i = 78; i <= 97; ++i) {
            const bool esta = apl->partida.agentes[i].corpo != nullptr;
            algumSaiu |= estava[i - 78] && !esta;
            estava[i - 78] = esta;
            poluidores += esta;
        }
        poluidoresVistos = std::max(poluidoresVistos, poluidores);
        for (const Temporaria& gota : apl->cena.mTemporarias()) houveGotas |= gota.ativa;
        apl->janela.mImagem().save(
            pasta + QString("/%1-%2.png").arg(QString(GetParam()).section('.', 0, 0)).arg(passo));
    }
    EXPECT_GT(poluidoresVistos, 0);
    EXPECT_TRUE(houveGotas);
    EXPECT_TRUE(algumSaiu);
}

INSTANTIATE_TEST_SUITE_P(Distribuidas, FasesNaTela,
                         testing::Values("fase1.txt", "fase2.txt", "fase3.txt"));

}  // namespace

namespace {

class EcometroExtremo : public FixtureApl {};

TEST_F(EcometroExtremo, EnergiasAbsurdasNaoDesenhamForaDaJanela) {
    ASSERT_TRUE(iniciaSemTutor());
    ASSERT_TRUE(iniciaPartida());
    // A teacher's valores.txt may give a tool an effect of 1e38: the lake's
    // energy overflows to infinity and the bar's top to minus infinity.
    aplicaFerramenta(apl->partida.agentes, {1e38f, 1e38f, 1e38f, 1e38f, 1e38f, 1e38f, 1e38f});
    apl->mAtualizaEcometro();
    EXPECT_TRUE(apl->painel.figuras.visivel[ITEM_BARRA_VERDE]);
    // And the other way round: minus infinity, a bar whose top is far below.
    ASSERT_TRUE(apl->partida.agentes.mConstroiLago(apl->cena, populacaoDosParametros()));
    aplicaFerramenta(apl->partida.agentes, {-1e38f, -1e38f, -1e38f, -1e38f, -1e38f, -1e38f, -1e38f});
    apl->mPasso();
    EXPECT_TRUE(apl->painel.figuras.visivel[ITEM_BARRA_VERMELHA]);
    EXPECT_EQ(apl->janela.mImagem().size(), QSize(716, 537));
}

}  // namespace
