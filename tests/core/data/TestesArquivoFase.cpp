#include "core/data/ArquivoFase.h"
#include "core/data/Fase.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// What the game reads from a text.
TabelaFase comoOJogo(const std::string& texto) {
    TabelaFase tabela;
    interpretaFase(texto, tabela);
    return tabela;
}

// Written and read again, a phase is the same, and the game reads the
// written text as it read the original.
void esperaIdaEVolta(const std::string& original) {
    const ArquivoFase lido = leArquivoFase(original);
    const std::string escrito = escreveArquivoFase(lido);
    EXPECT_EQ(leArquivoFase(escrito), lido) << escrito;
    EXPECT_EQ(comoOJogo(escrito), comoOJogo(original)) << escrito;
}

TEST(EdicaoFase, LeParesEComentario) {
    const ArquivoFase arquivo = leArquivoFase("10 11\r\n60 1\r\n\r\nFase 9 - teste.\r\nDuas linhas.\r\n");
    EXPECT_EQ(arquivo.pares, (std::vector<ParFase>{{10, 11}, {60, 1}}));
    EXPECT_EQ(arquivo.comentario, "Fase 9 - teste.\nDuas linhas.\n");
    EXPECT_EQ(escreveArquivoFase(arquivo), "10 11\n60 1\n\nFase 9 - teste.\nDuas linhas.\n");
}

TEST(EdicaoFase, IdaEVoltaComoOJogoLe) {
    esperaIdaEVolta("");
    esperaIdaEVolta("30 1 10 2");                      // out of order, one line
    esperaIdaEVolta("-5 3\n4000000000 1\n7 -2\n");      // negative, beyond 32 bits
    esperaIdaEVolta("10 2\n20");                        // a time without its event
    esperaIdaEVolta("10 2\n\n12 pessoas na margem\n");  // a comment that is no number
    std::string muitos;
    for (int i = 0; i < 130; ++i) muitos += std::to_string(130 - i) + " " + std::to_string(i % 13) + "\n";
    esperaIdaEVolta(muitos + "Cento e trinta eventos.");
    EXPECT_EQ(leArquivoFase(muitos).pares.size(), 130u);
}

// A comment that would begin with a number must not become a pair.
TEST(EdicaoFase, ComentarioQueComecaComNumero) {
    for (const char* comentario : {"3 peixes e 1 lancha", "-2 graus", "+7"}) {
        const std::string escrito = escreveArquivoFase({{{10, 1}}, comentario});
        EXPECT_EQ(comoOJogo(escrito), comoOJogo("10 1")) << escrito;
        EXPECT_EQ(leArquivoFase(escrito).pares, (std::vector<ParFase>{{10, 1}})) << escrito;
    }
}

TEST(EdicaoFase, NomesDosEventos) {
    EXPECT_EQ(nomeEventoFase(0), "nada");
    EXPECT_EQ(nomeEventoFase(1), "fim da partida");
    EXPECT_EQ(nomeEventoFase(2), "poluidor sorteado");
    EXPECT_EQ(nomeEventoFase(3), "draga");
    EXPECT_EQ(nomeEventoFase(11), "vazamento de gasolina");
    EXPECT_EQ(nomeEventoFase(12), "evento 12 (não existe)");
    EXPECT_EQ(nomeEventoFase(-1), "evento -1 (não existe)");
}

std::vector<AvisoFase::Tipo> tipos(const std::vector<ParFase>& pares) {
    std::vector<AvisoFase::Tipo> t;
    for (const AvisoFase& aviso : avisosFase(pares)) t.push_back(aviso.tipo);
    return t;
}

TEST(AvisosFase, OQueOJogoFariaDeEstranho) {
    using T = AvisoFase::Tipo;
    EXPECT_TRUE(avisosFase({{20, 11}, {60, 1}}).empty());
    EXPECT_EQ(tipos({}), std::vector<T>{T::SEM_FIM});
    EXPECT_EQ(tipos({{20, 11}}), std::vector<T>{T::SEM_FIM});
    EXPECT_EQ(tipos({{60, 1}, {20, 11}}), std::vector<T>{T::FORA_DE_ORDEM});
    EXPECT_EQ(tipos({{20, 12}, {60, 1}}), std::vector<T>{T::EVENTO_NAO_EXISTE});
    EXPECT_EQ(tipos({{20, -3}, {60, 1}}), std::vector<T>{T::EVENTO_NAO_EXISTE});
    // An end that never comes is no end; a negative time is read as huge.
    EXPECT_EQ(tipos({{1000000, 1}}), (std::vector<T>{T::TEMPO_NUNCA, T::SEM_FIM}));
    EXPECT_EQ(tipos({{-1, 1}}), (std::vector<T>{T::TEMPO_NUNCA, T::SEM_FIM}));
    EXPECT_EQ(tipos({{999999, 1}}), std::vector<T>{});
    const auto avisos = avisosFase({{20, 12}, {60, 1}});
    EXPECT_EQ(avisos[0].indice, 0);
    EXPECT_NE(avisos[0].texto.find("Interventor com esse numero nao existe"), std::string::npos);
}

// Past the hundredth pair the game reads nothing: an end there is no end.
TEST(AvisosFase, MaisDeCemPares) {
    std::vector<ParFase> pares(100, ParFase{5, 0});
    pares.push_back({60, 1});
    const auto avisos = avisosFase(pares);
    ASSERT_EQ(avisos.size(), 2u);
    EXPECT_EQ(avisos[0].tipo, AvisoFase::MAIS_DE_CEM);
    EXPECT_EQ(avisos[0].texto, "A fase tem 101 eventos: o jogo lê só os 100 primeiros e ignora o resto.");
    EXPECT_EQ(avisos[1].tipo, AvisoFase::SEM_FIM);
}

}  // namespace

TEST(EdicaoFase, PareceFaseSoQuandoComecaComUmPar) {
    const struct {
        const char* texto;
        bool fase;
    } casos[] = {
        {"", true},                           // a new, empty file
        {" \r\n\n", true},
        {"15 6\n40 1\n\nComentário.\n", true},
        {"\n  15\t6 40 1\n", true},           // blank lines first, pairs on one line
        {"-5 1\n", true},                     // a time the game never reaches is still a pair
        {"15\n6\n", false},                   // the first line holds only a time
        {"Fase nova.\n10 1\n", false},
        {"====\n QELP - valores especiais\n====\n", false},  // the parameters file
        {"# 10 1\n", false},
    };
    for (const auto& caso : casos) EXPECT_EQ(pareceArquivoFase(caso.texto), caso.fase) << caso.texto;
}
