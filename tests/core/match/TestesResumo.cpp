// The debrief's durations and sentences, from records written by hand, one
// second a step.
#include "core/match/ResumoPartida.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr uint32_t UM_SEGUNDO = 1000;  // ms a step

// The lake at a step: beings of each kind with their energy, and the eco-meter.
LeituraLago lago(uint32_t passo, std::array<int32_t, NUM_ESPECIES> quantos, std::array<double, NUM_ESPECIES> energia,
                 float percentual) {
    LeituraLago leitura;
    leitura.passo = passo;
    leitura.quantos = quantos;
    leitura.energia = energia;
    leitura.razao = percentual / 100.0f;
    leitura.cor = corEcometro(leitura.razao);
    return leitura;
}

// The lake as the record last saw it, at a later step: what an event finds.
LeituraLago agora(const RegistroPartida& registro, uint32_t passo) {
    LeituraLago leitura = registro.mLeituras().back();
    leitura.passo = std::max(passo, leitura.passo);
    return leitura;
}

const std::array<int32_t, NUM_ESPECIES> TODOS = {3, 6, 8, 8, 16};
const std::array<double, NUM_ESPECIES> CHEIOS = {75, 150, 200, 200, 400};

TEST(Resumo, TemposEmMinutosESegundos) {
    const struct {
        uint64_t ms;
        const char* tempo;
        const char* palavras;
    } casos[] = {
        {0, "0:00", "0 segundos"},          {499, "0:00", "0 segundos"},
        {500, "0:01", "1 segundo"},         {45000, "0:45", "45 segundos"},
        {60000, "1:00", "1 minuto"},        {65000, "1:05", "1 minuto e 5 segundos"},
        {80400, "1:20", "1 minuto e 20 segundos"}, {130000, "2:10", "2 minutos e 10 segundos"},
        {3600000, "60:00", "60 minutos"},
    };
    for (const auto& caso : casos) {
        EXPECT_EQ(tempoPartida(caso.ms), caso.tempo) << caso.ms;
        EXPECT_EQ(duracaoEmPalavras(caso.ms), caso.palavras) << caso.ms;
    }
}

// Four minutes: green for 2, yellow for 1.5, red for 0.5; household sewage
// at 1:20 takes half the algae's energy within 30 s, litter at 3:35 less;
// the Peixes Gordos die out; Abrir sol used 3 times.
RegistroPartida partidaContada() {
    const std::array<double, NUM_ESPECIES> semMetadeDasAlgas = {75, 150, 200, 100, 400};
    RegistroPartida registro;
    const Alteracao abreSol = {0, 0, 0, 0.3f, 0, 0, 0};
    registro.mInicia(UM_SEGUNDO, lago(0, TODOS, CHEIOS, 90));
    registro.mFerramenta(agora(registro, 20), MAE_NATUREZA, 0, abreSol, 3.0f);
    registro.mRegistra(lago(80, TODOS, CHEIOS, 85));
    registro.mPoluidor(agora(registro, 80), 6);
    registro.mFerramenta(agora(registro, 100), MAE_NATUREZA, 0, abreSol, 3.0f);
    registro.mRegistra(lago(110, TODOS, semMetadeDasAlgas, 70));
    registro.mRegistra(lago(120, TODOS, semMetadeDasAlgas, 60));
    registro.mRegistra(lago(180, TODOS, semMetadeDasAlgas, 50));
    registro.mFerramenta(agora(registro, 200), MAE_NATUREZA, 0, abreSol, 3.0f);
    registro.mRegistra(lago(210, {0, 6, 8, 8, 16}, {0, 150, 200, 100, 400}, 30));
    registro.mPoluidor(agora(registro, 215), 3);
    registro.mFim(lago(240, {0, 6, 8, 8, 16}, {0, 150, 200, 100, 400}, 20));
    return registro;
}

TEST(Resumo, FrasesDoQueAconteceu) {
    const ResumoPartida resumo = resumoDaPartida(partidaContada());
    EXPECT_EQ(resumo.msNaCor, (std::array<uint64_t, 3>{120000, 90000, 30000}));
    EXPECT_EQ(resumo.corFinal, ECOMETRO_VERMELHO);
    EXPECT_EQ(resumo.msPartida, 240000u);
    EXPECT_EQ(resumo.seresFinais, (std::array<int32_t, NUM_ESPECIES>{0, 6, 8, 8, 16}));
    EXPECT_EQ(resumo.frases, (std::vector<std::string>{
        "O lago passou 2 minutos no verde, 1 minuto e 30 segundos no amarelo e 30 segundos no vermelho.",
        "Chegaram 2 poluidores ao lago; o que mais fez mal foi o esgoto doméstico, que chegou aos 1:20.",
        "Nos 30 segundos seguintes, as algas perderam metade da energia.",
        "Você usou Abrir sol 3 vezes: cada vez as algas ganharam energia.",
        "No fim o ecômetro estava no vermelho, e havia 38 seres vivos no lago, mas os peixes gordos tinham "
        "desaparecido.",
        "O lago ficou muito doente: tente de novo e use as ferramentas logo que um poluidor chegar!",
    }));
    const std::string cabecalho = "verde: 2:00\namarelo: 1:30\nvermelho: 0:30\ncor final: vermelho\n";
    EXPECT_EQ(textoResumo(resumo).substr(0, cabecalho.size()), cabecalho);
}

