// The panel played with the mouse: presses, releases and right clicks at
// client pixels, and what the retained picture and the speaker show.
#include "app/Menu.h"
#include "core/lake/Gabaritos.h"
#include "core/panel/Painel.h"
#include "tests/app/FixtureApl.h"

#include <QColor>
#include <QImage>

#include <fstream>
#include <sstream>

namespace {

const QColor FUNDO_TEXTO(128, 0, 0);

// A match of Mãe Natureza and the Pescador on a 1024 × 768 screen at 70 %:
// a client area of 716 × 537 laid out on 716.8 × 537.6.
class PainelNaTela : public FixtureApl {
protected:
    // Starts the match with the shipped parameters preceded by the given entries.
    void inicia(const std::string& primeiros = "") { iniciaSemFase(primeiros); }

    // The client pixel of a point given in fractions of the layout.
    static uint32_t px(float fx) { return static_cast<uint32_t>(fx * 0.7f * 1024.0f); }
    static uint32_t py(float fy) { return static_cast<uint32_t>(fy * 0.7f * 768.0f); }
    uint32_t meioX(int i) const { return px((apl->painel.figuras[i].esquerda + apl->painel.figuras[i].direita) / 2); }
    uint32_t meioY(int i) const { return py((apl->painel.figuras[i].topo + apl->painel.figuras[i].base) / 2); }

    void mensagem(TipoMensagem tipo, uint32_t x, uint32_t y) { apl->mTrataMensagem({tipo, x, y}); }
    // A left click on entry i: press, then release.
    void clica(int i) {
        mensagem(TipoMensagem::BOTAO_ESQUERDO_DESCE, meioX(i), meioY(i));
        mensagem(TipoMensagem::BOTAO_ESQUERDO_SOBE, meioX(i), meioY(i));
    }

    int ultimoSom() const { return plataforma.saidaSom->tocados.back(); }
    float energiaDaAgua() const { return apl->partida.agentes[AGENTE_AGUA].corpo->energia; }

