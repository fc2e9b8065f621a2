#include "tools/editor/Equilibrio.h"

#include "core/match/Cuidado.h"

#include <algorithm>

uint32_t cadaSeriePara(uint32_t passos) {
    return std::max<uint32_t>(1, (passos + PONTOS_MAXIMOS - 1) / PONTOS_MAXIMOS);
}

ResultadoEquilibrio verificaEquilibrio(const PedidoEquilibrio& pedido, ControleLote& controle) {
    ResultadoEquilibrio resultado;
    resultado.passos = passosDaFase(pedido.pares);
    resultado.cadaSerie = cadaSeriePara(resultado.passos);
    if (pedido.sementes == 0) return resultado;

    OpcoesSimulacao opcoes;
    opcoes.valores = pedido.valores;
    opcoes.modelos = pedido.modelos;
    opcoes.textoFase = escreveArquivoFase({pedido.pares, ""});
    opcoes.passos = resultado.passos;
    resultado.sozinho = rodaSementes(opcoes, 1, pedido.sementes, controle, resultado.cadaSerie);
    if (!controle.cancelar) {
        opcoes.usos = roteiroCuidado(resultado.passos);
        resultado.cuidado = rodaSementes(opcoes, 1, pedido.sementes, controle, resultado.cadaSerie);
    }
    if (controle.cancelar) {
        resultado.sozinho.clear();
        resultado.cuidado.clear();
        resultado.cancelado = true;
    }
    return resultado;
}

FaixaEcometro faixaEcometro(const std::vector<ResumoSemente>& resumos) {
    FaixaEcometro faixa;
    std::size_t pontos = 0;
    for (const ResumoSemente& resumo : resumos) pontos = std::max(pontos, resumo.serie.size());
    std::vector<float> agora;
    for (std::size_t i = 0; i < pontos; ++i) {
        agora.clear();
        for (const ResumoSemente& resumo : resumos)
            if (i < resumo.serie.size()) agora.push_back(resumo.serie[i]);
        std::sort(agora.begin(), agora.end());
        const std::size_t meio = agora.size() / 2;
        const float mediana =
            agora.size() % 2 == 1 ? agora[meio] : (agora[meio - 1] + agora[meio]) / 2.0f;
        faixa.mediana.push_back(mediana);
        faixa.minimo.push_back(agora.front());
        faixa.maximo.push_back(agora.back());
    }
    return faixa;
}

std::string textoCores(const std::vector<ResumoSemente>& resumos) {
    constexpr CorEcometro CORES[] = {ECOMETRO_VERDE, ECOMETRO_AMARELO, ECOMETRO_VERMELHO};
    std::string texto;
    const auto junta = [&texto](std::size_t quantas, const std::string& nome) {
        if (quantas == 0) return;
        if (!texto.empty()) texto += ", ";
        texto += std::to_string(quantas) + ' ' + nome;
    };
    for (const CorEcometro cor : CORES)
        junta(std::count_if(resumos.begin(), resumos.end(),
                            [cor](const ResumoSemente& r) { return r.iniciou && r.corFinal == cor; }),
              nomeCorEcometro(cor));
    const auto falhas = std::count_if(resumos.begin(), resumos.end(),
                                      [](const ResumoSemente& r) { return !r.iniciou; });
    junta(falhas, falhas == 1 ? "não começou" : "não começaram");
    return texto.empty() ? "nenhuma partida" : texto;
}

std::string textoContagens(const ResultadoEquilibrio& resultado) {
    return "sozinho: " + textoCores(resultado.sozinho) +
           "; com cuidado: " + textoCores(resultado.cuidado);
}

bool nenhumaComecou(const ResultadoEquilibrio& resultado) {
    const auto comecou = [](const ResumoSemente& r) { return r.iniciou; };
    return std::none_of(resultado.sozinho.begin(), resultado.sozinho.end(), comecou) &&
           std::none_of(resultado.cuidado.begin(), resultado.cuidado.end(), comecou);
}
