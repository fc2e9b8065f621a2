// A tool's effect as the pupil sees it: the beings it changed highlighted
// in the lake for a second and a half of the platform's clock, running or
// paused, and the eco-meter's change written over the eco-meter and then
// gone without a trace.
#include "core/panel/Painel.h"
#include "tests/app/FixtureApl.h"

#include <QColor>
#include <QImage>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace {

// A match of Mãe Natureza and the Pescador on a 1024 × 768 screen at 70 %.
class EfeitosNaTela : public FixtureApl {
protected:
    // Starts the match with the shipped parameters preceded by the given entries.
    void inicia(const std::string& primeiros = "") { iniciaSemFase(primeiros); }

    // A tick of the step timer at ms on the platform's clock.
    void passoEm(uint32_t ms) {
        plataforma.relogioMs = ms;
        apl->mPasso();
    }

    // The instances of group 0 highlighted now, by slot.
    std::vector<int> realcados() const {
        std::vector<int> slots;
        for (int i = 0; i < NUM_SLOTS_GRUPO; ++i)
            if (apl->cena.mInstancia(GRUPO_SERES, i).realce.sentido != 0) slots.push_back(i);
        return slots;
    }
    // The instances of the living fish (types 0..2), by slot.
    std::vector<int> peixes() const {
        std::vector<int> slots;
        for (const CAgente& agente : apl->partida.agentes.agentes)
            if (agente.corpo && agente.corpo->tipo <= TIPO_LISTRADO && agente.corpo->instancia >= 0)
                slots.push_back(agente.corpo->instancia);
        std::sort(slots.begin(), slots.end());
        return slots;
    }

    // The eco-meter's rectangle in the retained picture, as the 2D layer draws it.
    QRect ecometro() const {
        const Figura& f = apl->painel.figuras[ITEM_ECOMETRO];
        const QImage& tela = apl->janela.mImagem();
        const auto px = [](float fracao, int tamanho) { return static_cast<int>(fracao * tamanho); };
        return QRect(QPoint(px(f.esquerda, tela.width()), px(f.topo, tela.height())),
                     QPoint(px(f.direita, tela.width()) - 1, px(f.base, tela.height()) - 1));
    }
    QImage naTela(const QRect& r) const { return apl->janela.mImagem().copy(r); }
    // The eco-meter as it is drawn with nothing over it.
    QImage ecometroLimpo() {
        apl->mAtualizaEcometro();
        return naTela(ecometro());
    }
    static int diferentes(const QImage& a, const QImage& b) {
        int n = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
        return n;
    }
};

TEST_F(EfeitosNaTela, NaPausaOsPeixesBrilhamUmSegundoEMeioEDepoisNada) {
    inicia();
    apl->mPausa();
    passoEm(10000);
    ASSERT_TRUE(apl->partida.mUsaFerramenta(PESCADOR, 0));  // every fish gains, nothing else
    const std::vector<int> osPeixes = peixes();
    ASSERT_FALSE(osPeixes.empty());
    const struct {
        uint32_t ms;
        bool mostra;
        float progresso;
    } momentos[] = {{10000, true, 0.0f}, {10750, true, 0.5f}, {11499, true, 0.999f}, {11500, false, 0}, {14000, false, 0}};
    for (const auto& momento : momentos) {
        SCOPED_TRACE(momento.ms);
        passoEm(momento.ms);
        EXPECT_EQ(realcados(), momento.mostra ? osPeixes : std::vector<int>{});
        if (momento.mostra) {
            const Realce& realce = apl->cena.mInstancia(GRUPO_SERES, osPeixes.front()).realce;
            EXPECT_EQ(realce.sentido, 1);
            EXPECT_NEAR(realce.progresso, momento.progresso, 0.001f);
        }
        EXPECT_EQ(apl->cena.mRealceLago().sentido, 0);
        EXPECT_EQ(apl->cena.mRealceAgua().sentido, 0);
        EXPECT_EQ(apl->efeitos.mAtivo(), momento.mostra);
    }
}

