// The simulation clock's arithmetic, shared by the game's timers and the
// headless simulation: the step period and the phase timer's periods.
#pragma once

#include <cstdint>

inline constexpr uint32_t PERIODO_MINIMO_MS = 10;   // no timer runs faster
inline constexpr uint32_t PERIODO_BASE_MS = 130;    // the step period phase times refer to

// The period the step timer really runs at.
uint32_t periodoPassoEfetivo(uint32_t periodoPasso);

// The phase timer's period for an interval of segundos phase seconds:
// (periodoPasso / 130) × segundos × 1000, truncated, and never beyond the
// longest period a timer can take (about 24.8 days).
uint32_t periodoFase(uint32_t periodoPasso, uint32_t segundos);
