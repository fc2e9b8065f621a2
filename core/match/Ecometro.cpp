#include "core/match/Ecometro.h"

#include <cmath>
#include <limits>

CorEcometro corEcometro(float razao) {
    if (razao < LIMIAR_VERMELHO) return ECOMETRO_VERMELHO;
    if (razao < LIMIAR_AMARELO) return ECOMETRO_AMARELO;
    return ECOMETRO_VERDE;
}

Ecometro leEcometro(const CTabelaAgentes& agentes) {
    Ecometro ecometro;
    agentes.mLeEcometro(ecometro.leitura);
    const LeituraEcometro& leitura = ecometro.leitura;
    ecometro.razao = leitura.escala != 0.0f ? leitura.soma / leitura.escala : 0.0f;
    ecometro.cor = corEcometro(ecometro.razao);
    return ecometro;
}

int32_t percentualEcometro(float razao) {
    const float percentual = razao * 100.0f;
    if (std::isnan(percentual)) return 0;
    constexpr float DOIS_A_31 = 2147483648.0f;
    if (percentual >= DOIS_A_31) return std::numeric_limits<int32_t>::max();
    if (percentual < -DOIS_A_31) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(percentual);
}

const char* nomeCorEcometro(CorEcometro cor) {
    switch (cor) {
    case ECOMETRO_VERDE: return "verde";
    case ECOMETRO_AMARELO: return "amarelo";
    case ECOMETRO_VERMELHO: return "vermelho";
    }
    return "vermelho";
}