TEST(Resumo, CadaPartidaTemDeTresASeisFrases) {
    const Alteracao trocaOFundo = {0, 0, 0, -0.1f, 0, 3.0f, 0};
    const Alteracao recolheLixo = {0, 0, 0, 0, 0, 1.5f, 1.5f};
    const Alteracao pesca = {-0.1f, 0.3f, 0.3f, 0, 0, 0, 0};
    struct Uso {
        uint32_t passo, personagem, ferramenta;
        Alteracao efeito;
    };
    const struct {
        const char* nome;
        std::vector<LeituraLago> leituras;
        std::vector<std::pair<uint32_t, uint32_t>> poluidores;  // step, polluter
        std::vector<Uso> usos;
        std::vector<std::string> esperadas;  // sentences that must be among them
    } casos[] = {
        {"nada aconteceu, tudo verde", {lago(0, TODOS, CHEIOS, 80), lago(100, TODOS, CHEIOS, 80)}, {}, {},
         {"O lago passou 1 minuto e 40 segundos no verde.", "Nenhum poluidor chegou ao lago.",
          "Você não usou nenhuma ferramenta.", "Parabéns: você cuidou bem do lago!"}},
        {"um poluidor que não fez mal", {lago(0, TODOS, CHEIOS, 50), lago(60, TODOS, CHEIOS, 50)}, {{10, 4}},
         {{5, MAE_NATUREZA, 2, trocaOFundo}},
         {"Aos 0:10 chegou a lancha, mas o lago aguentou bem.",
          "Você usou Trocar o fundo do lago 1 vez: o fundo do lago ganhou energia, mas as algas perderam energia.",
          "O lago precisava de mais cuidado: use as ferramentas logo que um poluidor chegar."}},
        {"o fim logo depois do poluidor", {lago(0, TODOS, CHEIOS, 50), lago(10, {0, 0, 0, 0, 0}, {}, 10)},
         {{5, 7}}, {{1, PESCADOR, 1, recolheLixo}, {2, PESCADOR, 2, pesca}},
         {"Aos 0:05 chegou o esgoto industrial.", "Até o fim da partida, os peixes gordos desapareceram do lago.",
          "Você usou 2 ferramentas, uma vez cada; a primeira foi Recolher lixo das margens: o fundo do lago e "
          "a água ganharam energia.",
          "No fim não havia mais nenhum ser vivo no lago, e o ecômetro estava no vermelho."}},
        {"pesca duas vezes, lixo uma", {lago(0, TODOS, CHEIOS, 50), lago(100, TODOS, CHEIOS, 50)}, {},
         {{1, PESCADOR, 1, recolheLixo}, {2, PESCADOR, 2, pesca}, {3, PESCADOR, 2, pesca}},
         {"Você usou ferramentas 3 vezes; a que mais usou foi Pescar para se alimentar, 2 vezes: cada vez os "
          "peixes azuis e os peixes listrados ganharam energia, mas os peixes gordos perderam energia."}},
        {"a partida que não chegou a um segundo", {lago(0, TODOS, CHEIOS, 50)}, {}, {},
         {"A partida acabou antes de completar um segundo."}},
    };
    for (const auto& caso : casos) {
        // The readings and the events in the order of their steps.
        RegistroPartida registro;
        registro.mInicia(UM_SEGUNDO, caso.leituras.front());
        std::size_t poluidor = 0, uso = 0;
        for (std::size_t i = 1; i <= caso.leituras.size(); ++i) {
            const uint32_t ate = i < caso.leituras.size() ? caso.leituras[i].passo : UINT32_MAX;
            for (; poluidor < caso.poluidores.size() && caso.poluidores[poluidor].first < ate; ++poluidor)
                registro.mPoluidor(agora(registro, caso.poluidores[poluidor].first), caso.poluidores[poluidor].second);
            for (; uso < caso.usos.size() && caso.usos[uso].passo < ate; ++uso) {
                const Uso& u = caso.usos[uso];
                registro.mFerramenta(agora(registro, u.passo), u.personagem, u.ferramenta, u.efeito, 1);
            }
            if (i < caso.leituras.size()) registro.mRegistra(caso.leituras[i]);
        }
        registro.mFim(caso.leituras.back());
        const ResumoPartida resumo = resumoDaPartida(registro);
        EXPECT_GE(resumo.frases.size(), 3u) << caso.nome;
        EXPECT_LE(resumo.frases.size(), 6u) << caso.nome;
        for (const std::string& frase : caso.esperadas)
            EXPECT_NE(std::find(resumo.frases.begin(), resumo.frases.end(), frase), resumo.frases.end())
                << caso.nome << ": falta \"" << frase << "\" em\n" << textoResumo(resumo);
    }
}

}  // namespace
