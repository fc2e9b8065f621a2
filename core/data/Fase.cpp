#include "core/data/Fase.h"

#include "core/data/LeituraTexto.h"
#include "core/platform/Plataforma.h"

#include <algorithm>

namespace {

void lePares(LeituraTexto& leitura, TabelaFase& tabela) {
    tabela.fill(EventoFase{});
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

}  // namespace

void interpretaFase(std::string_view texto, TabelaFase& tabela) {
    LeituraTexto leitura(texto);
    lePares(leitura, tabela);
}

bool mLeFase(const std::string& nome, TabelaFase& tabela) {
    tabela.fill(EventoFase{});
    auto entrada = abreArquivoTexto(nome);
    if (!entrada && !nome.empty()) entrada = abreArquivoTexto(PASTA_FASES + nome);
    if (!entrada) {
        mostraAviso("Arquivo de fase não encontrado");
        mostraAviso(nome);
        return false;
    }
    LeituraTexto leitura(*entrada);
    lePares(leitura, tabela);
    return true;
}
