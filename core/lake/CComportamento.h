// A behaviour: what one slot of an agent does with the message of its
// number. Kinds are created by number (criaComportamento); a behaviour never
// changes its agent's slots itself, it asks the agent (mTrocaComportamento,
// mReinicia) and the agent applies the request after the handler returns.
#pragma once

#include "core/lake/Mensagens.h"

#include <cstdint>
#include <memory>

class CAgente;

// Behaviour kinds.
inline constexpr int32_t COMP_NULO = 0;
inline constexpr int32_t COMP_NASCE = 1;
inline constexpr int32_t COMP_MORRE = 2;
inline constexpr int32_t COMP_NOVA_DIRECAO = 3;
inline constexpr int32_t COMP_NADA = 4;
inline constexpr int32_t COMP_COME = 5;
inline constexpr int32_t COMP_METABOLISMO = 6;
inline constexpr int32_t COMP_ABSORVE = 7;
inline constexpr int32_t COMP_REPRODUZ = 8;
inline constexpr int32_t COMP_DESOVA = 9;
inline constexpr int32_t COMP_POLUIDOR = 10;
inline constexpr int32_t COMP_DRAGA = 11;
inline constexpr int32_t COMP_FONTE = 12;
inline constexpr int32_t COMP_AGROTOXICO = 13;
inline constexpr int32_t COMP_REDE = 14;
inline constexpr int32_t COMP_LIXO = 15;
inline constexpr int32_t COMP_LANCHA = 16;
inline constexpr int32_t COMP_PESCA_PREDATORIA = 17;
inline constexpr int32_t COMP_ESGOTO_RESIDENCIAL = 18;
inline constexpr int32_t COMP_ESGOTO_INDUSTRIAL = 19;
inline constexpr int32_t COMP_GASOLINA = 20;
inline constexpr int32_t NUM_TIPOS_COMPORTAMENTO = 21;

class CComportamento {
public:
    virtual ~CComportamento() = default;

    // Handles the message of this slot's number; answers 1 unless the kind
    // says otherwise.
    virtual uint32_t mTrata(ArgumentoMensagem a, ArgumentoMensagem b) = 0;

    // Called once the record has its agent, slot, kind and parameter.
    virtual void mCriado() {}

    // The next number of the agent's generator (0 to 32767).
    uint32_t mSorteia();

    CAgente* dono = nullptr;
    int32_t slot = 0;
    int32_t tipo = 0;
    int32_t parametro = 0;
    // Set by a behaviour whose handling only answers 1, so that a delivery
    // may skip the call.
    bool soResponde = false;
};

// A new behaviour of the kind, or none for a kind that does not exist.
std::unique_ptr<CComportamento> criaComportamento(int32_t tipo);
