#include "core/data/TextoTutor.h"
#include "core/match/TermosAluno.h"
#include "core/match/TermosTutor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// --- the terms

TEST(TermosTutor, ByteAByte) {
    EXPECT_EQ(termoEcometro(57), "[sense(ecometro(57))]");
    EXPECT_EQ(termoEcometro(0), "[sense(ecometro(0))]");
    EXPECT_EQ(termoEcometro(-3), "[sense(ecometro(-3))]");
    EXPECT_EQ(termoEcometro(142), "[sense(ecometro(142))]") << "above a full lake";
    EXPECT_EQ(termoAcao("e3", 120), "happens(e3,120)\nact(e3,(acao))");
}

TEST(TermosTutor, NomesDasFerramentas) {
    const std::vector<std::string> esperados = {"e1", "e2", "e3", "e4", "e5", "e6", "e7", "e8"};
    for (uint32_t c = 0; c < 2; ++c)
        for (uint32_t k = 0; k < 4; ++k) EXPECT_EQ(eventoTutor(c, k), esperados[c * 4 + k]);
    for (uint32_t c = 2; c < 4; ++c)
        for (uint32_t k = 0; k < 4; ++k) EXPECT_EQ(eventoTutor(c, k), nullptr) << c << k;
    EXPECT_EQ(eventoTutor(0, 4), nullptr);
}

TEST(TermosTutor, SoCorEFerramentaComNomeViramTermo) {
    EXPECT_EQ(termoDoEvento({EventoPartida::COR, ECOMETRO_VERDE, 0, 70}, 9), "[sense(ecometro(70))]");
    EXPECT_EQ(termoDoEvento({EventoPartida::FERRAMENTA, PESCADOR, 2}, 77),
              "happens(e7,77)\nact(e7,(acao))");
    EXPECT_FALSE(termoDoEvento({EventoPartida::FERRAMENTA, PREFEITO, 0}, 1));
    EXPECT_FALSE(termoDoEvento({EventoPartida::FERRAMENTA, TURISTA, 3}, 1));
    EXPECT_FALSE(termoDoEvento({EventoPartida::RECUSADA, MAE_NATUREZA, 0}, 1)) << "a refused use";
    EXPECT_FALSE(termoDoEvento({EventoPartida::INTERVENTOR, 3}, 1));
    EXPECT_FALSE(termoDoEvento({EventoPartida::FIM}, 1));
}

// --- the tutor's text

// The text of the blocks read one a poll; an empty block is a poll that read nothing.
std::string decodifica(const std::vector<std::string>& blocos) {
    DecodificadorTutor decodificador;
    std::string texto;
    for (const std::string& bloco : blocos)
        texto += bloco.empty() ? decodificador.mEsvazia() : decodificador.mDecodifica(bloco);
    return texto;
}

TEST(TextoTutor, Utf8E1252) {
    struct Caso {
        std::vector<std::string> blocos;
        std::string texto;
    };
    const std::vector<Caso> casos = {
        {{"A", "B", "C"}, "ABC"},
        {{"Ol\xC3\xA1!"}, "Olá!"},                          // UTF-8
        {{"Ol\xE1!"}, "Olá!"},                              // Windows-1252
        {{"\x80 e \x93x\x94"}, "€ e “x”"},                  // 1252's own characters
        {{"Ol\xC3", "\xA1 tudo"}, "Olá tudo"},              // a character split between reads
        {{"\xE2\x82", "\xAC"}, "€"},                        // split after two of three bytes
        {{"linha 1\r", "\nlinha 2"}, "linha 1\nlinha 2"},   // a line break split
        {{"\r\nnova"}, "\nnova"},
        {{"a\nb\rc"}, "a b c"},                             // lone ones only separate
        {{"x\x01y\tz"}, "x\xEF\xBF\xBDy\tz"},               // a control character shows as U+FFFD
        {{std::string("n\0m", 3)}, "n\xEF\xBF\xBDm"},       // so does a NUL
        {{"\xC0\xAF"}, "À¯"},                               // an overlong form is not UTF-8
        {{"\xED\xA0\x80"}, "í\xC2\xA0\xE2\x82\xAC"},        // nor a surrogate
        {{"\x81"}, "\xEF\xBF\xBD"},                         // undefined in 1252
        {{"\xC3", "A"}, "ÃA"},                              // a held byte that was 1252 after all
        {{"<b>x</b>"}, "<b>x</b>"},                         // no markup: as it came
        {{"Ol\xE1"}, "Ol"},                                 // a 1252 letter at the end waits...
        {{"Ol\xE1", ""}, "Olá"},                            // ...and shows at the next poll
        {{"\xE2\x82", "", "\xAC"}, "â‚¬"},                   // too late to complete
        {{"x\xC3\r", ""}, "xÃ"},                            // a final return keeps waiting
        {{"x\r", "", "\ny"}, "x\ny"},
    };
    for (const Caso& caso : casos) EXPECT_EQ(decodifica(caso.blocos), caso.texto) << caso.texto;
}

