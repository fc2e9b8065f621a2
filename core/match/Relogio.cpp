#include "core/match/Relogio.h"

#include <algorithm>
#include <limits>

namespace {
constexpr double PERIODO_MAXIMO_MS = std::numeric_limits<int32_t>::max();
}

uint32_t periodoPassoEfetivo(uint32_t periodoPasso) {
    return std::clamp<uint32_t>(periodoPasso, PERIODO_MINIMO_MS,
                                static_cast<uint32_t>(PERIODO_MAXIMO_MS));
}

uint32_t periodoFase(uint32_t periodoPasso, uint32_t segundos) {
    const double periodo = (periodoPasso / static_cast<double>(PERIODO_BASE_MS)) * segundos * 1000.0;
    return static_cast<uint32_t>(std::min(periodo, PERIODO_MAXIMO_MS));
}
