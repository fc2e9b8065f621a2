// The lake model's table of agents: living beings from index 0 upward,
// polluters in 78..97, the water in 98 and the lake in 99. Inactive after
// construction and after mLimpa, active once built.
#pragma once

#include <cstddef>
#include <cstdint>

inline constexpr std::size_t NUM_AGENTES = 100;

class CTabelaAgentes {
public:
    CTabelaAgentes() = default;
    CTabelaAgentes(const CTabelaAgentes&) = delete;
    CTabelaAgentes& operator=(const CTabelaAgentes&) = delete;

    // Returns every agent to the free state and makes the table inactive.
    void mLimpa();

    int32_t ativa = 0;
};
