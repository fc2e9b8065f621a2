#include "core/match/Cuidado.h"

#include "core/data/Parametros.h"

std::vector<UsoFerramenta> roteiroCuidado(uint32_t passos) {
    constexpr uint32_t PAR[] = {MAE_NATUREZA, PESCADOR};
    std::vector<UsoFerramenta> usos;
    constexpr uint32_t FERRAMENTAS = NUM_FERRAMENTAS;
    for (uint32_t i = 0; i < USOS_CUIDADO; ++i) {
        const uint32_t k = i % (2 * FERRAMENTAS);
        const auto passo = static_cast<uint32_t>(uint64_t{i + 1} * passos / (USOS_CUIDADO + 1));
        usos.push_back({passo, PAR[k / FERRAMENTAS], k % FERRAMENTAS});
    }
    return usos;
}
