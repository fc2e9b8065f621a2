#include "tests/app/FixtureApl.h"
#include "view/Painel.h"

#include <QColor>
#include <QImage>

#include <string>
#include <vector>

namespace {

class Inicializa : public FixtureApl {};

TEST_F(Inicializa, PerguntaDoTutorTemTituloIconeEBotoes) {
    ASSERT_TRUE(iniciaSemTutor());
    ASSERT_FALSE(plataforma.caixas.empty());
    const CaixaMostrada& pergunta = plataforma.caixas.front();
    EXPECT_EQ(pergunta.titulo, "QELP");
    EXPECT_EQ(pergunta.icone, Icone::PERGUNTA);
    EXPECT_EQ(pergunta.botoes, Botoes::SIM_NAO_CANCELAR);
    EXPECT_EQ(pergunta.padrao, Resposta::NAO);
}

TEST_F(Inicializa, SemAplCnfUsaOsPadroesEAvisaDaFaseFaltando) {
    ASSERT_TRUE(iniciaSemTutor());
    EXPECT_EQ(apl->periodoPasso, 130u);
    EXPECT_EQ(apl->tamanhoJanela, 70u);
    EXPECT_EQ(apl->faseSugerida, "");
    EXPECT_EQ(apl->faseAtual, "");
    // The empty suggested phase is reported, and start-up still succeeds.
    const std::vector<std::string> textos = plataforma.mTextos();
    ASSERT_EQ(textos.size(), 3u);
    EXPECT_EQ(textos[1], "Arquivo de fase não encontrado");
    EXPECT_EQ(textos[2], "");
    EXPECT_EQ(apl->tabelaFase[0], (EventoFase{TEMPO_ENCHIMENTO, 0}));
}

TEST_F(Inicializa, EstadoInicialDoObjeto) {
    ASSERT_TRUE(iniciaSemTutor());
    EXPECT_EQ(apl->estado, SEM_PARTIDA);
    EXPECT_EQ(apl->passosPartida, 0u);
    EXPECT_EQ(apl->personagem, MAE_NATUREZA);
    EXPECT_EQ(apl->personagemColega, PESCADOR);
    EXPECT_EQ(apl->botaoPressionado, -1);
    EXPECT_EQ(apl->idFimPartida, -1);
    EXPECT_EQ(apl->usosFerramentas, (std::array<int32_t, 4>{0, 0, 0, 0}));
    EXPECT_EQ(apl->usosFerramentasColega, (std::array<int32_t, 4>{0, 0, 0, 0}));
    EXPECT_EQ(apl->agentes.ativa, 0);
    EXPECT_EQ(apl->tela.mQuantos(), static_cast<int>(NUM_ITENS_PAINEL));
}

TEST_F(Inicializa, JanelaComTituloTamanhoEPosicao) {
    plataforma.tela = {1024, 768};
    ASSERT_TRUE(iniciaSemTutor());
    QWidget* janela = janelaComTitulo("QELP - Tarvelo 1.0");
    ASSERT_NE(janela, nullptr);
    EXPECT_TRUE(janela->isVisible());
    // 70 % of the screen, truncated: 716 × 537.
    EXPECT_EQ(apl->janela.mImagem().size(), QSize(716, 537));
    // Centred and raised by 25 pixels; the window cannot be resized.
    EXPECT_EQ(janela->x(), (1024 - 716) / 2);
    EXPECT_EQ(janela->y(), (768 - 537) / 2 - 25);
    EXPECT_EQ(janela->minimumSize(), janela->maximumSize());
}

TEST_F(Inicializa, AberturaEhAUnicaFiguraVisivel) {
    ASSERT_TRUE(iniciaSemTutor());
    EXPECT_EQ(apl->janela.visivel[ITEM_ABERTURA], 1);
    for (std::size_t i = 1; i < MAX_BITMAPS; ++i) EXPECT_EQ(apl->janela.visivel[i], 0) << i;
}

TEST_F(Inicializa, AberturaEncheAImagemRetida) {
    ASSERT_TRUE(iniciaSemTutor());
    const QImage& retida = apl->janela.mImagem();
    const QImage abertura(QString::fromStdString(ITENS_PAINEL[ITEM_ABERTURA].arquivo));
    ASSERT_FALSE(abertura.isNull());
    // Points spread over the client area show the opening picture stretched
    // to it (smooth scaling blurs a little, so colours are compared loosely).
    for (const double fx : {0.1, 0.5, 0.9}) {
        for (const double fy : {0.1, 0.5, 0.9}) {
            const QColor naTela = retida.pixelColor(static_cast<int>(fx * retida.width()),
                                                    static_cast<int>(fy * retida.height()));
            const QColor naFigura = abertura.pixelColor(static_cast<int>(fx * abertura.width()),
                                                        static_cast<int>(fy * abertura.height()));
            EXPECT_NEAR(naTela.red(), naFigura.red(), 40) << fx << "," << fy;
            EXPECT_NEAR(naTela.green(), naFigura.green(), 40) << fx << "," << fy;
            EXPECT_NEAR(naTela.blue(), naFigura.blue(), 40) << fx << "," << fy;
        }
    }
}

TEST_F(Inicializa, AplCnfSoComPeriodo) {
    diretorio.mEscreve("dp/apl.cnf", "100\n");
    ASSERT_TRUE(iniciaSemTutor());
    EXPECT_EQ(apl->periodoPasso, 100u);
    EXPECT_EQ(apl->tamanhoJanela, 70u);
    EXPECT_EQ(apl->faseSugerida, "");
}

TEST_F(Inicializa, AplCnfCompletoComFaseExistente) {
    diretorio.mEscreve("dp/apl.cnf", "260\r\n50\r\nlicao.fase\r\n");
    diretorio.mEscreve("licao.fase", "30 1\n10 2\n");
    plataforma.tela = {1024, 768};
    ASSERT_TRUE(iniciaSemTutor());
    EXPECT_EQ(apl->periodoPasso, 260u);
    EXPECT_EQ(apl->tamanhoJanela, 50u);
    EXPECT_EQ(apl->faseSugerida, "licao.fase");
    EXPECT_EQ(apl->faseAtual, "licao.fase");
    EXPECT_EQ(apl->tabelaFase[0], (EventoFase{10, 2}));
    EXPECT_EQ(apl->tabelaFase[1], (EventoFase{30, 1}));
    EXPECT_EQ(plataforma.caixas.size(), 1u);  // only the tutor question
    EXPECT_EQ(apl->janela.mImagem().size(), QSize(512, 384));
}

TEST_F(Inicializa, TamanhoMaiorQueATelaFicaNaTela) {
    diretorio.mEscreve("dp/apl.cnf", "130\n250\n");
    plataforma.tela = {1024, 768};
    ASSERT_TRUE(iniciaSemTutor());
    EXPECT_EQ(apl->janela.mImagem().size(), QSize(1024, 768));
}

TEST_F(Inicializa, FiguraFaltandoAvisaEDestroiAJanela) {
    std::filesystem::remove(diretorio.mCaminho() / "dp" / "MAE.bmp");
    EXPECT_FALSE(iniciaSemTutor());
    const std::vector<std::string> textos = plataforma.mTextos();
    ASSERT_EQ(textos.size(), 3u);
    EXPECT_EQ(textos[1], "Arquivo 'dp/MAE.bmp' não encontrado.");
    EXPECT_EQ(textos[2], "Problemas ao iniciar a tela");
    EXPECT_EQ(plataforma.caixas[2].titulo, "Aviso");
    EXPECT_FALSE(apl->janela.mExiste());
    EXPECT_EQ(janelaComTitulo("QELP - Tarvelo 1.0"), nullptr);
}

TEST_F(Inicializa, FiguraIlegivelContaComoFaltando) {
    diretorio.mEscreve("dp/ECOMETRO.bmp", "BM isto não é uma figura");
    EXPECT_FALSE(iniciaSemTutor());
    const std::vector<std::string> textos = plataforma.mTextos();
    ASSERT_EQ(textos.size(), 3u);
    EXPECT_EQ(textos[1], "Arquivo 'dp/ECOMETRO.bmp' não encontrado.");
    EXPECT_FALSE(apl->janela.mExiste());
}

}  // namespace
