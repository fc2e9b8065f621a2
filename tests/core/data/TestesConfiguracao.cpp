#include "core/data/Configuracao.h"
#include "tests/comum/DiretorioTemporario.h"
#include "tests/comum/PlataformaRoteiro.h"

#include <gtest/gtest.h>


namespace {

struct CasoConfiguracao {
    const char* texto;
    uint32_t periodo;
    uint32_t tamanho;
    const char* fase;
};

class InterpretaConfiguracao : public testing::TestWithParam<CasoConfiguracao> {};

TEST_P(InterpretaConfiguracao, LeOsTresItensSobreOsValoresPadrao) {
    const CasoConfiguracao& caso = GetParam();
    Configuracao cfg;
    interpretaConfiguracao(caso.texto, cfg);
    EXPECT_EQ(cfg.periodoPasso, caso.periodo);
    EXPECT_EQ(cfg.tamanhoJanela, caso.tamanho);
    EXPECT_EQ(cfg.faseSugerida, caso.fase);
}

INSTANTIATE_TEST_SUITE_P(
    Tabela, InterpretaConfiguracao,
    testing::Values(
        CasoConfiguracao{"", 130, 70, ""},
        CasoConfiguracao{"100", 100, 70, ""},
        CasoConfiguracao{"100\n", 100, 70, ""},
        CasoConfiguracao{"130\r\n90\r\nfase1.txt\r\n", 130, 90, "fase1.txt"},
        CasoConfiguracao{"260\n50\n\n", 260, 50, ""},
        CasoConfiguracao{"130\n70\nminha fase.txt\n", 130, 70, "minha"},
        CasoConfiguracao{"  130   70   a.fase", 130, 70, "a.fase"},
        CasoConfiguracao{"abc\n90\nf\n", 130, 70, ""},
        CasoConfiguracao{"200\nxyz\nf\n", 200, 70, ""},
        CasoConfiguracao{"12abc 90 f", 12, 70, ""},
        // Sizes outside 30..100 would make the game unusable: read as 70.
        CasoConfiguracao{"+45\n-3\nf", 45, 70, "f"},
        CasoConfiguracao{"130\n0\nf", 130, 70, "f"},
        CasoConfiguracao{"130\n29\nf", 130, 70, "f"},
        CasoConfiguracao{"130\n30\nf", 130, 30, "f"},
        CasoConfiguracao{"130\n100\nf", 130, 100, "f"},
        CasoConfiguracao{"130\n101\nf", 130, 70, "f"},
        CasoConfiguracao{"130\n150\nf", 130, 70, "f"},
        // A step longer than 10 s would hardly ever draw the lake.
        CasoConfiguracao{"10000\n70\nf", 10000, 70, "f"},
        CasoConfiguracao{"10001\n70\nf", 10000, 70, "f"},
        CasoConfiguracao{"99999999999999999999\n70\nf", 10000, 70, "f"},
        CasoConfiguracao{"-5\n70\nf", 10000, 70, "f"},
        CasoConfiguracao{"1\n70\nf", 1, 70, "f"},
        // The name's bytes as they are, Windows-1252 included.
        CasoConfiguracao{"130\n70\nfase\xE7\xE3o.txt\n", 130, 70, "fase\xE7\xE3o.txt"}));

TEST(InterpretaConfiguracaoNome, FicaComOsPrimeiros299Caracteres) {
    const std::string longo(400, 'x');
    Configuracao cfg;
    interpretaConfiguracao("130 70 " + longo, cfg);
    EXPECT_EQ(cfg.faseSugerida, std::string(299, 'x'));
}

TEST(FormataConfiguracao, EscreveTresLinhas) {
    EXPECT_EQ(formataConfiguracao(130, 70, "fase1.txt"), "130\n70\nfase1.txt\n");
    EXPECT_EQ(formataConfiguracao(130, 50, ""), "130\n50\n\n");
}

class ArquivoConfiguracao : public testing::Test {
protected:
    PlataformaRoteiro plataforma;
    DiretorioTemporario diretorio;
};

TEST_F(ArquivoConfiguracao, SemArquivoFicamOsValoresESemMensagem) {
    uint32_t periodo = 130, tamanho = 70;
    std::string fase;
    LeConfiguracao(periodo, tamanho, fase);
    EXPECT_EQ(periodo, 130u);
    EXPECT_EQ(tamanho, 70u);
    EXPECT_EQ(fase, "");
    EXPECT_TRUE(plataforma.caixas.empty());
}

TEST_F(ArquivoConfiguracao, GravaELeDeVolta) {
    diretorio.mEscreve("dp/.existe", "");
    ASSERT_TRUE(GravaConfiguracao(260, 90, "licao1.fase"));
    EXPECT_EQ(diretorio.mLe("dp/apl.cnf"), "260\n90\nlicao1.fase\n");

    uint32_t periodo = 130, tamanho = 70;
    std::string fase;
    LeConfiguracao(periodo, tamanho, fase);
    EXPECT_EQ(periodo, 260u);
    EXPECT_EQ(tamanho, 90u);
    EXPECT_EQ(fase, "licao1.fase");
}

TEST_F(ArquivoConfiguracao, GravarSemPoderAbrirMostraDuasMensagens) {
    // dp is a file here, so dp/apl.cnf cannot be created.
    diretorio.mEscreve("dp", "não é um diretório");
    EXPECT_FALSE(GravaConfiguracao(130, 70, ""));
    ASSERT_EQ(plataforma.caixas.size(), 2u);
    EXPECT_EQ(plataforma.caixas[0].texto, "Arquivo de configuração não encontrado");
    EXPECT_EQ(plataforma.caixas[1].texto, "./dp/apl.cnf");
    for (const CaixaMostrada& caixa : plataforma.caixas) {
        EXPECT_EQ(caixa.titulo, "Aviso");
        EXPECT_EQ(caixa.icone, Icone::INFORMACAO);
        EXPECT_EQ(caixa.botoes, Botoes::OK);
    }
}

}  // namespace

namespace {

TEST(InterpretaConfiguracaoHostil, PalavraDeDezMilhoesFicaCom299) {
    Configuracao cfg;
    interpretaConfiguracao("130 70 " + std::string(10'000'000, 'f'), cfg);
    EXPECT_EQ(cfg.faseSugerida, std::string(299, 'f'));
}

}  // namespace
