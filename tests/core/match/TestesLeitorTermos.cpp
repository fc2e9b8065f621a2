#include "core/match/LeitorTermos.h"

#include "core/match/TermoEmPalavras.h"
#include "core/match/TermosTutor.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

// Everything read from the bytes handed in these pieces, then the end.
std::vector<TermoLido> le(const std::vector<std::string>& pedacos) {
    LeitorTermos leitor;
    std::vector<TermoLido> termos;
    for (const std::string& pedaco : pedacos)
        for (TermoLido& t : leitor.mLe(pedaco)) termos.push_back(std::move(t));
    for (TermoLido& t : leitor.mFim()) termos.push_back(std::move(t));
    return termos;
}

// The bytes of every piece read, in order: nothing is lost or invented.
std::string bytesDe(const std::vector<TermoLido>& termos) {
    std::string bytes;
    for (const TermoLido& t : termos) bytes += t.texto;
    return bytes;
}

// The terms without the text between them.
std::vector<TermoLido> semTexto(const std::vector<TermoLido>& termos) {
    std::vector<TermoLido> t;
    for (const TermoLido& termo : termos)
        if (termo.tipo != TermoLido::TEXTO) t.push_back(termo);
    return t;
}

TEST(LeitorTermos, TermosDoJogoEmQualquerCorte) {
    const std::string fluxo = termoEcometro(42) + termoAcao("e3", 120) + termoAcao("e8", 0) +
                              termoEcometro(-7) + termoEcometro(130);
    const auto inteiro = le({fluxo});
    ASSERT_EQ(inteiro.size(), 5u);
    EXPECT_EQ(inteiro[0].tipo, TermoLido::ECOMETRO);
    EXPECT_EQ(inteiro[0].valor, 42);
    EXPECT_EQ(inteiro[1].tipo, TermoLido::ACAO);
    EXPECT_EQ(inteiro[1].evento, "e3");
    EXPECT_EQ(inteiro[1].valor, 120);
    EXPECT_EQ(inteiro[1].texto, "happens(e3,120)\nact(e3,(acao))");
    EXPECT_EQ(inteiro[3].valor, -7);
    for (std::size_t a = 0; a <= fluxo.size(); ++a)
        for (std::size_t b = a; b <= fluxo.size(); b += 7)
            EXPECT_EQ(le({fluxo.substr(0, a), fluxo.substr(a, b - a), fluxo.substr(b)}), inteiro)
                << a << " " << b;
    std::vector<std::string> bytes;
    for (const char c : fluxo) bytes.emplace_back(1, c);
    EXPECT_EQ(le(bytes), inteiro);
}

TEST(LeitorTermos, TextoEntreTermosFicaComoVeio) {
    const auto termos = le({"oi, professor! h[", "sense(ecometro(5))]happ", "y [sense(x)]"});
    ASSERT_EQ(semTexto(termos).size(), 1u);
    EXPECT_EQ(semTexto(termos)[0].valor, 5);
    EXPECT_EQ(bytesDe(termos), "oi, professor! h[sense(ecometro(5))]happy [sense(x)]");
    EXPECT_EQ(termos.back().tipo, TermoLido::TEXTO);
}

TEST(LeitorTermos, QuaseTermosSaoTexto) {
    for (const std::string quase : {
             "happens(e3,120)\nact(e4,(acao))",  // two names
             "happens(e3,120)act(e3,(acao))",    // no line feed
             "[sense(ecometro())]",
             "[sense(ecometro(123456789012345))]",
             "happens(,1)\nact(,(acao))",
             "happens(e12345678901234567,1)\nact(e12345678901234567,(acao))",
         }) {
        const auto termos = le({quase});
        EXPECT_TRUE(semTexto(termos).empty()) << quase;
        EXPECT_EQ(bytesDe(termos), quase);
    }
}

// Random bytes with terms among them, cut at random: nothing lost, the
// terms found, and never more kept than a term's length.
TEST(LeitorTermos, LixoAleatorioSemPerdaEComMemoriaLimitada) {
    std::mt19937 gerador(7);
    const std::string alfabeto = "[]()hapens,\nctoemr0123456789-xyz";
    std::string fluxo;
    int esperados = 0;
    for (int i = 0; i < 3000; ++i) {
        if (gerador() % 10 == 0) {
            fluxo += termoAcao("e5", gerador() % 1000);
            ++esperados;
        } else {
            fluxo += alfabeto[gerador() % alfabeto.size()];
        }
    }
    LeitorTermos leitor;
    std::vector<TermoLido> termos;
    for (std::size_t i = 0; i < fluxo.size();) {
        const std::size_t n = 1 + gerador() % 40;
        for (TermoLido& t : leitor.mLe(fluxo.substr(i, n))) termos.push_back(std::move(t));
        i += n;
        LeitorTermos copia = leitor;
        EXPECT_LE(bytesDe(copia.mFim()).size(), LeitorTermos::MAIOR_TERMO);
    }
    for (TermoLido& t : leitor.mFim()) termos.push_back(std::move(t));
    EXPECT_EQ(bytesDe(termos), fluxo);
    int acoes = 0;
    for (const TermoLido& t : termos) acoes += t.tipo == TermoLido::ACAO && t.evento == "e5";
    EXPECT_GE(acoes, esperados);
}

TEST(LeitorTermos, EmPalavras) {
    EXPECT_EQ(termoEmPalavras(le({termoAcao("e1", 120)})[0]), "Abrir sol (Mãe Natureza), passo 120");
    EXPECT_EQ(termoEmPalavras(le({termoAcao("e5", 7)})[0]), "Não pescar em área proibida (Pescador), passo 7");
    EXPECT_EQ(termoEmPalavras(le({termoAcao("e9", 3)})[0]), "ação e9, passo 3");
    EXPECT_EQ(termoEmPalavras(le({termoEcometro(42)})[0]), "ecômetro 42 % (amarelo)");
    EXPECT_EQ(termoEmPalavras(le({termoEcometro(70)})[0]), "ecômetro 70 % (verde)");
    EXPECT_EQ(termoEmPalavras(le({termoEcometro(12)})[0]), "ecômetro 12 % (vermelho)");
    EXPECT_EQ(termoEmPalavras(le({"oi"})[0]), "texto: oi");
}

}  // namespace
