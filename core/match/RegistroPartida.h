// The record of a match, kept while it runs: a reading of the lake every few
// steps (what simula writes in a row), the polluters that came and the tools
// used, each at its step, and how many steps the eco-meter spent in each
// colour. The debrief is built from it (ResumoPartida.h).
//
// Its tables have a fixed size, taken once, however long a match runs:
// when the readings fill theirs every other one is dropped and readings
// come half as often; marks beyond theirs are only counted.
#pragma once

#include "core/data/Parametros.h"
#include "core/lake/CTabelaAgentes.h"
#include "core/match/Ecometro.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

inline constexpr std::size_t NUM_ESPECIES = 5;  // body types 0..4: the living beings

// The lake at one step.
struct LeituraLago {
    uint32_t passo = 0;
    std::array<int32_t, NUM_ESPECIES> quantos{};  // beings of each kind
    std::array<double, NUM_ESPECIES> energia{};   // their summed energy
    std::optional<float> lago, agua;              // the bottom's and the water's energy, if they exist
    int32_t seres = 0;                            // what the eco-meter counts
    float razao = 0;                              // the eco-meter: energy / full scale
    CorEcometro cor = ECOMETRO_VERMELHO;          // the colour the bar shows

    double mPercentual() const { return static_cast<double>(razao) * 100.0; }
};

// Reads the lake in one pass; the eco-meter comes out exactly as
// leEcometro gives it.
LeituraLago leLago(const CTabelaAgentes& agentes, uint32_t passo);

struct MarcaPartida {
    enum Tipo : uint8_t {
        POLUIDOR,    // polluter a (0..8) came
        FERRAMENTA,  // character a used its tool b
        FIM,         // the match ended
    };
    Tipo tipo = FIM;
    uint32_t passo = 0;
    uint32_t a = 0, b = 0;
    float variacao = 0;  // a tool: what it did to the eco-meter, percent points
    Alteracao efeito{};  // a tool: its values when it was used
};

class RegistroPartida {
public:
    static constexpr uint32_t PASSOS_POR_LEITURA = 4;
    static constexpr std::size_t MAX_LEITURAS = 4096;
    static constexpr std::size_t MAX_MARCAS = 4096;

    RegistroPartida();

    // A new match with a step of periodoMs and its lake at step 0:
    // everything before is forgotten.
    void mInicia(uint32_t periodoMs, const LeituraLago& inicio);
    // After step passo: a reading when its turn has come.
    void mPasso(const CTabelaAgentes& agentes, uint32_t passo) {
        if (passo % passosPorLeitura == 0) mRegistra(leLago(agentes, passo));
    }
    // Polluter n comes, or character c uses its tool k, on the lake as it
    // was just before: that reading is kept too, so that the chart's change
    // starts where the mark is.
    void mPoluidor(const LeituraLago& antes, uint32_t n);
    void mFerramenta(const LeituraLago& antes, uint32_t c, uint32_t k, const Alteracao& efeito, float variacao);
    // The match ended with the lake as fim reads it: a last reading (it
    // replaces one of the same step: tools may have acted since) and the
    // end's mark. Nothing once ended, or before a start.
    void mFim(const LeituraLago& fim);

    // A reading of a later step than the last (the others are ignored).
    void mRegistra(const LeituraLago& leitura);

    bool mIniciado() const { return !leituras.empty(); }
    bool mTerminado() const { return terminado; }
    uint32_t mPeriodoMs() const { return periodoMs; }
    const std::vector<LeituraLago>& mLeituras() const { return leituras; }
    // The last reading at or before passo (the first when none is); only
    // once started.
    const LeituraLago& mLeituraEm(uint32_t passo) const;
    const std::vector<MarcaPartida>& mMarcas() const { return marcas; }
    // Steps spent in the colour: from each reading to the next, the first one's colour.
    uint32_t mPassosNaCor(CorEcometro cor) const;
    // How many times character c used its tool k, also beyond the marks kept.
    uint32_t mUsos(uint32_t c, uint32_t k) const { return usos.at(c).at(k); }

private:
    void mMarca(const MarcaPartida& marca);

    uint32_t periodoMs = 0;
    uint32_t passosPorLeitura = PASSOS_POR_LEITURA;
    std::vector<LeituraLago> leituras;
    std::vector<MarcaPartida> marcas;
    std::array<uint32_t, 3> passosNaCor{};  // green, yellow, red
    std::array<std::array<uint32_t, NUM_FERRAMENTAS>, NUM_PERSONAGENS> usos{};
    bool terminado = false;
};
