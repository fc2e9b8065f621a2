// The synthesis helpers of gera_sons: tones, bloops, noise, echo and the
// final scaling to 16 bits.
#include "tools/sons/Sintese.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <numbers>

namespace sons {

namespace {
constexpr double DOIS_PI = 2.0 * std::numbers::pi;

// Partials at or above this frequency are left out: they would fold back
// below half the sampling rate as harsh, out-of-tune tones.
constexpr double FREQUENCIA_LIMITE = 0.45 * TAXA;

constexpr int MIDI_LA4 = 69;
constexpr double FREQUENCIA_LA4 = 440.0;

// A bloop's level falls to 1/e in this fraction of its length.
constexpr double DECAIMENTO_BOLHA = 0.3;

// The noise burst reaches full level after this many seconds.
constexpr double ATAQUE_RUIDO = 0.005;
// Band-pass filters in a row on the noise: two give it steeper sides, so
// the splash is soft rather than hissing.
constexpr std::size_t ESTAGIOS_RUIDO = 2;

// Room echo: four feedback delays (tuned to avoid common ratios) and two
// all-pass filters, lengths in samples at TAXA.
constexpr std::array<std::size_t, 4> ATRASOS_ECO = {558, 594, 639, 678};
constexpr std::array<std::size_t, 2> ATRASOS_DIFUSAO = {278, 220};
constexpr double REALIMENTACAO_ECO = 0.7;  // the echo dies away in about half a second
constexpr double AMORTECIMENTO_ECO = 0.35; // the echo gets duller as it repeats
constexpr double GANHO_DIFUSAO = 0.5;
constexpr double ENTRADA_ECO = 0.3;        // keeps the echo near the dry level

// Fade at the start and end of every track, seconds.
constexpr double PONTA_INICIAL = 0.002;
constexpr double PONTA_FINAL = 0.03;

// Small generator (xorshift32) for the noise; the same seed always gives
// the same noise.
class Gerador {
public:
    explicit Gerador(uint32_t semente) : estado(semente == 0 ? 1u : semente) {}

    // A value evenly spread in [-1, 1).
    double proximo() {
        estado ^= estado << 13;
        estado ^= estado >> 17;
        estado ^= estado << 5;
        return static_cast<double>(estado) / 2147483648.0 - 1.0;
    }

private:
    uint32_t estado;
};

// Band-pass filter (biquad, 0 dB at its centre), direct form I; it can be
// retuned sample by sample to follow a sliding centre.
class PassaFaixa {
public:
    void sintoniza(double centro, double qualidade) {
        const double w0 = DOIS_PI * centro / TAXA;
        const double alfa = std::sin(w0) / (2.0 * qualidade);
        const double a0 = 1.0 + alfa;
        b0 = alfa / a0;
        a1 = -2.0 * std::cos(w0) / a0;
        a2 = (1.0 - alfa) / a0;
    }

