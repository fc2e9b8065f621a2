#include "core/match/Lote.h"

#include "core/data/Fase.h"
#include "core/match/EventosFase.h"
#include "core/match/Relogio.h"

#include <algorithm>
#include <thread>

ResumoSemente rodaSemente(OpcoesSimulacao opcoes, uint32_t semente, uint32_t cadaSerie) {
    opcoes.semente = semente;
    ResumoSemente resumo;
    resumo.semente = semente;
    Simulacao simulacao(std::move(opcoes));
    if (!simulacao.mInicia()) return resumo;
    resumo.iniciou = true;

    double soma = 0;
    uint32_t leituras = 0;
    const auto le = [&] {
        const Ecometro ecometro = simulacao.mEcometro();
        const double percentual = static_cast<double>(ecometro.razao) * 100.0;
        resumo.ecometroMin = leituras == 0 ? percentual : std::min(resumo.ecometroMin, percentual);
        soma += percentual;
        ++leituras;
        resumo.ecometroFinal = percentual;
        resumo.corFinal = ecometro.cor;
        resumo.seresFinal = ecometro.leitura.quantos;
        if (cadaSerie != 0 && resumo.passos % cadaSerie == 0)
            resumo.serie.push_back(static_cast<float>(percentual));
    };
    le();
    while (resumo.passos < simulacao.mOpcoes().passos && simulacao.mPasso()) {
        ++resumo.passos;
        le();
    }
    resumo.ecometroMedio = soma / leituras;
    return resumo;
}

std::vector<ResumoSemente> rodaSementes(const OpcoesSimulacao& opcoes, uint32_t de, uint32_t ate,
                                        ControleLote& controle, uint32_t cadaSerie) {
    if (ate < de) return {};
    // The models are read once for every seed; a batch that cannot read
    // them lets each match read and report for itself.
    OpcoesSimulacao comModelos = opcoes;
    if (!comModelos.modelosLidos) comModelos.modelosLidos = leModelosPadrao(opcoes.modelos);
    const uint64_t quantas = uint64_t{ate} - de + 1;
    std::vector<ResumoSemente> resumos(quantas);
    std::atomic<uint64_t> proxima{0};
    const auto trabalha = [&] {
        for (uint64_t i = proxima++; i < quantas && !controle.cancelar; i = proxima++) {
            resumos[i] = rodaSemente(comModelos, static_cast<uint32_t>(de + i), cadaSerie);
            ++controle.feitas;
        }
    };
    const uint64_t nucleos =
        std::max(1u, controle.threads != 0 ? controle.threads : std::thread::hardware_concurrency());
    std::vector<std::jthread> ajudantes;
    for (uint64_t t = 1; t < std::min(nucleos, quantas); ++t) ajudantes.emplace_back(trabalha);
    trabalha();
    ajudantes.clear();  // joins
    if (controle.cancelar) return {};
    return resumos;
}

uint32_t passosDaFase(const std::vector<ParFase>& pares) {
    // The table exactly as the game reads the file.
    TabelaFase tabela;
    interpretaFase(escreveArquivoFase({pares, ""}), tabela);
    return passosDaTabela(tabela);
}

uint32_t passosDaTabela(const TabelaFase& tabela) {
    constexpr uint32_t MINUTO_DEPOIS = 60;        // s
    constexpr uint32_t PARTIDA_MAXIMA = 20 * 60;  // s
    const auto passosAte = [](uint32_t segundos) {
        return static_cast<uint32_t>(uint64_t{segundos} * 1000 / PERIODO_BASE_MS) + 1;
    };
    uint32_t ultimo = 0;
    for (const EventoFase& evento : tabela) {
        if (evento.tempo >= TEMPO_ENCHIMENTO) break;  // the fillers, and what never comes
        if (evento.evento == EVENTO_FIM) return passosAte(std::min(evento.tempo, PARTIDA_MAXIMA));
        ultimo = evento.tempo;
    }
    return passosAte(std::min(ultimo + MINUTO_DEPOIS, PARTIDA_MAXIMA));
}
