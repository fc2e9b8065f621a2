// The eight sound effects of the game: the instruments they are played on
// and the notes of each one. Times are in seconds.
#include "tools/sons/Sons.h"

namespace sons {

namespace {
// ------------------------------------------------------------ instruments

// Wooden bar struck with a soft mallet: the fundamental rings, the tuned
// overtone near four times it fades fast.
const Timbre MARIMBA{{{1.0, 1.0, 0.55}, {3.98, 0.35, 0.09}, {9.9, 0.08, 0.03}}, 0.003, 0.03};

// Harder, brighter bar for quick accents.
const Timbre XILOFONE{{{1.0, 1.0, 0.30}, {3.0, 0.40, 0.08}, {6.0, 0.12, 0.03}}, 0.002, 0.02};

// Small metal bar (glockenspiel): out-of-tune overtones that die quickly,
// leaving a long pure ring.
const Timbre SINO{{{1.0, 1.0, 1.2}, {2.76, 0.30, 0.35}, {5.40, 0.12, 0.12}, {8.93, 0.05, 0.06}},
                  0.002, 0.05};

// Soft chime for notifications: mostly the fundamental.
const Timbre CARRILHAO{{{1.0, 1.0, 0.45}, {2.0, 0.20, 0.20}, {5.4, 0.04, 0.06}}, 0.004, 0.05};

// Plucked string: many harmonics, the higher ones fading sooner.
const Timbre HARPA{{{1.0, 1.0, 0.70},
                    {2.0, 0.50, 0.45},
                    {3.0, 0.28, 0.30},
                    {4.0, 0.15, 0.20},
                    {5.0, 0.08, 0.12},
                    {6.0, 0.04, 0.08}},
                   0.002,
                   0.05};

// Round brass for the fanfare: a full set of harmonics with a slower
// attack and a light vibrato.
const Timbre METAL{{{1.0, 1.0, 1.5},
                    {2.0, 0.70, 1.0},
                    {3.0, 0.50, 0.7},
                    {4.0, 0.30, 0.5},
                    {5.0, 0.18, 0.35},
                    {6.0, 0.10, 0.25},
                    {7.0, 0.06, 0.2}},
                   0.015,
                   0.04,
                   0.004,
                   5.5};

// Electric piano: warm body and a faint bell-like "tine" at the onset.
const Timbre PIANO_ELETRICO{{{1.0, 1.0, 1.0}, {2.0, 0.35, 0.5}, {3.0, 0.12, 0.3}, {7.0, 0.06, 0.02}},
                            0.004, 0.06};

// Soft low bass under the opening jingle.
const Timbre BAIXO{{{1.0, 1.0, 0.6}, {2.0, 0.35, 0.3}, {3.0, 0.12, 0.15}}, 0.006, 0.04};

// Hollow wooden "bonk": low and muffled, never harsh.
const Timbre MADEIRA{{{1.0, 1.0, 0.12}, {2.0, 0.40, 0.06}, {3.0, 0.15, 0.04}}, 0.006, 0.03};

// Gentle sung tone (ocarina) for "uh-oh": sustained, with vibrato.
const Timbre OCARINA{{{1.0, 1.0, 0.0}, {2.0, 0.18, 0.0}, {3.0, 0.07, 0.0}}, 0.03, 0.07, 0.006, 5.0};

// Short bright blip with a quick decay.
const Timbre BLIP{{{1.0, 1.0, 0.05}, {2.0, 0.20, 0.03}, {3.0, 0.06, 0.02}}, 0.003, 0.02};

// Fixed seeds of the splash noises.
constexpr uint32_t SEMENTE_RESPINGO = 20240611u;
constexpr uint32_t SEMENTE_BORRIFO = 7u;

// ---------------------------------------------------------------- lengths

constexpr double DURACAO_ABERTURA = 3.2;
constexpr double DURACAO_INICIO = 1.0;
constexpr double DURACAO_FIM = 1.5;
constexpr double DURACAO_RECEBE = 0.55;
constexpr double DURACAO_SUCESSO = 0.15;
constexpr double DURACAO_ERRO = 0.3;
constexpr double DURACAO_SOBRE = 1.3;
constexpr double DURACAO_INTERVENTOR = 1.3;

// Room echo levels.
constexpr double AMBIENTE_AMPLO = 0.20;
constexpr double AMBIENTE_LEVE = 0.10;
}  // namespace

// C major on the marimba: a rising arpeggio, a little answering tune over
// a soft bass, water bloops between the phrases, and a rolled tonic chord
// with a glockenspiel ring that fades out.
Faixa geraAbertura() {
    Faixa f(DURACAO_ABERTURA);
    constexpr double PASSO = 0.125;  // one quick note
    constexpr double FINAL = 18 * PASSO;
    const double fimFinal = DURACAO_ABERTURA - FINAL;

    struct Toque {
        int nome, oitava;
        double inicio, duracao;
    };
    const Toque melodia[] = {
        // rising arpeggio up to the high tonic
        {DO, 5, 0 * PASSO, 0.30}, {MI, 5, 1 * PASSO, 0.30}, {SOL, 5, 2 * PASSO, 0.30},
        {DO, 6, 3 * PASSO, 0.60},
        // the answer, stepping around the fifth
        {LA, 5, 6 * PASSO, 0.25}, {SOL, 5, 7 * PASSO, 0.25}, {MI, 5, 8 * PASSO, 0.25},
        {SOL, 5, 9 * PASSO, 0.45},
        // down to the leading note and up to the dominant
        {FA, 5, 12 * PASSO, 0.25}, {MI, 5, 13 * PASSO, 0.25}, {RE, 5, 14 * PASSO, 0.25},
        {SI, 4, 15 * PASSO, 0.25}, {RE, 5, 16 * PASSO, 0.30},
    };
    for (const Toque& n : melodia)
        acrescentaNota(f, MARIMBA, {n.inicio, n.duracao, nota(n.nome, n.oitava), 1.0});

    // Bass: I, vi, IV, V, I.
    const Toque baixo[] = {{DO, 3, 0 * PASSO, 0.70}, {LA, 2, 6 * PASSO, 0.70},
                           {FA, 2, 12 * PASSO, 0.45}, {SOL, 2, 15 * PASSO, 0.35}};
    for (const Toque& n : baixo)
        acrescentaNota(f, BAIXO, {n.inicio, n.duracao, nota(n.nome, n.oitava), 0.45});
    acrescentaNota(f, BAIXO, {FINAL, fimFinal, nota(DO, 3), 0.45});

    // The tonic chord, rolled from the bottom, with a high bell on top.
    acrescentaAcorde(f, MARIMBA, FINAL, fimFinal,
                     {nota(DO, 5), nota(MI, 5), nota(SOL, 5), nota(DO, 6)}, 0.7, 0.02);
    acrescentaNota(f, SINO, {FINAL + 0.06, fimFinal - 0.06, nota(DO, 7), 0.25});

    // Bubbles rising in the lake.
    acrescentaBolha(f, 0.56, 0.07, 420.0, 950.0, 0.35);
    acrescentaBolha(f, 0.64, 0.06, 600.0, 1300.0, 0.25);
    acrescentaBolha(f, 1.32, 0.07, 500.0, 1100.0, 0.30);
    acrescentaBolha(f, 2.70, 0.08, 380.0, 900.0, 0.25);
    acrescentaBolha(f, 2.82, 0.06, 560.0, 1250.0, 0.18);

    acrescentaAmbiente(f, AMBIENTE_AMPLO);
    arredondaPontas(f);
    return f;
}

// D major brass fanfare, "let's go": four quick notes rising through the
// chord to a held top note over the full chord, doubled an octave up on
// the xylophone for sparkle.
Faixa geraInicioPartida() {
    Faixa f(DURACAO_INICIO);
    constexpr double PASSO = 0.09;
    constexpr double CURTA = 0.10;
    const double subida[] = {nota(LA, 4), nota(RE, 5), nota(FA_SUST, 5)};
    for (int i = 0; i < 3; ++i) {
        acrescentaNota(f, METAL, {i * PASSO, CURTA, subida[i], 0.8});
        acrescentaNota(f, XILOFONE, {i * PASSO, CURTA + 0.05, 2.0 * subida[i], 0.3});
    }
    const double topo = 3 * PASSO;
    const double longa = DURACAO_INICIO - topo - 0.04;
    acrescentaNota(f, METAL, {topo, longa, nota(LA, 5), 0.9});
    acrescentaNota(f, XILOFONE, {topo, longa, nota(LA, 6), 0.3});
    acrescentaAcorde(f, METAL, topo, longa, {nota(RE, 4), nota(RE, 5), nota(FA_SUST, 5)}, 0.4);
    acrescentaNota(f, SINO, {topo + 0.02, longa - 0.02, nota(RE, 7), 0.15});

    acrescentaAmbiente(f, AMBIENTE_LEVE);
    arredondaPontas(f);
    return f;
}

// F major on the electric piano: a quick descending arpeggio, then a short
// dominant chord ("ta") resolving to a held tonic chord ("da").
Faixa geraFimPartida() {
    Faixa f(DURACAO_FIM);
    constexpr double PASSO = 0.09;
    const double descida[] = {nota(DO, 6), nota(LA, 5), nota(FA, 5), nota(DO, 5)};
    for (int i = 0; i < 4; ++i) acrescentaNota(f, PIANO_ELETRICO, {i * PASSO, 0.16, descida[i], 0.7});

    constexpr double TA = 0.45;
    constexpr double DURACAO_TA = 0.16;
    acrescentaAcorde(f, PIANO_ELETRICO, TA, DURACAO_TA,
                     {nota(DO, 4), nota(MI, 5), nota(SOL, 5), nota(DO, 6)}, 0.55);

    constexpr double DA = 0.66;
    const double fimDa = DURACAO_FIM - DA - 0.03;
    acrescentaAcorde(f, PIANO_ELETRICO, DA, fimDa,
                     {nota(FA, 3), nota(FA, 4), nota(LA, 4), nota(DO, 5), nota(FA, 5)}, 0.55, 0.012);
    acrescentaNota(f, SINO, {DA + 0.02, fimDa - 0.02, nota(FA, 6), 0.2});

    acrescentaAmbiente(f, AMBIENTE_LEVE);
    arredondaPontas(f);
    return f;
}

// A soft rising fourth on the chime, like a gentle notification.
Faixa geraRecebe() {
    Faixa f(DURACAO_RECEBE);
    constexpr double SEGUNDA = 0.13;
    acrescentaNota(f, CARRILHAO, {0.0, SEGUNDA + 0.15, nota(SOL, 5), 0.8});
    acrescentaNota(f, CARRILHAO, {SEGUNDA, DURACAO_RECEBE - SEGUNDA - 0.01, nota(DO, 6), 1.0});
    acrescentaAmbiente(f, AMBIENTE_LEVE);
    arredondaPontas(f);
    return f;
}

// An upward "pop": a blip gliding up an octave, capped by a bright
// xylophone ping at the top.
Faixa geraSucesso() {
    Faixa f(DURACAO_SUCESSO);
    constexpr double GLISSANDO = 0.05;
    acrescentaNota(f, BLIP, {0.0, 0.10, nota(MI, 5), 1.0, 2.0, GLISSANDO});
    acrescentaNota(f, XILOFONE, {0.04, DURACAO_SUCESSO - 0.04, nota(MI, 6), 0.55});
    arredondaPontas(f);
    return f;
}

// Two low, muffled wooden tones falling a fourth, each sagging slightly
// in pitch: a soft "uh-uh".
Faixa geraErro() {
    Faixa f(DURACAO_ERRO);
    constexpr double SEGUNDA = 0.13;
    acrescentaNota(f, MADEIRA, {0.0, 0.13, nota(LA_SUST, 3), 1.0, 0.94, 0.12});
    acrescentaNota(f, MADEIRA, {SEGUNDA, DURACAO_ERRO - SEGUNDA - 0.005, nota(FA, 3), 1.0, 0.90, 0.15});
    arredondaPontas(f);
    return f;
}

// A harp sweeping up the G major pentatonic scale, the strings left
// ringing, then two glockenspiel sparkles at the top.
Faixa geraSobre() {
    Faixa f(DURACAO_SOBRE);
    constexpr double PASSO = 0.04;
    const int cordas[][2] = {{SOL, 4}, {LA, 4}, {SI, 4}, {RE, 5}, {MI, 5}, {SOL, 5},
                             {LA, 5},  {SI, 5}, {RE, 6}, {MI, 6}, {SOL, 6}};
    double inicio = 0.0;
    for (const auto& c : cordas) {
        acrescentaNota(f, HARPA, {inicio, DURACAO_SOBRE - inicio - 0.02, nota(c[0], c[1]), 0.45});
        inicio += PASSO;
    }
    acrescentaNota(f, SINO, {inicio + 0.03, DURACAO_SOBRE - inicio - 0.05, nota(RE, 7), 0.22});
    acrescentaNota(f, SINO, {inicio + 0.15, DURACAO_SOBRE - inicio - 0.17, nota(SOL, 7), 0.16});

    acrescentaAmbiente(f, AMBIENTE_AMPLO);
    arredondaPontas(f);
    return f;
}

// Something falls into the lake (a splash: a plop and a burst of falling
// filtered noise), then a gentle sung "uh-oh", high then a minor third
// lower, the last note sagging a little.
Faixa geraInterventor() {
    Faixa f(DURACAO_INTERVENTOR);
    acrescentaBolha(f, 0.0, 0.09, 280.0, 620.0, 0.8);
    acrescentaRuido(f, {0.0, 0.55, 2800.0, 600.0, 1.0, 0.10, 2.2, SEMENTE_RESPINGO});
    acrescentaRuido(f, {0.05, 0.30, 4500.0, 2500.0, 1.5, 0.06, 0.8, SEMENTE_BORRIFO});

    constexpr double UH = 0.40;
    constexpr double OH = 0.66;
    acrescentaNota(f, OCARINA, {UH, 0.24, nota(FA, 5), 0.65});
    acrescentaNota(f, OCARINA,
                   {OH, DURACAO_INTERVENTOR - OH - 0.04, nota(RE, 5), 0.6, 0.97, 0.5});

    acrescentaAmbiente(f, AMBIENTE_LEVE);
    arredondaPontas(f);
    return f;
}

const std::vector<Som>& sonsDoJogo() {
    static const std::vector<Som> sons = {
        {"abertura.wav", 4.0, geraAbertura}, {"iniciapa.wav", 2.0, geraInicioPartida},
        {"fimpa.wav", 2.0, geraFimPartida},  {"recebe.wav", 2.0, geraRecebe},
        {"presssuc.wav", 2.0, geraSucesso},  {"presserr.wav", 2.0, geraErro},
        {"sobre.wav", 2.0, geraSobre},       {"interv.wav", 2.0, geraInterventor},
    };
    return sons;
}

}  // namespace sons
