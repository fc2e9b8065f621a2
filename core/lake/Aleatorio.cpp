#include "core/lake/Aleatorio.h"

namespace {
uint32_t gEstadoAleatorio = 1;
constexpr uint32_t MULTIPLICADOR = 214013;
constexpr uint32_t INCREMENTO = 2531011;
}  // namespace

void semeiaAleatorio(uint32_t semente) { gEstadoAleatorio = semente; }

uint32_t aleatorio() {
    gEstadoAleatorio = gEstadoAleatorio * MULTIPLICADOR + INCREMENTO;
    return (gEstadoAleatorio >> 16) & 0x7FFF;
}