TEST_F(EfeitosNaTela, EmJogoOEfeitoSegueOsSeresEAcabaComOTempo) {
    // The lake bottom and the water lose, the algae gain; the lake moves on.
    inicia("ALTERA_FERR_1_PESCADOR 0 0 0 0.2 0 -0.1 -0.3 ;");
    rodaPassos(3);
    ASSERT_TRUE(apl->partida.mUsaFerramenta(PESCADOR, 1));
    rodaPassos(5);  // 650 ms
    EXPECT_EQ(apl->cena.mRealceLago().sentido, -1);
    EXPECT_EQ(apl->cena.mRealceAgua().sentido, -1);
    ASSERT_FALSE(realcados().empty());
    for (const int slot : realcados()) {
        const CAgente* agente = apl->cena.mInstancia(GRUPO_SERES, slot).agente;
        ASSERT_NE(agente, nullptr);
        EXPECT_EQ(agente->corpo->tipo, TIPO_ALGA) << slot;
        EXPECT_EQ(apl->cena.mInstancia(GRUPO_SERES, slot).realce.sentido, 1);
    }
    rodaPassos(7);  // 1560 ms
    EXPECT_TRUE(realcados().empty());
    EXPECT_FALSE(apl->cena.mTemRealce());
}

TEST_F(EfeitosNaTela, NovaPartidaEsqueceOsEfeitos) {
    inicia();
    ASSERT_TRUE(apl->partida.mUsaFerramenta(PESCADOR, 0));
    apl->mTerminaPartida();
    ASSERT_TRUE(iniciaPartida());
    apl->mPasso();
    EXPECT_FALSE(apl->efeitos.mAtivo());
    EXPECT_FALSE(apl->cena.mTemRealce());
}

TEST_F(EfeitosNaTela, RotuloNoEcometroNaCorDaMudancaEDepoisApagado) {
    inicia("NUM_FERRAMENTAS_PESCADOR 5 5 5 5 ;\nALTERA_FERR_3_PESCADOR -0.3 -0.3 -0.3 0 0 0 0 ;");
    apl->mPausa();
    const QRect eco = ecometro();
    const QRect emVolta = eco.adjusted(-6, -6, 6, 6);
    // The pill's own colour, left of its text, where it stands 0.3 s in.
    const QPoint pilula(eco.left() + eco.width() * 30 / 100, eco.top() + eco.height() * 284 / 1000);
    const struct {
        uint32_t ferramenta;
        bool ganho;
    } casos[] = {{0, true}, {3, false}};
    uint32_t agora = 20000;
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.ferramenta);
        passoEm(agora);
        const QImage volta = naTela(emVolta);
        ASSERT_TRUE(apl->partida.mUsaFerramenta(PESCADOR, caso.ferramenta));
        passoEm(agora + 300);
        const QImage comRotulo = naTela(eco);
        const QColor cor = apl->janela.mImagem().pixelColor(pilula);
        if (caso.ganho) EXPECT_GT(cor.green(), cor.red() + 60) << "green for a rise";
        else EXPECT_GT(cor.red(), cor.green() + 60) << "red for a fall";
        EXPECT_GT(diferentes(comRotulo, ecometroLimpo()), eco.width() * eco.height() / 20);
        // Nothing is drawn on the panel around the eco-meter (above it is the lake).
        const QImage depois = naTela(emVolta);
        for (const QRect faixa : {QRect(0, 6, 6, eco.height() + 6), QRect(eco.width() + 6, 6, 6, eco.height() + 6),
                                  QRect(0, eco.height() + 6, emVolta.width(), 6)})
            EXPECT_EQ(diferentes(depois.copy(faixa), volta.copy(faixa)), 0);
        // Once the effect is over, the eco-meter is as if it had never been.
        passoEm(agora + 1600);
        EXPECT_EQ(diferentes(naTela(eco), ecometroLimpo()), 0);
        agora += 5000;
    }
}

}  // namespace
