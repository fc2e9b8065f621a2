#include "core/match/LeitorTermos.h"

#include "core/match/TermoEmPalavras.h"
#include "core/match/TermosAluno.h"
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

// A named game's terms, as the game writes them, read back whole wherever
// the bytes are cut; their strings come back with the escapes undone.
TEST(LeitorTermos, TermosDoAlunoComAspasEBarras) {
    const struct {
        std::string bytes;
        TermoLido::Tipo tipo;
        std::string conteudo, evento;
        int64_t valor;
        std::string palavras;
    } casos[] = {
        {termoAluno("Ana Júlia"), TermoLido::ALUNO, "Ana Júlia", "", 0, "aluno: Ana Júlia"},
        {termoAluno("O \"Zé\" \\o/"), TermoLido::ALUNO, "O \"Zé\" \\o/", "", 0, "aluno: O \"Zé\" \\o/"},
        {termoInicioPartida("dp/fase1.txt", 4294967295u), TermoLido::INICIO_PARTIDA, "dp/fase1.txt", "", 4294967295,
         "começou a partida da fase dp/fase1.txt"},
        {termoFimPartida(66, ECOMETRO_VERDE), TermoLido::FIM_PARTIDA, "", "verde", 66, "terminou a partida: 66 % (verde)"},
        {termoFimPartida(-3, ECOMETRO_VERMELHO), TermoLido::FIM_PARTIDA, "", "vermelho", -3,
         "terminou a partida: -3 % (vermelho)"},
        {termoDiz("acabou [o] lixo\\"), TermoLido::DIZ, "acabou [o] lixo\\", "", 0, "diz: acabou [o] lixo\\"},
        {termoDiz(std::string(200, 'x')), TermoLido::DIZ, std::string(200, 'x'), "", 0, "diz: " + std::string(200, 'x')},
    };
    for (const auto& caso : casos) {
        const std::string fluxo = "oi" + caso.bytes + termoEcometro(5);
        for (std::size_t corte = 0; corte <= fluxo.size(); ++corte) {
            const auto termos = semTexto(le({fluxo.substr(0, corte), fluxo.substr(corte)}));
            ASSERT_EQ(termos.size(), 2u) << caso.bytes << " " << corte;
            EXPECT_EQ(termos[0].tipo, caso.tipo);
            EXPECT_EQ(termos[0].conteudo, caso.conteudo);
            EXPECT_EQ(termos[0].evento, caso.evento);
            EXPECT_EQ(termos[0].valor, caso.valor);
            EXPECT_EQ(termos[0].texto, caso.bytes);
            EXPECT_EQ(termoEmPalavras(termos[0]), caso.palavras);
        }
    }
}

TEST(LeitorTermos, TermosDoAlunoMalFormadosSaoTexto) {
    for (const std::string quase : {
             std::string("[aluno(Ana)]"),                 // no quotes
             std::string("[aluno(\"Ana)]"),               // never closed
             std::string("[aluno(\"Ana\")"),              // no bracket
             std::string("[partida(meio,1,verde)]"),
             std::string("[partida(inicio,fase1.txt,7)]"),
             std::string("[partida(fim,70)]"),
             std::string("[diz(\"") + std::string(LeitorTermos::MAIOR_TEXTO + 10, 'x') + "\")]",  // too long
         }) {
        const auto termos = le({quase});
        EXPECT_TRUE(semTexto(termos).empty()) << quase;
        EXPECT_EQ(bytesDe(termos), quase);
    }
}

// A colour term comes when the colour changed: at a band's edge the
// truncated reading fits two bands, and it is the one not shown before.
TEST(CorDoTermo, NaBordaEAOutraCor) {
    std::optional<CorEcometro> anterior;
    const std::pair<int64_t, CorEcometro> leituras[] = {
        {50, ECOMETRO_AMARELO}, {66, ECOMETRO_VERDE},     {50, ECOMETRO_AMARELO}, {33, ECOMETRO_VERMELHO},
        {34, ECOMETRO_AMARELO}, {67, ECOMETRO_VERDE},     {66, ECOMETRO_AMARELO}, {10, ECOMETRO_VERMELHO},
        {33, ECOMETRO_AMARELO}, {120, ECOMETRO_VERDE},    {-4, ECOMETRO_VERMELHO},
    };
    for (const auto& [percentual, cor] : leituras) {
        EXPECT_EQ(nomeCorEcometro(corDoTermo(percentual, anterior)), std::string(nomeCorEcometro(cor))) << percentual;
        anterior = cor;
    }
    // Without a colour before, the band of the whole percent.
    EXPECT_EQ(corDoTermo(66, std::nullopt), ECOMETRO_AMARELO);
    EXPECT_EQ(corDoTermo(33, std::nullopt), ECOMETRO_VERMELHO);
    EXPECT_EQ(corDoTermo(33, ECOMETRO_VERDE), ECOMETRO_VERMELHO);
    EXPECT_EQ(corDoNome("amarelo"), ECOMETRO_AMARELO);
    EXPECT_EQ(corDoNome("azul"), std::nullopt);
}

}  // namespace
