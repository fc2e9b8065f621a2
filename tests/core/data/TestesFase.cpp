#include "core/data/Fase.h"
#include "tests/comum/DiretorioTemporario.h"
#include "tests/comum/PlataformaRoteiro.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const EventoFase ENCHIMENTO{TEMPO_ENCHIMENTO, 0};

TabelaFase le(const std::string& texto) {
    TabelaFase tabela;
    tabela.fill({7, 7});  // anything; the reader must start from the filler
    interpretaFase(texto, tabela);
    return tabela;
}

// The first entries of a table, then the check that the rest are fillers.
void esperaInicio(const TabelaFase& tabela, const std::vector<EventoFase>& inicio) {
    for (std::size_t i = 0; i < MAX_EVENTOS_FASE; ++i) {
        const EventoFase esperado = i < inicio.size() ? inicio[i] : ENCHIMENTO;
        EXPECT_EQ(tabela[i], esperado) << "entrada " << i;
    }
}

TEST(InterpretaFase, ArquivoVazioDaCemEnchimentos) { esperaInicio(le(""), {}); }

TEST(InterpretaFase, LeParesEmOrdem) { esperaInicio(le("10 2\n30 1\n"), {{10, 2}, {30, 1}}); }

TEST(InterpretaFase, OrdenaPorTempo) { esperaInicio(le("30 1\n10 2\n"), {{10, 2}, {30, 1}}); }

TEST(InterpretaFase, TemposIguaisMantemAOrdemDoArquivo) {
    esperaInicio(le("20 5\n10 2\n20 3\n"), {{10, 2}, {20, 5}, {20, 3}});
}

TEST(InterpretaFase, EstruturaDeLinhasNaoImporta) {
    esperaInicio(le("10\n2 30\t1"), {{10, 2}, {30, 1}});
}

TEST(InterpretaFase, TextoNaoNumericoParaOPreenchimento) {
    esperaInicio(le("10 2\nfim\n30 1\n"), {{10, 2}});
}

TEST(InterpretaFase, TempoSemEventoFicaComEventoZero) {
    esperaInicio(le("10 2 30 x 40 1"), {{10, 2}, {30, 0}});
}

TEST(InterpretaFase, NoMaximoCemPares) {
    std::string texto;
    for (int i = 0; i < 150; ++i) texto += std::to_string(i) + " 4\n";
    const TabelaFase tabela = le(texto);
    for (std::size_t i = 0; i < MAX_EVENTOS_FASE; ++i)
        EXPECT_EQ(tabela[i], (EventoFase{static_cast<uint32_t>(i), 4}));
}

TEST(InterpretaFase, EnchimentoDoArquivoFicaNaOrdemDeTempo) {
    // An explicit time beyond the filler's sorts after the fillers.
    const TabelaFase tabela = le("2000000 1\n5 0\n");
    EXPECT_EQ(tabela[0], (EventoFase{5, 0}));
    EXPECT_EQ(tabela[1], ENCHIMENTO);
    EXPECT_EQ(tabela[MAX_EVENTOS_FASE - 1], (EventoFase{2000000, 1}));
}

class ArquivoFase : public testing::Test {
protected:
    PlataformaRoteiro plataforma;
    DiretorioTemporario diretorio;
};

TEST_F(ArquivoFase, LeOArquivo) {
    diretorio.mEscreve("licao.fase", "30 1\n10 2\n");
    TabelaFase tabela;
    ASSERT_TRUE(mLeFase("licao.fase", tabela));
    esperaInicio(tabela, {{10, 2}, {30, 1}});
    EXPECT_TRUE(plataforma.caixas.empty());
}

// A phase the editor saved into dp/ is found by its name alone; a file of
// that name where the game runs comes first.
TEST_F(ArquivoFase, NomeNaoAchadoVemDeDp) {
    diretorio.mEscreve("dp/aula7.txt", "20 5\n");
    TabelaFase tabela;
    ASSERT_TRUE(mLeFase("aula7.txt", tabela));
    esperaInicio(tabela, {{20, 5}});
    diretorio.mEscreve("aula7.txt", "40 6\n");
    ASSERT_TRUE(mLeFase("aula7.txt", tabela));
    esperaInicio(tabela, {{40, 6}});
    ASSERT_TRUE(mLeFase("dp/aula7.txt", tabela)) << "a path as written still works";
    EXPECT_TRUE(plataforma.caixas.empty());
}

TEST_F(ArquivoFase, ArquivoFaltandoMostraDuasMensagensEDeixaEnchimentos) {
    TabelaFase tabela;
    tabela.fill({1, 1});
    EXPECT_FALSE(mLeFase("nao-existe.fase", tabela));
    esperaInicio(tabela, {});
    EXPECT_EQ(plataforma.mTextos(),
              (std::vector<std::string>{"Arquivo de fase não encontrado", "nao-existe.fase"}));
    for (const CaixaMostrada& caixa : plataforma.caixas) {
        EXPECT_EQ(caixa.titulo, "Aviso");
        EXPECT_EQ(caixa.icone, Icone::INFORMACAO);
    }
}

TEST_F(ArquivoFase, NomeVazioOuDiretorioNaoSaoArquivos) {
    diretorio.mEscreve("pasta/x", "");
    TabelaFase tabela;
    EXPECT_FALSE(mLeFase("", tabela));
    EXPECT_FALSE(mLeFase("pasta", tabela));
    EXPECT_EQ(plataforma.mTextos(),
              (std::vector<std::string>{"Arquivo de fase não encontrado", "",
                                        "Arquivo de fase não encontrado", "pasta"}));
}

}  // namespace

namespace {

TEST(InterpretaFaseHostil, NumeroSemFimEhGrampeadoENulosNaoSaoNumeros) {
    TabelaFase tabela;
    interpretaFase(std::string(10'000'000, '9') + " 3", tabela);
    EXPECT_EQ(tabela[99], (EventoFase{2147483647u, 3})) << "after the fillers";
    interpretaFase(std::string(1'000'000, '\0'), tabela);
    EXPECT_EQ(tabela[0], EventoFase{}) << "the filler";
}

}  // namespace
