#include "app/Entrada.h"
#include "tests/app/FixtureApl.h"

#include <string>
#include <vector>

namespace {

const std::string TEXTO_RESOLUCAO =
    "A resolução do monitor está muito baixa,\n"
    "este programa foi projetado para funcionar com resolução 800x600 ou uma outra maior;\n"
    "pode não funcionar corretamente agora.\n\n"
    "Continuar a executar o programa?\n\n"
    "Escolha SIM para continuar, NÃO para terminar.\n\n"
    "É possível alterar a resolução de vídeo pelo Painel de Controle.";

const std::string TEXTO_PERGUNTA_TUTOR =
    "Jogar com tutor?\n\n"
    "Para jogar com a assistência de um tutor remoto escolha SIM.\n"
    "Para jogar sem tutor escolha NÃO.";

class Entrada : public FixtureApl {
protected:
    // Runs the entry point; the message loop, if reached, ends at once with
    // the code 7 so that reaching it is visible.
    int entra() {
        lacoRodou = false;
        return qelpEntrada(*apl, [this] {
            lacoRodou = true;
            return CODIGO_LACO;
        });
    }

    static constexpr int CODIGO_LACO = 7;
    bool lacoRodou = false;
};

struct CasoTela {
    int largura, altura;
    bool pergunta;
};

class EntradaTela : public Entrada, public testing::WithParamInterface<CasoTela> {};

TEST_P(EntradaTela, PerguntaSoAbaixoDe800x600) {
    plataforma.tela = {GetParam().largura, GetParam().altura};
    plataforma.respostas = {Resposta::NAO};  // to whichever question comes first
    const int codigo = entra();
    ASSERT_FALSE(plataforma.caixas.empty());
    const CaixaMostrada& primeira = plataforma.caixas.front();
    if (GetParam().pergunta) {
        EXPECT_EQ(primeira.texto, TEXTO_RESOLUCAO);
        EXPECT_EQ(primeira.titulo, "QELP");
        EXPECT_EQ(primeira.icone, Icone::PERGUNTA);
        EXPECT_EQ(primeira.botoes, Botoes::SIM_NAO);
        // No ends the program at once, with exit code 0.
        EXPECT_EQ(codigo, 0);
        EXPECT_EQ(plataforma.caixas.size(), 1u);
        EXPECT_FALSE(lacoRodou);
    } else {
        EXPECT_EQ(primeira.texto, TEXTO_PERGUNTA_TUTOR);
        EXPECT_EQ(codigo, CODIGO_LACO);
    }
}

INSTANTIATE_TEST_SUITE_P(Limites, EntradaTela,
                         testing::Values(CasoTela{1024, 768, false}, CasoTela{800, 600, false},
                                         CasoTela{799, 600, true}, CasoTela{800, 599, true},
                                         CasoTela{640, 480, true}));

TEST_F(Entrada, SimNaTelaPequenaContinua) {
    plataforma.tela = {640, 480};
    plataforma.respostas = {Resposta::SIM, Resposta::NAO};
    EXPECT_EQ(entra(), CODIGO_LACO);
    ASSERT_GE(plataforma.caixas.size(), 2u);
    EXPECT_EQ(plataforma.caixas[1].texto, TEXTO_PERGUNTA_TUTOR);
}

TEST_F(Entrada, SemOpenGLMostraAvisoETerminaComZero) {
    plataforma.graficos = false;
    EXPECT_EQ(entra(), 0);
    EXPECT_FALSE(lacoRodou);
    ASSERT_EQ(plataforma.caixas.size(), 1u);
    EXPECT_EQ(plataforma.caixas[0].texto,
              "Este programa requer OpenGL versão 3.3 ou uma outra versão mais atual.\n\n"
              "O OpenGL é uma biblioteca gráfica, verifique se o driver de vídeo está instalado "
              "corretamente. Caso contrário uma versão atualizada pode ser encontrada no site do "
              "fabricante da placa de vídeo (https://www.khronos.org/opengl/).");
    EXPECT_EQ(plataforma.caixas[0].titulo, "Aviso");
    EXPECT_EQ(plataforma.caixas[0].icone, Icone::INFORMACAO);
}

TEST_F(Entrada, CancelarNaPerguntaDoTutorTerminaComZeroSemMaisNada) {
    plataforma.respostas = {Resposta::CANCELAR};
    EXPECT_EQ(entra(), 0);
    EXPECT_FALSE(lacoRodou);
    EXPECT_EQ(plataforma.mTextos(), std::vector<std::string>{TEXTO_PERGUNTA_TUTOR});
    EXPECT_FALSE(apl->janela.mExiste());
}

TEST_F(Entrada, SimNoTutorSemRedeAvisaETerminaComZero) {
    plataforma.respostas = {Resposta::SIM};
    EXPECT_EQ(entra(), 0);
    EXPECT_FALSE(lacoRodou);
    ASSERT_EQ(plataforma.caixas.size(), 2u);
    EXPECT_EQ(plataforma.caixas[1].texto,
              "Conexão com a rede não foi estabelecida, terminando programa.");
    EXPECT_EQ(plataforma.caixas[1].titulo, "Aviso");
    EXPECT_EQ(plataforma.caixas[1].icone, Icone::INFORMACAO);
    EXPECT_FALSE(apl->janela.mExiste());
}

TEST_F(Entrada, NaoNoTutorChegaAoLacoDeMensagens) {
    plataforma.respostas = {Resposta::NAO};
    EXPECT_EQ(entra(), CODIGO_LACO);
    EXPECT_TRUE(lacoRodou);
    EXPECT_TRUE(apl->janela.mExiste());
}

TEST_F(Entrada, FalhaNaInicializacaoTerminaComZero) {
    std::filesystem::remove(diretorio.mCaminho() / "dp" / "ABERTURA.bmp");
    plataforma.respostas = {Resposta::NAO};
    EXPECT_EQ(entra(), 0);
    EXPECT_FALSE(lacoRodou);
}

}  // namespace