    // The average colour of entry i's rectangle in the retained picture,
    // and of a picture file.
    QColor mediaNaTela(int i) const {
        const Figura& f = apl->painel.figuras[i];
        const QImage& tela = apl->janela.mImagem();
        const QRect r(static_cast<int>(f.esquerda * tela.width()), static_cast<int>(f.topo * tela.height()),
                      static_cast<int>((f.direita - f.esquerda) * tela.width()),
                      static_cast<int>((f.base - f.topo) * tela.height()));
        return media(tela.copy(r.adjusted(2, 2, -2, -2)));
    }
    static QColor media(const QImage& imagem) {
        const QImage um = imagem.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        return um.pixelColor(0, 0);
    }
    static int distancia(const QColor& a, const QColor& b) {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
    }
    // Whether the dark red of a written text is at the pixel.
    bool textoEm(int x, int y) const { return apl->janela.mImagem().pixelColor(x, y) == FUNDO_TEXTO; }
};

// --- tools

TEST_F(PainelNaTela, FerramentaSemUsoRecusaComOSomDeFalha) {
    inicia("NUM_FERRAMENTAS_PESCADOR 0 1 1 1 ;");
    const float agua = energiaDaAgua();
    clica(ITEM_FERRAMENTA_COLEGA);
    EXPECT_EQ(ultimoSom(), SOM_ERRO);
    EXPECT_EQ(apl->partida.mUsos(PESCADOR)[0], 0);
    EXPECT_EQ(energiaDaAgua(), agua);
}

TEST_F(PainelNaTela, FerramentaComUmUsoGastaAplicaEDepoisRecusa) {
    inicia("NUM_FERRAMENTAS_PESCADOR 1 1 1 1 ;\nALTERA_FERR_0_PESCADOR 0 0 0 0 0 0 0.5 ;");
    const float agua = energiaDaAgua();
    clica(ITEM_FERRAMENTA_COLEGA);
    EXPECT_EQ(ultimoSom(), SOM_SUCESSO);
    EXPECT_EQ(apl->partida.mUsos(PESCADOR)[0], 0);
    EXPECT_FLOAT_EQ(energiaDaAgua(), agua + 12.5f);
    clica(ITEM_FERRAMENTA_COLEGA);
    EXPECT_EQ(ultimoSom(), SOM_ERRO);
    EXPECT_FLOAT_EQ(energiaDaAgua(), agua + 12.5f);
}

TEST_F(PainelNaTela, NaPausaSoASegundaFilaAge) {
    inicia("NUM_FERRAMENTAS_MAE_NATUREZA 5 5 5 5 ;\nNUM_FERRAMENTAS_PESCADOR 5 5 5 5 ;");
    apl->mPausa();
    clica(ITEM_FERRAMENTA);
    EXPECT_EQ(ultimoSom(), SOM_ERRO);
    EXPECT_EQ(apl->partida.mUsos(MAE_NATUREZA)[0], 5);
    clica(ITEM_FERRAMENTA_COLEGA + 1);
    EXPECT_EQ(ultimoSom(), SOM_SUCESSO);
    EXPECT_EQ(apl->partida.mUsos(PESCADOR)[1], 4);
}

TEST_F(PainelNaTela, BotaoApertadoMostraAFiguraApertadaAteSoltar) {
    inicia();
    const int botao = ITEM_FERRAMENTA_COLEGA + 2;
    const QColor normal = media(apl->tela.mFigura(botao));
    const QColor apertada = media(apl->tela.mFigura(botao + DESLOCAMENTO_PRESSIONADO));
    ASSERT_GT(distancia(normal, apertada), 20) << "the two pictures must differ to be told apart";
    mensagem(TipoMensagem::BOTAO_ESQUERDO_DESCE, meioX(botao), meioY(botao));
    EXPECT_LT(distancia(mediaNaTela(botao), apertada), distancia(mediaNaTela(botao), normal));
    EXPECT_EQ(apl->painel.botaoPressionado, botao);
    // Released anywhere in the client area.
    mensagem(TipoMensagem::BOTAO_ESQUERDO_SOBE, 5, 5);
    EXPECT_LT(distancia(mediaNaTela(botao), normal), distancia(mediaNaTela(botao), apertada));
    EXPECT_EQ(apl->painel.botaoPressionado, -1);
}

TEST_F(PainelNaTela, EstadosMentaisSemTutorRecusa) {
    inicia();
    clica(ITEM_MENTAL);
    EXPECT_EQ(ultimoSom(), SOM_ERRO);
    EXPECT_EQ(apl->painel.figuras.visivel[ITEM_MENTAL + DESLOCAMENTO_PRESSIONADO], 0);
}

TEST_F(PainelNaTela, AjudaDoPainelDivideOProgramaComF1) {
    inicia();
    clica(ITEM_AJUDA);
    EXPECT_EQ(ultimoSom(), SOM_SUCESSO);
    ASSERT_EQ(plataforma.iniciados.size(), 1u);
    EXPECT_EQ(plataforma.iniciados[0], std::vector<std::string>{"./ajuda"});
    apl->mTrataMensagem({TipoMensagem::COMANDO, CMD_AJUDA});
    clica(ITEM_AJUDA);
    EXPECT_EQ(ultimoSom(), SOM_ERRO) << "it runs already";
    EXPECT_EQ(plataforma.iniciados.size(), 1u);
}

TEST_F(PainelNaTela, NaAberturaOMouseNaoFazNada) {
    diretorio.mEscreve("dp/apl.cnf", "130\n70\nvazia.fase\n");
    diretorio.mEscreve("vazia.fase", "");
    ASSERT_TRUE(iniciaSemTutor());
    const std::size_t sons = plataforma.saidaSom->tocados.size();
    clica(ITEM_FERRAMENTA_COLEGA);
    mensagem(TipoMensagem::BOTAO_DIREITO_DESCE, meioX(ITEM_AJUDA), meioY(ITEM_AJUDA));
    EXPECT_EQ(plataforma.saidaSom->tocados.size(), sons);
    EXPECT_FALSE(textoEm(static_cast<int>(meioX(ITEM_AJUDA)) - 3, static_cast<int>(py(0.89f)) + 3));
}

// --- the eco-meter

TEST_F(PainelNaTela, EcometroMostraABarraDaCor) {
    inicia();
    const auto mostra = [this](float energiaDaAgua) {
        for (CAgente& agente : apl->partida.agentes.agentes)
            if (agente.corpo) agente.corpo->energia = 0;
        apl->partida.agentes[AGENTE_AGUA].corpo->energia = energiaDaAgua;
        apl->mAtualizaEcometro();
    };
    for (const auto& [energia, barra] : {std::pair{2555.0f, 6}, std::pair{1300.0f, 7}, std::pair{700.0f, 8}}) {
        mostra(energia);
        EXPECT_EQ(apl->painel.figuras.visivel[static_cast<std::size_t>(barra)], 1);
        // The bar's rectangle shows that bar's picture, stretched: its
        // colours are nearest to that picture's.
        const QColor naTela = mediaNaTela(barra);
        int maisPerto = 6;
        for (int b = 7; b <= 8; ++b)
            if (distancia(naTela, media(apl->tela.mFigura(b))) <
                distancia(naTela, media(apl->tela.mFigura(maisPerto))))
                maisPerto = b;
        EXPECT_EQ(maisPerto, barra) << energia;
    }
    // Below zero (a being's energy can be): the frame only, no bar.
    mostra(0.0f);
    apl->partida.agentes[0].corpo->energia = -500.0f;
    apl->mAtualizaEcometro();
    EXPECT_EQ(apl->painel.figuras.visivel[8], 1);
    EXPECT_GT(apl->painel.figuras[8].topo, apl->painel.figuras[8].base);
}

// --- right clicks

TEST_F(PainelNaTela, DicaDoRetratoAteSoltarOBotaoDireito) {
    inicia();
    const int x = static_cast<int>(px(0.28f)), y = static_cast<int>(py(0.78f));
    mensagem(TipoMensagem::BOTAO_DIREITO_DESCE, meioX(ITEM_RETRATO), meioY(ITEM_RETRATO));
    EXPECT_TRUE(textoEm(x - 3, y + 3)) << "the name ends at the portrait's left edge, from its top";
    EXPECT_FALSE(textoEm(x + 3, y + 3));
    mensagem(TipoMensagem::BOTAO_DIREITO_SOBE, 0, 0);
    EXPECT_FALSE(textoEm(x - 3, y + 3)) << "the panel is painted over it";
}

TEST_F(PainelNaTela, DicaDaFerramentaDaPrimeiraFilaFicaAcima) {
    inicia();
    const int x = static_cast<int>(px(0.24f)), y = static_cast<int>(py(0.93f));
    mensagem(TipoMensagem::BOTAO_DIREITO_DESCE, meioX(12), meioY(12));
    EXPECT_TRUE(textoEm(x + 3, y - 3));
    EXPECT_FALSE(textoEm(x + 3, y + 3));
}

TEST_F(PainelNaTela, CliqueNumPeixeDizSeuNomeNoLugarDoTexto) {
    inicia("NUM_INI_GORDO 0 ;\nNUM_INI_AZUL 0 ;\nNUM_INI_LISTRADO 0 ;\nNUM_INI_ALGA 0 ;\nNUM_INI_MICRO 0 ;");
    const float origem[3] = {0, 0, 0};
    CAgente& peixe = apl->partida.agentes[0];
    peixe.mEnvia(MSG_CRIA, comoArgumento(&gabaritoEspecie(TIPO_GORDO)), comoArgumento(origem));
    peixe.corpo->energia = 30.0f;
    apl->cena.mDefineVelocidade(GRUPO_SERES, peixe.corpo->instancia, {});
    apl->janela.mDesenhaQuadro(false);
    // The lake's centre: the middle of the 716 × 403 view.
    const std::size_t sons = plataforma.saidaSom->tocados.size();
    mensagem(TipoMensagem::BOTAO_ESQUERDO_DESCE, 358, 201);
    EXPECT_EQ(plataforma.saidaSom->tocados.size(), sons) << "a named object plays nothing";
    EXPECT_TRUE(textoEm(static_cast<int>(0.375f * 716) + 3, static_cast<int>(0.75f * 537) + 3));
    mensagem(TipoMensagem::BOTAO_ESQUERDO_SOBE, 358, 201);
    EXPECT_FALSE(textoEm(static_cast<int>(0.375f * 716) + 3, static_cast<int>(0.75f * 537) + 3));
}

TEST_F(PainelNaTela, PlacaDoFimNaoEhObjetoEDaOSomDeFalha) {
    inicia("NUM_INI_GORDO 0 ;\nNUM_INI_AZUL 0 ;\nNUM_INI_LISTRADO 0 ;\nNUM_INI_ALGA 0 ;\nNUM_INI_MICRO 0 ;");
    apl->mTerminaPartida();
    apl->mPasso();
    const auto escolha = apl->cena.mEscolhe(358, 201);
    ASSERT_TRUE(escolha);
    ASSERT_EQ(escolha->grupo, GRUPO_LUZES) << "the sign is what lies under the point";
    mensagem(TipoMensagem::BOTAO_ESQUERDO_DESCE, 358, 201);
    EXPECT_EQ(ultimoSom(), SOM_ERRO);
}

// --- the window

TEST_F(PainelNaTela, MinimizadaNaoDesenhaERestauradaVoltaAVista) {
    inicia();
    const Vetor3 antes = apl->cena.mLePosicao(GRUPO_SERES, 0);
    apl->mTrataMensagem({TipoMensagem::TAMANHO, 0, 0});
    EXPECT_FALSE(apl->cena.mAtiva());
    apl->mPasso();
    EXPECT_EQ(apl->cena.mLePosicao(GRUPO_SERES, 0), antes) << "no frame: nothing moves";
    apl->mTrataMensagem({TipoMensagem::TAMANHO, 716, 537});
    EXPECT_TRUE(apl->cena.mAtiva());
    EXPECT_EQ(apl->cena.mVistaLargura(), 716);
    EXPECT_EQ(apl->cena.mVistaAltura(), 403);
    apl->mPasso();
    EXPECT_NE(apl->cena.mLePosicao(GRUPO_SERES, 0), antes);
}

TEST_F(PainelNaTela, QuinquagesimaPrimeiraFiguraRecusada) {
    inicia();
    for (int i = static_cast<int>(NUM_ITENS_PAINEL); i < 50; ++i)
        ASSERT_TRUE(apl->tela.mRegistraBitmap("dp/AJUDA.bmp", 0, 0, 0.1f, 0.1f));
    const std::size_t caixas = plataforma.caixas.size();
    EXPECT_FALSE(apl->tela.mRegistraBitmap("dp/AJUDA.bmp", 0, 0, 0.1f, 0.1f));
    ASSERT_EQ(plataforma.caixas.size(), caixas + 1);
    EXPECT_EQ(plataforma.caixas.back().texto, "Problemas ao iniciar a tela");
    EXPECT_FALSE(apl->janela.mExiste());
}

}  // namespace
