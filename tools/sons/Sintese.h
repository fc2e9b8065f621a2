// The building blocks of the sound effects: a track of samples, additive
// tones with per-partial decays, pitch glides, water bloops, filtered noise,
// a small room echo and the conversion to 16-bit samples. Everything is
// deterministic: the noise comes from a fixed-seed generator of our own.
#pragma once

#include <cstdint>
#include <vector>

namespace sons {

// Samples per second of every file.
inline constexpr int TAXA = 22050;

// Note names as semitones above C, for altura() and nota().
inline constexpr int DO = 0, DO_SUST = 1, RE = 2, RE_SUST = 3, MI = 4, FA = 5, FA_SUST = 6,
                     SOL = 7, SOL_SUST = 8, LA = 9, LA_SUST = 10, SI = 11;

// MIDI number of a note in an octave (C4 = 60, A4 = 69).
constexpr int altura(int nome, int oitava) { return 12 * (oitava + 1) + nome; }

// Frequency in Hz of a MIDI note number, equal temperament with A4 = 440 Hz.
double frequenciaMidi(int midi);

// Frequency in Hz of a note in an octave, e.g. nota(MI, 5).
inline double nota(int nome, int oitava) { return frequenciaMidi(altura(nome, oitava)); }

// A mono track of floating-point samples, silent when made.
struct Faixa {
    explicit Faixa(double segundos);

    double duracao() const { return static_cast<double>(amostras.size()) / TAXA; }

    std::vector<double> amostras;
};

// One partial of a timbre: its frequency as a multiple of the note's, its
// amplitude, and the time constant of its exponential decay in seconds
// (0 keeps it at full level for as long as the note lasts).
struct Parcial {
    double multiplo;
    double amplitude;
    double decaimento;
};

// How a note sounds: its partials, the raised-cosine attack and release at
// its start and end (seconds), and an optional gentle vibrato.
struct Timbre {
    std::vector<Parcial> parciais;
    double ataque = 0.004;
    double soltura = 0.02;
    double vibratoProfundidade = 0.0;  // fraction of the frequency
    double vibratoFrequencia = 5.0;    // Hz
};

// One note on a track. It sounds from inicio for duracao seconds (the
// release is inside duracao). The pitch may glide exponentially from
// frequencia to frequencia * deslize over tempoDeslize seconds.
struct Nota {
    double inicio;
    double duracao;
    double frequencia;
    double volume = 1.0;
    double deslize = 1.0;
    double tempoDeslize = 0.0;
};

// Adds a note with the given timbre; partials above the highest frequency a
// file can hold are left out, and the note is cut at the end of the track.
void acrescentaNota(Faixa& faixa, const Timbre& timbre, const Nota& nota);

// Adds the same timbre at several pitches starting together, each one
// delayed by espalhamento seconds after the previous (a strummed chord).
void acrescentaAcorde(Faixa& faixa, const Timbre& timbre, double inicio, double duracao,
                      const std::vector<double>& frequencias, double volume,
                      double espalhamento = 0.0);

// Adds a water "bloop": a sine whose pitch rises quickly from
// frequenciaInicial to frequenciaFinal while it dies away, like a drop or a
// bubble bursting at the surface.
void acrescentaBolha(Faixa& faixa, double inicio, double duracao, double frequenciaInicial,
                     double frequenciaFinal, double volume);

// A splash or hiss: white noise through a band-pass filter whose centre
// slides from centroInicial to centroFinal, with a short attack and an
// exponential decay (time constant decaimento seconds).
struct Ruido {
    double inicio;
    double duracao;
    double centroInicial;
    double centroFinal;
    double qualidade;  // Q of the band-pass filter
    double decaimento;
    double volume;
    uint32_t semente;
};

// Adds a burst of filtered noise.
void acrescentaRuido(Faixa& faixa, const Ruido& ruido);

// Mixes in a short, soft room echo (a few feedback delays smoothed by
// all-pass filters); mistura is the level of the echo against the dry sound.
void acrescentaAmbiente(Faixa& faixa, double mistura);

// Fades the first and last moments of the track to silence, so the file
// starts and stops without a click whatever was added to it.
void arredondaPontas(Faixa& faixa);

// The track scaled so that its loudest sample is pico, rounded to 16 bits.
std::vector<int16_t> paraPcm16(const Faixa& faixa, int pico);

}  // namespace sons
