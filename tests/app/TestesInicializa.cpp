#include "core/panel/Painel.h"
#include "tests/app/FixtureApl.h"

#include <QColor>
#include <QIcon>
#include <algorithm>
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
    EXPECT_EQ(apl->partida.tabelaFase[0], (EventoFase{TEMPO_ENCHIMENTO, 0}));
}

TEST_F(Inicializa, EstadoInicialDoObjeto) {
    ASSERT_TRUE(iniciaSemTutor());
    EXPECT_EQ(apl->partida.estado, SEM_PARTIDA);
    EXPECT_EQ(apl->partida.passosPartida, 0u);
    EXPECT_EQ(apl->partida.personagem, MAE_NATUREZA);
    EXPECT_EQ(apl->partida.personagemColega, PESCADOR);
    EXPECT_EQ(apl->painel.botaoPressionado, -1);
    EXPECT_EQ(apl->partida.idFimPartida, -1);
    EXPECT_EQ(apl->partida.mUsos(apl->partida.personagem), (std::array<int32_t, 4>{0, 0, 0, 0}));
    EXPECT_EQ(apl->partida.mUsos(apl->partida.personagemColega), (std::array<int32_t, 4>{0, 0, 0, 0}));
    EXPECT_EQ(apl->partida.agentes.ativa, 0);
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

TEST_F(Inicializa, JanelaTemOIconeDoJogo) {
    ASSERT_TRUE(iniciaSemTutor());
    const QIcon icone = janelaComTitulo("QELP - Tarvelo 1.0")->windowIcon();
    ASSERT_FALSE(icone.isNull());
    for (const int lado : {16, 32, 48})
        EXPECT_TRUE(icone.availableSizes().contains(QSize(lado, lado))) << lado;
    // Drawn for 16 pixels: not a blank square.
    const QImage pequeno = icone.pixmap(16, 16).toImage();
    EXPECT_EQ(pequeno.pixelColor(0, 0).alpha(), 0) << "transparent outside the drop";
    EXPECT_EQ(pequeno.pixelColor(8, 10).alpha(), 255);
}

TEST_F(Inicializa, AberturaEhAUnicaFiguraVisivel) {
    ASSERT_TRUE(iniciaSemTutor());
    EXPECT_EQ(apl->painel.figuras.visivel[ITEM_ABERTURA], 1);
    for (std::size_t i = 1; i < MAX_FIGURAS; ++i) EXPECT_EQ(apl->painel.figuras.visivel[i], 0) << i;
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
    EXPECT_EQ(apl->partida.tabelaFase[0], (EventoFase{10, 2}));
    EXPECT_EQ(apl->partida.tabelaFase[1], (EventoFase{30, 1}));
    EXPECT_EQ(plataforma.caixas.size(), 1u);  // only the tutor question
    EXPECT_EQ(apl->janela.mImagem().size(), QSize(512, 384));
}

// Sizes that made the game unusable (a 1 × 20 window, or a window clamped
// to the screen whose clicks missed the panel) are read as 70 %; a step
// that would hardly ever draw the lake runs every 10 s.
TEST_F(Inicializa, TamanhosEPeriodoForaDoUsavel) {
    plataforma.tela = {1024, 768};
    for (const char* aplCnf : {"130\n250\n", "130\n-5\n", "130\n0\n", "99999999999\n150\n"}) {
        diretorio.mEscreve("dp/apl.cnf", aplCnf);
        novaExecucao();
        ASSERT_TRUE(iniciaSemTutor());
        EXPECT_EQ(apl->tamanhoJanela, 70u) << aplCnf;
        EXPECT_EQ(apl->janela.mImagem().size(), QSize(716, 537)) << aplCnf;
    }
    EXPECT_EQ(apl->periodoPasso, 10000u);
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

namespace {

class InicializaCena : public FixtureApl {};

TEST_F(InicializaCena, PrimeiraAtualizacaoFazAVistaNoTamanhoReal) {
    plataforma.tela = {1024, 768};
    ASSERT_TRUE(iniciaSemTutor());
    // Client 716 × 537; the view is its top: 537 − trunc(0.25 × 537) = 403.
    EXPECT_TRUE(apl->cena.mAtiva());
    EXPECT_TRUE(apl->cena.mVistaConstruida());
    EXPECT_EQ(apl->cena.mVistaLargura(), 716);
    EXPECT_EQ(apl->cena.mVistaAltura(), 403);
}

TEST_F(InicializaCena, LuzesEModelosCarregados) {
    ASSERT_TRUE(iniciaSemTutor());
    int direcionais = 0;
    for (const Luz& luz : apl->cena.mLuzesDirecionais()) direcionais += luz.ativa;
    EXPECT_EQ(direcionais, 4);
    EXPECT_TRUE(apl->cena.mLuzesAmbiente()[0].ativa);
    for (int m = 0; m < NUM_MODELOS; ++m) EXPECT_FALSE(apl->cena.mModelo(m).mVazia()) << m;
    // The four light frames hold the first slots of group 2; 71 are left.
    int livres = 0;
    for (int i = 0; i < NUM_SLOTS_GRUPO; ++i) livres += !apl->cena.mInstancia(GRUPO_LUZES, i).ocupada;
    EXPECT_EQ(livres, 71);
    for (int quadro = 0; quadro < NUM_QUADROS_TOPO; ++quadro)
        EXPECT_FALSE(apl->cena.mZBufferLigado(quadro)) << quadro;
}

TEST_F(InicializaCena, ModeloFaltandoAvisaComONomeEFalha) {
    std::filesystem::remove(diretorio.mCaminho() / "dp" / "rede.x");
    EXPECT_FALSE(iniciaSemTutor());
    ASSERT_EQ(plataforma.caixas.size(), 2u);
    EXPECT_EQ(plataforma.caixas[1].texto, "Arquivo './dp/rede.x' não encontrado.");
    EXPECT_EQ(plataforma.caixas[1].titulo, "Aviso");
}

TEST_F(InicializaCena, FundoFaltandoAvisaComONomeEFalha) {
    std::filesystem::remove(diretorio.mCaminho() / "dp" / "FUNDOCEN.bmp");
    EXPECT_FALSE(iniciaSemTutor());
    ASSERT_EQ(plataforma.caixas.size(), 2u);
    EXPECT_EQ(plataforma.caixas[1].texto, "Arquivo 'dp/FUNDOCEN.bmp' não encontrado.");
}

TEST_F(InicializaCena, VistaRefeitaQuandoAJanelaMudaDeTamanho) {
    plataforma.tela = {1024, 768};
    ASSERT_TRUE(iniciaSemTutor());
    apl->janela.mPosicionaJanela(POSICAO_PIXELS, 0, 0, 800, 600, plataforma.tela);
    QApplication::sendPostedEvents();
    EXPECT_EQ(apl->janela.mImagem().size(), QSize(800, 600));
    EXPECT_EQ(apl->cena.mVistaLargura(), 800);
    EXPECT_EQ(apl->cena.mVistaAltura(), 450);
    EXPECT_FLOAT_EQ(apl->cena.mLimitesLago().topo, 125.0f * 450 / 800);
    // A frame now fills the top 450 rows of the retained picture.
    apl->janela.mDesenhaQuadro(false);
    const QImage& retida = apl->janela.mImagem();
    const QImage fundo("dp/FUNDOCEN.bmp");
    const QColor naTela = retida.pixelColor(400, 440);
    const QColor naFigura = fundo.pixelColor(fundo.width() / 2, fundo.height() * 440 / 450);
    EXPECT_NEAR(naTela.red(), naFigura.red(), 30);
    EXPECT_NEAR(naTela.green(), naFigura.green(), 30);
    EXPECT_NEAR(naTela.blue(), naFigura.blue(), 30);
}

}  // namespace

namespace {

class InicializaSom : public FixtureApl {};

TEST_F(InicializaSom, CarregaOsOitoSonsETocaAAbertura) {
    ASSERT_TRUE(iniciaSemTutor());
    const SaidaSomRoteiro& saida = *plataforma.saidaSom;
    ASSERT_EQ(saida.buffers.size(), 8u);
    for (int slot = 0; slot < 8; ++slot) EXPECT_TRUE(apl->sons.mCarregado(slot)) << slot;
    EXPECT_EQ(saida.tocados, std::vector<int>{0}) << "the opening jingle, once";
    for (const SaidaSomRoteiro::Buffer& buffer : saida.buffers) {
        EXPECT_EQ(buffer.formato.bitsPorAmostra, 16);
        EXPECT_EQ(buffer.formato.etiqueta, FORMATO_PCM);
    }
}

TEST_F(InicializaSom, SemDispositivoUmaMensagemEOJogoSegue) {
    plataforma.comSom = false;
    ASSERT_TRUE(iniciaSemTutor());
    // The tutor question, the sound device, and nothing more (the suggested
    // phase is missing here too, but that is the phase's own two boxes).
    const std::vector<std::string> textos = plataforma.mTextos();
    EXPECT_EQ(std::count(textos.begin(), textos.end(), "Impossível tocar sons."), 1);
    for (const std::string& texto : textos) {
        EXPECT_EQ(texto.find(".wav"), std::string::npos) << texto;
        EXPECT_EQ(texto.find("WAV"), std::string::npos) << texto;
        EXPECT_EQ(texto.find("carregar som"), std::string::npos) << texto;
    }
    EXPECT_EQ(plataforma.caixas[1].texto, "Impossível tocar sons.");
    EXPECT_TRUE(apl->janela.mExiste());
}

TEST_F(InicializaSom, SobreFaltandoAvisaComONomeEFicaMudo) {
    std::filesystem::remove(diretorio.mCaminho() / "dp" / "sobre.wav");
    ASSERT_TRUE(iniciaSemTutor());
    EXPECT_EQ(plataforma.caixas[1].texto, "Arquivo './dp/sobre.wav' não encontrado.");
    const std::size_t tocadosAntes = plataforma.saidaSom->tocados.size();
    apl->sons.mTocaSom(SOM_SOBRE);
    EXPECT_EQ(plataforma.saidaSom->tocados.size(), tocadosAntes);
}

}  // namespace
