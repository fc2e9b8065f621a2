#include "core/match/CPartida.h"
#include "core/match/EventosFase.h"
#include "core/match/Personagens.h"
#include "core/scene/CCena3D.h"
#include "core/scene/CenaPadrao.h"
#include "tests/comum/DiretorioTemporario.h"
#include "tests/comum/PlataformaRoteiro.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <limits>
#include <memory>
#include <sstream>
#include <vector>

namespace {

// A match on the game's own models and parameters, in a 560 × 315 view,
// recording what it reports.
class Partida : public testing::Test, public OuvintePartida {
protected:
    Partida() {
        cena->mIniciaCena(0, 0, 560, 315, {0.68f, 0.15f, 0.08f, 0.08f});
        EXPECT_TRUE(carregaCenaPadrao(*cena, QELP_DIR_DP "/"));
        partida->mDefineOuvinte(this);
    }
    ~Partida() override {
        partida->agentes.mLimpa();
        cena->mLiberaCena();
    }

    void mAconteceu(const EventoPartida& evento) override { eventos.push_back(evento); }

    // Starts a match on the phase text, with the shipped parameters preceded
    // by the given entries (the first entry of a key is the one read).
    bool inicia(const char* fase, const std::string& primeiros = "", uint32_t semente = 5,
                uint32_t periodo = 130) {
        std::ifstream distribuido(QELP_DIR_DP "/valores.txt", std::ios::binary);
        std::ostringstream texto;
        texto << primeiros << '\n' << distribuido.rdbuf();
        diretorio.mEscreve("valores.txt", texto.str());
        interpretaFase(fase, partida->tabelaFase);
        eventos.clear();
        return partida->mInicia(semente, periodo, "valores.txt");
    }

    // The phase timer fires n times.
    ProximoEvento dispara(int n = 1) {
        ProximoEvento proximo;
        for (int i = 0; i < n; ++i) proximo = partida->mEventoFase();
        return proximo;
    }

    int poluidores() const {
        int n = 0;
        for (std::size_t i = 78; i <= 97; ++i) n += partida->agentes[i].corpo != nullptr;
        return n;
    }

