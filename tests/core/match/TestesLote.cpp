#include "core/match/Lote.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

OpcoesSimulacao opcoesCurtas() {
    OpcoesSimulacao opcoes;
    opcoes.valores = QELP_DIR_DP "/valores.txt";
    opcoes.modelos = QELP_DIR_DP "/";
    opcoes.textoFase = "3 11\n6 5\n15 1\n";  // petrol, litter, the end before step 116
    opcoes.passos = 150;
    return opcoes;
}

void esperaIguais(const ResumoSemente& a, const ResumoSemente& b) {
    EXPECT_EQ(a.semente, b.semente);
    EXPECT_EQ(a.passos, b.passos);
    EXPECT_EQ(a.ecometroFinal, b.ecometroFinal);
    EXPECT_EQ(a.ecometroMin, b.ecometroMin);
    EXPECT_EQ(a.ecometroMedio, b.ecometroMedio);
    EXPECT_EQ(a.corFinal, b.corFinal);
    EXPECT_EQ(a.seresFinal, b.seresFinal);
    EXPECT_EQ(a.serie, b.serie);
}

// Every seed is its own match, whatever thread ran it: the parameters and
// the clock of one match never leak into another.
TEST(Lote, MesmoResultadoEmUmOuVariosThreads) {
    ControleLote um, varios;
    um.threads = 1;
    varios.threads = 3;
    const auto sozinho = rodaSementes(opcoesCurtas(), 5, 8, um, 10);
    const auto juntos = rodaSementes(opcoesCurtas(), 5, 8, varios, 10);
    ASSERT_EQ(sozinho.size(), 4u);
    ASSERT_EQ(juntos.size(), 4u);
    EXPECT_EQ(um.feitas, 4u);
    EXPECT_EQ(varios.feitas, 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        esperaIguais(sozinho[i], juntos[i]);
        EXPECT_EQ(sozinho[i].semente, 5 + i);
        EXPECT_TRUE(sozinho[i].iniciou);
        EXPECT_EQ(sozinho[i].passos, 115u);  // the end event at 15 s
        EXPECT_EQ(sozinho[i].serie.size(), 12u);  // steps 0, 10, … 110
        EXPECT_LE(sozinho[i].ecometroMin, sozinho[i].ecometroMedio);
        EXPECT_GT(sozinho[i].seresFinal, 0);
    }
    std::set<double> finais;
    for (const ResumoSemente& r : juntos) finais.insert(r.ecometroFinal);
    EXPECT_GT(finais.size(), 1u) << "every seed gave the same match";
}

TEST(Lote, CanceladoNaoDaResultado) {
    ControleLote controle;
    controle.cancelar = true;
    EXPECT_TRUE(rodaSementes(opcoesCurtas(), 1, 30, controle).empty());
    EXPECT_EQ(controle.feitas, 0u);
}

TEST(Lote, PartidaQueNaoIniciaFicaMarcada) {
    OpcoesSimulacao opcoes = opcoesCurtas();
    opcoes.valores = "/nao/existe/valores.txt";
    const ResumoSemente r = rodaSemente(opcoes, 1);
    EXPECT_FALSE(r.iniciou);
    EXPECT_EQ(r.passos, 0u);
}

TEST(Lote, PassosDaFase) {
    EXPECT_EQ(passosDaFase({{40, 1}}), 308u);                // 40 s = step 307.7
    EXPECT_EQ(passosDaFase({{40, 1}, {10, 1}}), 77u);        // sorted: the first end runs
    EXPECT_EQ(passosDaFase({{20, 11}}), 616u);               // no end: a minute after the last
    EXPECT_EQ(passosDaFase({}), 462u);                       // nothing: a minute
    EXPECT_EQ(passosDaFase({{5000, 1}}), 9231u);             // 20 minutes at most
    EXPECT_EQ(passosDaFase({{-1, 1}, {20, 11}}), 616u);      // a negative time never comes
    std::vector<ParFase> cem(100, ParFase{10, 0});
    cem.push_back({30, 1});                                  // the 101st pair is not read
    EXPECT_EQ(passosDaFase(cem), 539u);
}

TEST(Cuidado, VinteEQuatroUsosEspalhados) {
    const auto usos = roteiroCuidado(2500);
    ASSERT_EQ(usos.size(), USOS_CUIDADO);
    std::multiset<std::pair<uint32_t, uint32_t>> ferramentas;
    uint32_t anterior = 0;
    for (const UsoFerramenta& uso : usos) {
        EXPECT_GT(uso.passo, anterior);
        EXPECT_LT(uso.passo, 2500u);
        anterior = uso.passo;
        EXPECT_LT(uso.personagem, 2u);  // the default pair
        ferramentas.insert({uso.personagem, uso.ferramenta});
    }
    EXPECT_EQ(usos.front().passo, 100u);
    EXPECT_EQ(usos.back().passo, 2400u);
    for (uint32_t c : {0u, 1u})
        for (uint32_t k = 0; k < 4; ++k) EXPECT_EQ(ferramentas.count({c, k}), 3u) << c << " " << k;
}

}  // namespace
