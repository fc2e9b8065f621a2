#include "editor/Equilibrio.h"

#include "core/match/Cuidado.h"

#include <algorithm>
#include <cassert>

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

float percentil(const std::vector<float>& ordenados, uint32_t p) {
    assert(!ordenados.empty() && "a percentile of no values");
    const std::size_t n = ordenados.size();
    const std::size_t posicao = (std::size_t{std::min(p, 100u)} * n + 99) / 100;  // ceil(p n / 100)
    return ordenados[std::max<std::size_t>(posicao, 1) - 1];
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
        faixa.percentilBaixo.push_back(percentil(agora, PERCENTIL_BAIXO));
        faixa.percentilAlto.push_back(percentil(agora, PERCENTIL_ALTO));
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

Verdes contaVerdes(const std::vector<ResumoSemente>& resumos) {
    Verdes contagem;
    for (const ResumoSemente& r : resumos) {
        if (!r.iniciou) continue;
        ++contagem.iniciadas;
        contagem.verdes += r.corFinal == ECOMETRO_VERDE;
    }
    return contagem;
}

Dificuldade dificuldade(Verdes sozinho, Verdes cuidado) {
    if (sozinho.iniciadas == 0 || cuidado.iniciadas == 0) return Dificuldade::SEM_VEREDITO;
    // Shares compared in whole numbers: g >= 90 % is 10 g >= 9 n.
    if (cuidado.verdes == 0) return Dificuldade::IMPOSSIVEL;
    if (10 * cuidado.verdes >= 9 * cuidado.iniciadas || 2 * sozinho.verdes >= sozinho.iniciadas)
        return Dificuldade::FACIL;
    if (2 * cuidado.verdes >= cuidado.iniciadas) return Dificuldade::EQUILIBRADA;
    return Dificuldade::DIFICIL;
}

const char* nomeDificuldade(Dificuldade dificuldade) {
    switch (dificuldade) {
    case Dificuldade::FACIL: return "fácil";
    case Dificuldade::EQUILIBRADA: return "equilibrada";
    case Dificuldade::DIFICIL: return "difícil";
    case Dificuldade::IMPOSSIVEL: return "impossível de vencer";
    case Dificuldade::SEM_VEREDITO: break;
    }
    return "";
}

std::string textoVeredito(const ResultadoEquilibrio& resultado) {
    const Verdes sozinho = contaVerdes(resultado.sozinho);
    const Verdes cuidado = contaVerdes(resultado.cuidado);
    const Dificuldade d = dificuldade(sozinho, cuidado);
    if (d == Dificuldade::SEM_VEREDITO) return "";
    // The count that decided: the lake alone when it wins alone, else the care.
    const bool sozinhoVence = d == Dificuldade::FACIL && 10 * cuidado.verdes < 9 * cuidado.iniciadas;
    const Verdes& base = sozinhoVence ? sozinho : cuidado;
    const std::string quantas = base.verdes == 0 ? "nenhuma" : std::to_string(base.verdes);
    return std::string("Esta fase é ") + nomeDificuldade(d) +
           (sozinhoVence ? ": mesmo sem cuidado, " : ": com cuidado, ") + quantas + " de " +
           std::to_string(base.iniciadas) + " partidas " +
           (base.verdes <= 1 ? "termina" : "terminam") + " no verde.";
}
