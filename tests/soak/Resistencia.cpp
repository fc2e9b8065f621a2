// A long match under AddressSanitizer and UndefinedBehaviorSanitizer: 20,000
// steps with every polluter over and over and a tool of any character used
// at random every 40 steps, tools that never run out, so that the lake stays
// alive: beings are born, eaten and die all along. It must end without a
// sanitizer report, and the memory in use must stay flat once the lake has
// filled.
#include "core/match/Simulacao.h"
#include "tests/comum/DiretorioTemporario.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <fstream>
#include <random>
#include <regex>
#include <sstream>
#include <string>

// The bytes the sanitizer's allocator holds for the program now (its own
// interface; GCC does not install the header that declares it).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();

namespace {

constexpr uint32_t PASSOS = 20000;

// 100 events 26 s apart (the whole match at 130 ms a step): a polluter
// drawn at random, then each of the nine in turn, again and again; no end.
std::string faseDeTodosOsPoluidores() {
    std::string fase;
    for (uint32_t i = 0; i < 100; ++i) fase += std::to_string(5 + 26 * i) + " " + std::to_string(2 + i % 10) + "\n";
    return fase;
}

// The game's values with every tool's count negative: uses never run out.
std::string valoresSemLimite() {
    std::ifstream arquivo(QELP_DIR_DP "/valores.txt");
    std::stringstream texto;
    texto << arquivo.rdbuf();
    return std::regex_replace(texto.str(), std::regex("(NUM_FERRAMENTAS_[A-Z_]+)[^;\\n]*;"), "$1 -1 -1 -1 -1 ;");
}

TEST(Resistencia, VinteMilPassosComTodosOsPoluidoresEFerramentas) {
    DiretorioTemporario diretorio;
    diretorio.mEscreve("valores.txt", valoresSemLimite());
    OpcoesSimulacao opcoes;
    opcoes.valores = (diretorio.mCaminho() / "valores.txt").string();
    opcoes.modelos = QELP_DIR_DP "/";
    opcoes.textoFase = faseDeTodosOsPoluidores();
    opcoes.passos = PASSOS;
    std::mt19937 gerador(20000);
    for (uint32_t passo = 1; passo <= PASSOS; passo += 40)
        opcoes.usos.push_back({passo, static_cast<uint32_t>(gerador() % 4), static_cast<uint32_t>(gerador() % 4)});

    Simulacao simulacao(opcoes);
    ASSERT_TRUE(simulacao.mInicia());
    std::size_t depoisDeEncher = 0, maior = 0;
    uint32_t passos = 0, semVida = 0;
    while (passos < PASSOS && simulacao.mPasso()) {
        ++passos;
        semVida += simulacao.mEcometro().leitura.quantos == 0;
        const std::size_t emUso = __sanitizer_get_current_allocated_bytes();
        if (passos == 2000) depoisDeEncher = emUso;
        if (passos > 2000) maior = std::max(maior, emUso);
    }
    EXPECT_EQ(passos, PASSOS) << "the match ended early";
    EXPECT_EQ(semVida, 0u) << "the lake died: the rest of the match tried little";
    // The agent table, the scene and the match's record have fixed sizes:
    // what a long match adds beyond its first 2000 steps is noise, not growth.
    EXPECT_LT(maior, depoisDeEncher + 256 * 1024) << depoisDeEncher << " bytes after 2000 steps";
}

}  // namespace
