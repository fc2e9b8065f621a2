// The debrief window: it opens when a match ends, says what simula says of
// the same match, stays on offer from the menu until the next match, and
// saves its chart and its data.
#include "app/Menu.h"
#include "core/match/Simulacao.h"
#include "tests/app/FixtureApl.h"
#include "view/GraficoEcometro.h"

#include <QChart>
#include <QFile>
#include <QImage>

#include <string>

namespace {

constexpr const char* FASE_CURTA = "3 9\n8 11\n12 7\n20 1\n";  // sewage, petrol, factory sewage; the end at 20 s

class Resumo : public FixtureApl {
protected:
    void SetUp() override {
        diretorio.mEscreve("dp/apl.cnf", "130\n70\ncurta.fase\n");
        diretorio.mEscreve("curta.fase", FASE_CURTA);
        ASSERT_TRUE(iniciaSemTutor());
    }

    // A match of the short phase to its end, Abrir sol used before step 40
    // and the Pescador's tool 3 before step 100.
    void jogaAteOFim() {
        ASSERT_TRUE(iniciaPartida());
        rodaAtePasso(39);
        apl->partida.mUsaFerramenta(MAE_NATUREZA, 0);
        rodaAtePasso(99);
        apl->partida.mUsaFerramenta(PESCADOR, 3);
        rodaPassos(1000);
        ASSERT_EQ(apl->partida.estado, TERMINADA);
    }
};

TEST_F(Resumo, AbreNoFimEDizOMesmoQueOSimula) {
    EXPECT_FALSE(apl->janela.mComandoHabilitado(CMD_RESUMO)) << "no debrief before a match has ended";
    jogaAteOFim();
    JanelaResumo* janela = apl->mJanelaResumo();
    ASSERT_NE(janela, nullptr);
    EXPECT_TRUE(janela->isVisible());
    EXPECT_EQ(janela->windowTitle(), "QELP - Resumo da Partida");
    EXPECT_TRUE(apl->janela.mComandoHabilitado(CMD_RESUMO));

    OpcoesSimulacao opcoes;
    opcoes.valores = "dp/valores.txt";
    opcoes.textoFase = FASE_CURTA;
    opcoes.semente = SEMENTE_TESTE;
    opcoes.largura = apl->cena.mVistaLargura();
    opcoes.altura = apl->cena.mVistaAltura();
    opcoes.usos = {{40, MAE_NATUREZA, 0}, {100, PESCADOR, 3}};
    opcoes.passos = 10000;
    std::string simula;
    {
        Simulacao simulacao(opcoes);
        ASSERT_TRUE(simulacao.mInicia());
        simula = textoResumo(simulacao.mRodaResumo());
    }
    instalaPlataforma(&plataforma);  // the simulation had its own
    EXPECT_EQ(textoResumo(janela->mResumo()), simula);
    EXPECT_NE(simula.find("Chegaram 3 poluidores ao lago"), std::string::npos) << simula;

    // The chart: the three polluters named over it, a series for the
    // eco-meter, the five kinds and the two tools.
    const auto& marcas = janela->mGrafico()->mMarcas();
    ASSERT_EQ(marcas.size(), 3u);
    EXPECT_EQ(marcas[0].texto, "esgoto doméstico");
    EXPECT_NEAR(marcas[1].segundos, 8.0, 0.2);
    EXPECT_EQ(janela->mGrafico()->chart()->series().size(), 8);
}

TEST_F(Resumo, NoMenuAteAProximaPartida) {
    jogaAteOFim();
    apl->mJanelaResumo()->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(apl->mJanelaResumo(), nullptr);
    apl->mTrataMensagem({TipoMensagem::COMANDO, CMD_RESUMO});
    ASSERT_NE(apl->mJanelaResumo(), nullptr) << "the menu opens it again";

    ASSERT_TRUE(iniciaPartida());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(apl->mJanelaResumo(), nullptr) << "a new match closes the old one's debrief";
    EXPECT_FALSE(apl->janela.mComandoHabilitado(CMD_RESUMO));
    apl->mTrataMensagem({TipoMensagem::COMANDO, CMD_RESUMO});
    EXPECT_EQ(apl->mJanelaResumo(), nullptr);

    apl->mTrataMensagem({TipoMensagem::COMANDO, CMD_TERMINAR});
    EXPECT_NE(apl->mJanelaResumo(), nullptr) << "\"Terminar\" ends a match too";
    const std::size_t caixas = plataforma.caixas.size();
    apl->mTrataMensagem({TipoMensagem::COMANDO, CMD_TERMINAR});
    EXPECT_EQ(plataforma.caixas.size(), caixas) << "an ended match stays ended, quietly";
}

TEST_F(Resumo, SalvaImagemEDados) {
    jogaAteOFim();
    JanelaResumo* janela = apl->mJanelaResumo();
    ASSERT_NE(janela, nullptr);
    const QString pasta = QString::fromStdString(diretorio.mCaminho().string());

    ASSERT_TRUE(janela->mSalvaImagem(pasta + "/gráfico.png"));
    const QImage imagem(pasta + "/gráfico.png");
    EXPECT_GT(imagem.width(), 100);

    ASSERT_TRUE(janela->mSalvaDados(pasta + "/dados.csv"));
    QFile dados(pasta + "/dados.csv");
    ASSERT_TRUE(dados.open(QIODevice::ReadOnly));
    const QByteArray linhas = dados.readAll();
    EXPECT_TRUE(linhas.startsWith("\xEF\xBB\xBFpasso;n_gordo;"));
    EXPECT_TRUE(linhas.contains(";Abrir sol (Mãe Natureza)\n"));
    EXPECT_TRUE(linhas.trimmed().endsWith(";fim da partida"));

    // A folder that does not exist: the pupil is told, nothing breaks.
    const std::size_t caixas = plataforma.caixas.size();
    EXPECT_FALSE(janela->mSalvaDados(pasta + "/não/existe/dados.csv"));
    EXPECT_FALSE(janela->mSalvaImagem(pasta + "/não/existe/gráfico.png"));
    ASSERT_EQ(plataforma.caixas.size(), caixas + 2);
    EXPECT_EQ(plataforma.caixas[caixas].texto.rfind("Não foi possível salvar os dados em\n", 0), 0u);
    EXPECT_EQ(plataforma.caixas[caixas].titulo, "Aviso");
}

}  // namespace
