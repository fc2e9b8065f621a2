// The lake model's table of 100 agents: living beings from index 0 upward,
// polluters in 78..97, the water in 98 and the lake in 99. Inactive after
// construction and after mLimpa, active once built (mInicia).
#pragma once

#include "core/lake/Aleatorio.h"
#include "core/lake/CAgente.h"

#include <array>
#include <cstddef>
#include <cstdint>

class CCena3D;

inline constexpr std::size_t NUM_AGENTES = 100;
inline constexpr std::size_t AGENTE_AGUA = 98;
inline constexpr std::size_t AGENTE_LAGO = 99;

inline constexpr float ESCALA_ECOMETRO = 2555.0f;  // energy of a full lake

// What the eco-meter counts: living beings, and the lake and water while
// their energy is positive.
inline bool contaNoEcometro(const CObjetoFisico& corpo) {
    if (corpo.tipo >= TIPO_GORDO && corpo.tipo <= TIPO_MICRO) return true;
    return (corpo.tipo == TIPO_LAGO || corpo.tipo == TIPO_AGUA) && corpo.energia > 0.0f;
}

// What mLeEcometro reads.
struct LeituraEcometro {
    int32_t quantos = 0;
    float soma = 0;
    float escala = 0;
};

// The initial population of a lake and whether it has a lake and a water
// body (from NUM_INI_*, CRIAR_LAGO and CRIAR_AGUA).
struct PopulacaoInicial {
    int32_t gordo = 0, azul = 0, listrado = 0, alga = 0, micro = 0;
    bool criaLago = false, criaAgua = false;
};

// Whether energy given to a body type reaches this agent: it has a body of
// that type.
bool recebeEnergia(const CAgente& agente, int32_t tipo);

class CTabelaAgentes {
public:
    CTabelaAgentes() = default;
    CTabelaAgentes(const CTabelaAgentes&) = delete;
    CTabelaAgentes& operator=(const CTabelaAgentes&) = delete;

    // Builds every agent free; answers 0 at the first that cannot be built,
    // else makes the table active and answers 1.
    uint32_t mInicia(CCena3D* cena);

    // When active: MSG_MORRE and then mLimpa to every agent in index order;
    // the table becomes inactive.
    void mLimpa();

    // Delivers a message to agents 0..99 in order; stops at the first that
    // answers 0 and answers 0. An inactive table answers 1 at once.
    uint32_t mEnviaTodos(uint32_t numero, ArgumentoMensagem a, ArgumentoMensagem b);

    // Adds valor to the energy of every body of the type, without limit:
    // the bodies recebeEnergia names.
    void mSomaEnergia(int32_t tipo, float valor);

    // The eco-meter reading; an inactive table leaves leitura untouched.
    void mLeEcometro(LeituraEcometro& leitura) const;

    // Builds a new lake: every agent dies and is rebuilt free, then the lake
    // (99) and the water (98), then the beings from index 0 upward, fish
    // and micro-organisms anywhere in the water, algae on the bottom. False
    // when the table cannot be built.
    bool mConstroiLago(CCena3D& cena, const PopulacaoInicial& populacao);

    CAgente& operator[](std::size_t i) { return agentes[i]; }
    const CAgente& operator[](std::size_t i) const { return agentes[i]; }

    int32_t ativa = 0;
    std::array<CAgente, NUM_AGENTES> agentes;
    // The lake's numbers: the beings' places, the behaviours' draws, the
    // phase's random interventors.
    GeradorAleatorio aleatorio;
};