TEST(TextoTutor, FimIncompletoEsperaOProximoBloco) {
    DecodificadorTutor decodificador;
    EXPECT_EQ(decodificador.mDecodifica("fim\xC3"), "fim");
    EXPECT_EQ(decodificador.mDecodifica("\xA7o"), "ço");
    EXPECT_EQ(decodificador.mDecodifica("\r"), "");
    EXPECT_EQ(decodificador.mDecodifica("x"), " x");
}

TEST(TextoTutor, ValidadeUtf8) {
    std::size_t incompleto = 99;
    EXPECT_TRUE(utf8ValidoAteOFim("abc", incompleto));
    EXPECT_EQ(incompleto, 0u);
    EXPECT_TRUE(utf8ValidoAteOFim("\xF0\x9F\x90", incompleto));
    EXPECT_EQ(incompleto, 3u);
    EXPECT_FALSE(utf8ValidoAteOFim("\xF4\x90\x80\x80", incompleto)) << "beyond U+10FFFF";
    EXPECT_FALSE(utf8ValidoAteOFim("\xC3(", incompleto));
    EXPECT_FALSE(utf8ValidoAteOFim("\xFF", incompleto));
}

}  // namespace

// --- the terms of a pupil who gave a name

namespace {

TEST(TermosAluno, ByteAByte) {
    std::string muitosE;
    for (int i = 0; i < 45; ++i) muitosE += "é";
    const std::vector<std::pair<std::string, std::string>> casos = {
        {termoAluno("Ana"), "[aluno(\"Ana\")]"},
        {termoAluno("  Ana \"Bia\"\t\\ \r\n"), "[aluno(\"Ana \\\"Bia\\\" \\\\\")]"},  // escaped, one line, trimmed
        {termoAluno("Jo\xE3o"), "[aluno(\"João\")]"},                                 // Windows-1252
        {termoAluno(muitosE), "[aluno(\"" + muitosE.substr(0, 80) + "\")]"},           // 40 characters
        {termoAluno(" \n "), "[aluno(\"\")]"},
        {termoInicioPartida("dp/fase1.txt", 42), "[partida(inicio,\"dp/fase1.txt\",42)]"},
        {termoInicioPartida("a\"b", 4294967295u), "[partida(inicio,\"a\\\"b\",4294967295)]"},
        {termoFimPartida(66, ECOMETRO_VERDE), "[partida(fim,66,verde)]"},
        {termoFimPartida(0, ECOMETRO_VERMELHO), "[partida(fim,0,vermelho)]"},
        {termoDiz("olá, professora!"), "[diz(\"olá, professora!\")]"},
        {termoDiz(std::string(250, 'x')), "[diz(\"" + std::string(200, 'x') + "\")]"},
    };
    for (const auto& [termo, esperado] : casos) EXPECT_EQ(termo, esperado);
}

}  // namespace
