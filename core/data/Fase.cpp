#include "core/data/Fase.h"

#include "core/data/LeituraTexto.h"
#include "core/platform/Plataforma.h"

#include <algorithm>

void interpretaFase(std::string_view texto, TabelaFase& tabela) {
    tabela.fill(EventoFase{});
    LeituraTexto leitura(texto);
    for (EventoFase& entrada : tabela) {
        const auto tempo = leitura.mLeInteiro();
        if (!tempo) break;
        entrada.tempo = static_cast<uint32_t>(*tempo);
        const auto evento = leitura.mLeInteiro();
        if (!evento) break;
        entrada.evento = static_cast<uint32_t>(*evento);
    }
    std::stable_sort(tabela.begin(), tabela.end(),
                     [](const EventoFase& a, const EventoFase& b) { return a.tempo < b.tempo; });
}

bool mLeFase(const std::string& nome, TabelaFase& tabela) {
    tabela.fill(EventoFase{});
    const auto texto = leArquivoTexto(nome);
    if (!texto) {
        mostraAviso("Arquivo de fase não encontrado");
        mostraAviso(nome);
        return false;
    }
    interpretaFase(*texto, tabela);
    return true;
}