    PlataformaRoteiro plataforma;
    DiretorioTemporario diretorio;
    std::unique_ptr<CCena3D> cena = std::make_unique<CCena3D>();
    std::unique_ptr<CPartida> partida = std::make_unique<CPartida>(*cena);
    std::vector<EventoPartida> eventos;
};

// --- start

TEST_F(Partida, InicioConstroiOLagoERecomecaTudo) {
    ASSERT_TRUE(inicia("10 3"));
    EXPECT_EQ(partida->estado, EM_JOGO);
    EXPECT_EQ(partida->agentes.ativa, 1);
    EXPECT_NE(partida->agentes[0].corpo, nullptr);
    for (int i = 0; i < 5; ++i) partida->mPasso();
    dispara();
    EXPECT_EQ(partida->passosPartida, 5u);
    EXPECT_EQ(partida->indiceEvento, 1u);
    EXPECT_EQ(partida->contaInterventor, 1u);

    partida->mTermina();
    ASSERT_TRUE(inicia("10 3"));
    EXPECT_EQ(partida->passosPartida, 0u);
    EXPECT_EQ(partida->indiceEvento, 0u);
    EXPECT_EQ(partida->contaInterventor, 0u);
    EXPECT_EQ(poluidores(), 0) << "a new lake";
}

// The end signs in the lake.
int placas(const CCena3D& cena) {
    int n = 0;
    for (int i = 0; i < NUM_SLOTS_GRUPO; ++i) {
        const Instancia& instancia = cena.mInstancia(GRUPO_LUZES, i);
        n += instancia.ocupada && instancia.modelo == MODELO_FIM_PARTIDA;
    }
    return n;
}

TEST_F(Partida, InicioTiraAPlacaDoFim) {
    ASSERT_TRUE(inicia(""));
    partida->mTermina();
    EXPECT_EQ(partida->estado, TERMINADA);
    const int placa = partida->idFimPartida;
    ASSERT_GE(placa, 0);
    EXPECT_EQ(cena->mInstancia(GRUPO_LUZES, placa).modelo, MODELO_FIM_PARTIDA);
    ASSERT_TRUE(inicia(""));
    EXPECT_EQ(partida->idFimPartida, -1);
    EXPECT_EQ(placas(*cena), 0);
}

// An ended match, back to the opening screen (a phase that was not found),
// "Terminar" there, and a new match: never a second sign, and none left.
TEST_F(Partida, TerminarNaAberturaNaoMudaNadaENuncaDeixaPlaca) {
    partida->mTermina();
    EXPECT_EQ(partida->estado, SEM_PARTIDA) << "no match to end before the first";
    EXPECT_EQ(placas(*cena), 0);
    ASSERT_TRUE(inicia(""));
    partida->mTermina();
    partida->mVoltaAbertura();
    eventos.clear();
    partida->mTermina();
    EXPECT_EQ(partida->estado, SEM_PARTIDA);
    EXPECT_TRUE(eventos.empty()) << "no end sound, no debrief";
    EXPECT_EQ(placas(*cena), 1) << "the last match's sign, not drawn on the opening screen";
    ASSERT_TRUE(inicia(""));
    EXPECT_EQ(placas(*cena), 0);
}

TEST_F(Partida, InicioQueFalhaNaoMudaNada) {
    ASSERT_TRUE(inicia(""));
    partida->mTermina();
    for (int i = 0; i < 3; ++i) partida->mPasso();
    const float energia = partida->agentes[0].corpo->energia;
    EXPECT_FALSE(partida->mInicia(5, 130, "nao-existe.txt"));
    EXPECT_EQ(plataforma.mTextos(), std::vector<std::string>{"Arquivo com parametros não encontrado"});
    EXPECT_EQ(partida->estado, TERMINADA);
    ASSERT_NE(partida->agentes[0].corpo, nullptr) << "the previous lake stays";
    EXPECT_EQ(partida->agentes[0].corpo->energia, energia);
}

TEST_F(Partida, DuasPartidasComAMesmaSementeSaoIguais) {
    // Whatever the first match did (polluters, tools, drops, a different
    // generator state), the second starts afresh.
    const auto joga = [this](uint32_t semente) {
        EXPECT_TRUE(inicia("1 2 2 3 3 6 4 2", "", semente));
        for (int passo = 0; passo < 300; ++passo) {
            if (passo % 40 == 0) dispara();
            if (passo == 100) partida->mUsaFerramenta(MAE_NATUREZA, 1);
            partida->mPasso();
            cena->mDesenha(true);
        }
        std::vector<float> retrato;
        for (std::size_t i = 0; i < NUM_AGENTES; ++i) {
            const CAgente& agente = partida->agentes[i];
            if (!agente.corpo) continue;
            retrato.insert(retrato.end(), {static_cast<float>(i), agente.corpo->energia});
            const Vetor3 p = cena->mLePosicao(agente.corpo->grupo, agente.corpo->instancia);
            retrato.insert(retrato.end(), {p.x, p.y});
        }
        partida->mTermina();
        return retrato;
    };
    const std::vector<float> primeira = joga(7);
    joga(8);
    EXPECT_EQ(joga(7), primeira);
    // And a match object of its own, in the same process, agrees.
    partida->agentes.mLimpa();
    partida = std::make_unique<CPartida>(*cena);
    partida->mDefineOuvinte(this);
    EXPECT_EQ(joga(7), primeira);
}

TEST_F(Partida, NovaPartidaSoSemOutraEmJogoOuPausada) {
    EXPECT_TRUE(partida->mPodeIniciar()) << "the opening screen";
    ASSERT_TRUE(inicia(""));
    EXPECT_FALSE(partida->mPodeIniciar());
    partida->mPausa();
    EXPECT_FALSE(partida->mPodeIniciar());
    partida->mTermina();
    EXPECT_TRUE(partida->mPodeIniciar());
    partida->mVoltaAbertura();
    EXPECT_TRUE(partida->mPodeIniciar());
}

TEST(Personagens, ColegasSaoOsOutrosTres) {
    for (uint32_t c = 0; c < NUM_PERSONAGENS; ++c) {
        const auto colegas = colegasPossiveis(c);
        EXPECT_EQ(std::count(colegas.begin(), colegas.end(), c), 0) << c;
        std::array<uint32_t, NUM_COLEGAS> ordenados = colegas;
        std::sort(ordenados.begin(), ordenados.end());
        EXPECT_TRUE(std::adjacent_find(ordenados.begin(), ordenados.end()) == ordenados.end()) << c;
    }
    EXPECT_EQ(colegasPossiveis(PREFEITO), (std::array<uint32_t, 3>{PESCADOR, MAE_NATUREZA, TURISTA}));
    EXPECT_STREQ(nomePersonagem(MAE_NATUREZA), "Mãe Natureza");
}

// --- steps and pauses

TEST_F(Partida, SemPartidaOPassoNaoFazNada) {
    EXPECT_FALSE(partida->mPasso());
    EXPECT_EQ(partida->passosPartida, 0u);
}

TEST_F(Partida, PausadaOuTerminadaOLagoNaoAnda) {
    ASSERT_TRUE(inicia(""));
    ASSERT_TRUE(partida->mPasso());
    partida->mPausa();
    EXPECT_EQ(partida->estado, PAUSADA);
    const float energia = partida->agentes[0].corpo->energia;
    const auto direcaoDaLuz = [this] {
        return cena->mInstancia(GRUPO_LUZES, 3).quadro.orientacao * Vetor3{0, 0, 1};
    };
    const Vetor3 luz = direcaoDaLuz();
    EXPECT_TRUE(partida->mPasso()) << "a match exists: the eco-meter and the frame go on";
    EXPECT_EQ(partida->passosPartida, 1u);
    EXPECT_EQ(partida->agentes[0].corpo->energia, energia);
    EXPECT_EQ(direcaoDaLuz(), luz) << "the light does not sway";
    partida->mPausa();
    EXPECT_EQ(partida->estado, EM_JOGO);
    partida->mPasso();
    EXPECT_EQ(partida->passosPartida, 2u);
}

TEST_F(Partida, PausaForaDeJogoNaoFazNada) {
    partida->mPausa();
    EXPECT_EQ(partida->estado, SEM_PARTIDA);
    ASSERT_TRUE(inicia(""));
    partida->mTermina();
    partida->mPausa();
    EXPECT_EQ(partida->estado, TERMINADA);
}

TEST_F(Partida, TerminarDuranteAPausaTerminaUmaVezSo) {
    ASSERT_TRUE(inicia(""));
    partida->mPausa();
    partida->mTermina();
    EXPECT_EQ(partida->estado, TERMINADA);
    const int placa = partida->idFimPartida;
    partida->mTermina();
    EXPECT_EQ(partida->idFimPartida, placa) << "a second end changes nothing";
    EXPECT_EQ(eventos, std::vector<EventoPartida>{{EventoPartida::FIM}});
}

// --- phase events

TEST_F(Partida, CodigoOnzeEhAGasolinaEDozeNaoExiste) {
    ASSERT_TRUE(inicia("10 11 20 12 30 3"));
    EXPECT_EQ(dispara().acao, ProximoEvento::REARMA);
    const ProximoEvento depoisDoDoze = dispara();
    dispara();
    EXPECT_EQ(eventos, (std::vector<EventoPartida>{{EventoPartida::INTERVENTOR, 8},
                                                   {EventoPartida::INTERVENTOR, 9},
                                                   {EventoPartida::INTERVENTOR, 0}}));
    EXPECT_EQ(plataforma.mTextos(), std::vector<std::string>{
                                        "Interventor com esse numero nao existe. (CApl::mExecEventosFase)"});
    EXPECT_EQ(depoisDoDoze.acao, ProximoEvento::REARMA) << "the next event is still scheduled";
    EXPECT_EQ(partida->agentes[96].corpo->tipo, 12) << "the petrol leak";
    EXPECT_EQ(partida->agentes[95].corpo->tipo, 5) << "the dredger: code 12 took no agent";
}

TEST_F(Partida, CadaEventoSorteiaUmNumeroQualquerQueSejaOCodigo) {
    ASSERT_TRUE(inicia("10 0 20 2"));
    GeradorAleatorio mesmo = partida->agentes.aleatorio;
    mesmo.mProximo();  // drawn by the event of code 0
    const uint32_t esperado = mesmo.mProximo() % 9;
    dispara(2);
    EXPECT_EQ(eventos, (std::vector<EventoPartida>{{EventoPartida::INTERVENTOR, esperado}}));
}

TEST_F(Partida, PeriodosEscalamComOPasso) {
    ASSERT_TRUE(inicia("30 1 10 2 15 0"));  // out of order: read as 10 2, 15 0, 30 1
    EXPECT_EQ(partida->mPeriodoPasso(), 130u);
    EXPECT_EQ(partida->mPeriodoPrimeiroEvento(), 10000u);
    EXPECT_EQ(dispara().periodoMs, 5000u);
    ASSERT_TRUE(inicia("30 1 10 2 15 0", "", 5, 260));
    EXPECT_EQ(partida->mPeriodoPasso(), 260u);
    EXPECT_EQ(partida->mPeriodoPrimeiroEvento(), 20000u) << "a slower step stretches the phase";
    EXPECT_EQ(dispara().periodoMs, 10000u);
    ASSERT_TRUE(inicia("10 3 10 4 10 1", "", 5, 1));
    EXPECT_EQ(partida->mPeriodoPasso(), 10u) << "no timer runs faster";
    EXPECT_EQ(dispara().periodoMs, 10u) << "equal times: right one after the other";
}

TEST_F(Partida, FimTerminaSemReagendarEDepoisNadaMaisRoda) {
    ASSERT_TRUE(inicia("10 0 20 1 30 3"));
    dispara();
    EXPECT_EQ(dispara().acao, ProximoEvento::MANTEM);
    EXPECT_EQ(partida->estado, TERMINADA);
    EXPECT_EQ(eventos, std::vector<EventoPartida>{{EventoPartida::FIM}});
    EXPECT_EQ(cena->mInstancia(GRUPO_LUZES, partida->idFimPartida).modelo, MODELO_FIM_PARTIDA);
    EXPECT_EQ(dispara().acao, ProximoEvento::MANTEM);
    EXPECT_EQ(partida->indiceEvento, 1u);
    EXPECT_EQ(poluidores(), 0);
}

TEST_F(Partida, DisparoDuranteAPausaEsperaAVolta) {
    ASSERT_TRUE(inicia("10 3 20 1"));
    partida->mPausa();
    EXPECT_EQ(dispara().acao, ProximoEvento::MANTEM);
    EXPECT_EQ(partida->indiceEvento, 0u);
    EXPECT_EQ(poluidores(), 0);
    partida->mPausa();
    dispara();
    EXPECT_EQ(poluidores(), 1);
}

TEST_F(Partida, DepoisDaUltimaEntradaOTemporizadorPara) {
    ASSERT_TRUE(inicia(""));
    partida->indiceEvento = 98;
    EXPECT_EQ(dispara().acao, ProximoEvento::REARMA);
    EXPECT_EQ(dispara().acao, ProximoEvento::PARA);
    EXPECT_EQ(partida->indiceEvento, 100u);
    // Even so the table is never read past its end.
    dispara();
    EXPECT_EQ(partida->estado, EM_JOGO);
}

TEST_F(Partida, VinteEUmInterventoresOVigesimoPrimeiroSePerde) {
    std::string fase;
    for (int i = 0; i < 21; ++i) fase += "1 9 ";  // household sewage never leaves
    ASSERT_TRUE(inicia(fase.c_str()));
    dispara(20);
    EXPECT_EQ(poluidores(), 20);
    EXPECT_EQ(partida->contaInterventor, 0u) << "the 20th went to 97";
    dispara();
    EXPECT_EQ(eventos.size(), 21u) << "the sound of the 21st is heard";
    EXPECT_EQ(partida->contaInterventor, 1u);
    EXPECT_EQ(poluidores(), 20);
}

// --- tools

TEST_F(Partida, FerramentaGastaUsoEAplicaOEfeito) {
    ASSERT_TRUE(inicia("", "NUM_FERRAMENTAS_PESCADOR 1 2.9 -1 0 ;\n"
                           "ALTERA_FERR_0_PESCADOR 0 0 0 0 0 0 0.5 ;"));
    EXPECT_EQ(partida->mUsos(PESCADOR), (UsosFerramentas{1, 2, -1, 0}));
    const float agua = partida->agentes[AGENTE_AGUA].corpo->energia;

    EXPECT_TRUE(partida->mUsaFerramenta(PESCADOR, 0));
    EXPECT_FLOAT_EQ(partida->agentes[AGENTE_AGUA].corpo->energia, agua + 12.5f);
    EXPECT_FALSE(partida->mUsaFerramenta(PESCADOR, 0));
    EXPECT_FLOAT_EQ(partida->agentes[AGENTE_AGUA].corpo->energia, agua + 12.5f) << "refused: unchanged";
    EXPECT_FALSE(partida->mUsaFerramenta(PESCADOR, 3));
    EXPECT_TRUE(partida->mUsaFerramenta(PESCADOR, 2));
    EXPECT_TRUE(partida->mUsaFerramenta(PESCADOR, 2)) << "a negative count never runs out";
    EXPECT_EQ(partida->mUsos(PESCADOR), (UsosFerramentas{0, 2, -3, 0}));
    // The water's 12.5 more is that much of the eco-meter's full scale.
    ASSERT_EQ(eventos.size(), 5u);
    EXPECT_NEAR(eventos[0].variacao, 12.5f / leEcometro(partida->agentes).leitura.escala * 100.0f, 1e-4f);
    for (EventoPartida& evento : eventos) evento.variacao = 0;
    EXPECT_EQ(eventos, (std::vector<EventoPartida>{{EventoPartida::FERRAMENTA, PESCADOR, 0},
                                                   {EventoPartida::RECUSADA, PESCADOR, 0},
                                                   {EventoPartida::RECUSADA, PESCADOR, 3},
                                                   {EventoPartida::FERRAMENTA, PESCADOR, 2},
                                                   {EventoPartida::FERRAMENTA, PESCADOR, 2}}));
}

TEST_F(Partida, CadaInicioReabasteceAsFerramentas) {
    ASSERT_TRUE(inicia("", "NUM_FERRAMENTAS_TURISTA 1 1 1 1 ;"));
    partida->mUsaFerramenta(TURISTA, 3);
    EXPECT_EQ(partida->mUsos(TURISTA)[3], 0);
    ASSERT_TRUE(inicia("", "NUM_FERRAMENTAS_TURISTA 1 1 1 1 ;"));
    EXPECT_EQ(partida->mUsos(TURISTA)[3], 1);
}

// --- eco-meter

TEST_F(Partida, EcometroContaSoAsMudancasDeCor) {
    ASSERT_TRUE(inicia(""));
    const Ecometro primeira = partida->mAvaliaEcometro();
    EXPECT_TRUE(eventos.empty()) << "the first reading tells nothing";
    partida->mAvaliaEcometro();
    EXPECT_TRUE(eventos.empty()) << "the same band tells nothing";
    EXPECT_EQ(primeira.leitura.escala, 2555.0f);

    // Draining the lake to a known share: the water alone holds 10 %.
    for (CAgente& agente : partida->agentes.agentes)
        if (agente.corpo) agente.corpo->energia = 0;
    partida->agentes[AGENTE_AGUA].corpo->energia = 255.5f;
    const Ecometro vermelho = partida->mAvaliaEcometro();
    EXPECT_EQ(vermelho.cor, ECOMETRO_VERMELHO);
    ASSERT_EQ(eventos.size(), primeira.cor == ECOMETRO_VERMELHO ? 0u : 1u);

    // The remembered colour outlives the match.
    partida->mTermina();
    eventos.clear();
    ASSERT_TRUE(inicia(""));
    for (CAgente& agente : partida->agentes.agentes)
        if (agente.corpo) agente.corpo->energia = 0;
    partida->agentes[AGENTE_AGUA].corpo->energia = 2044.0f;  // 80 %
    partida->mAvaliaEcometro();
    EXPECT_EQ(eventos, (std::vector<EventoPartida>{{EventoPartida::COR, ECOMETRO_VERDE, 0, 80}}));
}

TEST(Ecometro, PercentualTruncadoEDentroDaFaixa) {
    EXPECT_EQ(percentualEcometro(0.5f), 50);
    EXPECT_EQ(percentualEcometro(0.666666f), 66);
    EXPECT_EQ(percentualEcometro(-0.019f), -1);
    EXPECT_EQ(percentualEcometro(1e30f), 2147483647);
    EXPECT_EQ(percentualEcometro(-1e30f), -2147483647 - 1);
    EXPECT_EQ(percentualEcometro(std::numeric_limits<float>::infinity()), 2147483647);
    EXPECT_EQ(percentualEcometro(std::numeric_limits<float>::quiet_NaN()), 0);
}

}  // namespace
