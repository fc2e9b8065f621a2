#include "core/match/EfeitoFerramenta.h"

#include "core/match/Passo.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr float MAIOR_VARIACAO = 999.0f;    // percent points written at most
constexpr float MENOR_INTEIRO = 0.95f;      // from here on whole points ("+1")
constexpr float MENOR_DECIMO = 0.05f;       // below: "0"
constexpr const char* MENOS = "\xE2\x88\x92";  // U+2212 MINUS SIGN

// A value as the rule reads it: NaN adds nothing worth showing.
float valorVisivel(float valor) { return std::isnan(valor) ? 0.0f : valor; }
}  // namespace

AlvosFerramenta alvosDaFerramenta(const CTabelaAgentes& agentes, const Alteracao& alteracao) {
    AlvosFerramenta alvos;
    if (agentes.ativa != 1) return alvos;
    for (std::size_t k = 0; k < NUM_ALTERACOES; ++k) {
        const float valor = valorVisivel(alteracao[k]);
        if (valor == 0) continue;
        const int32_t tipo = TIPOS_ALTERACAO[k];
        for (std::size_t i = 0; i < agentes.agentes.size(); ++i) {
            if (!recebeEnergia(agentes[i], tipo)) continue;
            if (k == ALTERACAO_LAGO) alvos.lago = valor;
            else if (k == ALTERACAO_AGUA) alvos.agua = valor;
            else alvos.seres.push_back({i, agentes[i].corpo->instancia, tipo, valor});
        }
    }
    std::sort(alvos.seres.begin(), alvos.seres.end(),
              [](const SerAlterado& a, const SerAlterado& b) { return a.agente < b.agente; });
    return alvos;
}

std::string textoDaVariacao(float variacao) {
    if (std::isnan(variacao)) return {};
    const float tamanho = std::min(std::fabs(variacao), MAIOR_VARIACAO);
    if (tamanho < MENOR_DECIMO) return "0";
    const std::string sinal = variacao > 0 ? "+" : MENOS;
    if (tamanho < MENOR_INTEIRO) return sinal + "0," + std::to_string(std::lround(tamanho * 10.0f));
    return sinal + std::to_string(std::lround(tamanho));
}
