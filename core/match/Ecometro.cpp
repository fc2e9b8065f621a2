#include "core/match/Ecometro.h"

#include <algorithm>
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

std::optional<CorEcometro> corDoNome(std::string_view nome) {
    for (const CorEcometro cor : {ECOMETRO_VERDE, ECOMETRO_AMARELO, ECOMETRO_VERMELHO})
        if (nome == nomeCorEcometro(cor)) return cor;
    return std::nullopt;
}

CorEcometro corDoTermo(int64_t percentual, std::optional<CorEcometro> anterior) {
    // The whole percents whose readings straddle a band's lower edge, and
    // the two bands they may be in.
    const struct {
        int64_t percentual;
        CorEcometro abaixo, acima;
    } bordas[] = {
        {static_cast<int64_t>(LIMIAR_AMARELO * 100.0f), ECOMETRO_AMARELO, ECOMETRO_VERDE},
        {static_cast<int64_t>(LIMIAR_VERMELHO * 100.0f), ECOMETRO_VERMELHO, ECOMETRO_AMARELO},
    };
    for (const auto& borda : bordas) {
        if (percentual != borda.percentual || !anterior) continue;
        if (*anterior == borda.abaixo) return borda.acima;
        if (*anterior == borda.acima) return borda.abaixo;
    }
    const float razao = static_cast<float>(std::clamp<int64_t>(percentual, -1000000, 1000000)) / 100.0f;
    return corEcometro(razao);
}