    double filtra(double x0) {
        const double y0 = b0 * x0 - b0 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x0;
        y2 = y1;
        y1 = y0;
        return y0;
    }

private:
    double b0 = 0.0, a1 = 0.0, a2 = 0.0;
    double x1 = 0.0, x2 = 0.0, y1 = 0.0, y2 = 0.0;
};

// Rises from 0 to 1 over the first ataque seconds and falls back to 0 over
// the last soltura seconds of a note of length duracao (raised cosines).
double envelope(double t, double duracao, double ataque, double soltura) {
    // A very short note shares its length between attack and release.
    const double soma = ataque + soltura;
    if (soma > duracao) {
        ataque *= duracao / soma;
        soltura *= duracao / soma;
    }
    if (t < 0.0 || t >= duracao) return 0.0;
    double ganho = 1.0;
    if (ataque > 0.0 && t < ataque) ganho *= 0.5 - 0.5 * std::cos(std::numbers::pi * t / ataque);
    const double resta = duracao - t;
    if (soltura > 0.0 && resta < soltura)
        ganho *= 0.5 - 0.5 * std::cos(std::numbers::pi * resta / soltura);
    return ganho;
}

// Frequency t seconds into a note, following its glide.
double frequenciaNoInstante(const Nota& nota, double t) {
    if (nota.deslize == 1.0 || nota.tempoDeslize <= 0.0) return nota.frequencia;
    const double fracao = std::min(t / nota.tempoDeslize, 1.0);
    return nota.frequencia * std::pow(nota.deslize, fracao);
}

// The samples of the track a span of time covers, cut to the track.
struct Trecho {
    std::size_t primeira;
    std::size_t fim;
};

Trecho trecho(const Faixa& faixa, double inicio, double duracao) {
    const auto total = faixa.amostras.size();
    const auto primeira = static_cast<std::size_t>(std::max(0.0, std::round(inicio * TAXA)));
    const auto fim = static_cast<std::size_t>(std::max(0.0, std::round((inicio + duracao) * TAXA)));
    return {std::min(primeira, total), std::min(fim, total)};
}
}  // namespace

double frequenciaMidi(int midi) {
    return FREQUENCIA_LA4 * std::pow(2.0, (midi - MIDI_LA4) / 12.0);
}

Faixa::Faixa(double segundos)
    : amostras(static_cast<std::size_t>(std::round(segundos * TAXA)), 0.0) {}

void acrescentaNota(Faixa& faixa, const Timbre& timbre, const Nota& nota) {
    const double maisAlta =
        std::max(nota.frequencia, nota.frequencia * nota.deslize) * (1.0 + timbre.vibratoProfundidade);
    std::vector<Parcial> audiveis;
    for (const Parcial& p : timbre.parciais)
        if (p.multiplo * maisAlta < FREQUENCIA_LIMITE) audiveis.push_back(p);
    std::vector<double> fases(audiveis.size(), 0.0);

    const Trecho t = trecho(faixa, nota.inicio, nota.duracao);
    const double passo = 1.0 / TAXA;
    for (std::size_t i = t.primeira; i < t.fim; ++i) {
        const double tempo = static_cast<double>(i - t.primeira) * passo;
        const double ganho = envelope(tempo, nota.duracao, timbre.ataque, timbre.soltura);
        double frequencia = frequenciaNoInstante(nota, tempo);
        if (timbre.vibratoProfundidade > 0.0)
            frequencia *= 1.0 + timbre.vibratoProfundidade *
                                    std::sin(DOIS_PI * timbre.vibratoFrequencia * tempo);
        double soma = 0.0;
        for (std::size_t k = 0; k < audiveis.size(); ++k) {
            const Parcial& p = audiveis[k];
            const double queda = p.decaimento > 0.0 ? std::exp(-tempo / p.decaimento) : 1.0;
            soma += p.amplitude * queda * std::sin(fases[k]);
            fases[k] += DOIS_PI * frequencia * p.multiplo * passo;
        }
        faixa.amostras[i] += nota.volume * ganho * soma;
    }
}

void acrescentaAcorde(Faixa& faixa, const Timbre& timbre, double inicio, double duracao,
                      const std::vector<double>& frequencias, double volume, double espalhamento) {
    double atraso = 0.0;
    for (double f : frequencias) {
        acrescentaNota(faixa, timbre, {inicio + atraso, duracao - atraso, f, volume});
        atraso += espalhamento;
    }
}

void acrescentaBolha(Faixa& faixa, double inicio, double duracao, double frequenciaInicial,
                     double frequenciaFinal, double volume) {
    const Timbre bolha{{{1.0, 1.0, DECAIMENTO_BOLHA * duracao}}, 0.003, 0.01};
    acrescentaNota(faixa, bolha,
                   {inicio, duracao, frequenciaInicial, volume, frequenciaFinal / frequenciaInicial,
                    duracao});
}

void acrescentaRuido(Faixa& faixa, const Ruido& ruido) {
    Gerador gerador(ruido.semente);
    std::array<PassaFaixa, ESTAGIOS_RUIDO> filtros{};
    const Trecho t = trecho(faixa, ruido.inicio, ruido.duracao);
    for (std::size_t i = t.primeira; i < t.fim; ++i) {
        const double tempo = static_cast<double>(i - t.primeira) / TAXA;
        const double fracao = tempo / ruido.duracao;
        const double centro =
            ruido.centroInicial * std::pow(ruido.centroFinal / ruido.centroInicial, fracao);
        double valor = gerador.proximo();
        for (PassaFaixa& filtro : filtros) {
            filtro.sintoniza(centro, ruido.qualidade);
            valor = filtro.filtra(valor);
        }
        const double ganho = envelope(tempo, ruido.duracao, ATAQUE_RUIDO, PONTA_FINAL) *
                             std::exp(-tempo / ruido.decaimento);
        faixa.amostras[i] += ruido.volume * ganho * valor;
    }
}

void acrescentaAmbiente(Faixa& faixa, double mistura) {
    struct Atraso {
        std::vector<double> memoria;
        std::size_t posicao = 0;
        double filtrado = 0.0;
    };
    std::array<Atraso, ATRASOS_ECO.size()> ecos;
    for (std::size_t k = 0; k < ecos.size(); ++k) ecos[k].memoria.assign(ATRASOS_ECO[k], 0.0);
    std::array<Atraso, ATRASOS_DIFUSAO.size()> difusores;
    for (std::size_t k = 0; k < difusores.size(); ++k)
        difusores[k].memoria.assign(ATRASOS_DIFUSAO[k], 0.0);

    for (double& amostra : faixa.amostras) {
        const double entrada = ENTRADA_ECO * amostra;
        double eco = 0.0;
        for (Atraso& a : ecos) {
            const double saida = a.memoria[a.posicao];
            a.filtrado = saida * (1.0 - AMORTECIMENTO_ECO) + a.filtrado * AMORTECIMENTO_ECO;
            a.memoria[a.posicao] = entrada + a.filtrado * REALIMENTACAO_ECO;
            a.posicao = (a.posicao + 1) % a.memoria.size();
            eco += saida;
        }
        eco /= static_cast<double>(ecos.size());
        for (Atraso& d : difusores) {
            const double guardado = d.memoria[d.posicao];
            d.memoria[d.posicao] = eco + guardado * GANHO_DIFUSAO;
            d.posicao = (d.posicao + 1) % d.memoria.size();
            eco = guardado - eco;
        }
        amostra += mistura * eco;
    }
}

void arredondaPontas(Faixa& faixa) {
    const auto total = faixa.amostras.size();
    const double duracao = faixa.duracao();
    for (std::size_t i = 0; i < total; ++i) {
        const double tempo = static_cast<double>(i) / TAXA;
        if (tempo > PONTA_INICIAL && tempo < duracao - PONTA_FINAL) continue;
        faixa.amostras[i] *= envelope(tempo, duracao, PONTA_INICIAL, PONTA_FINAL);
    }
}

std::vector<int16_t> paraPcm16(const Faixa& faixa, int pico) {
    double maior = 0.0;
    for (double a : faixa.amostras) maior = std::max(maior, std::abs(a));
    const double escala = maior > 0.0 ? pico / maior : 0.0;
    std::vector<int16_t> pcm;
    pcm.reserve(faixa.amostras.size());
    for (double a : faixa.amostras) {
        const long valor = std::lround(a * escala);
        pcm.push_back(static_cast<int16_t>(std::clamp(valor, -32768L, 32767L)));
    }
    return pcm;
}

}  // namespace sons
