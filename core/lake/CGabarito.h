// A template from which an agent is built: nine behaviour pairs for slots
// 0..8, then the values of its body. 28 32-bit values in this order.
#pragma once

#include <array>
#include <cstdint>

inline constexpr std::size_t NUM_SLOTS_AGENTE = 9;

struct ParComportamento {
    int32_t tipo = 0;       // behaviour kind
    int32_t parametro = 0;  // its meaning depends on the kind
};

struct CGabarito {
    std::array<ParComportamento, NUM_SLOTS_AGENTE> pares{};
    int32_t grupo = 0;              // scene group: 0 living beings, 1 polluters
    int32_t tipo = 0;               // body type
    int32_t classe = 0;             // only the low byte reaches the body
    int32_t giro = 0;               // spin in hundredths of a radian per scene tick
    int32_t periodoReproducao = 0;  // steps
    int32_t casaX = 0, casaY = 0, casaZ = 0;
    int32_t custoReproducao = 0;
    int32_t energia = 0;            // before the random deviation
};
static_assert(sizeof(CGabarito) == 28 * sizeof(int32_t), "a template is 28 values");
